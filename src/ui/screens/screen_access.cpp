#include "ui/screens/screen_access.h"

#include "ui/screens/widget_props.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace kv508::ui {

namespace {

// A widget Tab stops at itself (not a container of such widgets).
bool TakesTab(const QWidget *w) {
  if (w->isWindow() || qobject_cast<const QTabWidget *>(w))
    return false;
  if (qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QComboBox *>(w) ||
      qobject_cast<const QAbstractSpinBox *>(w))
    return true;
  return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

bool HoldsTabStop(const QWidget *w) {
  const auto inner = w->findChildren<QWidget *>();
  return std::any_of(inner.begin(), inner.end(), [](const QWidget *c) { return TakesTab(c); });
}

void Walk(QWidget *w, QList<QWidget *> &out, std::set<const QWidget *> &seen);

struct Cell {
  int row, column, rows, columns;
  QLayoutItem *item;
};

// Read before: above in the same column, or left in the same row.
bool ReadsBefore(const Cell &a, const Cell &b) {
  const bool sameColumn = a.column < b.column + b.columns && b.column < a.column + a.columns;
  const bool sameRow = a.row < b.row + b.rows && b.row < a.row + a.rows;
  return (sameColumn && a.row + a.rows <= b.row) || (sameRow && a.column + a.columns <= b.column);
}

// The cells in reading order: a cell comes once every cell that reads before
// it has come, the topmost-leftmost first; a tall box at the side thus comes
// after the boxes stacked beside it.
std::vector<Cell> InReadingOrder(std::vector<Cell> cells) {
  std::vector<Cell> ordered;
  std::vector<bool> done(cells.size());
  while (ordered.size() < cells.size()) {
    std::size_t next = cells.size();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (done[i])
        continue;
      bool free = true;
      for (std::size_t j = 0; j < cells.size() && free; ++j)
        free = done[j] || j == i || !ReadsBefore(cells[j], cells[i]);
      const auto key = [&](std::size_t k) { return std::pair(cells[k].row, cells[k].column); };
      if (free && (next == cells.size() || key(i) < key(next)))
        next = i;
    }
    if (next == cells.size()) // overlapping cells: take them as they stand
      next = static_cast<std::size_t>(std::find(done.begin(), done.end(), false) - done.begin());
    done[next] = true;
    ordered.push_back(cells[next]);
  }
  return ordered;
}

void WalkLayout(QLayout *layout, QList<QWidget *> &out, std::set<const QWidget *> &seen) {
  std::vector<Cell> cells;
  auto *grid = qobject_cast<QGridLayout *>(layout);
  auto *form = qobject_cast<QFormLayout *>(layout);
  for (int i = 0; i < layout->count(); ++i) {
    Cell cell{i, 0, 1, 1, layout->itemAt(i)};
    if (grid)
      grid->getItemPosition(i, &cell.row, &cell.column, &cell.rows, &cell.columns);
    if (form) {
      QFormLayout::ItemRole role;
      form->getItemPosition(i, &cell.row, &role);
      cell.column = role == QFormLayout::LabelRole ? 0 : 1;
    }
    cells.push_back(cell);
  }
  if (grid || form)
    cells = InReadingOrder(std::move(cells));
  auto *box = qobject_cast<QBoxLayout *>(layout);
  if (box &&
      (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop))
    std::reverse(cells.begin(), cells.end());
  for (const Cell &cell : cells) {
    if (QWidget *w = cell.item->widget())
      Walk(w, out, seen);
    else if (QLayout *inner = cell.item->layout())
      WalkLayout(inner, out, seen);
  }
}

// The widget itself when Tab stops at it, else what it holds: its layout's
// cells row by row, a tab widget's bar before its pages, then what no layout
// places, top to bottom.
void Walk(QWidget *w, QList<QWidget *> &out, std::set<const QWidget *> &seen) {
  // Other windows (a dialog's own pop-ups) have their own order.
  if (!seen.insert(w).second || (w->isWindow() && seen.size() > 1))
    return;
  if (TakesTab(w)) {
    out << w;
    return;
  }
  if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
    // The tab widget hands its focus to the bar: both stand before the pages.
    out << tabs;
    Walk(tabs->tabBar(), out, seen);
    for (int i = 0; i < tabs->count(); ++i)
      Walk(tabs->widget(i), out, seen);
    return;
  }
  if (auto *stack = qobject_cast<QStackedWidget *>(w)) {
    for (int i = 0; i < stack->count(); ++i)
      Walk(stack->widget(i), out, seen);
    return;
  }
  if (QLayout *layout = w->layout())
    WalkLayout(layout, out, seen);
  QList<QWidget *> loose;
  for (QObject *child : w->children()) {
    auto *c = qobject_cast<QWidget *>(child);
    if (c && !seen.count(c) && !c->isWindow() && (TakesTab(c) || HoldsTabStop(c)))
      loose << c;
  }
  std::stable_sort(loose.begin(), loose.end(), [](const QWidget *a, const QWidget *b) {
    return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
  });
  for (QWidget *c : loose)
    Walk(c, out, seen);
}

// Where `w` sits in the layouts of its parent.
QLayout *OwningLayout(QLayout *layout, const QWidget *w, int *index) {
  if (!layout)
    return nullptr;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem *item = layout->itemAt(i);
    if (item->widget() == w) {
      *index = i;
      return layout;
    }
    if (QLayout *found = OwningLayout(item->layout(), w, index))
      return found;
  }
  return nullptr;
}

// The first control among `item` and what it holds.
QWidget *FirstControl(QLayoutItem *item) {
  if (!item)
    return nullptr;
  QList<QWidget *> found;
  std::set<const QWidget *> seen;
  if (QWidget *w = item->widget())
    Walk(w, found, seen);
  else if (QLayout *inner = item->layout())
    WalkLayout(inner, found, seen);
  return found.isEmpty() ? nullptr : found.front();
}

// The control a label stands in front of: right of it in its row.
QWidget *ControlOf(const QLabel *label) {
  int index = -1;
  QLayout *layout = label->parentWidget()
                        ? OwningLayout(label->parentWidget()->layout(), label, &index)
                        : nullptr;
  if (!layout)
    return nullptr;
  if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    for (int c = column + columnSpan; c < grid->columnCount(); ++c) {
      if (QWidget *control = FirstControl(grid->itemAtPosition(row, c)))
        return control;
    }
    return nullptr;
  }
  if (auto *form = qobject_cast<QFormLayout *>(layout)) {
    int row;
    QFormLayout::ItemRole role;
    form->getItemPosition(index, &row, &role);
    return role == QFormLayout::LabelRole ? FirstControl(form->itemAt(row, QFormLayout::FieldRole))
                                          : nullptr;
  }
  auto *box = qobject_cast<QBoxLayout *>(layout);
  const bool across = box && (box->direction() == QBoxLayout::LeftToRight ||
                              box->direction() == QBoxLayout::RightToLeft);
  return across ? FirstControl(layout->itemAt(index + 1)) : nullptr;
}

constexpr char kStepName[] = "stepName";

// What a screen reader says for a control with a label: the label's words
// and, when they do not say it already, the name of what it sets ("WX02
// [162.400MHz] Enable", "Station Name", "Individual Call Distress").
QString LabelledName(const QString &label, const QString &step) {
  if (step.isEmpty() || label.contains(step))
    return label;
  if (step.contains(label))
    return step;
  return label + QLatin1Char(' ') + step;
}

// The name of a control without a label: its caption, the title of its box,
// or for the list or text a window is about, the window's title.
QString Caption(const QWidget *w) {
  if (auto *button = qobject_cast<const QAbstractButton *>(w))
    return PlainText(button->text());
  if (auto *box = qobject_cast<const QGroupBox *>(w->parentWidget()))
    return PlainText(box->title());
  if (qobject_cast<const QAbstractScrollArea *>(w))
    return w->window()->windowTitle();
  return {};
}

} // namespace

QString PlainText(const QString &text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size())
      ++i;
    plain += text[i];
  }
  return plain;
}

void SetStepName(QWidget *control, const QString &name) { control->setProperty(kStepName, name); }

QList<QWidget *> ReadingOrder(QWidget *panel) {
  QList<QWidget *> out;
  std::set<const QWidget *> seen;
  Walk(panel, out, seen);
  return out;
}

void NameControls(QWidget *panel) {
  // Controls with a label already: a screen pairs them itself where the
  // layout alone says too little.
  const auto labels = panel->findChildren<QLabel *>();
  std::set<const QWidget *> labelled;
  for (const QLabel *label : labels)
    labelled.insert(label->buddy());
  for (QLabel *label : labels) {
    if (label->buddy() || label->wordWrap() || label->textFormat() == Qt::RichText)
      continue;
    QWidget *control = ControlOf(label);
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!control || (button && !button->text().trimmed().isEmpty()) || labelled.count(control))
      continue;
    labelled.insert(control);
    label->setBuddy(control);
  }
  for (const QLabel *label : labels) {
    if (QWidget *control = label->buddy())
      control->setAccessibleName(
          LabelledName(PlainText(label->text()), control->property(kStepName).toString()));
  }
  for (QWidget *w : ReadingOrder(panel)) {
    if (w->accessibleName().isEmpty())
      w->setAccessibleName(Caption(w));
    if (w->accessibleDescription().isEmpty())
      w->setAccessibleDescription(HintFor(w));
  }
}

void AssignMnemonics(QWidget *panel, const QString &reserved) {
  std::map<const QWidget *, QLabel *> labelOf;
  for (QLabel *label : panel->findChildren<QLabel *>()) {
    if (label->buddy())
      labelOf[label->buddy()] = label;
  }
  // Letters are unique per tab page (only one page shows at a time). A text
  // that stands on a page more than once (the rows of side-by-side blocks)
  // gets none: the same words cannot lead to different places. Controls that
  // can take the focus now choose first.
  struct Mnemonic {
    QLabel *label;
    const QWidget *page;
    QString plain;
  };
  std::vector<Mnemonic> wanted;
  std::map<std::pair<const QWidget *, QString>, int> seen;
  for (QWidget *control : ReadingOrder(panel)) {
    const auto found = labelOf.find(control);
    if (found == labelOf.end())
      continue;
    QLabel *label = found->second;
    const QWidget *page = panel;
    for (const QWidget *w = label; w && w != panel; w = w->parentWidget()) {
      if (qobject_cast<const QStackedWidget *>(w->parentWidget()) &&
          qobject_cast<const QTabWidget *>(w->parentWidget()->parentWidget()))
        page = w;
    }
    wanted.push_back({label, page, PlainText(label->text())});
    ++seen[{page, wanted.back().plain}];
  }
  std::stable_partition(wanted.begin(), wanted.end(),
                        [](const Mnemonic &m) { return m.label->buddy()->isEnabled(); });

  // The letters each label may take, word starts first.
  std::vector<std::vector<QChar>> choices(wanted.size());
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const Mnemonic &m = wanted[i];
    if (seen[{m.page, m.plain}] != 1)
      continue;
    for (int pass = 0; pass < 2; ++pass) {
      for (qsizetype k = 0; k < m.plain.size(); ++k) {
        const QChar c = m.plain[k].toLower();
        const bool wordStart = k == 0 || !m.plain[k - 1].isLetterOrNumber();
        auto &mine = choices[i];
        if (c.isLetterOrNumber() && (pass == 0) == wordStart && !reserved.contains(c) &&
            std::find(mine.begin(), mine.end(), c) == mine.end())
          mine.push_back(c);
      }
    }
  }
  // As many labels as possible get a letter: one taken by an earlier label
  // moves to another of its letters when that frees one for a later label.
  std::map<std::pair<const QWidget *, QChar>, std::size_t> owner;
  std::vector<QChar> letter(wanted.size());
  std::function<bool(std::size_t, std::set<QChar> &)> take = [&](std::size_t i,
                                                                 std::set<QChar> &tried) {
    for (const QChar c : choices[i]) {
      if (!tried.insert(c).second)
        continue;
      const auto held = owner.find({wanted[i].page, c});
      if (held == owner.end() || take(held->second, tried)) {
        owner[{wanted[i].page, c}] = i;
        letter[i] = c;
        return true;
      }
    }
    return false;
  };
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    std::set<QChar> tried;
    take(i, tried);
  }

  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const QString &plain = wanted[i].plain;
    QString text = plain;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (!letter[i].isNull()) {
      qsizetype at = 0;
      while (plain[at].toLower() != letter[i])
        ++at;
      text.insert(at + plain.left(at).count(QLatin1Char('&')), QLatin1Char('&'));
    }
    if (wanted[i].label->text() != text)
      wanted[i].label->setText(text);
  }
}

void OrderTabs(QWidget *panel, QWidget *before) {
  QWidget *previous = before;
  for (QWidget *w : ReadingOrder(panel)) {
    if (previous)
      QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void MakeAccessible(QWidget *dialog) {
  QString taken;
  for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
    const QString text = button->text();
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    if (at >= 0 && at + 1 < text.size() && text[at + 1] != QLatin1Char('&'))
      taken += text[at + 1].toLower();
  }
  NameControls(dialog);
  AssignMnemonics(dialog, taken);
  OrderTabs(dialog, nullptr);
}

namespace {

class DialogWatch : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Show) {
      if (auto *dialog = qobject_cast<QDialog *>(watched);
          dialog && !dialog->property(kDone).isValid()) {
        dialog->setProperty(kDone, true);
        MakeAccessible(dialog);
      }
    }
    return false;
  }

private:
  static constexpr char kDone[] = "madeAccessible";
};

} // namespace

void WatchDialogs() {
  static DialogWatch *watch = nullptr;
  if (!watch) {
    watch = new DialogWatch(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
  }
}

} // namespace kv508::ui
