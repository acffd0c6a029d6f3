#pragma once

// The check as the window runs it: before Program to Radio, and at any time
// from File > Check Settings. Its findings are listed (frmCheck); a line
// double-clicked shows the screen where the finding is put right.

#include "ui/window_parts.h"

namespace kv508 {
struct CheckPlace;
}

namespace kv508::ui {

// True when the check found nothing or the user chose Program Anyway.
bool CheckBeforeProgram(const WindowParts &parts);
// The findings with Close, or a message that there are none.
void ShowSettingsCheck(const WindowParts &parts);
// Selects the most specific node of the place that the tree holds.
void ShowFindingScreen(Navigator &navigator, const CheckPlace &place);

} // namespace kv508::ui
