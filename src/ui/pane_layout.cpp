#include "ui/pane_layout.h"

#include "ui/layout_rules.h"
#include "ui/solid_fill.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace kv508::ui {

namespace {
constexpr int kHexDumpHeightPx = 140;
}

PaneLayout::PaneLayout(QWidget *central, QWidget *tree, QWidget *screens)
    : QObject(central), central_(central), tree_(tree), screens_(screens),
      treeWidthPx_(ToPixels(kSplitterStartTwips)) {
  splitter_ = new QWidget(central);
  splitter_->setObjectName(QStringLiteral("imgSplitter"));
  splitter_->setCursor(Qt::SplitHCursor);
  splitter_->installEventFilter(this);

  dragBar_ = new QWidget(central);
  dragBar_->setObjectName(QStringLiteral("picSplitter"));
  FillSolid(dragBar_, QPalette::Dark);
  dragBar_->hide();

  hexDump_ = new QListWidget(central);
  hexDump_->setObjectName(QStringLiteral("HexDumpView"));
  hexDump_->hide();
  central->installEventFilter(this);
}

void PaneLayout::WindowResized(int windowWidthPx) {
  treeWidthPx_ = ToPixels(TreeWidthForWindow(ToTwips(windowWidthPx)));
  Layout(treeWidthPx_);
}

void PaneLayout::Layout(int treeWidthPx) {
  if (central_->window()->isMinimized())
    return;
  const int w = central_->width();
  const int h = central_->height();
  const int hexHeight = hexDump_->isVisibleTo(central_) ? kHexDumpHeightPx : 0;
  const int paneHeight = std::max(0, h - hexHeight);
  const int gap = ToPixels(kScreenGapTwips);
  const int margin = ToPixels(kScreenMarginTwips);
  tree_->setGeometry(0, 0, treeWidthPx, paneHeight);
  splitter_->setGeometry(treeWidthPx, 0, gap, paneHeight);
  dragBar_->setGeometry(treeWidthPx, 0, 4, paneHeight);
  const int screenLeft = treeWidthPx + gap;
  screens_->setGeometry(screenLeft, margin, std::max(0, w - screenLeft - margin),
                        std::max(0, paneHeight - 2 * margin));
  hexDump_->setGeometry(0, paneHeight, w, hexHeight);
}

bool PaneLayout::eventFilter(QObject *watched, QEvent *event) {
  if (watched == central_ && event->type() == QEvent::Resize)
    Layout(treeWidthPx_);
  else if (watched == splitter_ && DragSplitter(event))
    return true;
  return QObject::eventFilter(watched, event);
}

// While dragging, the bar follows the mouse within its margins; on release
// the tree takes the bar's place.
bool PaneLayout::DragSplitter(QEvent *event) {
  auto *mouse = static_cast<QMouseEvent *>(event);
  QWidget *window = central_->window();
  const auto barX = [&] {
    const int x = splitter_->mapTo(window, mouse->position().toPoint()).x();
    return ToPixels(ClampSplitterDrag(ToTwips(x), ToTwips(window->width()))) - central_->x();
  };
  switch (event->type()) {
  case QEvent::MouseButtonPress:
    if (mouse->button() != Qt::LeftButton)
      return false;
    dragging_ = true;
    dragBar_->move(barX(), 0);
    dragBar_->show();
    dragBar_->raise();
    return true;
  case QEvent::MouseMove:
    if (!dragging_)
      return false;
    dragBar_->move(barX(), 0);
    return true;
  case QEvent::MouseButtonRelease:
    if (!dragging_)
      return false;
    dragging_ = false;
    treeWidthPx_ = barX();
    dragBar_->hide();
    Layout(treeWidthPx_);
    return true;
  default:
    return false;
  }
}

} // namespace kv508::ui
