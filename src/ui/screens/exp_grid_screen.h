#pragma once

// The list of all 64 expansion channels (node "ExpChannel"); a row opens its
// channel's screen.

#include "ui/screens/grid_screen.h"
#include <QCoreApplication>

namespace kv508::ui {

class ExpGridModel;

class ExpGridScreen : public GridScreen {
  Q_DECLARE_TR_FUNCTIONS(ExpGridScreen)

public:
  explicit ExpGridScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::ExpGrid}; }

private:
  void Load(const ScreenRequest &request) override;
  QString KeyOfRow(int row) const override;

  ExpGridModel *channels_;
};

} // namespace kv508::ui
