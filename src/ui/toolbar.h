#pragma once

class QMainWindow;

namespace kv508::ui {

// New, Open, Save, Print, Program and Read, each running its menu entry; one
// of each pair of transfer buttons is hidden at start-up.
void CreateToolBar(QMainWindow &window);

} // namespace kv508::ui
