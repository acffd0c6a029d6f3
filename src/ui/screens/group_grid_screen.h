#pragma once

// The list of a plan group's enabled channels (nodes "PU", "PI", "PC"). A row
// opens its channel's screen; typing a channel number moves to its row.

#include "ui/screens/grid_screen.h"
#include <QCoreApplication>

namespace kv508::ui {

class GroupGridModel;
class GroupGridView;

class GroupGridScreen : public GridScreen {
  Q_DECLARE_TR_FUNCTIONS(GroupGridScreen)

public:
  explicit GroupGridScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::GroupGrid}; }

private:
  void Load(const ScreenRequest &request) override;
  QString KeyOfRow(int row) const override;

  GroupGridModel *groups_;
  GroupGridView *view_;
};

} // namespace kv508::ui
