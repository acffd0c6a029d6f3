#pragma once

// "Usable CH Group Setup": which channel groups the radio offers, their status
// names and priority channels, and the plan groups the expansion group joins.

#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

namespace kv508::ui {

class CommitLineEdit;

class UsableScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(UsableScreen)

public:
  explicit UsableScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Usable}; }

private:
  void AddGroup(int k, QWidget *parent, QGridLayout *grid, int row);
  void BeforeFill() override;
  void AfterFill() override;
  void EnableGroup(int k);
  void FillPriorityList(int k);
  void ShowExpCaptions();

  std::array<QCheckBox *, 4> usable_{};
  std::array<CommitLineEdit *, 4> name_{};
  std::array<QLabel *, 4> nameLabel_{};
  std::array<QComboBox *, 4> priority_{};
  std::array<QLabel *, 4> priorityLabel_{};
  std::array<QCheckBox *, 3> exp_{};
};

} // namespace kv508::ui
