// frmMain: start-up, tree, caption, close prompt, layout and hex dump.

#include "ui_test_support.h"

#include "ui/layout_rules.h"
#include "ui/screen_area.h"
#include "ui/screens/binder.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"

#include <QApplication>
#include <QComboBox>

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

// A stand-in editing screen whose field validation the test decides.
class RefusingScreen : public ui::EditorScreen {
public:
  QWidget *Panel() override { return &panel; }
  std::vector<ui::ScreenKind> Kinds() const override { return {ui::ScreenKind::Usable}; }
  void Fill(const ui::ScreenRequest &) override { ++fills; }
  int CommitOrder() const override { return ui::kCommitUsable; }
  bool CommitEdit() override {
    ++validations;
    return accept;
  }
  QWidget panel;
  int fills = 0;
  int validations = 0;
  bool accept = true;
};

// A stand-in screen with one checked text field, a bound list and a hint.
class FieldScreen : public ui::EditorScreen {
public:
  explicit FieldScreen(Session &s) : binder(s, &panel) {
    field = new ui::CommitLineEdit(s, &panel, &panel);
    field->setObjectName(QStringLiteral("txtField"));
    ui::SetHint(field, QStringLiteral("field hint"));
    ui::SetHelpTopic(field, 1051);
    list = new QComboBox(&panel);
    list->addItems({QStringLiteral("Off"), QStringLiteral("On")});
    binder.OnOff(list, [](RadioData &d) -> bool & { return d.Common.DualWatch; });
    field->check = [this, &s] {
      if (field->text().size() == 3)
        return true;
      s.host.Message(Icon::Exclamation, "Field", "Data Error!!", Buttons::Ok);
      return false;
    };
  }
  QWidget *Panel() override { return &panel; }
  std::vector<ui::ScreenKind> Kinds() const override { return {ui::ScreenKind::Common}; }
  void Fill(const ui::ScreenRequest &) override { binder.Fill(); }
  int CommitOrder() const override { return ui::kCommitDsc; }
  QWidget panel;
  ui::CommitLineEdit *field;
  QComboBox *list;
  ui::Binder binder;
};

} // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
private slots:
  void startUpWithOneModel();
  void startUpWithTwoModels();
  void startUpWithoutModels_data();
  void startUpWithoutModels();
  void screenForNode_data();
  void screenForNode();
  void treeForModelAndGroups_data();
  void treeForModelAndGroups();
  void captionWithAndWithoutFile();
  void closePrompt_data();
  void closePrompt();
  void refusedEditKeepsNodeAndBlocksCommands();
  void fieldCheckedOnLeavingAndBeforeCommands();
  void layoutAndSplitter();
  void hexDumpOnlyInDebugMode_data();
  void hexDumpOnlyInDebugMode();
};

void MainWindowTest::startUpWithOneModel() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  QCOMPARE(f.S().model.ModelVariant, 1);
  QVERIFY(f.S().model.AtisCapable);
  QCOMPARE(f.S().state.TitleText, std::string("PC Program for TR4100/TR4300"));
  // Edit always holds Undo and Redo; its Model submenu needs a choice of models.
  QVERIFY(w.findChild<QMenu *>(QStringLiteral("mnuEdit"))->menuAction()->isVisible());
  QVERIFY(!w.findChild<QMenu *>(QStringLiteral("mnuEditModel"))->menuAction()->isVisible());
  QVERIFY(f.Action("mnuModel_0")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(w.isEnabled());
  QCOMPARE(w.size(), QSize(ui::kMinWidthPx, ui::kMinHeightPx));
  QVERIFY(f.Action("Program")->isVisible() && !f.Action("Program2")->isVisible());
  QVERIFY(f.Action("Read")->isVisible() && !f.Action("Read2")->isVisible());
  QVERIFY(f.Action("mnuCom_0")->isChecked());
  QCOMPARE(f.S().ComPort, 1);
  // Start-up writes nothing to the per-user store.
  QVERIFY(f.settings.Values().empty());
  QVERIFY(f.host.messages.empty());
  QCOMPARE(w.screens().ActivePanel(), w.screens().GeneralScreen());
  QCOMPARE(w.findChild<QLabel *>(QStringLiteral("sbPanel3"))->text(),
           QStringLiteral("TR4100/TR4300"));
}

void MainWindowTest::startUpWithTwoModels() {
  WindowFixture f(kTwoModelsIni);
  f.settings.Set("ComPath", "ComNum", "3");
  QVERIFY(f.Start());
  QVERIFY(f.Window().findChild<QMenu *>(QStringLiteral("mnuEdit"))->menuAction()->isVisible());
  QVERIFY(f.Window().findChild<QMenu *>(QStringLiteral("mnuEditModel"))->menuAction()->isVisible());
  QCOMPARE(f.Action("mnuModel_0")->text(), QStringLiteral("TR4100/TR4300"));
  QVERIFY(f.Action("mnuModel_1")->isVisible());
  QVERIFY(!f.Action("mnuModel_2")->isVisible());
  // The default lastmodel 1 wins over the last model counted.
  QCOMPARE(f.S().model.ModelVariant, 1);
  QVERIFY(f.Action("mnuModel_0")->isChecked() && !f.Action("mnuModel_1")->isChecked());
  QCOMPARE(f.S().ComPort, 3);
  QVERIFY(f.Action("mnuCom_2")->isChecked() && !f.Action("mnuCom_0")->isChecked());
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

void MainWindowTest::screenForNode_data() {
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QString>("key");
  QTest::addColumn<int>("kind");
  QTest::addColumn<int>("bank");
  QTest::addColumn<int>("directory");
  QTest::addColumn<int>("record");
  QTest::addColumn<bool>("exists");
  using K = ui::ScreenKind;
  const auto row = [](const char *name, const char *parent, const char *key, K kind, int bank,
                      int directory, int record, bool exists) {
    QTest::newRow(name) << QString::fromLatin1(parent) << QString::fromLatin1(key)
                        << static_cast<int>(kind) << bank << directory << record << exists;
  };
  row("general", "", "General", K::General, -1, -1, -1, true);
  row("program root", "", "Program", K::Empty, -1, -1, -1, true);
  row("dsc root", "", "DSCSetting", K::Empty, -1, -1, -1, true);
  row("exp grid", "", "ExpChannel", K::ExpGrid, -1, -1, -1, true);
  row("usable", "General", "Usable", K::Usable, -1, -1, -1, true);
  row("common", "General", "Common", K::Common, -1, -1, -1, true);
  row("dsc", "General", "DSC", K::Dsc, -1, -1, -1, true);
  row("atis", "General", "ATIS", K::Atis, -1, -1, -1, true);
  row("keys ignore case", "GENERAL", "usable", K::Usable, -1, -1, -1, true);
  row("group grid PI", "Program", "PI", K::GroupGrid, 1, -1, -1, true);
  row("weather", "Program", "PW", K::Weather, -1, -1, -1, true);
  row("usa channel", "PU", "PU 17", K::ChannelPanel, 0, -1, 17, true);
  row("canada channel 0", "PC", "PC 0", K::ChannelPanel, 2, -1, 0, true);
  row("channel beyond the bank", "PI", "PI 240", K::ChannelPanel, 1, -1, 240, false);
  row("memory id grid", "DSCSetting", "SM", K::DirectoryGrid, -1, 0, -1, true);
  row("group id grid", "DSCSetting", "SG", K::DirectoryGrid, -1, 1, -1, true);
  row("memory id 80", "SM", "SM 80", K::DirectoryEntry, -1, 0, 80, true);
  row("group id 33", "SG", "SG 33", K::DirectoryEntry, -1, 1, 33, false);
  row("group id 0", "SG", "SG 0", K::DirectoryEntry, -1, 1, 0, false);
  row("expansion 5", "ExpChannel", "E 5", K::ExpPanel, 3, -1, 5, true);
  row("expansion 65", "ExpChannel", "E 65", K::ExpPanel, 3, -1, 65, false);
  row("expansion without number", "ExpChannel", "E", K::ExpPanel, 3, -1, 0, false);
}

void MainWindowTest::screenForNode() {
  QFETCH(QString, parent);
  QFETCH(QString, key);
  const ui::ScreenRequest r = ui::ScreenForNode(parent, key);
  QFETCH(int, kind);
  QCOMPARE(static_cast<int>(r.kind), kind);
  QTEST(r.bank, "bank");
  QTEST(r.directory, "directory");
  QTEST(r.record, "record");
  QCOMPARE(r.key, key);
  const RadioData data;
  QTEST(ui::RecordExists(r, data), "exists");
}

void MainWindowTest::treeForModelAndGroups_data() {
  QTest::addColumn<bool>("atis");
  QTest::addColumn<int>("groupMask");
  QTest::addColumn<QStringList>("outline");
  const QStringList general = {QStringLiteral("General"), QStringLiteral("  Usable CH Group Setup"),
                               QStringLiteral("  Common Setup"), QStringLiteral("  DSC Setup")};
  const QStringList channels = {QStringLiteral("Programable Channel")};
  const QStringList dsc = {QStringLiteral("DSC"), QStringLiteral("  Individual Directory"),
                           QStringLiteral("  Group Directory")};
  const QStringList exp = {QStringLiteral("EXP Channel")};
  QTest::newRow("ATIS, all groups")
      << true << 0xF
      << general + QStringList{QStringLiteral("  ATIS Setup")} + channels +
             QStringList{QStringLiteral("  Group1(ABCD)"), QStringLiteral("  Group2"),
                         QStringLiteral("  Group3"), QStringLiteral("  Weather")} +
             dsc + exp;
  QTest::newRow("no ATIS, groups 2 and EXP")
      << false << 0xA
      << general + channels + QStringList{QStringLiteral("  Group2"), QStringLiteral("  Weather")} +
             dsc + exp;
  QTest::newRow("no ATIS, no groups")
      << false << 0 << general + channels + QStringList{QStringLiteral("  Weather")} + dsc;
}

void MainWindowTest::treeForModelAndGroups() {
  QFETCH(bool, atis);
  QFETCH(int, groupMask);
  QFETCH(QStringList, outline);
  KV508_START_WINDOW(f, atis ? kAtisIni : kNoAtisIni);
  for (std::size_t g = 0; g < 4; ++g) {
    f.S().data.ChannelGroups[g].Enable = (groupMask >> g) & 1;
    f.S().data.ChannelGroups[g].StatusName.clear();
  }
  // A status name shows in its group's node; an empty one leaves the plain text.
  f.S().data.ChannelGroups[0].StatusName = "ABCD";
  f.S().data.CHMMSID[7].Enable = true;
  f.Window().BuildTree();
  f.Window().RefreshNodeTexts();
  QTreeWidget &tree = f.Window().tree();
  QCOMPARE(TreeOutline(tree), outline);
  f.S().data.ChannelGroups[0].StatusName.clear();
  f.Window().RefreshNodeTexts();
  QCOMPARE(TreeOutline(tree), outline.replaceInStrings(QStringLiteral("(ABCD)"), QString()));
  if (groupMask & 1)
    QVERIFY(tree.topLevelItem(1)->child(0)->child(0)->text(0).startsWith(QStringLiteral("CH")));

  // Children carry their record keys and the [Enable] mark.
  QTreeWidgetItem *memory = tree.topLevelItem(2)->child(0);
  QCOMPARE(memory->childCount(), 80);
  QCOMPARE(memory->child(6)->text(0), QStringLiteral("Memory ID7[Enable]"));
  QCOMPARE(memory->child(6)->data(0, Qt::UserRole).toString(), QStringLiteral("SM 7"));
  QCOMPARE(tree.topLevelItem(2)->child(1)->child(31)->text(0), QStringLiteral("Group ID32"));
  if (groupMask & 8) {
    QTreeWidgetItem *expNode = tree.topLevelItem(3);
    QCOMPARE(expNode->childCount(), 64);
    QCOMPARE(expNode->child(0)->data(0, Qt::UserRole).toString(), QStringLiteral("E 1"));
  }
}

void MainWindowTest::captionWithAndWithoutFile() {
  KV508_START_WINDOW(f);
  QCOMPARE(f.Window().windowTitle(), QStringLiteral("KV508  PC Program for TR4100/TR4300"));
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("Marina.DAT")));
  f.S().state.DataChanged = true;
  f.Action("mnuFileSaveAs")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:dat files(*.dat);;All files(*.*)"));
  QVERIFY(QFile::exists(f.folder.File(QStringLiteral("Marina.DAT"))));
  QCOMPARE(f.Window().windowTitle(),
           QStringLiteral("KV508  PC Program for TR4100/TR4300 - marina.dat"));
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(!f.S().state.OperationIncomplete);
  // Save now writes the current file without asking.
  f.Action("mnuFileSave")->trigger();
  QCOMPARE(f.dialogs.asked.size(), 1);
}

void MainWindowTest::closePrompt_data() {
  QTest::addColumn<bool>("changed");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("minimised");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<int>("saveDialogs");
  // Yes opens the save dialog, which the script cancels.
  QTest::newRow("Yes") << true << int(Answer::Yes) << false << false << 1;
  QTest::newRow("No") << true << int(Answer::No) << false << true << 0;
  QTest::newRow("Cancel") << true << int(Answer::Cancel) << false << false << 0;
  QTest::newRow("minimised") << false << int(Answer::Ok) << true << true << 0;
}

void MainWindowTest::closePrompt() {
  QFETCH(bool, changed);
  QFETCH(int, answer);
  QFETCH(bool, minimised);
  QFETCH(bool, closes);
  QFETCH(int, saveDialogs);
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  w.show();
  w.move(100, 60);
  if (minimised)
    w.setWindowState(Qt::WindowMinimized);
  if (changed)
    f.ChangeDataAndAnswer(static_cast<Answer>(answer));
  QCOMPARE(w.close(), closes);
  QCOMPARE(w.isVisible(), !closes);
  QCOMPARE(f.dialogs.asked.size(), saveDialogs);
  QCOMPARE(f.host.messages.size(), std::size_t(changed ? 1 : 0));
  if (changed) {
    QCOMPARE(f.host.messages.back().text,
             std::string("KMT data has changed.\r\nDo you want to save changes?"));
    QCOMPARE(f.host.messages.back().buttons, Buttons::YesNoCancel);
    QCOMPARE(f.host.messages.back().title, std::string("PC Program for TR4100/TR4300"));
  }
  if (!closes)
    QVERIFY(f.S().state.DataChanged);
  if (!closes || minimised) {
    QVERIFY(f.settings.Values().empty());
    return;
  }
  const QRect frame = w.frameGeometry();
  QCOMPARE(f.settings.Get("Settings", "MainWidth", ""), std::to_string(frame.width() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainHeight", ""), std::to_string(frame.height() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainLeft", ""), std::to_string(frame.x() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainTop", ""), std::to_string(frame.y() * 15));
}

void MainWindowTest::refusedEditKeepsNodeAndBlocksCommands() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  auto screen = std::make_unique<RefusingScreen>();
  RefusingScreen *usable = screen.get();
  w.screens().Register(std::move(screen));
  int &validations = usable->validations;
  bool &accept = usable->accept;

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
  QCoreApplication::processEvents();
  QVERIFY(f.S().state.DataChanged); // New never ran
  QVERIFY(f.dialogs.asked.isEmpty());

  accept = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QVERIFY(w.screens().ActivePanel() != usable->Panel());
  QVERIFY(!usable->Panel()->isEnabled());
  QVERIFY(f.S().state.DataChanged); // showing a screen is no change
  QVERIFY(!f.S().state.OperationIncomplete);
}

void MainWindowTest::layoutAndSplitter() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  w.resize(1000, 600); // 15,000 twips: the tree takes 30 %
  QTRY_COMPARE(w.tree().width(), 300);
  w.resize(400, 300); // below the minimum
  QTRY_COMPARE(w.width(), ui::kMinWidthPx);
  QCOMPARE(w.height(), ui::kMinHeightPx);

  // A splitter drag is held 2,500 twips from either edge.
  w.resize(900, 500);
  QTRY_COMPARE(w.width(), 900);
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
  send(QEvent::MouseMove, 1000 / 15);
  QCOMPARE(bar->x(), ui::ToPixels(2500));
  send(QEvent::MouseMove, 880);
  QCOMPARE(bar->x(), ui::ToPixels(900 * 15 - 2500));
  send(QEvent::MouseButtonRelease, 1000 / 15);
  QVERIFY(!bar->isVisible());
  QCOMPARE(w.tree().width(), ui::ToPixels(2500));
  // The next resize applies the 30 % rule again.
  w.resize(1000, 500);
  QTRY_COMPARE(w.tree().width(), 300);
}

void MainWindowTest::hexDumpOnlyInDebugMode_data() {
  QTest::addColumn<QString>("arguments");
  QTest::newRow("/d") << QStringLiteral(" /d ");
  QTest::newRow("none") << QString();
}

void MainWindowTest::hexDumpOnlyInDebugMode() {
  QFETCH(QString, arguments);
  const bool debug = !arguments.isEmpty();
  WindowFixture f(kAtisIni, arguments.toStdString());
  f.settings.Set("Settings", "hexvisible", "True");
  QVERIFY(f.Start());
  auto *list = f.Window().findChild<QListWidget *>(QStringLiteral("HexDumpView"));
  QCOMPARE(f.Action("mnuOptionsHexdump")->isVisible(), debug);
  QCOMPARE(list->isVisibleTo(&f.Window()), debug);
  // The middle panel names the port and the run modes.
  const QString modes = f.Window().findChild<QLabel *>(QStringLiteral("sbPanel2"))->text();
  QVERIFY2(modes.startsWith(QStringLiteral("COM1")), qPrintable(modes));
  QCOMPARE(modes.endsWith(QStringLiteral("  /D")), debug);
  if (!debug)
    return;
  QCOMPARE(list->count(), 2 + 2048);
  QVERIFY(list->item(0)->text().startsWith(QStringLiteral("       00 01 02")));
  QVERIFY(list->item(0)->text().endsWith(QStringLiteral(" 0E 0F")));
  QCOMPARE(list->item(1)->text(), QStringLiteral(" ---- ") + QStringLiteral(" --").repeated(16));
  QVERIFY(list->item(2)->text().startsWith(QStringLiteral(" 0000: 07 D0")));
  QVERIFY(list->item(2049)->text().startsWith(QStringLiteral(" 7FF0:")));
  QVERIFY(list->item(2049)->text().endsWith(QStringLiteral(" 07 D0")));
  f.Action("mnuOptionsHexdump")->trigger();
  QVERIFY(!list->isVisibleTo(&f.Window()));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"

void MainWindowTest::fieldCheckedOnLeavingAndBeforeCommands() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  auto owned = std::make_unique<FieldScreen>(f.S());
  FieldScreen *screen = owned.get();
  w.screens().Register(std::move(owned));
  QVERIFY(f.Activate());
  // Loaded with Dual Watch off, so that choosing On is a change.
  f.S().data.Common.DualWatch = false;
  f.S().undo.Reset(f.S().data, true);
  f.ShowNode(QStringLiteral("Common"));
  QVERIFY(!f.S().state.DataChanged);

  // A bound list stores the user's choice, not the fill.
  f.Choose(screen->list, 1);
  QCOMPARE(f.StatusHint(), QStringLiteral("[Up]/[Down]:Change of a Selection item."));
  QVERIFY(f.S().data.Common.DualWatch);
  QVERIFY(f.S().state.DataChanged);
  f.S().state.DataChanged = false;

  f.Type(screen->field, QStringLiteral("12"));
  QCOMPARE(f.StatusHint(), QStringLiteral("field hint"));
  QVERIFY(f.S().state.DataChanged);
  f.Leave();
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Data Error!!"});
  QTRY_COMPARE(QApplication::focusWidget(), screen->field);
  // A command asks again; a tree click that took the focus first does not
  // show the same refusal twice.
  QVERIFY(!w.CommitActiveEdit());
  QCOMPARE(f.host.messages.size(), std::size_t{2});
  f.ShowNode(QStringLiteral("DSC"));
  QCOMPARE(w.screens().ActivePanel(), screen->Panel());

  QTest::keyClick(screen->field, Qt::Key_3);
  QVERIFY(w.CommitActiveEdit());
  QVERIFY(!screen->field->IsEdited());
  f.ShowNode(QStringLiteral("DSC"));
  QVERIFY(w.screens().ActivePanel() != screen->Panel());
}
