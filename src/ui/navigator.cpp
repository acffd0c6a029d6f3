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

#include <QHash>
#include <QTreeWidget>

namespace kv508::ui {

Navigator::Navigator(Session &session, QWidget *parent, HintShown hint)
    : QObject(parent), session_(session), hint_(std::move(hint)) {
  tree_ = new QTreeWidget(parent);
  tree_->setObjectName(QStringLiteral("tvTreeView"));
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  SetHint(tree_, kSelectionHint);
  SetHelpTopic(tree_, kHelpTree);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem *current) { OnCurrentItemChanged(current); });
  screens_ = new ScreenArea(parent);
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
    hint_(kSelectionHint);
    return;
  }
  NodeClick(current);
}

void Navigator::NodeClick(QTreeWidgetItem *node) {
  hint_(kSelectionHint);
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
    screens_->Show(ScreenForNode(NodeKey(node->parent()), shownKey_), session_.data);
  }
  hint_(keptHint_.isEmpty() ? kSelectionHint : keptHint_);
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
