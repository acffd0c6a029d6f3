// Every screen by keyboard and screen reader: each control read out by a
// name, each label's Alt+letter its own, Tab through every enabled control
// once in reading order and back to the tree; and every change a user can
// make undone under the name of the control that made it.

#include "ui_test_support.h"

#include "ui/node_keys.h"
#include "ui/screens/screen_access.h"
#include "ui/screens/widget_props.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <set>

using namespace kv508;
using namespace kv508::testing;

namespace {

QString MenuLetter(const QString &text) {
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < text.size() ? text.mid(at + 1, 1).toLower() : QString();
}

void EveryGroupOn(WindowFixture &f) {
  for (ChannelGroupSetup &g : f.S().data.ChannelGroups)
    g.Enable = true;
  f.S().data.ChannelGroups[3].ExpChGroup = {true, true, true};
  f.Window().Refresh();
}

QString UndoText(WindowFixture &f) { return f.Action("mnuEditUndo")->text().remove('&'); }

// One change a user could make with the control; false when none takes.
bool ChangeWith(WindowFixture &f, QWidget *w) {
  const QString before = UndoText(f);
  const auto changed = [&] { return f.host.messages.empty() && UndoText(f) != before; };
  if (auto *button = qobject_cast<QAbstractButton *>(w)) {
    if (qobject_cast<QRadioButton *>(w) && button->isChecked())
      return false;
    QTest::keyClick(button, Qt::Key_Space);
    return changed();
  }
  if (auto *box = qobject_cast<QComboBox *>(w)) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
    return changed();
  }
  auto *edit = qobject_cast<QLineEdit *>(w);
  if (!edit || edit->isReadOnly())
    return false;
  const QString shown = edit->text();
  for (const QString &typed : {QStringLiteral("B"), QStringLiteral("232000456"),
                               QStringLiteral("9232000456"), QStringLiteral("157100")}) {
    f.Type(edit, QString());
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    f.Leave();
    if (changed())
      return true;
    f.host.messages.clear();
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, shown);
    f.Leave();
    f.host.messages.clear();
  }
  return false;
}

} // namespace

class ScreenAccessTest : public QObject {
  Q_OBJECT
private slots:
  void namedAndReachedInReadingOrder();
  void everyStepNamedAfterItsControl();
  void gridsAndToolbars();
};

void ScreenAccessTest::namedAndReachedInReadingOrder() {
  KV508_START_WINDOW(f);
  EveryGroupOn(f);
  QVERIFY(f.Activate());
  QWidget &tree = f.Window().tree();
  QVERIFY(!Name(&tree).isEmpty());
  QString menuLetters;
  for (QAction *menu : f.Window().menuBar()->actions())
    menuLetters += MenuLetter(menu->text());

  QStringList faults;
  for (const ScreenShown &screen : EveryScreen()) {
    ShowScreen(f, screen);
    const QString where = screen.key + QLatin1Char('/') + QString::number(screen.page) + ": ";
    std::set<QString> letters;
    for (QWidget *w : Controls(&f.Window().navigator().Pane())) {
      if (!ui::HintFor(w).isEmpty() && w->accessibleDescription() != ui::HintFor(w))
        faults << where + Id(w) + " is not described by its hint";
    }
    // Each label names its control and has an Alt+letter of its own, but for
    // a text standing more than once (rows of side-by-side blocks) and, where
    // letters ran out, before a control that cannot take the focus now.
    QList<QLabel *> labels;
    QMap<QString, int> repeats;
    for (QLabel *label : f.Window().navigator().Pane().findChildren<QLabel *>()) {
      if (label->isVisible() && label->buddy()) {
        labels << label;
        ++repeats[ui::PlainText(label->text())];
      }
    }
    for (QLabel *label : labels) {
      const QString text = ui::PlainText(label->text());
      const QString letter = MenuLetter(label->text());
      const bool needed = repeats[text] == 1 && label->buddy()->isEnabled();
      if ((letter.isEmpty() && needed) ||
          (!letter.isEmpty() && (menuLetters.contains(letter) || !letters.insert(letter).second)))
        faults << where + "no Alt+letter of its own for " + label->text();
      if (!Name(label->buddy()).contains(text))
        faults << where + Id(label->buddy()) + " is read as \"" + Name(label->buddy()) +
                      "\" behind the label \"" + text + "\"";
    }

    for (const QString &fault : KeyboardFaults(&f.Window().navigator().Pane(), &tree))
      faults << where + fault;
  }
  for (const QString &fault : faults)
    qWarning("%s", qPrintable(fault));
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Each change is one undo step that says which control made it ("Undo
// MMSI"), never a number; the screen reader reads the control by that name.
void ScreenAccessTest::everyStepNamedAfterItsControl() {
  KV508_START_WINDOW(f);
  EveryGroupOn(f);
  QVERIFY(f.Activate());
  QStringList faults;
  int changed = 0;
  for (const ScreenShown &screen : EveryScreen()) {
    ShowScreen(f, screen);
    for (QWidget *w : Controls(&f.Window().navigator().Pane())) {
      ShowScreen(f, screen);
      if (!w->isVisible() || !w->isEnabled() || !ChangeWith(f, w))
        continue;
      ++changed;
      const QString step = UndoText(f).mid(5);
      bool number = false;
      step.toInt(&number);
      if (!UndoText(f).startsWith(QLatin1String("Undo ")) || step.isEmpty() || number ||
          !Name(w).contains(step))
        faults << screen.key + ": " + Id(w) + " made \"" + UndoText(f) + "\" read as " + Name(w);
      f.Action("mnuEditUndo")->trigger();
      f.host.messages.clear();
    }
  }
  for (const QString &fault : faults)
    qWarning("%s", qPrintable(fault));
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  // Lists, boxes and fields of every kind of screen were changed.
  QVERIFY2(changed > 120, qPrintable(QString::number(changed)));
}

// The grids take the focus, move with the arrow keys and name their columns;
// every toolbar button is a menu command too, and takes no focus.
void ScreenAccessTest::gridsAndToolbars() {
  KV508_START_WINDOW(f);
  EveryGroupOn(f);
  QVERIFY(f.Activate());
  for (const QString &key :
       {ui::keys::GroupKey(0), ui::keys::kExpChannel, ui::keys::kMemoryIds, ui::keys::kGroupIds}) {
    f.ShowNode(key);
    QTableView *grid = nullptr;
    for (QTableView *view : f.Window().navigator().Pane().findChildren<QTableView *>()) {
      if (view->isVisible())
        grid = view;
    }
    QVERIFY2(grid, qPrintable(key));
    QVERIFY(grid->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(face && face->tableInterface());
    QVERIFY(!face->text(QAccessible::Name).isEmpty());
    QCOMPARE(face->tableInterface()->columnDescription(0),
             grid->model()->headerData(0, Qt::Horizontal).toString());
    grid->setFocus(Qt::TabFocusReason);
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentIndex().row(), 1);
    QCOMPARE(grid->currentIndex().column(), 1);
  }

  std::set<QAction *> inMenus;
  std::function<void(QMenu *)> collect = [&](QMenu *menu) {
    for (QAction *action : menu->actions()) {
      inMenus.insert(action);
      if (action->menu())
        collect(action->menu());
    }
  };
  for (QAction *top : f.Window().menuBar()->actions())
    collect(top->menu());
  for (QToolBar *bar : f.Window().findChildren<QToolBar *>()) {
    for (QAction *action : bar->actions()) {
      if (action->isSeparator())
        continue;
      auto *entry =
          f.Window().menuBar()->findChild<QAction *>(action->property("menuEntry").toString());
      QVERIFY2(entry && inMenus.count(entry), qPrintable(action->text()));
    }
    for (QToolButton *button : bar->findChildren<QToolButton *>())
      QCOMPARE(button->focusPolicy(), Qt::NoFocus);
  }
}

QTEST_MAIN(ScreenAccessTest)
#include "tst_screen_access.moc"
