#include "ui/screens/screen_grid.h"

#include "ui/layout_rules.h"
#include "ui/screens/widget_props.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace kv508::ui {

GridModel::GridModel(QStringList headers, QObject *parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

int GridModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid())
    return {};
  return Cell(index.row(), index.column());
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= headers_.size())
    return {};
  return headers_[section];
}

void GridModel::Reload() {
  beginResetModel();
  Rebuild();
  endResetModel();
}

ScreenGrid::ScreenGrid(QWidget *parent) : QTableView(parent) {
  setEditTriggers(NoEditTriggers);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setTabKeyNavigation(false);
  setWordWrap(false);
  verticalHeader()->hide();
  // Fixed row heights: measuring 240 rows would cost more than showing them.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  SetHint(this, GridHint());
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
    if (index.isValid())
      emit JumpRequested(index.row());
  });
}

void ScreenGrid::SetColumnTwips(std::initializer_list<int> widths) {
  twips_.assign(widths);
  for (int column = 0; column < static_cast<int>(twips_.size()); ++column)
    setColumnWidth(column, LeastWidth(column));
}

int ScreenGrid::LeastWidth(int column) const {
  const int twips = column < static_cast<int>(twips_.size()) ? twips_[column] : 0;
  return std::max(ToPixels(twips), horizontalHeader()->sectionSizeHint(column));
}

// Only the rows in view are measured, so a long list costs no more than a short one.
void ScreenGrid::FitColumns() {
  if (!model())
    return;
  for (int column = 0; column < model()->columnCount(); ++column)
    setColumnWidth(column, std::max(LeastWidth(column), sizeHintForColumn(column)));
}

QSize ScreenGrid::sizeHint() const {
  QSize size = QTableView::sizeHint();
  if (!model())
    return size;
  int width = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  for (int column = 0; column < model()->columnCount(); ++column)
    width += std::max(LeastWidth(column), columnWidth(column));
  return {std::max(size.width(), width), size.height()};
}

void ScreenGrid::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (currentIndex().isValid())
      emit JumpRequested(currentIndex().row());
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

} // namespace kv508::ui
