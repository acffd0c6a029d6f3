#pragma once

// "Usable CH Group Setup": which channel groups the radio offers, their status
// names and priority channels, and the plan groups the expansion group joins.

#include "ui/screen_area.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace kv508::ui {

class Binder;
class CommitLineEdit;
class ScreenContext;

class UsableScreen : public EditorScreen {
public:
  explicit UsableScreen(ScreenContext &context);

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Usable}; }
  void Fill(const ScreenRequest &request) override;
  int CommitOrder() const override { return kCommitUsable; }

private:
  void EnableGroup(int k);
  void GroupSwitched(int k);
  void FillPriorityList(int k);
  void ShowExpCaptions();

  ScreenContext &context_;
  QWidget *panel_;
  Binder *binder_;
  std::array<QCheckBox *, 4> usable_{};
  std::array<CommitLineEdit *, 4> name_{};
  std::array<QLabel *, 4> nameLabel_{};
  std::array<QComboBox *, 4> priority_{};
  std::array<QLabel *, 4> priorityLabel_{};
  std::array<QCheckBox *, 3> exp_{};
};

} // namespace kv508::ui
