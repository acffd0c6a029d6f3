#pragma once

// The read-only lists of the editor (channel groups, expansion channels,
// directories): a table model that reads RadioData on every data() call, and a
// view on which a double-click or Enter jumps to the row's own screen.

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QStringList>
#include <QTableView>

#include <initializer_list>
#include <vector>

namespace kv508::ui {

class GridModel : public QAbstractTableModel {
  Q_DECLARE_TR_FUNCTIONS(GridModel)

public:
  GridModel(QStringList headers, QObject *parent);

  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Rebuilds the row map and tells the views.
  void Reload();

protected:
  virtual QString Cell(int row, int column) const = 0;
  // Called inside a model reset: rebuild whatever maps rows to records.
  virtual void Rebuild() {}

private:
  QStringList headers_;
};

class ScreenGrid : public QTableView {
  Q_OBJECT
public:
  explicit ScreenGrid(QWidget *parent = nullptr);
  // Column widths in twips: the least each column takes.
  void SetColumnTwips(std::initializer_list<int> widths);
  // Widens the columns whose heading or shown cells need more room.
  void FitColumns();
  // Room for every column side by side.
  QSize sizeHint() const override;

signals:
  void JumpRequested(int row);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  // The least width of a column: its twips or its heading.
  int LeastWidth(int column) const;

  std::vector<int> twips_;
};

} // namespace kv508::ui
