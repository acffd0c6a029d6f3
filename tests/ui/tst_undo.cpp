// Edit > Undo and Redo across the screens: the data, the menu texts, the
// screen and control shown again, and DataChanged.

#include "ui_test_support.h"

#include "ui/nav_tree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

using Action = std::function<void(WindowFixture &)>;

template <class T> T *W(WindowFixture &f, const char *name) {
  return f.Widget<T>(QLatin1String(name));
}

void Click(QAbstractButton *button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void Retype(QLineEdit *edit, const QString &text) {
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

// One key on a list: the next entry, or the one before at the end.
void Flip(QComboBox *box) {
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
}

QString MenuText(WindowFixture &f, const char *name) { return f.Action(name)->text().remove('&'); }

QString SelectedKey(WindowFixture &f) { return ui::NodeKey(f.Window().tree().currentItem()); }

// Every group usable, a weather channel and three directory entries in use.
bool StartWithData(WindowFixture &f) {
  if (!f.Start())
    return false;
  RadioData &d = f.S().data;
  for (ChannelGroupSetup &g : d.ChannelGroups)
    g.Enable = true;
  d.CHUSA[40].Enable = true;
  for (int n = 1; n <= 3; ++n) {
    d.CHMMSID[n].Enable = true;
    d.CHMMSID[n].TagName = "BOAT " + std::to_string(n);
    d.CHMMSID[n].Mmsid = "21100000" + std::to_string(n);
  }
  f.Window().BuildTree();
  f.Window().RefreshNodeTexts();
  // As if this had been loaded from a file.
  f.S().undo.Reset(f.S().data, true);
  f.S().state.DataChanged = false;
  return f.Activate();
}

} // namespace

Q_DECLARE_METATYPE(Action)

class UndoTest : public QObject {
  Q_OBJECT
private slots:
  void undoAndRedoOneAction_data();
  void undoAndRedoOneAction();
  void groupSwitchRebuildsTheTree();
  void stepsAndMenuTexts();
  void freshHistoryAfterNewOpenAndRead();
  void shortcuts();
};

void UndoTest::undoAndRedoOneAction_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<Action>("act");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("widget");
  QTest::newRow("channel panel check box")
      << "PU 40" << Action([](WindowFixture &f) { Click(W<QCheckBox>(f, "chkLowPower")); })
      << "Low Power Only"
      << "chkLowPower";
  QTest::newRow("channel panel name") << "PU 40" << Action([](WindowFixture &f) {
    Retype(W<QLineEdit>(f, "txtChName"), QStringLiteral("HARBR"));
    f.Leave();
  }) << "CH Name"
                                      << "txtChName";
  QTest::newRow("weather row") << "PW" << Action([](WindowFixture &f) {
    Retype(W<QLineEdit>(f, "txtWxName_2"), QStringLiteral("WXB"));
    f.Leave();
  }) << "CH Name"
                               << "txtWxName_2";
  QTest::newRow("common list") << "Common" << Action([](WindowFixture &f) {
    Flip(W<QComboBox>(f, "cmbCommonDual"));
  }) << "Dual Watch"
                               << "cmbCommonDual";
  QTest::newRow("usable priority")
      << "Usable" << Action([](WindowFixture &f) { Flip(W<QComboBox>(f, "cmbUsablePri_0")); })
      << "Priority CH"
      << "cmbUsablePri_0";
  QTest::newRow("directory delete") << "SM 2" << Action([](WindowFixture &f) {
    f.host.answers.push_back(Answer::Yes);
    Click(W<QCheckBox>(f, "chkGDelete"));
  }) << "Delete"
                                    << "chkGDelete";
  QTest::newRow("directory name") << "SM 1" << Action([](WindowFixture &f) {
    Retype(W<QLineEdit>(f, "txtGPosi"), QStringLiteral("TUG"));
    f.Leave();
  }) << "Station Name"
                                  << "txtGPosi";
}

void UndoTest::undoAndRedoOneAction() {
  QFETCH(QString, node);
  QFETCH(Action, act);
  QFETCH(QString, name);
  QFETCH(QString, widget);
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(node);
  const RadioSettings before = f.S().data;
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
  act(f);
  const RadioSettings after = f.S().data;
  QVERIFY(after != before);
  QVERIFY(f.S().state.DataChanged);
  QCOMPARE(MenuText(f, "mnuEditUndo"), "Undo " + name);

  // Elsewhere, then undo: back to the screen and control that changed.
  f.ShowNode(QStringLiteral("General"));
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(static_cast<const RadioSettings &>(f.S().data) == before);
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(SelectedKey(f), node);
  QCOMPARE(QApplication::focusWidget()->objectName(), widget);
  QCOMPARE(MenuText(f, "mnuEditRedo"), "Redo " + name);
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());

  f.Action("mnuEditRedo")->trigger();
  QVERIFY(static_cast<const RadioSettings &>(f.S().data) == after);
  QVERIFY(f.S().state.DataChanged);
  QCOMPARE(SelectedKey(f), node);
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo"));
  QVERIFY(!f.Action("mnuEditRedo")->isEnabled());
}

void UndoTest::groupSwitchRebuildsTheTree() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(QStringLiteral("Usable"));
  QTreeWidget &tree = f.Window().tree();
  const QStringList treeBefore = TreeOutline(tree);
  Click(W<QCheckBox>(f, "chkUsable_0"));
  QVERIFY(!f.S().data.ChannelGroups[0].Enable);
  QVERIFY(TreeOutline(tree) != treeBefore);
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(f.S().data.ChannelGroups[0].Enable);
  QCOMPARE(TreeOutline(tree), treeBefore);
  QCOMPARE(SelectedKey(f), QStringLiteral("Usable"));
  QVERIFY(W<QCheckBox>(f, "chkUsable_0")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
}

void UndoTest::stepsAndMenuTexts() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo"));
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo"));
  f.ShowNode(QStringLiteral("Common"));
  const RadioSettings before = f.S().data;
  Flip(W<QComboBox>(f, "cmbCommonDual"));
  Flip(W<QComboBox>(f, "cmbCommonScan"));
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo SCAN"));
  f.Action("mnuEditUndo")->trigger();
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo Dual Watch"));
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo SCAN"));
  QVERIFY(f.S().data.Common.DualWatch != before.Common.DualWatch);
  QCOMPARE(f.S().data.Common.Scan, before.Common.Scan);

  // Saved in between: undoing to the saved settings clears DataChanged, undoing
  // past them sets it again.
  f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileSaveAs")->trigger();
  QVERIFY(!f.S().state.DataChanged);
  f.Action("mnuEditUndo")->trigger();
  QCOMPARE(f.S().data.Common.DualWatch, before.Common.DualWatch);
  QVERIFY(f.S().state.DataChanged);
  f.Action("mnuEditRedo")->trigger();
  QVERIFY(!f.S().state.DataChanged);
  // A new edit drops what could be redone.
  Flip(W<QComboBox>(f, "cmbCommonSOG"));
  QVERIFY(!f.Action("mnuEditRedo")->isEnabled());
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo"));
}

void UndoTest::freshHistoryAfterNewOpenAndRead() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(QStringLiteral("Common"));
  const auto edit = [&] {
    Flip(W<QComboBox>(f, "cmbCommonDual"));
    QVERIFY(f.Action("mnuEditUndo")->isEnabled());
  };
  edit();
  f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileSaveAs")->trigger();
  edit();
  f.host.answers.push_back(Answer::No);
  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileOpen")->trigger();
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
  QVERIFY(!f.Action("mnuEditRedo")->isEnabled());
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo"));
  QVERIFY(!f.S().state.DataChanged);

  f.ShowNode(QStringLiteral("Common"));
  Flip(W<QComboBox>(f, "cmbCommonDual"));
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(f.Action("mnuEditRedo")->isEnabled());
  f.Action("mnuFileNew")->trigger();
  QTRY_VERIFY(!f.Action("mnuEditRedo")->isEnabled());
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
}

void UndoTest::shortcuts() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  QCOMPARE(f.Action("mnuEditUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  QCOMPARE(f.Action("mnuEditRedo")->shortcuts(),
           (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                QKeySequence(Qt::CTRL | Qt::Key_Y)}));
  f.ShowNode(QStringLiteral("Common"));
  auto *dual = W<QComboBox>(f, "cmbCommonDual");
  const bool was = f.S().data.Common.DualWatch;
  Flip(dual);
  QTest::keyClick(dual, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(f.S().data.Common.DualWatch, was);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(f.S().data.Common.DualWatch, !was);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(f.S().data.Common.DualWatch, !was);
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
