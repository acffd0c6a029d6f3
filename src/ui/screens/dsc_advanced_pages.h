#pragma once

// "Advanced Setup1" and "Advanced Setup2" of the DSC screen: the call blocks
// (an on/off and a Low/Hi list per category) and the seven log clear buttons.

#include <QString>

#include <array>

class QPushButton;
class QWidget;

namespace kv508::ui {

class Binder;

struct ClearButton {
  QPushButton *button;
  int mode;     // the transfer mode it runs
  QString name; // the name of its undo step
};

struct DscAdvancedPages {
  QWidget *first;
  QWidget *second;
  // cmdFclearLog_0 .. _6
  std::array<ClearButton, 7> clearButtons;
};

DscAdvancedPages BuildDscAdvancedPages(Binder &binder);

} // namespace kv508::ui
