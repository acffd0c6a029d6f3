// frmMain: start-up, tree, close prompt, layout, hex dump, its commands, file
// dialogs, Recent Files, drops, shortcuts, and Undo/Redo.

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
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

using namespace kv508;
using namespace kv508::testing;

namespace {

const std::string kTitle = "PC Program for TR4100/TR4300";
const QString kCaption = QStringLiteral("KV508  PC Program for TR4100/TR4300");

// A stand-in editing screen whose validation the test decides.
class RefusingScreen : public ui::EditorScreen {
public:
  QWidget *Panel() override { return &panel; }
  std::vector<ui::ScreenKind> Kinds() const override { return {ui::ScreenKind::Usable}; }
  void Fill(const ui::ScreenRequest &) override { ++fills; }
  int CommitOrder() const override { return ui::kCommitUsable; }
  bool CommitEdit() override { return ++validations, accept; }
  QWidget panel;
  int fills = 0, validations = 0;
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

// One key on a list: the next entry, or the one before at the end.
void Flip(WindowFixture &f, const char *name) {
  auto *box = W<QComboBox>(f, name);
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
}

QString MenuText(WindowFixture &f, const char *name) { return f.Action(name)->text().remove('&'); }
QString SelectedKey(WindowFixture &f) { return ui::NodeKey(f.Window().tree().currentItem()); }
QString NodeText(WindowFixture &f, const char *key) {
  return ui::FindNodeByKey(f.Window().tree(), QLatin1String(key))->text(0);
}
std::string Native(const QString &path) { return ui::PathFromQt(path).string(); }
const std::string &LastText(WindowFixture &f) { return f.host.messages.back().text; }

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
    d.CHMMSID[n] = {.Enable = true, .TagName = "BOAT", .Mmsid = "21100000" + std::to_string(n)};
  f.Window().BuildTree();
  f.Window().RefreshNodeTexts();
  f.S().undo.Reset(f.S().data, true);
  f.S().state.DataChanged = false;
  return f.Activate();
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
  void startUpWithoutDebugMode();
  void startUpWithoutModels();
  void screenForNode();
  void treeForGroupsAndNames();
  void closePrompt_data();
  void closePrompt();
  void refusedEditKeepsNodeAndBlocksCommands();
  void fieldCheckedOnLeavingAndBeforeCommands();
  void layoutAndSplitter();
  void debugModeHexDumpAndImageCommands();
  void modelAndDestinationMenus();
  void openSettingsFile();
  void fileDialogsFoldersAndExtensions();
  void recentFiles();
  void dropOpensSettingsAndImages();
  void shortcutsTriggerTheirActions();
  void undoAndRedoOneAction_data();
  void undoAndRedoOneAction();
  void undoStepsFollowSaveOpenAndKeys();
};

// Start-up on one model, then what a run without /D does not offer, Help
// without a help page, and the serial port menu.
void MainWindowTest::startUpWithoutDebugMode() {
  WindowFixture f;
  f.settings.Set("Settings", "hexvisible", "True");
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  QCOMPARE(f.S().model.ModelVariant, 1);
  QCOMPARE(w.windowTitle(), kCaption);
  QVERIFY(!w.findChild<QMenu *>(QStringLiteral("mnuEditModel"))->menuAction()->isVisible());
  QVERIFY(f.Action("mnuModel_0")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(w.size(), QSize(ui::kMinWidthPx, ui::kMinHeightPx));
  QVERIFY(f.Action("Program")->isVisible() && !f.Action("Program2")->isVisible());
  QVERIFY(f.Action("Read")->isVisible() && !f.Action("Read2")->isVisible());
  QCOMPARE(f.settings.Values().size(), std::size_t(1)); // start-up writes nothing
  QVERIFY(f.host.messages.empty());
  QCOMPARE(w.screens().ActivePanel(), w.screens().GeneralScreen());
  QCOMPARE(w.findChild<QLabel *>(QStringLiteral("sbPanel3"))->text(),
           QStringLiteral("TR4100/TR4300"));
  QCOMPARE(w.findChild<QLabel *>(QStringLiteral("sbPanel2"))->text().left(4),
           QStringLiteral("COM1"));
  QVERIFY(
      !w.findChild<QLabel *>(QStringLiteral("sbPanel2"))->text().endsWith(QStringLiteral("/D")));
  QVERIFY(!f.Action("mnuOptionsHexdump")->isVisible());
  QVERIFY(!w.findChild<QListWidget *>(QStringLiteral("HexDumpView"))->isVisibleTo(&w));
  QVERIFY(f.Activate());
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("radio.hex")));
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier);
  QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
  QVERIFY(f.dialogs.asked.isEmpty());

  QVERIFY(!f.Action("mnuHelpContents")->isEnabled());
  w.HelpContents();
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Unable to display Help Contents. There is "
                                                    "no Help associated with this project."});
  QCOMPARE(f.host.messages.back().icon, Icon::Information);
  QCOMPARE(f.host.messages.back().title, kTitle);

  QCOMPARE(f.Action("mnuCom_0")->text().left(5), QStringLiteral("COM&1"));
  QCOMPARE(f.Action("mnuCom_15")->text().left(5), QStringLiteral("COM16"));
  QVERIFY(f.Action("mnuCom_0")->isChecked());
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
  // The choice is restored at the next start.
  WindowFixture again;
  again.settings = f.settings;
  QVERIFY(again.Start());
  QVERIFY(again.Window().portChoice().source == ui::PortSource::Device);
  QCOMPARE(again.Window().portChoice().device, std::string("/dev/ttyS7"));
  QCOMPARE(again.S().ComPort, 5);
}

void MainWindowTest::startUpWithoutModels() {
  WindowFixture f(""); // no global.ini
  QVERIFY(!f.Start());
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Unknown model!!"});
  QCOMPARE(f.host.messages[0].title, std::string("KV508"));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  QVERIFY(!f.Window().isVisible());
}

void MainWindowTest::screenForNode() {
  using K = ui::ScreenKind;
  const struct {
    const char *parent, *key;
    K kind;
    int bank, directory, record;
    bool exists;
  } rows[] = {
      {"GENERAL", "usable", K::Usable, -1, -1, -1, true}, // keys ignore case
      {"PI", "PI 240", K::ChannelPanel, 1, -1, 240, false},
      {"SM", "SM 80", K::DirectoryEntry, -1, 0, 80, true},
      {"SG", "SG 33", K::DirectoryEntry, -1, 1, 33, false},
      {"SG", "SG 0", K::DirectoryEntry, -1, 1, 0, false},
      {"ExpChannel", "E 65", K::ExpPanel, 3, -1, 65, false},
      {"ExpChannel", "E", K::ExpPanel, 3, -1, 0, false},
  };
  for (const auto &row : rows) {
    const auto r = ui::ScreenForNode(QLatin1String(row.parent), QLatin1String(row.key));
    QVERIFY2(r.kind == row.kind && r.bank == row.bank && r.directory == row.directory &&
                 r.record == row.record && r.key == QLatin1String(row.key) &&
                 ui::RecordExists(r, RadioData{}) == row.exists,
             row.key);
  }
}

void MainWindowTest::treeForGroupsAndNames() {
  KV508_START_WINDOW(f);
  for (std::size_t g = 0; g < 4; ++g)
    f.S().data.ChannelGroups[g].Enable = g == 0 || g == 3;
  // A status name shows in its group's node; an empty one leaves the plain text.
  f.S().data.ChannelGroups[0].StatusName = "ABCD";
  f.S().data.CHMMSID[7].Enable = true;
  f.Window().BuildTree();
  f.Window().RefreshNodeTexts();
  QTreeWidget &tree = f.Window().tree();
  QStringList outline = {
      "General",      "  Usable CH Group Setup", "  Common Setup",    "  DSC Setup",
      "  ATIS Setup", "Programable Channel",     "  Group1(ABCD)",    "  Weather",
      "DSC",          "  Individual Directory",  "  Group Directory", "EXP Channel"};
  QCOMPARE(TreeOutline(tree), outline);
  f.S().data.ChannelGroups[0].StatusName.clear();
  f.Window().RefreshNodeTexts();
  QCOMPARE(TreeOutline(tree), outline.replaceInStrings(QStringLiteral("(ABCD)"), QString()));
  QVERIFY(tree.topLevelItem(1)->child(0)->child(0)->text(0).startsWith(QStringLiteral("CH")));
  // Children carry their record keys and the [Enable] mark.
  QTreeWidgetItem *memory = tree.topLevelItem(2)->child(0);
  QCOMPARE(memory->childCount(), 80);
  QCOMPARE(memory->child(6)->text(0), QStringLiteral("Memory ID7[Enable]"));
  QCOMPARE(ui::NodeKey(memory->child(6)), QStringLiteral("SM 7"));
  QCOMPARE(tree.topLevelItem(2)->child(1)->child(31)->text(0), QStringLiteral("Group ID32"));
  QCOMPARE(tree.topLevelItem(3)->childCount(), 64);
  QCOMPARE(ui::NodeKey(tree.topLevelItem(3)->child(0)), QStringLiteral("E 1"));
}

void MainWindowTest::closePrompt_data() {
  QTest::addColumn<int>("answer"); // Ok: no question, the window is minimised
  QTest::addColumn<bool>("closes");
  // Yes opens the save dialog, which the script cancels.
  QTest::newRow("Yes") << int(Answer::Yes) << false;
  QTest::newRow("No") << int(Answer::No) << true;
  QTest::newRow("Cancel") << int(Answer::Cancel) << false;
  QTest::newRow("minimised") << int(Answer::Ok) << true;
}

void MainWindowTest::closePrompt() {
  QFETCH(int, answer);
  QFETCH(bool, closes);
  const bool changed = answer != int(Answer::Ok);
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  w.show();
  w.move(100, 60);
  if (!changed)
    w.setWindowState(Qt::WindowMinimized);
  else
    f.ChangeDataAndAnswer(static_cast<Answer>(answer));
  QCOMPARE(w.close(), closes);
  QCOMPARE(w.isVisible(), !closes);
  QCOMPARE(f.dialogs.asked.size(), answer == int(Answer::Yes) ? 1 : 0);
  QCOMPARE(f.S().state.DataChanged, changed);
  if (changed) {
    QCOMPARE(f.host.Texts(),
             std::vector<std::string>{"KMT data has changed.\r\nDo you want to save changes?"});
    QCOMPARE(f.host.messages.back().buttons, Buttons::YesNoCancel);
    QCOMPARE(f.host.messages.back().title, kTitle);
  }
  if (!closes || !changed) {
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
  RefusingScreen &usable = *owned;
  w.screens().Register(std::move(owned));
  w.SelectNodeByKey(QStringLiteral("Usable"));
  QCOMPARE(w.screens().ActivePanel(), usable.Panel());
  QCOMPARE(usable.fills, 1);
  QCOMPARE(f.StatusHint(),
           QStringLiteral("[Up]/[Down]/[Left]/[Right]:Change of a Selection item."));
  w.SelectNodeByKey(QStringLiteral("Usable")); // the current node again: no check
  QCOMPARE(usable.validations, 0);

  usable.accept = false;
  f.S().state.DataChanged = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QCOMPARE(usable.validations, 1);
  QCOMPARE(w.screens().ActivePanel(), usable.Panel());
  QCOMPARE(SelectedKey(f), QStringLiteral("Usable"));
  w.FileNew();
  w.FileSave();
  w.TransferRead();
  QCOMPARE(usable.validations, 4);
  QCoreApplication::processEvents();
  QVERIFY(f.S().state.DataChanged); // New never ran
  QVERIFY(f.dialogs.asked.isEmpty());

  usable.accept = true;
  w.SelectNodeByKey(QStringLiteral("Common"));
  QVERIFY(w.screens().ActivePanel() != usable.Panel());
  QVERIFY(!usable.Panel()->isEnabled());
}

void MainWindowTest::fieldCheckedOnLeavingAndBeforeCommands() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  auto owned = std::make_unique<FieldScreen>(f.S());
  FieldScreen &screen = *owned;
  w.screens().Register(std::move(owned));
  QVERIFY(f.Activate());
  // Loaded with Dual Watch off, so that choosing On is a change.
  f.S().data.Common.DualWatch = false;
  f.S().undo.Reset(f.S().data, true);
  f.ShowNode(QStringLiteral("Common"));
  QVERIFY(!f.S().state.DataChanged); // the fill is no change, the user's choice is
  f.Choose(screen.list, 1);
  QCOMPARE(f.StatusHint(), QStringLiteral("[Up]/[Down]:Change of a Selection item."));
  QVERIFY(f.S().data.Common.DualWatch && f.S().state.DataChanged);
  f.S().state.DataChanged = false;

  f.Type(screen.field, QStringLiteral("12"));
  QCOMPARE(f.StatusHint(), QStringLiteral("field hint"));
  QVERIFY(f.S().state.DataChanged);
  f.Leave();
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Data Error!!"});
  QTRY_COMPARE(QApplication::focusWidget(), screen.field);
  // A command asks again; a tree click that took the focus first does not
  // show the same refusal twice.
  QVERIFY(!w.CommitActiveEdit());
  QCOMPARE(f.host.messages.size(), std::size_t{2});
  f.ShowNode(QStringLiteral("DSC"));
  QCOMPARE(w.screens().ActivePanel(), screen.Panel());

  QTest::keyClick(screen.field, Qt::Key_3);
  QVERIFY(w.CommitActiveEdit());
  QVERIFY(!screen.field->IsEdited());
  f.ShowNode(QStringLiteral("DSC"));
  QVERIFY(w.screens().ActivePanel() != screen.Panel());
}

void MainWindowTest::layoutAndSplitter() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  w.resize(1000, 600); // 15,000 twips: the tree takes 30 %
  QTRY_COMPARE(w.tree().width(), 300);
  w.resize(400, 300); // below the minimum
  QTRY_COMPARE(w.size(), QSize(ui::kMinWidthPx, ui::kMinHeightPx));

  // A splitter drag is held 2,500 twips from either edge.
  w.resize(900, 500);
  QTRY_COMPARE(w.width(), 900);
  QWidget *splitter = w.findChild<QWidget *>(QStringLiteral("imgSplitter"));
  QWidget *bar = w.findChild<QWidget *>(QStringLiteral("picSplitter"));
  const int left = splitter->mapTo(&w, QPoint(0, 0)).x();
  const auto send = [&](QEvent::Type type, int windowX) {
    const QPointF at(windowX - left, 5);
    QMouseEvent event(type, at, splitter->mapToGlobal(at), Qt::LeftButton,
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

void MainWindowTest::debugModeHexDumpAndImageCommands() {
  WindowFixture f(kAtisIni, " /d ");
  f.settings.Set("Settings", "hexvisible", "True");
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  auto *list = w.findChild<QListWidget *>(QStringLiteral("HexDumpView"));
  QVERIFY(list->isVisibleTo(&w));
  QVERIFY(
      w.findChild<QLabel *>(QStringLiteral("sbPanel2"))->text().endsWith(QStringLiteral("  /D")));
  QCOMPARE(list->count(), 2 + 2048);
  QVERIFY(list->item(0)->text().startsWith(QStringLiteral("       00 01 02")));
  QVERIFY(list->item(0)->text().endsWith(QStringLiteral(" 0E 0F")));
  QCOMPARE(list->item(1)->text(), QStringLiteral(" ---- ") + QStringLiteral(" --").repeated(16));
  QVERIFY(list->item(2)->text().startsWith(QStringLiteral(" 0000: 07 D0")));
  QVERIFY(list->item(2049)->text().startsWith(QStringLiteral(" 7FF0:")));
  QVERIFY(list->item(2049)->text().endsWith(QStringLiteral(" 07 D0")));
  f.Action("mnuOptionsHexdump")->trigger();
  QVERIFY(!list->isVisibleTo(&w));

  QVERIFY(f.Activate());
  const QString image = f.folder.File(QStringLiteral("radio.hex"));
  f.dialogs.saveAnswers.push_back(image);
  f.S().state.DataChanged = true;
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier);
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:hex files(*.hex);;All files(*.*)"));
  const std::string bytes = ReadAll(image);
  QCOMPARE(bytes.size(), std::size_t(32768));
  QCOMPARE(bytes.substr(0, 2), std::string("\x07\xD0"));
  QVERIFY(f.S().state.DataChanged && f.S().state.CurrentFilePath.empty());

  // An image of the wrong length is refused, saying what was being done.
  const QString bad = f.folder.File(QStringLiteral("short.hex"));
  f.folder.WriteText(QStringLiteral("short.hex"), std::string(100, '\x07'));
  const MemoryImage before = f.S().data.Image;
  f.dialogs.openAnswers.push_back(bad);
  f.host.answers.push_back(Answer::No);
  w.OpenImageCommand();
  QCOMPARE(LastText(f), "bad file!!\r\n\r\nOpening " + Native(bad) + ".");
  QCOMPARE(f.host.messages.back().icon, Icon::Critical);
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged && f.S().state.CurrentFilePath.empty());

  f.S().data.CHMMSID[1].TagName = "CHANGED";
  f.dialogs.openAnswers.push_back(image);
  f.host.answers.push_back(Answer::No);
  QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
  QVERIFY(f.S().data.CHMMSID[1].TagName.empty());
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(w.windowTitle(), kCaption + QStringLiteral(" - radio.hex"));
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier); // a cancelled dialog
  QVERIFY(f.S().state.OperationIncomplete);
}

void MainWindowTest::modelAndDestinationMenus() {
  WindowFixture f(kTwoModelsIni);
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
  QVERIFY(!f.Action("mnuDst_2")->isVisible() && f.Action("mnuDst_1")->isChecked());
  QCOMPARE(f.S().data.Image[20000], 0x11);
  f.S().state.DataChanged = true;
  f.Action("mnuDst_0")->trigger(); // the question is cancelled
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Do you want to change to EURO?"});
  QCOMPARE(f.S().data.Image[20000], 0x11);
  QVERIFY(f.Action("mnuDst_1")->isChecked() && !f.Action("mnuDst_0")->isChecked());
  QVERIFY(f.S().state.DataChanged);
  f.host.answers = {Answer::Ok, Answer::No};
  f.Action("mnuDst_0")->trigger();
  QCOMPARE(f.S().data.Image[20000], 0x22);
  QVERIFY(f.Action("mnuDst_0")->isChecked() && !f.Action("mnuDst_1")->isChecked());
  QVERIFY(!f.S().state.DataChanged);
  // The checked entry reloads without a question.
  f.host.messages.clear();
  f.S().data.Image[20000] = 0;
  f.Action("mnuDst_0")->trigger();
  QVERIFY(f.host.messages.empty());
  QCOMPARE(f.S().data.Image[20000], 0x22);

  ui::MainWindow &w = f.Window();
  QVERIFY(w.findChild<QMenu *>(QStringLiteral("mnuEditModel"))->menuAction()->isVisible());
  QCOMPARE(f.Action("mnuModel_0")->text(), QStringLiteral("TR4100/TR4300"));
  QVERIFY(f.Action("mnuModel_1")->isVisible() && !f.Action("mnuModel_2")->isVisible());
  w.ChangeModel(0); // the model in use: nothing happens
  QVERIFY(f.host.messages.empty());
  w.ChangeModel(1); // cancelled by the default answer
  QCOMPARE(f.host.Texts(),
           std::vector<std::string>{"Do you want to program the Unknown model series?"});
  QCOMPARE(f.host.messages.back().title, kTitle);
  QCOMPARE(f.host.messages.back().buttons, Buttons::OkCancel);
  QCOMPARE(f.S().model.ModelVariant, 1);
  QCOMPARE(f.settings.Get("Settings", "lastmodel", "none"), std::string("none"));
  f.ChangeDataAndAnswer(Answer::Ok);
  f.host.answers.push_back(Answer::No); // the unsaved data goes
  f.Action("mnuModel_1")->trigger();
  QCOMPARE(f.S().model.ModelVariant, 2);
  QCOMPARE(f.settings.Get("Settings", "lastmodel", ""), std::string("2"));
  QVERIFY(f.Action("mnuModel_1")->isChecked() && !f.Action("mnuModel_0")->isChecked());
  QTRY_VERIFY(!f.S().state.DataChanged);
  QVERIFY(!ui::FindNodeByKey(w.tree(), QStringLiteral("ATIS")));
  QCOMPARE(w.windowTitle(), QStringLiteral("KV508  PC Program for Unknown model"));
}

void MainWindowTest::openSettingsFile() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  f.S().data.ChannelGroups[0].StatusName = "HOME";
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
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("open:dat files(*.dat);;All files(*.*)"));
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

void MainWindowTest::fileDialogsFoldersAndExtensions() {
  KV508_START_WINDOW(f, kAtisIni, "/D");
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString documents = !docs.isEmpty() && QDir(docs).exists() ? docs : QDir::homePath();
  f.Action("mnuFileOpen")->trigger();
  f.Window().OpenImageCommand();
  QCOMPARE(f.dialogs.folders, QStringList({documents, documents}));

  // Save As adds .dat and names the file in the caption; Save asks no more.
  QDir(f.folder.File(QString())).mkpath(QStringLiteral("boats"));
  const QString boats = QFileInfo(f.folder.File(QStringLiteral("boats"))).absoluteFilePath();
  f.dialogs.saveAnswers = {boats + "/Marina", boats + "/boat1.v2",
                           f.folder.File(QStringLiteral("boat1"))};
  f.S().state.DataChanged = true;
  f.Action("mnuFileSaveAs")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:dat files(*.dat);;All files(*.*)"));
  QCOMPARE(f.S().state.CurrentFilePath, Native(boats + "/Marina.dat"));
  QCOMPARE(f.Window().windowTitle(), kCaption + QStringLiteral(" - marina.dat"));
  QVERIFY(!f.S().state.DataChanged && !f.S().state.OperationIncomplete);
  const int asked = f.dialogs.asked.size();
  f.Action("mnuFileSave")->trigger();
  QCOMPARE(f.dialogs.asked.size(), asked);
  f.Action("mnuFileSaveAs")->trigger(); // an extension of its own is kept
  QCOMPARE(QDir(boats).entryList(QDir::Files, QDir::Name),
           QStringList({QStringLiteral("Marina.dat"), QStringLiteral("boat1.v2")}));
  // Settings dialogs start where settings were saved, image ones do not.
  f.dialogs.folders.clear();
  f.Action("mnuFileOpen")->trigger();
  f.Window().OpenImageCommand();
  QCOMPARE(f.dialogs.folders, QStringList({boats, documents}));
  f.Window().SaveImageCommand();
  QVERIFY(QFile::exists(f.folder.File(QStringLiteral("boat1.hex"))));
  QVERIFY(f.host.messages.empty());
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
  const auto entries = [&](std::initializer_list<int> boats) {
    QStringList texts;
    for (int n : boats)
      texts << QStringLiteral("&%1 %2").arg(texts.size() + 1).arg(boat(n));
    return texts;
  };
  QCOMPARE(RecentEntries(f), entries({5, 9, 8, 7, 6, 4, 3, 2}));
  QCOMPARE(f.settings.Get("Files", "Recent1", ""), Native(boat(5)));

  // A missing file is dropped with a message and nothing is read.
  QFile::remove(boat(9));
  f.S().data.CHMMSID[7].TagName = "KEEP";
  menu->actions().at(1)->trigger();
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"The file " + Native(boat(9)) +
                                                    " is no longer there.\r\nIt has been taken "
                                                    "off the Recent Files list."});
  QCOMPARE(f.S().data.CHMMSID[7].TagName, std::string("KEEP"));
  QCOMPARE(RecentEntries(f), entries({5, 8, 7, 6, 4, 3, 2}));
  // An entry still there opens as File > Open would.
  menu->actions().at(2)->trigger();
  QCOMPARE(f.S().state.CurrentFilePath, Native(boat(7)));
  QCOMPARE(RecentEntries(f), entries({7, 5, 8, 6, 4, 3, 2}));
}

void MainWindowTest::dropOpensSettingsAndImages() {
  for (const char *name : {"dropped.dat", "dropped.hex", "dropped.txt"}) {
    KV508_START_WINDOW(f);
    const QString file = f.folder.File(QLatin1String(name));
    const RadioData kept = f.S().data;
    f.S().data.CHMMSID[1] = {.Enable = true, .TagName = "DROPPED", .Mmsid = "2320001230"};
    const bool image = file.endsWith(QLatin1String(".hex"));
    QVERIFY(image ? SaveHexFile(f.S(), ui::PathFromQt(file))
                  : SaveFileAs(f.S(), ui::PathFromQt(file)));
    f.S().data = kept;
    f.S().state.CurrentFilePath.clear();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Window(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Window(), &drop);
    const bool ours = !file.endsWith(QLatin1String(".txt"));
    QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string(ours ? "DROPPED" : ""));
    QCOMPARE(f.S().state.CurrentFilePath, ours ? Native(file) : std::string());
    QVERIFY(f.host.messages.empty());
  }
}

void MainWindowTest::shortcutsTriggerTheirActions() {
  KV508_START_WINDOW(f);
  QVERIFY(f.Activate());
  QStringList triggered;
  for (QAction *a : f.Window().findChildren<QAction *>()) {
    if (a->objectName().startsWith(QLatin1String("mnuFile")))
      connect(a, &QAction::triggered, [&triggered, a] { triggered << a->objectName(); });
  }
  // Exit comes last: it closes the window.
  const std::pair<const char *, QKeySequence> keys[] = {
      {"mnuFileNew", Qt::CTRL | Qt::Key_N},   {"mnuFileOpen", Qt::CTRL | Qt::Key_O},
      {"mnuFileSave", Qt::CTRL | Qt::Key_S},  {"mnuFileSaveAs", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
      {"mnuFilePrint", Qt::CTRL | Qt::Key_P}, {"mnuFileExit", Qt::CTRL | Qt::Key_Q}};
  for (const auto &[action, key] : keys) {
    triggered.clear();
    QTest::keySequence(&f.Window(), key);
    QCOMPARE(triggered, QStringList(QLatin1String(action)));
  }
}

void MainWindowTest::undoAndRedoOneAction_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<Act>("act");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("widget");
  QTest::newRow("check box") << "PU 40"
                             << Act([](WindowFixture &f) { Click(W<QCheckBox>(f, "chkLowPower")); })
                             << "Low Power Only"
                             << "chkLowPower";
  QTest::newRow("grid row") << "PW" << Act([](WindowFixture &f) {
    f.Type(W<QLineEdit>(f, "txtWxName_2"), QStringLiteral("B"));
    f.Leave();
  }) << "CH Name"
                            << "txtWxName_2";
  QTest::newRow("directory delete") << "SM 2" << Act([](WindowFixture &f) {
    f.host.answers.push_back(Answer::Yes);
    Click(W<QCheckBox>(f, "chkGDelete"));
  }) << "Delete"
                                    << "chkGDelete";
  // A group switched off takes its nodes from the tree; undo brings them back.
  QTest::newRow("group switch") << "Usable" << Act([](WindowFixture &f) {
    Click(W<QCheckBox>(f, "chkUsable_0"));
  }) << "Group1"
                                << "chkUsable_0";
}

void MainWindowTest::undoAndRedoOneAction() {
  QFETCH(QString, node);
  QFETCH(Act, act);
  QFETCH(QString, name);
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(node);
  const RadioSettings before = f.S().data;
  const QStringList treeBefore = TreeOutline(f.Window().tree());
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
  act(f);
  const RadioSettings after = f.S().data;
  const QStringList treeAfter = TreeOutline(f.Window().tree());
  QVERIFY(after != before && f.S().state.DataChanged);
  QCOMPARE(MenuText(f, "mnuEditUndo"), "Undo " + name);

  // Elsewhere, then undo: back to the screen and control that changed.
  f.ShowNode(QStringLiteral("General"));
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(static_cast<const RadioSettings &>(f.S().data) == before);
  QCOMPARE(TreeOutline(f.Window().tree()), treeBefore);
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(SelectedKey(f), node);
  QTEST(QApplication::focusWidget()->objectName(), "widget");
  QCOMPARE(MenuText(f, "mnuEditRedo"), "Redo " + name);
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());

  f.Action("mnuEditRedo")->trigger();
  QVERIFY(static_cast<const RadioSettings &>(f.S().data) == after);
  QCOMPARE(TreeOutline(f.Window().tree()), treeAfter);
  QVERIFY(f.S().state.DataChanged);
  QCOMPARE(SelectedKey(f), node);
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo"));
  QVERIFY(!f.Action("mnuEditRedo")->isEnabled());
}

// Steps through the menu and the keys; a save marks where the data is
// unchanged; Open and New start a fresh history.
void MainWindowTest::undoStepsFollowSaveOpenAndKeys() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo"));
  f.ShowNode(QStringLiteral("Common"));
  const bool dual = f.S().data.Common.DualWatch;
  const auto scan = f.S().data.Common.Scan;
  Flip(f, "cmbCommonDual");
  Flip(f, "cmbCommonScan");
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo SCAN"));
  f.Action("mnuEditUndo")->trigger();
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo Dual Watch"));
  QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo SCAN"));
  QVERIFY(f.S().data.Common.DualWatch != dual && f.S().data.Common.Scan == scan);

  f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileSaveAs")->trigger();
  QVERIFY(!f.S().state.DataChanged);
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(f.S().data.Common.DualWatch == dual && f.S().state.DataChanged);
  f.Action("mnuEditRedo")->trigger();
  QVERIFY(!f.S().state.DataChanged);

  // The keys work from a focused list: Ctrl+Z, then Ctrl+Y and Ctrl+Shift+Z.
  const auto key = [](Qt::KeyboardModifiers modifiers, Qt::Key k = Qt::Key_Z) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
  };
  Flip(f, "cmbCommonDual");
  key(Qt::ControlModifier);
  QCOMPARE(f.S().data.Common.DualWatch, !dual);
  key(Qt::ControlModifier, Qt::Key_Y);
  QCOMPARE(f.S().data.Common.DualWatch, dual);
  key(Qt::ControlModifier);
  key(Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(f.S().data.Common.DualWatch, dual);

  f.host.answers.push_back(Answer::No);
  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileOpen")->trigger();
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled() && !f.Action("mnuEditRedo")->isEnabled());
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo"));
  QVERIFY(!f.S().state.DataChanged);
  f.ShowNode(QStringLiteral("Common"));
  Flip(f, "cmbCommonDual");
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(f.Action("mnuEditRedo")->isEnabled());
  f.Action("mnuFileNew")->trigger();
  QTRY_VERIFY(!f.Action("mnuEditRedo")->isEnabled());
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
