// frmMain: start-up, tree, caption, close prompt, layout, hex dump, its
// commands, file dialogs, Recent Files, drops, shortcuts, and Undo/Redo.

#include "ui_test_support.h"

#include "app/hex_file.h"
#include "files/dat_file.h"
#include "ui/layout_rules.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/binder.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

using namespace kv508;
using namespace kv508::testing;

namespace {

const std::string kTitle = "PC Program for TR4100/TR4300";
const QString kCaption = QStringLiteral("KV508  PC Program for TR4100/TR4300");
const QString kOpenDat = QStringLiteral("open:dat files(*.dat);;All files(*.*)");

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
    ui::SetHint(field, QStringLiteral("field hint"));
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
QString NodeText(WindowFixture &f, const char *key) {
  return ui::FindNodeByKey(f.Window().tree(), QLatin1String(key))->text(0);
}
std::string PathOf(WindowFixture &f, const char *name) {
  return ui::PathFromQt(f.folder.File(QLatin1String(name))).string();
}

// Every group usable, a weather channel and three directory entries in use,
// loaded as from a file, the window active.
bool StartWithData(WindowFixture &f) {
  if (!f.Start())
    return false;
  RadioData &d = f.S().data;
  for (ChannelGroupSetup &g : d.ChannelGroups)
    g.Enable = true;
  d.CHUSA[40].Enable = true;
  for (int n = 1; n <= 3; ++n)
    d.CHMMSID[n] = {.Enable = true,
                    .TagName = "BOAT " + std::to_string(n),
                    .Mmsid = "21100000" + std::to_string(n)};
  f.Window().BuildTree();
  f.Window().RefreshNodeTexts();
  f.S().undo.Reset(f.S().data, true);
  f.S().state.DataChanged = false;
  return f.Activate();
}

// A settings file (.dat) or an image (.hex) told apart by a Memory ID name.
QString WriteFile(WindowFixture &f, const QString &name, const char *tag, bool image) {
  const QString path = f.folder.File(name);
  const RadioData kept = f.S().data;
  f.S().data.CHMMSID[1] = {.Enable = true, .TagName = tag, .Mmsid = "2320001230"};
  if (image)
    SaveHexFile(f.S(), ui::PathFromQt(path));
  else
    SaveFileAs(f.S(), ui::PathFromQt(path));
  f.S().data = kept;
  return path;
}

QStringList RecentEntries(WindowFixture &f) {
  auto *menu = f.Window().findChild<QMenu *>(QStringLiteral("mnuFileRecent"));
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction *a : menu->actions())
    texts << a->text();
  return texts;
}

using Act = std::function<void(WindowFixture &)>;

} // namespace

Q_DECLARE_METATYPE(Act)

class MainWindowTest : public QObject {
  Q_OBJECT
private slots:
  void startUp();
  void startUpWithoutModels();
  void screenForNode();
  void treeForModelAndGroups_data();
  void treeForModelAndGroups();
  void closePrompt_data();
  void closePrompt();
  void refusedEditKeepsNodeAndBlocksCommands();
  void fieldCheckedOnLeavingAndBeforeCommands();
  void layoutAndSplitter();
  void hexDumpOnlyInDebugMode_data();
  void hexDumpOnlyInDebugMode();
  void newResetsAfterItsTimer();
  void modelChange();
  void destinationChange();
  void openSettingsFile();
  void imageCommandsOnlyInDebugMode_data();
  void imageCommandsOnlyInDebugMode();
  void serialPortMenu();
  void helpAndAbout();
  void saveAsNamesTheCaption();
  void saveDialogsAddTheirExtension_data();
  void saveDialogsAddTheirExtension();
  void dialogsStartInTheLastFolder();
  void recentFiles();
  void dropOpensSettingsAndImages_data();
  void dropOpensSettingsAndImages();
  void shortcutsTriggerTheirActions_data();
  void shortcutsTriggerTheirActions();
  void undoAndRedoOneAction_data();
  void undoAndRedoOneAction();
  void undoOfAGroupSwitchRebuildsTheTree();
  void undoStepsFollowSaveAndKeys();
  void freshHistoryAfterOpenAndNew();
};

void MainWindowTest::startUp() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  QCOMPARE(f.S().model.ModelVariant, 1);
  QCOMPARE(f.S().state.TitleText, kTitle);
  // The Model submenu needs a choice of models.
  QVERIFY(!w.findChild<QMenu *>(QStringLiteral("mnuEditModel"))->menuAction()->isVisible());
  QVERIFY(f.Action("mnuModel_0")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(w.size(), QSize(ui::kMinWidthPx, ui::kMinHeightPx));
  QVERIFY(f.Action("Program")->isVisible() && !f.Action("Program2")->isVisible());
  QVERIFY(f.Action("Read")->isVisible() && !f.Action("Read2")->isVisible());
  QVERIFY(f.Action("mnuCom_0")->isChecked());
  QCOMPARE(f.S().ComPort, 1);
  QVERIFY(f.settings.Values().empty()); // start-up writes nothing
  QVERIFY(f.host.messages.empty());
  QCOMPARE(w.screens().ActivePanel(), w.screens().GeneralScreen());
  QCOMPARE(w.findChild<QLabel *>(QStringLiteral("sbPanel3"))->text(),
           QStringLiteral("TR4100/TR4300"));
}

void MainWindowTest::startUpWithoutModels() {
  WindowFixture f(""); // no global.ini
  QVERIFY(!f.Start());
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].text, std::string("Unknown model!!"));
  QCOMPARE(f.host.messages[0].title, std::string("KV508"));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  QVERIFY(!f.Window().isVisible());
}

void MainWindowTest::screenForNode() {
  using K = ui::ScreenKind;
  const RadioData data;
  const struct {
    const char *parent, *key;
    K kind;
    int bank, directory, record;
    bool exists;
  } rows[] = {
      {"", "General", K::General, -1, -1, -1, true},
      {"", "Program", K::Empty, -1, -1, -1, true},
      {"", "ExpChannel", K::ExpGrid, -1, -1, -1, true},
      {"GENERAL", "usable", K::Usable, -1, -1, -1, true}, // keys ignore case
      {"General", "ATIS", K::Atis, -1, -1, -1, true},
      {"Program", "PI", K::GroupGrid, 1, -1, -1, true},
      {"Program", "PW", K::Weather, -1, -1, -1, true},
      {"PU", "PU 17", K::ChannelPanel, 0, -1, 17, true},
      {"PC", "PC 0", K::ChannelPanel, 2, -1, 0, true},
      {"PI", "PI 240", K::ChannelPanel, 1, -1, 240, false},
      {"DSCSetting", "SG", K::DirectoryGrid, -1, 1, -1, true},
      {"SM", "SM 80", K::DirectoryEntry, -1, 0, 80, true},
      {"SG", "SG 33", K::DirectoryEntry, -1, 1, 33, false},
      {"SG", "SG 0", K::DirectoryEntry, -1, 1, 0, false},
      {"ExpChannel", "E 5", K::ExpPanel, 3, -1, 5, true},
      {"ExpChannel", "E 65", K::ExpPanel, 3, -1, 65, false},
      {"ExpChannel", "E", K::ExpPanel, 3, -1, 0, false},
  };
  for (const auto &row : rows) {
    const ui::ScreenRequest r =
        ui::ScreenForNode(QLatin1String(row.parent), QLatin1String(row.key));
    QVERIFY2(r.kind == row.kind && r.bank == row.bank && r.directory == row.directory &&
                 r.record == row.record && r.key == QLatin1String(row.key) &&
                 ui::RecordExists(r, data) == row.exists,
             row.key);
  }
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
  QTest::newRow("ATIS, all groups")
      << true << 0xF
      << general + QStringList{QStringLiteral("  ATIS Setup")} + channels +
             QStringList{QStringLiteral("  Group1(ABCD)"), QStringLiteral("  Group2"),
                         QStringLiteral("  Group3"), QStringLiteral("  Weather")} +
             dsc + QStringList{QStringLiteral("EXP Channel")};
  QTest::newRow("no ATIS, group 2 only")
      << false << 0x2
      << general + channels + QStringList{QStringLiteral("  Group2"), QStringLiteral("  Weather")} +
             dsc;
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
    QCOMPARE(tree.topLevelItem(3)->childCount(), 64);
    QCOMPARE(tree.topLevelItem(3)->child(0)->data(0, Qt::UserRole).toString(),
             QStringLiteral("E 1"));
  }
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
  QTEST(int(f.dialogs.asked.size()), "saveDialogs");
  QCOMPARE(f.host.messages.size(), std::size_t(changed ? 1 : 0));
  if (changed) {
    QCOMPARE(f.host.messages.back().text,
             std::string("KMT data has changed.\r\nDo you want to save changes?"));
    QCOMPARE(f.host.messages.back().buttons, Buttons::YesNoCancel);
    QCOMPARE(f.host.messages.back().title, kTitle);
  }
  if (!closes)
    QVERIFY(f.S().state.DataChanged);
  if (!closes || minimised) {
    QVERIFY(f.settings.Values().empty());
    return;
  }
  // The frame is stored in twips.
  const QRect frame = w.frameGeometry();
  QCOMPARE(f.settings.Get("Settings", "MainWidth", ""), std::to_string(frame.width() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainHeight", ""), std::to_string(frame.height() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainLeft", ""), std::to_string(frame.x() * 15));
  QCOMPARE(f.settings.Get("Settings", "MainTop", ""), std::to_string(frame.y() * 15));
}

void MainWindowTest::refusedEditKeepsNodeAndBlocksCommands() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  auto owned = std::make_unique<RefusingScreen>();
  RefusingScreen *usable = owned.get();
  w.screens().Register(std::move(owned));

  w.SelectNodeByKey(QStringLiteral("Usable"));
  QCOMPARE(w.screens().ActivePanel(), usable->Panel());
  QCOMPARE(usable->fills, 1);
  QCOMPARE(usable->validations, 0); // the General screen had no validator
  QCOMPARE(w.statusBar()->findChild<QLabel *>(QStringLiteral("sbPanel1"))->text(),
           QStringLiteral("[Up]/[Down]/[Left]/[Right]:Change of a Selection item."));
  w.SelectNodeByKey(QStringLiteral("Usable")); // the current node again: no check
  QCOMPARE(usable->validations, 0);

  usable->accept = false;
  f.S().state.DataChanged = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QCOMPARE(usable->validations, 1);
  QCOMPARE(w.screens().ActivePanel(), usable->Panel());
  QCOMPARE(w.tree().currentItem()->text(0), QStringLiteral("Usable CH Group Setup"));
  w.FileNew();
  w.FileSave();
  w.TransferRead();
  QCOMPARE(usable->validations, 4);
  QCoreApplication::processEvents();
  QVERIFY(f.S().state.DataChanged); // New never ran
  QVERIFY(f.dialogs.asked.isEmpty());

  usable->accept = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QVERIFY(w.screens().ActivePanel() != usable->Panel());
  QVERIFY(!usable->Panel()->isEnabled());
  QVERIFY(f.S().state.DataChanged); // showing a screen is no change
}

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
  const int left = splitter->mapTo(&w, QPoint(0, 0)).x();
  const auto send = [&](QEvent::Type type, int windowX) {
    const QPointF local(windowX - left, 5);
    QMouseEvent event(type, local, splitter->mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(splitter, &event);
  };
  send(QEvent::MouseButtonPress, left);
  QVERIFY(bar->isVisible());
  send(QEvent::MouseMove, 1000 / 15);
  QCOMPARE(bar->x(), ui::ToPixels(2500));
  send(QEvent::MouseMove, 880);
  QCOMPARE(bar->x(), ui::ToPixels(900 * 15 - 2500));
  send(QEvent::MouseButtonRelease, 1000 / 15);
  QVERIFY(!bar->isVisible());
  QCOMPARE(w.tree().width(), ui::ToPixels(2500));
  w.resize(1000, 500); // the next resize applies the 30 % rule again
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

void MainWindowTest::newResetsAfterItsTimer() {
  KV508_START_WINDOW(f);
  f.S().data.CHMMSID[3] = {.Enable = true, .TagName = "TEST", .Mmsid = "2111111110"};
  f.ChangeDataAndAnswer(Answer::No);
  f.S().state.CurrentFilePath = "/tmp/x.dat";
  f.Window().SelectNodeByKey(QStringLiteral("Common"));
  f.Action("mnuFileNew")->trigger();
  QVERIFY(f.S().state.DataChanged); // deferred by its timer
  QTRY_VERIFY(!f.S().state.DataChanged);
  QVERIFY(f.S().data.CHMMSID[3].TagName.empty());
  QVERIFY(f.S().state.CurrentFilePath.empty());
  QVERIFY(f.Window().isEnabled());
  QCOMPARE(f.Window().screens().ActivePanel(), f.Window().screens().GeneralScreen());
}

void MainWindowTest::modelChange() {
  KV508_START_WINDOW(f, kTwoModelsIni);
  ui::MainWindow &w = f.Window();
  QVERIFY(w.findChild<QMenu *>(QStringLiteral("mnuEditModel"))->menuAction()->isVisible());
  QCOMPARE(f.Action("mnuModel_0")->text(), QStringLiteral("TR4100/TR4300"));
  QVERIFY(f.Action("mnuModel_1")->isVisible() && !f.Action("mnuModel_2")->isVisible());
  QVERIFY(f.Action("mnuModel_0")->isChecked() && !f.Action("mnuModel_1")->isChecked());
  w.ChangeModel(0); // the model in use: nothing happens
  QVERIFY(f.host.messages.empty());

  w.ChangeModel(1); // cancelled by the default answer
  QCOMPARE(f.host.messages.back().text,
           std::string("Do you want to program the Unknown model series?"));
  QCOMPARE(f.host.messages.back().title, kTitle);
  QCOMPARE(f.host.messages.back().buttons, Buttons::OkCancel);
  QCOMPARE(f.S().model.ModelVariant, 1);
  QVERIFY(f.settings.Values().empty());

  f.ChangeDataAndAnswer(Answer::Ok);
  f.host.answers.push_back(Answer::No); // the unsaved data goes
  f.Action("mnuModel_1")->trigger();
  QCOMPARE(f.S().model.ModelVariant, 2);
  QCOMPARE(f.S().state.TitleText, std::string("PC Program for Unknown model"));
  QCOMPARE(f.settings.Get("Settings", "lastmodel", ""), std::string("2"));
  QVERIFY(f.Action("mnuModel_1")->isChecked() && !f.Action("mnuModel_0")->isChecked());
  QTRY_VERIFY(!f.S().state.DataChanged);
  QVERIFY(!ui::FindNodeByKey(w.tree(), QStringLiteral("ATIS")));
  QCOMPARE(w.windowTitle(), QStringLiteral("KV508  PC Program for Unknown model"));
}

void MainWindowTest::destinationChange() {
  WindowFixture f;
  // Two destination images that differ in one byte the decoder keeps.
  MemoryImage image = DefaultImageBytes();
  image[20000] = 0x11;
  f.folder.WriteBytes(QStringLiteral("usaa_07D0.ini"), image);
  image[20000] = 0x22;
  f.folder.WriteBytes(QStringLiteral("EURO_07D0.ini"), image);
  QVERIFY(f.Start());
  // The stored default "usaa" is loaded at start-up.
  QCOMPARE(f.Action("mnuDst_0")->text(), QStringLiteral("EURO"));
  QCOMPARE(f.Action("mnuDst_1")->text(), QStringLiteral("USAA"));
  QVERIFY(!f.Action("mnuDst_2")->isVisible());
  QVERIFY(f.Action("mnuDst_1")->isChecked());
  QCOMPARE(f.S().data.Image[20000], 0x11);

  f.S().state.DataChanged = true;
  f.Action("mnuDst_0")->trigger(); // the question is cancelled
  QCOMPARE(f.host.messages.back().text, std::string("Do you want to change to EURO?"));
  QCOMPARE(f.S().data.Image[20000], 0x11);
  QVERIFY(f.Action("mnuDst_1")->isChecked() && !f.Action("mnuDst_0")->isChecked());
  QVERIFY(f.S().state.DataChanged);

  f.host.answers = {Answer::Ok, Answer::No};
  f.Action("mnuDst_0")->trigger();
  QCOMPARE(f.S().data.Image[20000], 0x22);
  QVERIFY(f.Action("mnuDst_0")->isChecked() && !f.Action("mnuDst_1")->isChecked());
  QCOMPARE(f.settings.Get("IniFilePath", "IniFileName_1", ""), std::string("EURO"));
  QVERIFY(!f.S().state.DataChanged);

  // The checked entry reloads without a question.
  const std::size_t asked = f.host.messages.size();
  f.S().data.Image[20000] = 0;
  f.Action("mnuDst_0")->trigger();
  QCOMPARE(f.host.messages.size(), asked);
  QCOMPARE(f.S().data.Image[20000], 0x22);
}

void MainWindowTest::openSettingsFile() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  f.S().data.ChannelGroups[0] = {.Enable = true, .StatusName = "HOME"};
  f.S().data.CHMMSID[2].Enable = true;
  const QString path = f.folder.File(QStringLiteral("Boat.dat"));
  QVERIFY(SaveFileAs(f.S(), ui::PathFromQt(path)));

  f.S().data.ChannelGroups[0].StatusName = "";
  f.S().data.CHMMSID[2].Enable = false;
  w.BuildTree();
  w.SelectNodeByKey(QStringLiteral("SM"));
  f.ChangeDataAndAnswer(Answer::No);
  f.dialogs.openAnswers.push_back(path);
  f.Action("Open")->trigger(); // the toolbar button runs the menu entry
  QCOMPARE(f.dialogs.asked.last(), kOpenDat);
  QCOMPARE(f.S().data.ChannelGroups[0].StatusName, std::string("HOME"));
  QCOMPARE(w.windowTitle(), kCaption + QStringLiteral(" - boat.dat"));
  QVERIFY(!f.S().state.DataChanged); // the settings are those of the file
  QVERIFY(!f.S().state.OperationIncomplete);
  QCOMPARE(SelectedKey(f), QStringLiteral("SM"));
  QCOMPARE(NodeText(f, "PU"), QStringLiteral("Group1(HOME)"));
  QCOMPARE(NodeText(f, "SM 2"), QStringLiteral("Memory ID2[Enable]"));

  // A cancelled dialog changes nothing and leaves the command incomplete.
  f.host.answers.push_back(Answer::No);
  f.Action("mnuFileOpen")->trigger();
  QVERIFY(f.S().state.OperationIncomplete);
  QCOMPARE(f.S().data.ChannelGroups[0].StatusName, std::string("HOME"));
}

void MainWindowTest::imageCommandsOnlyInDebugMode_data() {
  QTest::addColumn<QString>("arguments");
  QTest::newRow("/D") << QStringLiteral("/D");
  QTest::newRow("none") << QString();
}

void MainWindowTest::imageCommandsOnlyInDebugMode() {
  QFETCH(QString, arguments);
  const bool enabled = !arguments.isEmpty();
  KV508_START_WINDOW(f, kAtisIni, arguments.toStdString());
  ui::MainWindow &w = f.Window();
  QVERIFY(f.Activate());

  const QString image = f.folder.File(QStringLiteral("radio.hex"));
  f.dialogs.saveAnswers.push_back(image);
  f.S().state.DataChanged = true;
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier);
  QCOMPARE(QFile::exists(image), enabled);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(f.S().state.CurrentFilePath.empty());
  if (!enabled) {
    QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(f.dialogs.asked.isEmpty());
    return;
  }
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:hex files(*.hex);;All files(*.*)"));
  const std::string bytes = ReadAll(image);
  QCOMPARE(bytes.size(), std::size_t(32768));
  QCOMPARE(bytes.substr(0, 2), std::string("\x07\xD0"));

  // An image of the wrong length is refused, saying what was being done.
  f.folder.WriteText(QStringLiteral("short.hex"), std::string(100, '\x07'));
  const MemoryImage before = f.S().data.Image;
  f.dialogs.openAnswers.push_back(f.folder.File(QStringLiteral("short.hex")));
  f.host.answers.push_back(Answer::No);
  w.OpenImageCommand();
  QCOMPARE(f.host.messages.back().text,
           "bad file!!\r\n\r\nOpening " + PathOf(f, "short.hex") + ".");
  QCOMPARE(f.host.messages.back().icon, Icon::Critical);
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(f.S().state.CurrentFilePath.empty());

  f.S().data.CHMMSID[1].TagName = "CHANGED";
  f.dialogs.openAnswers.push_back(image);
  f.host.answers.push_back(Answer::No);
  QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
  QVERIFY(f.S().data.CHMMSID[1].TagName.empty());
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(w.windowTitle(), kCaption + QStringLiteral(" - radio.hex"));

  f.S().state.OperationIncomplete = false; // a cancelled dialog leaves it incomplete
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier);
  QVERIFY(f.S().state.OperationIncomplete);
}

void MainWindowTest::serialPortMenu() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  QCOMPARE(f.Action("mnuCom_0")->text().left(5), QStringLiteral("COM&1"));
  QCOMPARE(f.Action("mnuCom_15")->text().left(5), QStringLiteral("COM16"));
  f.Action("mnuCom_4")->trigger();
  QCOMPARE(f.S().ComPort, 5);
  QCOMPARE(f.settings.Get("ComPath", "ComNum", ""), std::string("5"));
  QVERIFY(f.Action("mnuCom_4")->isChecked() && !f.Action("mnuCom_0")->isChecked());

  f.Action("mnuComSim")->trigger();
  QVERIFY(w.portChoice().source == ui::PortSource::Simulated);
  QVERIFY(f.Action("mnuComSim")->isChecked() && !f.Action("mnuCom_4")->isChecked());
  QCOMPARE(f.settings.Get("ComPath", "ComSource", ""), std::string("sim"));

  f.dialogs.device = QStringLiteral("/dev/ttyS7");
  f.Action("mnuComDevice")->trigger();
  QVERIFY(w.portChoice().source == ui::PortSource::Device);
  QCOMPARE(f.settings.Get("ComPath", "ComDevice", ""), std::string("/dev/ttyS7"));

  // The choice is restored at the next start.
  WindowFixture again;
  again.settings = f.settings;
  QVERIFY(again.Start());
  QVERIFY(again.Window().portChoice().source == ui::PortSource::Device);
  QCOMPARE(again.Window().portChoice().device, std::string("/dev/ttyS7"));
  QCOMPARE(again.S().ComPort, 5);
}

void MainWindowTest::helpAndAbout() {
  const std::string noHelp =
      "Unable to display Help Contents. There is no Help associated with this project.";
  {
    KV508_START_WINDOW(f); // no help page in the folder
    QVERIFY(!f.Action("mnuHelpContents")->isEnabled());
    f.Window().HelpContents();
    QCOMPARE(f.host.messages.back().text, noHelp);
    QCOMPARE(f.host.messages.back().icon, Icon::Information);
    QCOMPARE(f.host.messages.back().title, kTitle);
    // frmRadio's Help button titles the message with the dialog's caption.
    bool shown = false;
    QTimer::singleShot(0, [&f, &shown] {
      if (auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmRadio"))) {
        shown = true;
        d->findChild<QPushButton *>(QStringLiteral("cmdHelp"))->click();
        d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
      }
    });
    f.Action("mnuTransferProgram")->trigger();
    QTRY_VERIFY(shown);
    QCOMPARE(f.host.messages.back().text, noHelp);
    QCOMPARE(f.host.messages.back().title, std::string("Program to Radio"));
  }
  WindowFixture f(kNoAtisIni);
  QDir(f.folder.File(QString())).mkpath(QStringLiteral("help"));
  f.folder.WriteText(QStringLiteral("help/KV508_NA.html"),
                     "<html><body><h1 id=\"1001\">Contents</h1><p>guide</p></body></html>");
  QVERIFY(f.Start());
  QVERIFY(f.Action("mnuHelpContents")->isEnabled());
  f.Action("mnuHelpContents")->trigger();
  QTextBrowser *browser = nullptr;
  for (QWidget *top : QApplication::topLevelWidgets())
    browser = browser ? browser : top->findChild<QTextBrowser *>(QStringLiteral("txtHelp"));
  QVERIFY(browser);
  QCOMPARE(browser->source().fileName(), QStringLiteral("KV508_NA.html"));
  QCOMPARE(browser->source().fragment(), QStringLiteral("1001"));
  QVERIFY(browser->toPlainText().contains(QStringLiteral("guide")));

  QString version;
  QTimer::singleShot(0, [&version] {
    QWidget *about = QApplication::activeModalWidget();
    if (about && about->objectName() == QStringLiteral("frmAbout")) {
      version = about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
      about->close();
    }
  });
  f.Action("mnuHelpAbout")->trigger();
  QTRY_VERIFY(version.startsWith(QStringLiteral("Version ")));
}

void MainWindowTest::saveAsNamesTheCaption() {
  KV508_START_WINDOW(f);
  QCOMPARE(f.Window().windowTitle(), kCaption);
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("Marina.DAT")));
  f.S().state.DataChanged = true;
  f.Action("mnuFileSaveAs")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:dat files(*.dat);;All files(*.*)"));
  QVERIFY(QFile::exists(f.folder.File(QStringLiteral("Marina.DAT"))));
  QCOMPARE(f.Window().windowTitle(), kCaption + QStringLiteral(" - marina.dat"));
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(!f.S().state.OperationIncomplete);
  f.Action("mnuFileSave")->trigger(); // now writes the current file without asking
  QCOMPARE(f.dialogs.asked.size(), 1);
}

void MainWindowTest::saveDialogsAddTheirExtension_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("written");
  QTest::newRow("settings") << QStringLiteral("dat") << QStringLiteral("boat1.dat");
  QTest::newRow("image") << QStringLiteral("hex") << QStringLiteral("boat1.hex");
  QTest::newRow("report") << QStringLiteral("txt") << QStringLiteral("boat1.txt");
  QTest::newRow("own extension kept") << QStringLiteral("dat") << QStringLiteral("boat1.v2");
}

void MainWindowTest::saveDialogsAddTheirExtension() {
  QFETCH(QString, kind);
  QFETCH(QString, written);
  KV508_START_WINDOW(f, kAtisIni, "/D");
  const bool own = written.endsWith(QLatin1String(".v2"));
  f.dialogs.saveAnswers.push_back(f.folder.File(own ? written : QStringLiteral("boat1")));
  if (kind == QLatin1String("dat")) {
    f.Action("mnuFileSaveAs")->trigger();
    QCOMPARE(f.S().state.CurrentFilePath, ui::PathFromQt(f.folder.File(written)).string());
  } else if (kind == QLatin1String("hex")) {
    f.Window().SaveImageCommand();
  } else {
    // Once frmPrn shows its text, its File > Save runs and the window closes.
    bool done = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      auto *window = f.Window().findChild<QDialog *>(QStringLiteral("frmPrn"));
      if (done || !window || !window->isEnabled() || !window->isVisible())
        return;
      done = true;
      window->findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
      window->accept();
    });
    poll.start(10);
    f.Action("mnuFilePrintToFile")->trigger();
    QVERIFY(done);
  }
  QVERIFY2(QFileInfo::exists(f.folder.File(written)), qPrintable(written));
  QVERIFY(!QFileInfo::exists(f.folder.File(QStringLiteral("boat1"))));
  QVERIFY(f.host.messages.empty());
}

void MainWindowTest::dialogsStartInTheLastFolder() {
  KV508_START_WINDOW(f, kAtisIni, "/D");
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString documents = !docs.isEmpty() && QDir(docs).exists() ? docs : QDir::homePath();
  f.Action("mnuFileOpen")->trigger();
  f.Window().OpenImageCommand();
  QCOMPARE(f.dialogs.folders, QStringList({documents, documents}));

  // A settings file saved in one folder: settings dialogs start there, image ones do not.
  QDir(ui::QtFromPath(f.folder.Path())).mkpath(QStringLiteral("boats"));
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boats/one.dat")));
  f.Action("mnuFileSaveAs")->trigger();
  f.dialogs.folders.clear();
  f.Action("mnuFileOpen")->trigger();
  f.Window().OpenImageCommand();
  QCOMPARE(f.dialogs.folders,
           QStringList(
               {QFileInfo(f.folder.File(QStringLiteral("boats"))).absoluteFilePath(), documents}));
}

void MainWindowTest::recentFiles() {
  KV508_START_WINDOW(f);
  auto *menu = f.Window().findChild<QMenu *>(QStringLiteral("mnuFileRecent"));
  QVERIFY(!menu->isEnabled());
  const auto boat = [&f](int n) { return f.folder.File(QStringLiteral("boat%1.dat").arg(n)); };
  // Saving boat5 again moves it to the top; the ninth file pushed boat1 out.
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 5}) {
    f.dialogs.saveAnswers.push_back(boat(n));
    f.Action("mnuFileSaveAs")->trigger();
  }
  QStringList expected;
  for (int n : {5, 9, 8, 7, 6, 4, 3, 2})
    expected << QStringLiteral("&%1 %2").arg(expected.size() + 1).arg(boat(n));
  QCOMPARE(RecentEntries(f), expected);
  QCOMPARE(f.settings.Get("Files", "Recent1", ""), ui::PathFromQt(boat(5)).string());

  // A missing file is dropped with a message and nothing is read.
  QFile::remove(boat(9));
  f.S().data.CHMMSID[7].TagName = "KEEP";
  menu->actions().at(1)->trigger();
  QCOMPARE(f.host.Texts(),
           std::vector<std::string>{"The file " + ui::PathFromQt(boat(9)).string() +
                                    " is no longer there.\r\nIt has been taken off the Recent "
                                    "Files list."});
  QCOMPARE(f.S().data.CHMMSID[7].TagName, std::string("KEEP"));
  expected.removeAt(1);
  for (int i = 0; i < expected.size(); ++i)
    expected[i].replace(1, 1, QString::number(i + 1));
  QCOMPARE(RecentEntries(f), expected);

  // An entry still there opens as File > Open would.
  f.S().state.CurrentFilePath.clear();
  menu->actions().at(2)->trigger();
  QCOMPARE(f.S().state.CurrentFilePath, ui::PathFromQt(boat(7)).string());
  QCOMPARE(RecentEntries(f).first(), QStringLiteral("&1 ") + boat(7));
}

void MainWindowTest::dropOpensSettingsAndImages_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("settings file") << QStringLiteral("dropped.dat");
  QTest::newRow("image") << QStringLiteral("dropped.hex");
  QTest::newRow("not ours") << QStringLiteral("dropped.txt");
}

void MainWindowTest::dropOpensSettingsAndImages() {
  QFETCH(QString, name);
  KV508_START_WINDOW(f);
  const QString file = WriteFile(f, name, "DROPPED", name.endsWith(QLatin1String(".hex")));
  const bool ours = !name.endsWith(QLatin1String(".txt"));
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(file)});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&f.Window(), &enter);
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&f.Window(), &drop);
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string(ours ? "DROPPED" : ""));
  QCOMPARE(f.S().state.CurrentFilePath, ours ? ui::PathFromQt(file).string() : std::string());
  QVERIFY(f.host.messages.empty());
}

void MainWindowTest::shortcutsTriggerTheirActions_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QKeySequence>("keys");
  QTest::newRow("new") << QStringLiteral("mnuFileNew") << QKeySequence(Qt::CTRL | Qt::Key_N);
  QTest::newRow("open") << QStringLiteral("mnuFileOpen") << QKeySequence(Qt::CTRL | Qt::Key_O);
  QTest::newRow("save") << QStringLiteral("mnuFileSave") << QKeySequence(Qt::CTRL | Qt::Key_S);
  QTest::newRow("save as") << QStringLiteral("mnuFileSaveAs")
                           << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
  QTest::newRow("print") << QStringLiteral("mnuFilePrint") << QKeySequence(Qt::CTRL | Qt::Key_P);
  QTest::newRow("exit") << QStringLiteral("mnuFileExit") << QKeySequence(Qt::CTRL | Qt::Key_Q);
}

void MainWindowTest::shortcutsTriggerTheirActions() {
  QFETCH(QString, action);
  QFETCH(QKeySequence, keys);
  KV508_START_WINDOW(f);
  QVERIFY(f.Activate());
  QSignalSpy triggered(f.Action(action.toLatin1().constData()), &QAction::triggered);
  int others = 0;
  for (QAction *a : f.Window().findChildren<QAction *>()) {
    if (a->objectName() != action && a->objectName().startsWith(QLatin1String("mnuFile")))
      connect(a, &QAction::triggered, [&others] { ++others; });
  }
  QTest::keySequence(&f.Window(), keys);
  QCOMPARE(triggered.count(), 1);
  QCOMPARE(others, 0);
}

void MainWindowTest::undoAndRedoOneAction_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<Act>("act");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("widget");
  QTest::newRow("channel panel check box")
      << "PU 40" << Act([](WindowFixture &f) { Click(W<QCheckBox>(f, "chkLowPower")); })
      << "Low Power Only"
      << "chkLowPower";
  QTest::newRow("weather row") << "PW" << Act([](WindowFixture &f) {
    Retype(W<QLineEdit>(f, "txtWxName_2"), QStringLiteral("WXB"));
    f.Leave();
  }) << "CH Name"
                               << "txtWxName_2";
  QTest::newRow("common list") << "Common" << Act([](WindowFixture &f) {
    Flip(W<QComboBox>(f, "cmbCommonDual"));
  }) << "Dual Watch"
                               << "cmbCommonDual";
  QTest::newRow("directory delete") << "SM 2" << Act([](WindowFixture &f) {
    f.host.answers.push_back(Answer::Yes);
    Click(W<QCheckBox>(f, "chkGDelete"));
  }) << "Delete"
                                    << "chkGDelete";
}

void MainWindowTest::undoAndRedoOneAction() {
  QFETCH(QString, node);
  QFETCH(Act, act);
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

void MainWindowTest::undoOfAGroupSwitchRebuildsTheTree() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(QStringLiteral("Usable"));
  const QStringList treeBefore = TreeOutline(f.Window().tree());
  Click(W<QCheckBox>(f, "chkUsable_0"));
  QVERIFY(!f.S().data.ChannelGroups[0].Enable);
  QVERIFY(TreeOutline(f.Window().tree()) != treeBefore);
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(f.S().data.ChannelGroups[0].Enable);
  QCOMPARE(TreeOutline(f.Window().tree()), treeBefore);
  QCOMPARE(SelectedKey(f), QStringLiteral("Usable"));
  QVERIFY(W<QCheckBox>(f, "chkUsable_0")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
}

void MainWindowTest::undoStepsFollowSaveAndKeys() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo"));
  f.ShowNode(QStringLiteral("Common"));
  const bool dual = f.S().data.Common.DualWatch;
  const auto scan = f.S().data.Common.Scan;
  Flip(W<QComboBox>(f, "cmbCommonDual"));
  Flip(W<QComboBox>(f, "cmbCommonScan"));
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo SCAN"));
  f.Action("mnuEditUndo")->trigger();
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo Dual Watch"));
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo SCAN"));
  QCOMPARE(f.S().data.Common.DualWatch, !dual);
  QCOMPARE(f.S().data.Common.Scan, scan);

  // Saved in between: undoing past the saved settings marks the data changed.
  f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileSaveAs")->trigger();
  QVERIFY(!f.S().state.DataChanged);
  f.Action("mnuEditUndo")->trigger();
  QCOMPARE(f.S().data.Common.DualWatch, dual);
  QVERIFY(f.S().state.DataChanged);
  f.Action("mnuEditRedo")->trigger();
  QVERIFY(!f.S().state.DataChanged);

  // The keys work from a focused list: Ctrl+Z, then Ctrl+Y and Ctrl+Shift+Z.
  const auto key = [](Qt::KeyboardModifiers modifiers, Qt::Key k = Qt::Key_Z) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
  };
  Flip(W<QComboBox>(f, "cmbCommonDual"));
  key(Qt::ControlModifier);
  QCOMPARE(f.S().data.Common.DualWatch, !dual);
  key(Qt::ControlModifier, Qt::Key_Y);
  QCOMPARE(f.S().data.Common.DualWatch, dual);
  key(Qt::ControlModifier);
  key(Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(f.S().data.Common.DualWatch, dual);
}

void MainWindowTest::freshHistoryAfterOpenAndNew() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(QStringLiteral("Common"));
  Flip(W<QComboBox>(f, "cmbCommonDual"));
  f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileSaveAs")->trigger();
  Flip(W<QComboBox>(f, "cmbCommonDual"));
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

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
