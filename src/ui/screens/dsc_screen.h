#pragma once

// "DSC Setup": four pages on a tab strip (basic, two advanced, display), and
// the buttons that clear the User MMSI and the radio's logs and directories.

#include "ui/screen_area.h"

class QTabWidget;

namespace kv508::ui {

class Binder;
class DscBasicPage;
class ScreenContext;

class DscScreen : public EditorScreen {
public:
  explicit DscScreen(ScreenContext &context);

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Dsc}; }
  void Fill(const ScreenRequest &request) override;
  int CommitOrder() const override { return kCommitDsc; }

private:
  void PageChosen(int page);
  // Asks first, then finishes the edit and runs the clear; true when it succeeded.
  bool RunClear(int mode);

  ScreenContext &context_;
  QWidget *panel_;
  Binder *binder_;
  QTabWidget *tabs_;
  DscBasicPage *basic_;
};

// The question asked before a clear mode erases the radio's data.
std::string ClearQuestion(int mode);

} // namespace kv508::ui
