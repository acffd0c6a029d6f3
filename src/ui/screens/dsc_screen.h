#pragma once

// "DSC Setup": four pages on a tab strip (basic, two advanced, display), and
// the buttons that clear the User MMSI and the radio's logs and directories.

#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

#include <string>

class QPushButton;
class QTabWidget;

namespace kv508::ui {

class DscBasicPage;

class DscScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(DscScreen)

public:
  explicit DscScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Dsc}; }

private:
  void AfterFill() override;
  void PageChosen(int page);
  // Asks first, then finishes the edit and runs the clear; true when it succeeded.
  bool RunClear(int mode, const QString &name, const QPushButton *button);

  QTabWidget *tabs_;
  DscBasicPage *basic_;
};

} // namespace kv508::ui
