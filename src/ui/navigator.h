#pragma once

// The tree and the screen area: which node is selected, which screen shows
// it, and how they follow the data. The selected node and the screen shown
// always agree; a rebuilt tree keeps the selected node when it still exists.

#include "app/undo_history.h"
#include <QCoreApplication>

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

class QLabel;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class ScreenArea;
class ScreenContext;

class Navigator : public QObject {
  Q_DECLARE_TR_FUNCTIONS(Navigator)

public:
  using HintShown = std::function<void(const QString &)>;

  // The tree and the screen area are made as children of `parent`.
  Navigator(Session &session, QWidget *parent, HintShown hint);
  // Creates every editing screen on the context the window gives them.
  void RegisterScreens(ScreenContext &context);

  QTreeWidget &Tree() const { return *tree_; }
  ScreenArea &Screens() const { return *screens_; }
  // What stands right of the tree: the heading of the place shown and the
  // screen area, which scrolls when the window is smaller than its screen.
  QWidget &Pane() const { return *pane_; }
  // The room the pane needs for its largest screen under the heading, and
  // the width the tree needs for its longest text.
  QSize PaneHint() const;
  int TreeHint() const;
  QString SelectedKey() const;

  // The data were replaced: the tree is built again, the selected node kept
  // (else "General") and its screen filled anew.
  void Refresh();
  // After an edit: the tree follows the groups switched on and the texts follow the data.
  void AfterEdit();
  // Selects "General" and shows its screen.
  void ShowGeneral();
  // Selects the node with that key and acts as if the user had clicked it.
  void SelectNodeByKey(const QString &key);
  // Shows the screen of an undo step with the control that changed.
  void ShowPlace(const EditPlace &place);
  // Finishes the edit in progress; false when a field refused its input.
  bool CommitActiveEdit();
  // The status bar's hint.
  void Hint(const QString &hint) { hint_(hint); }
  // What the screen being left has to say: shown instead of the tree's hint
  // when the next screen appears.
  void KeepHint(const QString &hint) {
    keptHint_ = hint;
    hint_(hint);
  }

private:
  void Rebuild();
  void Select(QTreeWidgetItem *node);
  void OnCurrentItemChanged(QTreeWidgetItem *current);
  void NodeClick(QTreeWidgetItem *node);
  void ShowScreenFor(QTreeWidgetItem *node);

  Session &session_;
  HintShown hint_;
  QString keptHint_;
  QTreeWidget *tree_;
  ScreenArea *screens_;
  QWidget *pane_;
  QLabel *place_;
  QScrollArea *scroll_;
  QString shownKey_; // the node whose screen is shown; empty after a reset
  int shape_ = -1;
  bool selecting_ = false;
};

} // namespace kv508::ui
