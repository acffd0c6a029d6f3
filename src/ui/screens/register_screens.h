#pragma once

namespace kv508::ui {

class ScreenArea;
class ScreenContext;

// Creates every editing screen and registers it with the screen area.
void RegisterScreens(ScreenArea &area, ScreenContext &context);

} // namespace kv508::ui
