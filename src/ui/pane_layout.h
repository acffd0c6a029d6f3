#pragma once

// The panes of the main window's central area: the tree on the left, the
// splitter the user drags, the screen area on the right and, in debug mode,
// the hex dump along the bottom. Laid out in twips as the window always was.

#include <QCoreApplication>
#include <QObject>

class QListWidget;
class QWidget;

namespace kv508::ui {

class PaneLayout : public QObject {
  Q_DECLARE_TR_FUNCTIONS(PaneLayout)

public:
  // Lays out the tree and the screens inside `central`, with a splitter and a
  // hex dump list of its own.
  PaneLayout(QWidget *central, QWidget *tree, QWidget *screens);

  QListWidget *HexDump() const { return hexDump_; }
  // On a window resize the tree takes 30 % of the width within its bounds.
  void WindowResized(int windowWidthPx);
  // Lays out the panes again (the hex dump shown or hidden).
  void Relayout() { Layout(treeWidthPx_); }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void Layout(int treeWidthPx);
  bool DragSplitter(QEvent *event);

  QWidget *central_;
  QWidget *tree_;
  QWidget *screens_;
  QWidget *splitter_;
  QWidget *dragBar_;
  QListWidget *hexDump_;
  int treeWidthPx_;
  bool dragging_ = false;
};

} // namespace kv508::ui
