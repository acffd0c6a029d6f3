#pragma once

// "Advanced Setup1" and "Advanced Setup2" of the DSC screen: the call blocks
// (an on/off and a Low/Hi list per category) and the seven log clear buttons.

#include <array>

class QPushButton;
class QWidget;

namespace kv508::ui {

class Binder;

struct DscAdvancedPages {
  QWidget *first;
  QWidget *second;
  // cmdFclearLog_0 .. _6
  std::array<QPushButton *, 7> clearButtons;
};

DscAdvancedPages BuildDscAdvancedPages(Binder &binder);

// The transfer mode each log clear button runs.
int ClearLogMode(int button);

} // namespace kv508::ui
