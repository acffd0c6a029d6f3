#include "ui/screens/grid_screen.h"

#include "ui/layout_rules.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/screens/widget_props.h"

#include <QVBoxLayout>

namespace kv508::ui {

GridScreen::GridScreen(ScreenContext &context, const char *panelName, int marginTwips)
    : context_(context), panel_(std::make_unique<QWidget>()), marginTwips_(marginTwips) {
  panel_->setObjectName(QLatin1String(panelName));
}

GridScreen::~GridScreen() = default;

void GridScreen::Attach(ScreenGrid *grid, const char *gridName, GridModel *model,
                        std::initializer_list<int> columnTwips, int helpTopic) {
  grid_ = grid;
  model_ = model;
  grid_->setObjectName(QLatin1String(gridName));
  grid_->setModel(model_);
  grid_->SetColumnTwips(columnTwips);
  if (helpTopic != 0)
    SetHelpTopic(grid_, helpTopic);
  auto *layout = new QVBoxLayout(panel_.get());
  const int margin = ToPixels(marginTwips_);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->addWidget(grid_);
  QObject::connect(grid_, &ScreenGrid::JumpRequested, panel_.get(), [this](int row) {
    const QString key = KeyOfRow(row);
    if (!key.isEmpty())
      context_.SelectNodeByKey(key);
  });
}

void GridScreen::Fill(const ScreenRequest &request) {
  Load(request);
  // Enter works at once, on the first row.
  if (model_->rowCount() > 0)
    grid_->setCurrentIndex(model_->index(0, 0));
  grid_->scrollToTop();
  grid_->FitColumns();
}

} // namespace kv508::ui
