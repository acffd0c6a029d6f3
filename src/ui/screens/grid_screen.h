#pragma once

// The base of the read-only lists (the group grids, the expansion grid, both
// directory grids): it owns the panel, the grid and its model; a fill selects
// the first row, and a double-click or Enter on a row opens the row's own node.

#include "ui/screens/editor_screen.h"
#include <QCoreApplication>

#include <QString>

#include <initializer_list>
#include <memory>

namespace kv508::ui {

class GridModel;
class ScreenContext;
class ScreenGrid;

class GridScreen : public EditorScreen {
  Q_DECLARE_TR_FUNCTIONS(GridScreen)

public:
  ~GridScreen() override;

  QWidget *Panel() override { return panel_.get(); }
  void Fill(const ScreenRequest &request) override;

protected:
  // marginTwips: the space around the grid inside the panel.
  GridScreen(ScreenContext &context, const char *panelName, int marginTwips);
  // Places the grid (made on Panel()) with its model, column widths and help
  // topic (0 for none).
  void Attach(ScreenGrid *grid, const char *gridName, GridModel *model,
              std::initializer_list<int> columnTwips, int helpTopic);
  // Reloads the model for the node shown.
  virtual void Load(const ScreenRequest &request) = 0;
  // The key of the node a row opens; empty for a row without a record.
  virtual QString KeyOfRow(int row) const = 0;

  ScreenContext &context_;
  std::unique_ptr<QWidget> panel_;
  ScreenGrid *grid_ = nullptr;
  GridModel *model_ = nullptr;

private:
  int marginTwips_;
};

} // namespace kv508::ui
