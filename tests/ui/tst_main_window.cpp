// frmMain: start-up, tree, caption, close prompt, layout and hex dump.

#include "ui_test_support.h"

#include "ui/layout_rules.h"
#include "ui/screen_area.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

QAction *Action(ui::MainWindow &w, const char *name) {
  return w.findChild<QAction *>(QLatin1String(name));
}

// A stand-in editing screen whose field validation the test decides.
class RefusingScreen : public ui::EditorScreen {
public:
  QWidget *Panel() override { return &panel; }
  void Fill(const ui::ScreenRequest &) override { ++fills; }
  QWidget panel;
  int fills = 0;
};

} // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
private slots:
  void startUpWithOneModel();
  void startUpWithTwoModels();
  void startUpWithoutModels_data();
  void startUpWithoutModels();
  void treeForModelAndGroups_data();
  void treeForModelAndGroups();
  void nodeTextsFollowStatusNames();
  void captionWithAndWithoutFile();
  void closePromptYesWithCancelledSaveStaysOpen();
  void closePromptNoWritesPlacement();
  void closePromptCancelStaysOpen();
  void closeMinimisedWritesNoPlacement();
  void refusedEditKeepsNodeAndBlocksCommands();
  void layoutFollowsWindowWidth();
  void splitterDragIsBounded();
  void hexDumpOnlyInDebugMode();
};

void MainWindowTest::startUpWithOneModel() {
  WindowFixture f;
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  QCOMPARE(f.S().model.ModelVariant, 1);
  QVERIFY(f.S().model.AtisCapable);
  QCOMPARE(f.S().state.TitleText, std::string("PC Program for TR4100/TR4300"));
  QVERIFY(!w.findChild<QMenu *>(QStringLiteral("mnuEdit"))->menuAction()->isVisible());
  QVERIFY(Action(w, "mnuModel_0")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(w.isEnabled());
  QCOMPARE(w.size(), QSize(ui::kMinWidthPx, ui::kMinHeightPx));
  QVERIFY(Action(w, "Program")->isVisible() && !Action(w, "Program2")->isVisible());
  QVERIFY(Action(w, "Read")->isVisible() && !Action(w, "Read2")->isVisible());
  QVERIFY(Action(w, "mnuCom_0")->isChecked());
  QCOMPARE(f.S().ComPort, 1);
  // Start-up writes nothing to the per-user store.
  QVERIFY(f.settings.Values().empty());
  QVERIFY(f.host.messages.empty());
  QCOMPARE(w.screens().ActivePanel(), w.screens().GeneralScreen());
  QCOMPARE(w.findChild<QLabel *>(QStringLiteral("sbPanel3"))->text(),
           QStringLiteral("TR4100/TR4300"));
}

void MainWindowTest::startUpWithTwoModels() {
  WindowFixture f("[model1]\nuse=1\natis=True\n[model2]\nuse=1\natis=False\n");
  f.settings.Set("ComPath", "ComNum", "3");
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  QVERIFY(w.findChild<QMenu *>(QStringLiteral("mnuEdit"))->menuAction()->isVisible());
  QCOMPARE(Action(w, "mnuModel_0")->text(), QStringLiteral("TR4100/TR4300"));
  QVERIFY(Action(w, "mnuModel_1")->isVisible());
  QVERIFY(!Action(w, "mnuModel_2")->isVisible());
  // The default lastmodel 1 wins over the last model counted.
  QCOMPARE(f.S().model.ModelVariant, 1);
  QVERIFY(Action(w, "mnuModel_0")->isChecked() && !Action(w, "mnuModel_1")->isChecked());
  QCOMPARE(f.S().ComPort, 3);
  QVERIFY(Action(w, "mnuCom_2")->isChecked() && !Action(w, "mnuCom_0")->isChecked());
}

void MainWindowTest::startUpWithoutModels_data() {
  QTest::addColumn<QString>("globalIni");
  QTest::newRow("no file") << QString();
  QTest::newRow("no use key") << QStringLiteral("[model1]\natis=True\n");
  QTest::newRow("not offered") << QStringLiteral("[model1]\nuse=2\n");
}

void MainWindowTest::startUpWithoutModels() {
  QFETCH(QString, globalIni);
  WindowFixture f(globalIni.toStdString());
  QVERIFY(!f.Start());
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].text, std::string("Unknown model!!"));
  QCOMPARE(f.host.messages[0].title, std::string("KV508"));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  QVERIFY(!f.Window().isVisible());
}

void MainWindowTest::treeForModelAndGroups_data() {
  QTest::addColumn<bool>("atis");
  QTest::addColumn<int>("groupMask");
  QTest::addColumn<QStringList>("outline");
  const QStringList general = {QStringLiteral("General"), QStringLiteral("  Usable CH Group Setup"),
                               QStringLiteral("  Common Setup"), QStringLiteral("  DSC Setup")};
  const QStringList dsc = {QStringLiteral("DSC"), QStringLiteral("  Individual Directory"),
                           QStringLiteral("  Group Directory")};
  QTest::newRow("ATIS, all groups")
      << true << 0xF
      << (general +
          QStringList{QStringLiteral("  ATIS Setup"), QStringLiteral("Programable Channel"),
                      QStringLiteral("  Group1"), QStringLiteral("  Group2"),
                      QStringLiteral("  Group3"), QStringLiteral("  Weather")} +
          dsc + QStringList{QStringLiteral("EXP Channel")});
  QTest::newRow("no ATIS, groups 2 and EXP")
      << false << 0xA
      << (general +
          QStringList{QStringLiteral("Programable Channel"), QStringLiteral("  Group2"),
                      QStringLiteral("  Weather")} +
          dsc + QStringList{QStringLiteral("EXP Channel")});
  QTest::newRow("no ATIS, no groups")
      << false << 0
      << (general +
          QStringList{QStringLiteral("Programable Channel"), QStringLiteral("  Weather")} + dsc);
}

void MainWindowTest::treeForModelAndGroups() {
  QFETCH(bool, atis);
  QFETCH(int, groupMask);
  QFETCH(QStringList, outline);
  WindowFixture f(atis ? "[model1]\nuse=1\natis=True\n" : "[model1]\nuse=1\natis=0\n");
  QVERIFY(f.Start());
  for (int g = 0; g < 4; ++g) {
    f.S().data.ChannelGroups[static_cast<std::size_t>(g)].Enable = (groupMask >> g) & 1;
    f.S().data.ChannelGroups[static_cast<std::size_t>(g)].StatusName.clear();
  }
  f.Window().BuildTree();
  QCOMPARE(TreeOutline(f.Window().tree()), outline);

  // Children carry their record keys and the [Enable] mark.
  QTreeWidget &tree = f.Window().tree();
  f.S().data.CHMMSID[7].Enable = true;
  f.Window().BuildTree();
  QTreeWidgetItem *memory = tree.topLevelItem(2)->child(0);
  QCOMPARE(memory->childCount(), 80);
  QCOMPARE(memory->child(6)->text(0), QStringLiteral("Memory ID7[Enable]"));
  QCOMPARE(memory->child(6)->data(0, Qt::UserRole).toString(), QStringLiteral("SM 7"));
  QCOMPARE(tree.topLevelItem(2)->child(1)->child(31)->text(0), QStringLiteral("Group ID32"));
  if (groupMask & 8) {
    QTreeWidgetItem *exp = tree.topLevelItem(3);
    QCOMPARE(exp->childCount(), 64);
    QCOMPARE(exp->child(0)->data(0, Qt::UserRole).toString(), QStringLiteral("E 1"));
  }
}

void MainWindowTest::nodeTextsFollowStatusNames() {
  WindowFixture f;
  QVERIFY(f.Start());
  auto &groups = f.S().data.ChannelGroups;
  groups[0].Enable = true;
  groups[0].StatusName = "ABCD";
  groups[3].Enable = true;
  groups[3].StatusName = "";
  f.Window().BuildTree();
  f.Window().RefreshNodeTexts();
  QTreeWidget &tree = f.Window().tree();
  QCOMPARE(tree.topLevelItem(1)->child(0)->text(0), QStringLiteral("Group1(ABCD)"));
  QCOMPARE(tree.topLevelItem(3)->text(0), QStringLiteral("EXP Channel"));
  groups[0].StatusName = "";
  f.Window().RefreshNodeTexts();
  QCOMPARE(tree.topLevelItem(1)->child(0)->text(0), QStringLiteral("Group1"));
  QVERIFY(tree.topLevelItem(1)->child(0)->child(0)->text(0).startsWith(QStringLiteral("CH")));
}

void MainWindowTest::captionWithAndWithoutFile() {
  WindowFixture f;
  QVERIFY(f.Start());
  QCOMPARE(f.Window().windowTitle(), QStringLiteral("KV508  PC Program for TR4100/TR4300"));
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("Marina.DAT")));
  f.S().state.DataChanged = true;
  f.Window().findChild<QAction *>(QStringLiteral("mnuFileSaveAs"))->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:dat files(*.dat);;All files(*.*)"));
  QVERIFY(QFile::exists(f.folder.File(QStringLiteral("Marina.DAT"))));
  QCOMPARE(f.Window().windowTitle(),
           QStringLiteral("KV508  PC Program for TR4100/TR4300 - marina.dat"));
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(!f.S().state.OperationIncomplete);
  // Save now writes the current file without asking.
  f.Window().findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
  QCOMPARE(f.dialogs.asked.size(), 1);
}

void MainWindowTest::closePromptYesWithCancelledSaveStaysOpen() {
  WindowFixture f;
  QVERIFY(f.Start());
  f.Window().show();
  f.S().state.DataChanged = true;
  f.host.answers.push_back(Answer::Yes);
  QVERIFY(!f.Window().close());
  QVERIFY(f.Window().isVisible());
  QCOMPARE(f.host.messages.back().text,
           std::string("KMT data has changed.\r\nDo you want to save changes?"));
  QCOMPARE(f.host.messages.back().buttons, Buttons::YesNoCancel);
  QCOMPARE(f.host.messages.back().title, std::string("PC Program for TR4100/TR4300"));
  QCOMPARE(f.dialogs.asked.size(), 1);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(f.settings.Values().empty());
}

void MainWindowTest::closePromptNoWritesPlacement() {
  WindowFixture f;
  QVERIFY(f.Start());
  f.Window().show();
  f.Window().move(100, 60);
  f.S().state.DataChanged = true;
  f.host.answers.push_back(Answer::No);
  QVERIFY(f.Window().close());
  QVERIFY(f.dialogs.asked.isEmpty());
  const QRect frame = f.Window().frameGeometry();
  QCOMPARE(f.settings.Get("Settings", "MainWidth", ""), std::to_string(frame.width() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainHeight", ""), std::to_string(frame.height() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainLeft", ""), std::to_string(frame.x() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainTop", ""), std::to_string(frame.y() * 15));
}

void MainWindowTest::closePromptCancelStaysOpen() {
  WindowFixture f;
  QVERIFY(f.Start());
  f.Window().show();
  f.S().state.DataChanged = true;
  f.host.answers.push_back(Answer::Cancel);
  QVERIFY(!f.Window().close());
  QVERIFY(f.Window().isVisible());
  QVERIFY(f.settings.Values().empty());
}

void MainWindowTest::closeMinimisedWritesNoPlacement() {
  WindowFixture f;
  QVERIFY(f.Start());
  f.Window().show();
  f.Window().setWindowState(Qt::WindowMinimized);
  QVERIFY(f.Window().close());
  QVERIFY(f.host.messages.empty());
  QVERIFY(f.settings.Values().empty());
}

void MainWindowTest::refusedEditKeepsNodeAndBlocksCommands() {
  WindowFixture f;
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  auto screen = std::make_unique<RefusingScreen>();
  RefusingScreen *usable = screen.get();
  w.screens().Register(ui::ScreenKind::Usable, std::move(screen));
  int validations = 0;
  bool accept = true;
  w.screens().RegisterEditValidator(ui::kCommitUsable, usable->Panel(), [&] {
    ++validations;
    return accept;
  });

  w.SelectNodeByKey(QStringLiteral("Usable"));
  QCOMPARE(w.screens().ActivePanel(), usable->Panel());
  QCOMPARE(usable->fills, 1);
  QCOMPARE(validations, 0); // the General screen had no validator
  QCOMPARE(w.statusBar()->findChild<QLabel *>(QStringLiteral("sbPanel1"))->text(),
           QStringLiteral("[Up]/[Down]/[Left]/[Right]:Change of a Selection item."));

  // Clicking the current node again does not validate.
  w.SelectNodeByKey(QStringLiteral("Usable"));
  QCOMPARE(validations, 0);

  accept = false;
  f.S().state.DataChanged = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QCOMPARE(validations, 1);
  QCOMPARE(w.screens().ActivePanel(), usable->Panel());
  QCOMPARE(w.tree().currentItem()->text(0), QStringLiteral("Usable CH Group Setup"));

  w.FileNew();
  w.FileSave();
  w.TransferRead();
  QCOMPARE(validations, 4);
  QTest::qWait(150);
  QVERIFY(f.S().state.DataChanged); // New never ran
  QVERIFY(f.dialogs.asked.isEmpty());

  accept = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QCOMPARE(w.screens().ActivePanel(), w.screens().EmptyPanel());
  QVERIFY(!usable->Panel()->isEnabled());
  QVERIFY(f.S().state.DataChanged); // showing a screen is no change
  QVERIFY(!f.S().state.OperationIncomplete);
}

void MainWindowTest::layoutFollowsWindowWidth() {
  WindowFixture f;
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  w.resize(1000, 600); // 15,000 twips
  QTRY_COMPARE(w.tree().width(), 300);
  w.resize(400, 300); // below the minimum
  QTRY_COMPARE(w.width(), ui::kMinWidthPx);
  QCOMPARE(w.height(), ui::kMinHeightPx);
  QCOMPARE(w.tree().width(), ui::ToPixels(ui::TreeWidthForWindow(ui::ToTwips(ui::kMinWidthPx))));
  QCOMPARE(ui::TreeWidthForWindow(10000), 3000);
}

void MainWindowTest::splitterDragIsBounded() {
  WindowFixture f;
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  w.show();
  w.resize(900, 500);
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QWidget *splitter = w.findChild<QWidget *>(QStringLiteral("imgSplitter"));
  QWidget *bar = w.findChild<QWidget *>(QStringLiteral("picSplitter"));
  const auto send = [&](QEvent::Type type, int windowX) {
    const QPointF local(windowX - splitter->mapTo(&w, QPoint(0, 0)).x(), 5);
    QMouseEvent event(type, local, splitter->mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(splitter, &event);
  };
  send(QEvent::MouseButtonPress, splitter->mapTo(&w, QPoint(0, 0)).x());
  QVERIFY(bar->isVisible());
  send(QEvent::MouseMove, 1000 / 15); // 1,000 twips: held at 2,500
  QCOMPARE(bar->x(), ui::ToPixels(2500));
  send(QEvent::MouseMove, 880); // held 2,500 twips from the right edge
  QCOMPARE(bar->x(), ui::ToPixels(900 * 15 - 2500));
  send(QEvent::MouseButtonRelease, 1000 / 15);
  QVERIFY(!bar->isVisible());
  QCOMPARE(w.tree().width(), ui::ToPixels(2500));
  // The next resize applies the 30 % rule again.
  w.resize(1000, 500);
  QTRY_COMPARE(w.tree().width(), 300);
}

void MainWindowTest::hexDumpOnlyInDebugMode() {
  {
    WindowFixture f("[model1]\nuse=1\natis=True\n", " /d ");
    f.settings.Set("Settings", "hexvisible", "True");
    QVERIFY(f.Start());
    auto *list = f.Window().findChild<QListWidget *>(QStringLiteral("HexDumpView"));
    QVERIFY(Action(f.Window(), "mnuOptionsHexdump")->isVisible());
    QVERIFY(list->isVisibleTo(&f.Window()));
    QCOMPARE(list->count(), 2 + 2048);
    QVERIFY(list->item(0)->text().startsWith(QStringLiteral("       00 01 02")));
    QVERIFY(list->item(0)->text().endsWith(QStringLiteral(" 0E 0F")));
    QCOMPARE(list->item(1)->text(), QStringLiteral(" ---- ") + QStringLiteral(" --").repeated(16));
    QVERIFY(list->item(2)->text().startsWith(QStringLiteral(" 0000: 07 D0")));
    QVERIFY(list->item(2049)->text().startsWith(QStringLiteral(" 7FF0:")));
    QVERIFY(list->item(2049)->text().endsWith(QStringLiteral(" 07 D0")));
    Action(f.Window(), "mnuOptionsHexdump")->trigger();
    QVERIFY(!list->isVisibleTo(&f.Window()));
  }
  WindowFixture f;
  f.settings.Set("Settings", "hexvisible", "True");
  QVERIFY(f.Start());
  QVERIFY(!Action(f.Window(), "mnuOptionsHexdump")->isVisible());
  QVERIFY(!f.Window()
               .findChild<QListWidget *>(QStringLiteral("HexDumpView"))
               ->isVisibleTo(&f.Window()));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
