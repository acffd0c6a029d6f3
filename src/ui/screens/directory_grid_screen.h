#pragma once

// The list of a whole MMSI directory (Memory ID or Group ID), every entry used
// or not; a double-click or Enter opens the entry's own screen.

#include "ui/screen_area.h"

namespace kv508::ui {

class DirectoryListModel;
class ScreenContext;
class ScreenGrid;

class DirectoryGridScreen : public EditorScreen {
public:
  explicit DirectoryGridScreen(ScreenContext &context);
  ~DirectoryGridScreen() override;

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::DirectoryGrid}; }
  void Fill(const ScreenRequest &request) override;
  void Refill() override;

private:
  ScreenContext &context_;
  QWidget *panel_;
  ScreenGrid *grid_;
  DirectoryListModel *model_;
};

} // namespace kv508::ui
