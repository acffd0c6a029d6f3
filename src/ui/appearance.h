#pragma once

// The desktop's colours. System keeps the style and palette the platform gives
// (dark when its window colour is dark); Light and Dark use the Fusion style
// with a palette of the program's own. Chosen under Options > Appearance and
// applied at once.

#include "app/user_prefs.h"

#include <QPalette>

#include <functional>

class QMenu;
class QWidget;

namespace kv508::ui {

QPalette LightPalette();
QPalette DarkPalette();

// Sets the style and the palette of the whole application. The first call
// remembers the system's style, which System brings back.
void ApplyAppearance(prefs::Appearance appearance);

// A palette is dark when its window colour is.
bool IsDark(const QPalette &palette);

// Calls `changed` whenever the palette `widget` shows changes, for colours a
// widget sets itself from the palette.
void WhenPaletteChanges(QWidget *widget, std::function<void()> changed);

// Options > Appearance (mnuOptionsAppearance): System, Light and Dark, the
// stored choice checked; a choice is stored and applied at once.
QMenu *CreateAppearanceMenu(QWidget *parent, UserSettings &settings);

} // namespace kv508::ui
