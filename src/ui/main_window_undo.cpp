// Edit > Undo and Redo.

#include "ui/main_window.h"

#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/edit_record.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QApplication>
#include <QTreeWidget>

namespace kv508::ui {

void MainWindow::RecordEdit(const std::string &name, const std::string &widgetName) {
  const std::string node = FromQt(NodeKey(tree_->currentItem()));
  session_.undo.Record(session_.data, {name, node, widgetName});
  session_.state.DataChanged = session_.undo.Changed(session_.data);
  UpdateUndoActions();
}

void MainWindow::RecordPendingEdit() {
  QWidget *focus = QApplication::focusWidget();
  if (focus && !screens_->isAncestorOf(focus))
    focus = nullptr;
  RecordEdit(FromQt(EditName(focus)), focus ? FromQt(focus->objectName()) : std::string());
}

void MainWindow::Undo() {
  if (session_.state.Busy || !CommitActiveEdit())
    return;
  RecordPendingEdit();
  if (const std::optional<EditPlace> place = session_.undo.Undo(session_.data))
    ShowUndoneEdit(*place);
  UpdateUndoActions();
}

void MainWindow::Redo() {
  if (session_.state.Busy || !CommitActiveEdit())
    return;
  // A change made since the last undo is a new step, and there is nothing to redo.
  RecordPendingEdit();
  if (const std::optional<EditPlace> place = session_.undo.Redo(session_.data))
    ShowUndoneEdit(*place);
  UpdateUndoActions();
}

void MainWindow::ShowUndoneEdit(const EditPlace &place) {
  session_.state.DataChanged = session_.undo.Changed(session_.data);
  screens_->RefillAll();
  // A group switch adds or removes nodes: the tree is built from the data again.
  BuildTree();
  RefreshNodeTexts();
  QTreeWidgetItem *node = FindNodeByKey(*tree_, ToQt(place.nodeKey));
  if (!node)
    node = FindNodeByKey(*tree_, QStringLiteral("General"));
  selecting_ = true;
  tree_->setCurrentItem(node);
  selecting_ = false;
  currentNode_ = node ? NodeIndex(node) : -1;
  if (node)
    ShowScreenForNode(node);
  RefreshHexDump();
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

void MainWindow::UpdateUndoActions() {
  const UndoHistory &history = session_.undo;
  const auto text = [](const QString &command, const EditPlace *place) {
    return place && !place->name.empty() ? command + QLatin1Char(' ') + ToQt(place->name) : command;
  };
  undoAction_->setText(text(tr("&Undo"), history.NextUndo()));
  undoAction_->setEnabled(history.CanUndo(session_.data));
  redoAction_->setText(text(tr("&Redo"), history.NextRedo()));
  redoAction_->setEnabled(history.CanRedo());
}

} // namespace kv508::ui
