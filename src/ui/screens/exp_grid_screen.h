#pragma once

// The list of all 64 expansion channels (node "ExpChannel"); a row opens its
// channel's screen.

#include "ui/screen_area.h"

#include <memory>

namespace kv508::ui {

class ScreenContext;
class ScreenGrid;
class ExpGridModel;

class ExpGridScreen : public EditorScreen {
public:
  explicit ExpGridScreen(ScreenContext &context);
  ~ExpGridScreen() override;

  QWidget *Panel() override;
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::ExpGrid}; }
  void Fill(const ScreenRequest &request) override;
  void Refill() override;

private:
  void Jump(int row);

  ScreenContext &context_;
  std::unique_ptr<QWidget> panel_;
  ScreenGrid *grid_;
  ExpGridModel *model_;
};

} // namespace kv508::ui
