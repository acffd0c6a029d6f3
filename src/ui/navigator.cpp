#include "ui/navigator.h"

#include "app/busy_scope.h"
#include "app/session.h"
#include "ui/help_topics.h"
#include "ui/nav_tree.h"
#include "ui/node_keys.h"
#include "ui/screen_area.h"
#include "ui/screens/atis_screen.h"
#include "ui/screens/channel_panel_screen.h"
#include "ui/screens/common_screen.h"
#include "ui/screens/directory_entry_screen.h"
#include "ui/screens/directory_grid_screen.h"
#include "ui/screens/dsc_screen.h"
#include "ui/screens/exp_grid_screen.h"
#include "ui/screens/group_grid_screen.h"
#include "ui/screens/usable_screen.h"
#include "ui/screens/weather_screen.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QAbstractItemView>
#include <QFont>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv508::ui {

Navigator::Navigator(Session &session, QWidget *parent, HintShown hint)
    : QObject(parent), session_(session), hint_(std::move(hint)) {
  tree_ = new QTreeWidget(parent);
  tree_->setObjectName(QStringLiteral("tvTreeView"));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  tree_->setAccessibleName(tr("Settings"));
  SetHint(tree_, SelectionHint());
  SetHelpTopic(tree_, kHelpTree);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem *current) { OnCurrentItemChanged(current); });
  // Long node texts scroll rather than being cut.
  tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tree_->header()->setStretchLastSection(false);
  tree_->setTextElideMode(Qt::ElideNone);

  pane_ = new QWidget(parent);
  pane_->setObjectName(QStringLiteral("fraPane"));
  place_ = new QLabel(pane_);
  place_->setObjectName(QStringLiteral("lblPlace"));
  QFont bold = place_->font();
  bold.setBold(true);
  place_->setFont(bold);
  place_->hide();
  scroll_ = new QScrollArea(pane_);
  scroll_->setObjectName(QStringLiteral("scrScreens"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);
  scroll_->setWidgetResizable(true);
  screens_ = new ScreenArea;
  scroll_->setWidget(screens_);
  screens_->SetTabStart(tree_);
  auto *layout = new QVBoxLayout(pane_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(place_);
  layout->addWidget(scroll_, 1);
}

void Navigator::RegisterScreens(ScreenContext &context) {
  screens_->Register(std::make_unique<GroupGridScreen>(context));
  screens_->Register(std::make_unique<ExpGridScreen>(context));
  screens_->Register(std::make_unique<WeatherScreen>(context));
  screens_->Register(std::make_unique<UsableScreen>(context));
  screens_->Register(std::make_unique<CommonScreen>(context));
  screens_->Register(std::make_unique<DscScreen>(context));
  screens_->Register(std::make_unique<AtisScreen>(context));
  screens_->Register(std::make_unique<DirectoryGridScreen>(context));
  screens_->Register(std::make_unique<DirectoryEntryScreen>(context));
  screens_->Register(std::make_unique<ChannelPanelScreen>(context));
}

QSize Navigator::PaneHint() const {
  const QSize screens = screens_->sizeHint().expandedTo(screens_->minimumSizeHint());
  const int heading = place_->sizeHint().height() + pane_->layout()->spacing();
  return {screens.width(), screens.height() + heading};
}

int Navigator::TreeHint() const { return TreeTextWidth(*tree_); }

QString Navigator::SelectedKey() const { return NodeKey(tree_->currentItem()); }

void Navigator::Rebuild() {
  const QString key = SelectedKey();
  // The user's place in the tree outlives a rebuild: the open nodes stay open.
  QHash<QString, bool> expanded;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if ((*it)->childCount() > 0)
      expanded.insert(NodeKey(*it), (*it)->isExpanded());
  }
  selecting_ = true;
  BuildTree(*tree_, session_.data, session_.model.AtisCapable);
  shape_ = TreeShape(session_.data);
  for (auto it = expanded.cbegin(); it != expanded.cend(); ++it) {
    if (QTreeWidgetItem *node = FindNodeByKey(*tree_, it.key()))
      node->setExpanded(it.value());
  }
  QTreeWidgetItem *node = FindNodeByKey(*tree_, key);
  tree_->setCurrentItem(node);
  selecting_ = false;
  if (!node)
    shownKey_.clear();
}

void Navigator::Refresh() {
  Rebuild();
  QTreeWidgetItem *node = tree_->currentItem();
  if (!node)
    node = FindNodeByKey(*tree_, keys::kGeneral);
  Select(node);
  ShowScreenFor(node);
}

void Navigator::AfterEdit() {
  if (TreeShape(session_.data) != shape_)
    Rebuild();
  else
    RefreshNodeTexts(*tree_, session_.data);
}

void Navigator::ShowGeneral() {
  QTreeWidgetItem *general = FindNodeByKey(*tree_, keys::kGeneral);
  Select(general);
  ShowScreenFor(general);
}

void Navigator::Select(QTreeWidgetItem *node) {
  selecting_ = true;
  tree_->setCurrentItem(node);
  selecting_ = false;
}

void Navigator::SelectNodeByKey(const QString &key) {
  QTreeWidgetItem *node = FindNodeByKey(*tree_, key);
  if (!node)
    return;
  Select(node);
  NodeClick(node);
}

void Navigator::OnCurrentItemChanged(QTreeWidgetItem *current) {
  if (selecting_)
    return;
  if (session_.state.Busy) {
    hint_(SelectionHint());
    return;
  }
  NodeClick(current);
}

void Navigator::NodeClick(QTreeWidgetItem *node) {
  hint_(SelectionHint());
  if (!node || NodeKey(node) == shownKey_)
    return;
  if (!CommitActiveEdit()) {
    // The field refused its input: the old node and its screen stay.
    Select(FindNodeByKey(*tree_, shownKey_));
    return;
  }
  ShowScreenFor(node);
}

void Navigator::ShowScreenFor(QTreeWidgetItem *node) {
  AppState &state = session_.state;
  state.OperationIncomplete = true;
  if (tree_->window()->isMinimized() || !node)
    return;
  shownKey_ = NodeKey(node);
  {
    BusyScope busy(state);
    const ScreenRequest request = ScreenForNode(NodeKey(node->parent()), shownKey_);
    screens_->Show(request, session_.data);
    const QString place = PlaceText(session_.data, request);
    place_->setText(place);
    place_->setVisible(!place.isEmpty());
    // A grid is read out by the node it lists.
    if (QWidget *panel = screens_->ActivePanel()) {
      for (auto *grid : panel->findChildren<QAbstractItemView *>())
        grid->setAccessibleName(node->text(0));
    }
  }
  hint_(keptHint_.isEmpty() ? SelectionHint() : keptHint_);
  keptHint_.clear();
  state.OperationIncomplete = false;
}

void Navigator::ShowPlace(const EditPlace &place) {
  QTreeWidgetItem *node = FindNodeByKey(*tree_, ToQt(place.nodeKey));
  if (!node)
    node = FindNodeByKey(*tree_, keys::kGeneral);
  Select(node);
  ShowScreenFor(node);
  if (place.widgetName.empty())
    return;
  const auto widgets = screens_->findChildren<QWidget *>(ToQt(place.widgetName));
  for (QWidget *widget : widgets) {
    if (widget->isVisibleTo(screens_) && widget->isEnabled()) {
      widget->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

bool Navigator::CommitActiveEdit() { return screens_->CommitActiveEdit(); }

} // namespace kv508::ui
