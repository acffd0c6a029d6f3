#pragma once

// The list of a plan group's enabled channels (nodes "PU", "PI", "PC"). A row
// opens its channel's screen; typing a channel number moves to its row.

#include "ui/screen_area.h"

#include <memory>

namespace kv508::ui {

class ScreenContext;
class ScreenGrid;
class GroupGridModel;

class GroupGridScreen : public EditorScreen {
public:
  explicit GroupGridScreen(ScreenContext &context);
  ~GroupGridScreen() override;

  QWidget *Panel() override;
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::GroupGrid}; }
  void Fill(const ScreenRequest &request) override;
  void Refill() override;

private:
  void Jump(int row);

  ScreenContext &context_;
  std::unique_ptr<QWidget> panel_;
  ScreenGrid *grid_;
  GroupGridModel *model_;
};

} // namespace kv508::ui
