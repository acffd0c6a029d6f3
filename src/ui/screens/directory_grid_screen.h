#pragma once

// The list of a whole MMSI directory (Memory ID or Group ID), every entry used
// or not; a double-click or Enter opens the entry's own screen.

#include "ui/screens/grid_screen.h"
#include <QCoreApplication>

namespace kv508::ui {

class DirectoryListModel;

class DirectoryGridScreen : public GridScreen {
  Q_DECLARE_TR_FUNCTIONS(DirectoryGridScreen)

public:
  explicit DirectoryGridScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::DirectoryGrid}; }

private:
  void Load(const ScreenRequest &request) override;
  QString KeyOfRow(int row) const override;

  DirectoryListModel *entries_;
};

} // namespace kv508::ui
