// The desktop windows over a scripted host and dialogs: frmMain (start-up,
// tree, commands, files, undo), frmRadio against the in-process simulated
// radio with what keeps unsaved settings from being lost, and frmPrn.

#include "sim_radio.h"

#include "app/hex_file.h"
#include "files/dat_file.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "image/layout.h"
#include "link/test_ports.h"
#include "link/transfer.h"
#include "report/report.h"
#include "ui/backups_dialog.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/ui_text.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

using namespace kv508;
using namespace kv508::testing;

namespace {

using Texts = std::vector<std::string>;
const std::string kTitle = "PC Program for TR4100/TR4300";
const QString kCaption = QStringLiteral("KV508  PC Program for TR4100/TR4300");
const std::string kQuestion = "KMT data has changed.\r\nDo you want to save changes?";

template <class T> T *W(WindowFixture &f, const char *name) {
  return f.Widget<T>(QLatin1String(name));
}
QString MenuText(WindowFixture &f, const char *name) { return f.Action(name)->text().remove('&'); }
QString SelectedKey(WindowFixture &f) { return ui::NodeKey(f.Window().tree().currentItem()); }
QString NodeText(WindowFixture &f, const char *key) {
  return ui::FindNodeByKey(f.Window().tree(), QLatin1String(key))->text(0);
}
std::string Native(const QString &path) { return ui::PathFromQt(path).string(); }
const std::string &LastText(WindowFixture &f) { return f.host.messages.back().text; }

void Click(QAbstractButton *button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}
// One key on a list: the next entry, or the one before at the end.
void Flip(WindowFixture &f, const char *name) {
  auto *box = W<QComboBox>(f, name);
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
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
    d.CHMMSID[n] = {.Enable = true, .TagName = "BOAT", .Mmsid = "21100000" + std::to_string(n)};
  f.Window().Refresh();
  f.Window().edits().Loaded();
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

// The settings part of the image that a transfer carries.
constexpr std::size_t kSettingsFirst = layout::kPlanFlags[0];
constexpr std::size_t kSettingsEnd =
    layout::kGroupIdSlots + layout::kGroupIdSlotCount * layout::kDirectorySlotStride;

void Press(QDialog &d, const char *button) {
  d.findChild<QPushButton *>(QLatin1String(button))->click();
}

// Models 1 and 2, destinations EURO and USAA that differ in one byte, a
// backup file and a backup folder; the simulated radio behind the port.
struct RadioFixture : WindowFixture {
  explicit RadioFixture(const std::string &arguments = "")
      : WindowFixture(kTwoModelsIni, arguments) {
    backupFolder = folder.Path() / "user" / "backups";
    RadioData data;
    BuildDefaultImage(data, 1);
    MemoryImage image = data.Image;
    folder.WriteBytes(QStringLiteral("backup.hex"), image);
    image[20000] = 0x11;
    folder.WriteBytes(QStringLiteral("usaa_07D0.ini"), image);
    image[20000] = 0x22;
    folder.WriteBytes(QStringLiteral("EURO_07D0.ini"), image);
  }
  bool StartWithRadio() {
    if (!Start())
      return false;
    radio = AttachSimulatedRadio(*this);
    return true;
  }
  QDialog *Dialog() { return Window().findChild<QDialog *>(QStringLiteral("frmRadio")); }
  void Run(const char *command, std::function<void(QDialog &)> inDialog = {}, bool pressOk = true) {
    dialogSeen = RunTransfer(
        *this, [this, command] { Action(command)->trigger(); }, std::move(inDialog), pressOk);
  }
  // A user edit the replacing commands throw away.
  void Edit() {
    S().data.CHMMSID[3] = {.Enable = true, .TagName = "KEEP", .Mmsid = "2111111110"};
    S().state.DataChanged = true;
  }
  bool EditKept() { return S().data.CHMMSID[3].TagName == "KEEP"; }
  sim::SimPort *radio = nullptr;
  bool dialogSeen = false;
};

// A radio's image with a directory entry of its own.
MemoryImage RadioWithDirectoryEntry() {
  RadioData data;
  BuildDefaultImage(data, 1);
  DecodeImage(data);
  data.CHMMSID[1] = {.Enable = true, .TagName = "HARBOUR", .Mmsid = "2111111110"};
  (void)PrepareOutgoingImage(data, 1, false);
  return data.Image;
}

using Command = void (*)(RadioFixture &);
const std::pair<const char *, Command> kReplacingCommands[] = {
    {"New", [](RadioFixture &f) { f.Action("mnuFileNew")->trigger(); }},
    {"Open",
     [](RadioFixture &f) {
       f.dialogs.openAnswers = {f.folder.File(QStringLiteral("plain.dat"))};
       f.Action("mnuFileOpen")->trigger();
     }},
    {"Read", [](RadioFixture &f) { f.Run("mnuTransferRead"); }},
    {"Model",
     [](RadioFixture &f) {
       f.host.answers.push_front(Answer::Ok); // "Do you want to program the … series?"
       f.Action("mnuModel_1")->trigger();
     }},
    {"Destination",
     [](RadioFixture &f) {
       f.host.answers.push_front(Answer::Ok); // "Do you want to change to EURO?"
       f.Action("mnuDst_0")->trigger();
     }},
    {"Restore",
     [](RadioFixture &f) {
       f.dialogs.openAnswers = {f.folder.File(QStringLiteral("backup.hex"))};
       f.Action("mnuFileRestore")->trigger();
     }},
};

// The pages of a PDF as pdftotext -layout lays them out, each as its non-empty
// lines: first the running line with date, source and page number.
QList<QStringList> PdfPages(const QString &pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  QList<QStringList> pages;
  if (!p.waitForFinished(60000))
    return pages;
  for (const QString &page : QString::fromUtf8(p.readAllStandardOutput()).split('\f')) {
    QStringList lines;
    for (const QString &line : page.split('\n'))
      if (!line.trimmed().isEmpty())
        lines << line.simplified();
    if (!lines.isEmpty())
      pages << lines;
  }
  return pages;
}

// Opens frmPrn and, once its text image is made, hands the window and its text
// box to `act`, which notes what it needs and closes the window. A window that
// never fills is closed, so the test fails instead of hanging.
struct ReportWindowRun {
  ReportWindowRun(WindowFixture &f, std::function<void(QDialog &, QPlainTextEdit &)> act) {
    QTimer poll;
    const QDeadlineTimer deadline(30000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto *window = f.Window().findChild<QDialog *>(QStringLiteral("frmPrn"));
      auto *text = window ? window->findChild<QPlainTextEdit *>(QStringLiteral("txtPrn")) : nullptr;
      if (!text)
        return;
      if (firstText.isNull())
        firstText = text->toPlainText();
      if (text->toPlainText().startsWith(QStringLiteral("#####"))) {
        poll.stop();
        done = true;
        act(*window, *text);
      } else if (deadline.hasExpired()) {
        poll.stop();
        window->reject();
      }
    });
    poll.start(0);
    f.Action("mnuFilePrintToFile")->trigger();
  }
  bool done = false;
  QString firstText; // what the window showed before the text image was made
};

} // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
private slots:
  void startUpWithoutDebugMode();
  void startUpWithoutModels();
  void treeForGroupsAndNames();
  void closeAsksAboutUnsavedData();
  void refusedFieldKeepsScreenAndBlocksCommands();
  void debugModeHexDumpAndImageCommands();
  void modelAndDestinationMenus();
  void saveAsAndRecentFilesAndDrops();
  void undoAndRedoOneAction();
  void undoStepsFollowSaveAndOpen();
  void readFromRadio();
  void programToRadio();
  void failedConnectionKeepsDialogOpen_data();
  void failedConnectionKeepsDialogOpen();
  void cancelWhileBusy();
  void askedBeforeDataIsReplaced_data();
  void askedBeforeDataIsReplaced();
  void restoreAndShowBackups();
  void verifyAfterWriting();
  void reportTextImageAndSave();
  void printedAndExportedPages();
  void viewAfterEachCommand();
  void bulkChangesAreOneStep();
  void modifiedMarkBackupListAndOpenNodes();
  void editsSurviveAWindowThatDies();
};

// Start-up on one model writes nothing and offers no debug commands; Help has
// no page; the serial port choice is stored and restored at the next start.
void MainWindowTest::startUpWithoutDebugMode() {
  WindowFixture f;
  f.settings.Set("Settings", "hexvisible", "True");
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  QCOMPARE(w.windowTitle().remove(QStringLiteral("[*]")), kCaption);
  QVERIFY(!W<QMenu>(f, "mnuEditModel")->menuAction()->isVisible());
  QCOMPARE(f.settings.Values().size(), std::size_t(1));
  QVERIFY(f.host.messages.empty() && !f.S().state.DataChanged);
  QVERIFY(!f.Action("mnuOptionsHexdump")->isVisible());
  QVERIFY(!W<QListWidget>(f, "HexDumpView")->isVisibleTo(&w));
  QVERIFY(f.Activate());
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("radio.hex")));
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier);
  QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
  QVERIFY(f.dialogs.asked.isEmpty());

  QVERIFY(!f.Action("mnuHelpContents")->isEnabled());
  w.help().Contents();
  QCOMPARE(f.host.Texts(), Texts{"Unable to display Help Contents. There is no Help associated "
                                 "with this project."});
  QCOMPARE(f.host.messages.back().icon, Icon::Information);
  QCOMPARE(f.host.messages.back().title, kTitle);

  f.Action("mnuCom_4")->trigger();
  QCOMPARE(f.S().ComPort, 5);
  QCOMPARE(f.settings.Get("ComPath", "ComNum", ""), std::string("5"));
  f.dialogs.device = QStringLiteral("/dev/ttyS7");
  f.Action("mnuComDevice")->trigger();
  WindowFixture again;
  again.settings = f.settings;
  QVERIFY(again.Start());
  QVERIFY(again.Window().portMenu().Choice().source == ui::PortSource::Device);
  QCOMPARE(again.Window().portMenu().Choice().device, std::string("/dev/ttyS7"));
  QCOMPARE(again.S().ComPort, 5);
}

void MainWindowTest::startUpWithoutModels() {
  WindowFixture f(""); // no global.ini
  QVERIFY(!f.Start());
  QCOMPARE(f.host.Texts(), Texts{"Unknown model!!"});
  QCOMPARE(f.host.messages[0].title, std::string("KV508"));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  QVERIFY(!f.Window().isVisible());
}

void MainWindowTest::treeForGroupsAndNames() {
  KV508_START_WINDOW(f);
  for (std::size_t g = 0; g < 4; ++g)
    f.S().data.ChannelGroups[g].Enable = g == 0 || g == 3;
  f.S().data.ChannelGroups[0].StatusName = "ABCD";
  f.S().data.CHMMSID[7].Enable = true;
  f.Window().Refresh();
  QTreeWidget &tree = f.Window().tree();
  QCOMPARE(TreeOutline(tree),
           QStringList({"General", "  Usable CH Group Setup", "  Common Setup", "  DSC Setup",
                        "  ATIS Setup", "Programable Channel", "  Group1(ABCD)", "  Weather", "DSC",
                        "  Individual Directory", "  Group Directory", "EXP Channel"}));
  // Children carry their record keys and the [Enable] mark.
  QTreeWidgetItem *memory = tree.topLevelItem(2)->child(0);
  QCOMPARE(memory->childCount(), 80);
  QCOMPARE(memory->child(6)->text(0), QStringLiteral("Memory ID7[Enable]"));
  QCOMPARE(ui::NodeKey(memory->child(6)), QStringLiteral("SM 7"));
  QCOMPARE(tree.topLevelItem(3)->childCount(), 64);
  QCOMPARE(ui::NodeKey(tree.topLevelItem(3)->child(0)), QStringLiteral("E 1"));
}

// Cancel, and Yes with the save dialog cancelled, keep the window; No closes
// it.
void MainWindowTest::closeAsksAboutUnsavedData() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  w.show();
  w.move(100, 60);
  for (Answer answer : {Answer::Cancel, Answer::Yes, Answer::No}) {
    f.ChangeDataAndAnswer(answer);
    QCOMPARE(w.close(), answer == Answer::No);
    QCOMPARE(w.isVisible(), answer != Answer::No);
    QVERIFY(f.S().state.DataChanged);
    QCOMPARE(f.host.Texts().back(), kQuestion);
    QCOMPARE(f.host.messages.back().buttons, Buttons::YesNoCancel);
    QCOMPARE(f.dialogs.asked.size(), answer == Answer::Cancel ? 0 : 1);
    QCOMPARE(f.settings.Values().empty(), answer != Answer::No);
  }
}

// A field that refuses its text keeps its screen and node, and the commands
// that follow do not run.
void MainWindowTest::refusedFieldKeepsScreenAndBlocksCommands() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  ui::MainWindow &w = f.Window();
  f.ShowNode(QStringLiteral("DSC"));
  QWidget *panel = w.screens().ActivePanel();
  auto *mmsi = W<QLineEdit>(f, "txtUserMMSI");
  const std::string stored = f.S().data.DscBasic.UserMmsi;
  mmsi->setFocus(Qt::TabFocusReason);
  mmsi->selectAll();
  QTest::keyClicks(mmsi, QStringLiteral("2112"));
  f.ShowNode(QStringLiteral("Common"));
  QCOMPARE(w.screens().ActivePanel(), panel);
  QCOMPARE(SelectedKey(f), QStringLiteral("DSC"));
  w.files().New();
  w.files().Save();
  w.radio().Read();
  QCoreApplication::processEvents();
  QCOMPARE(f.host.Texts(), Texts{"Data Error!!\r\nAn MMSI has 9 digits."});   // not repeated
  QVERIFY(f.S().state.DataChanged && f.S().data.DscBasic.UserMmsi == stored); // New never ran
  QVERIFY(f.dialogs.asked.isEmpty());

  QTest::keyClicks(mmsi, QStringLiteral("34567"));
  QVERIFY(w.navigator().CommitActiveEdit());
  f.ShowNode(QStringLiteral("Common"));
  QVERIFY(w.screens().ActivePanel() != panel);
}

void MainWindowTest::debugModeHexDumpAndImageCommands() {
  WindowFixture f(kAtisIni, " /d ");
  f.settings.Set("Settings", "hexvisible", "True");
  QVERIFY(f.Start());
  ui::MainWindow &w = f.Window();
  auto *list = W<QListWidget>(f, "HexDumpView");
  QVERIFY(list->isVisibleTo(&w));
  QCOMPARE(list->count(), 2 + 2048);
  QVERIFY(list->item(2)->text().startsWith(QStringLiteral(" 0000: 07 D0")));
  QVERIFY(list->item(2049)->text().endsWith(QStringLiteral(" 07 D0")));

  // Save image adds .hex and leaves the data marked changed and unnamed.
  QVERIFY(f.Activate());
  const QString image = f.folder.File(QStringLiteral("radio.hex"));
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("radio")));
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
  w.files().OpenImage();
  QCOMPARE(LastText(f), "bad file!!\r\n\r\nOpening " + Native(bad) + ".");
  QCOMPARE(f.host.messages.back().icon, Icon::Critical);
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged && f.S().state.CurrentFilePath.empty());

  f.S().data.CHMMSID[1].TagName = "CHANGED";
  f.dialogs.openAnswers.push_back(image);
  f.host.answers.push_back(Answer::No);
  QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
  QVERIFY(f.S().data.CHMMSID[1].TagName.empty() && !f.S().state.DataChanged);
  QCOMPARE(w.windowTitle().remove(QStringLiteral("[*]")),
           kCaption + QStringLiteral(" - radio.hex"));
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier); // a cancelled dialog
  QVERIFY(f.S().state.OperationIncomplete);
}

void MainWindowTest::modelAndDestinationMenus() {
  RadioFixture f;
  QVERIFY(f.Start());
  QCOMPARE(f.S().data.Image[20000], 0x11); // the stored default "usaa"
  f.S().state.DataChanged = true;
  f.Action("mnuDst_0")->trigger(); // the question is cancelled
  QCOMPARE(f.host.Texts(), Texts{"Do you want to change to EURO?"});
  QCOMPARE(f.S().data.Image[20000], 0x11);
  QVERIFY(f.S().state.DataChanged);
  f.host.answers = {Answer::Ok, Answer::No};
  f.Action("mnuDst_0")->trigger();
  QCOMPARE(f.S().data.Image[20000], 0x22);
  QVERIFY(!f.S().state.DataChanged);

  ui::MainWindow &w = f.Window();
  f.host.messages.clear();
  w.models().ChangeModel(0); // the model in use: nothing happens
  QVERIFY(f.host.messages.empty());
  w.models().ChangeModel(1); // cancelled by the default answer
  QCOMPARE(f.host.Texts(), Texts{"Do you want to program the Unknown model series?"});
  QCOMPARE(f.host.messages.back().buttons, Buttons::OkCancel);
  QCOMPARE(f.S().model.ModelVariant, 1);
  QCOMPARE(f.settings.Get("Settings", "lastmodel", "none"), std::string("none"));
  f.ChangeDataAndAnswer(Answer::Ok);
  f.host.answers.push_back(Answer::No); // the unsaved data goes
  f.Action("mnuModel_1")->trigger();
  QCOMPARE(f.S().model.ModelVariant, 2);
  QCOMPARE(f.settings.Get("Settings", "lastmodel", ""), std::string("2"));
  QTRY_VERIFY(!f.S().state.DataChanged);
  QVERIFY(!ui::FindNodeByKey(w.tree(), QStringLiteral("ATIS")));
  QCOMPARE(w.windowTitle().remove(QStringLiteral("[*]")),
           QStringLiteral("KV508  PC Program for Unknown model"));
}

void MainWindowTest::saveAsAndRecentFilesAndDrops() {
  KV508_START_WINDOW(f);
  auto *menu = W<QMenu>(f, "mnuFileRecent");
  QVERIFY(!menu->isEnabled());
  const auto boat = [&f](int n) { return f.folder.File(QStringLiteral("Boat%1.dat").arg(n)); };
  // Save As adds .dat; saving Boat5 again moves it to the top; the ninth file
  // pushed Boat1 out.
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 5}) {
    f.dialogs.saveAnswers.push_back(boat(n).chopped(4));
    f.S().state.DataChanged = true;
    f.Action("mnuFileSaveAs")->trigger();
  }
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:dat files(*.dat);;All files(*.*)"));
  QCOMPARE(f.Window().windowTitle().remove(QStringLiteral("[*]")),
           kCaption + QStringLiteral(" - boat5.dat"));
  QVERIFY(!f.S().state.DataChanged && !f.S().state.OperationIncomplete);
  f.Action("mnuFileSave")->trigger(); // asks no more
  QCOMPARE(f.dialogs.asked.size(), 10);
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
  QCOMPARE(f.host.Texts(), Texts{"The file " + Native(boat(9)) +
                                 " is no longer there.\r\nIt has been taken off the Recent "
                                 "Files list."});
  QCOMPARE(f.S().data.CHMMSID[7].TagName, std::string("KEEP"));
  QCOMPARE(RecentEntries(f), entries({5, 8, 7, 6, 4, 3, 2}));
  // An entry still there opens as File > Open would.
  menu->actions().at(2)->trigger();
  QCOMPARE(f.S().state.CurrentFilePath, Native(boat(7)));
  QCOMPARE(RecentEntries(f), entries({7, 5, 8, 6, 4, 3, 2}));

  // Settings files and images dropped on the window open; other files do not.
  f.host.messages.clear();
  for (const char *name : {"dropped.txt", "dropped.dat", "dropped.hex"}) {
    const QString file = f.folder.File(QLatin1String(name));
    const RadioData kept = f.S().data;
    const std::string tag = QFileInfo(file).suffix().toUpper().toStdString();
    f.S().data.CHMMSID[1] = {.Enable = true, .TagName = tag, .Mmsid = "2320001230"};
    QVERIFY(file.endsWith(QLatin1String(".hex")) ? SaveHexFile(f.S(), ui::PathFromQt(file))
                                                 : SaveFileAs(f.S(), ui::PathFromQt(file)));
    f.S().data = kept;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Window(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Window(), &drop);
    const bool ours = !file.endsWith(QLatin1String(".txt"));
    QCOMPARE(f.S().data.CHMMSID[1].TagName, ours ? tag : std::string());
    QCOMPARE(f.S().state.CurrentFilePath, Native(ours ? file : boat(7)));
  }
  QVERIFY(f.host.messages.empty());
}

// One action undone from elsewhere: back to its screen, its control and its
// tree; redo puts it back. A group switched off takes its nodes away.
void MainWindowTest::undoAndRedoOneAction() {
  const struct {
    QString node, widget, name;
  } rows[] = {{"PW", "txtWxName_2", "CH Name"}, {"Usable", "chkUsable_0", "Group1"}};
  for (const auto &row : rows) {
    WindowFixture f;
    QVERIFY(StartWithData(f));
    f.ShowNode(row.node);
    const RadioSettings before = f.S().data;
    const QStringList treeBefore = TreeOutline(f.Window().tree());
    QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
    if (auto *box = f.Widget<QCheckBox>(row.widget)) {
      Click(box);
    } else {
      f.Type(f.Widget<QLineEdit>(row.widget), QStringLiteral("B"));
      f.Leave();
    }
    const RadioSettings after = f.S().data;
    const QStringList treeAfter = TreeOutline(f.Window().tree());
    QVERIFY(after != before && f.S().state.DataChanged);
    QCOMPARE(MenuText(f, "mnuEditUndo"), "Undo " + row.name);
    f.ShowNode(QStringLiteral("General"));
    f.Action("mnuEditUndo")->trigger();
    QVERIFY(static_cast<const RadioSettings &>(f.S().data) == before && !f.S().state.DataChanged);
    QCOMPARE(TreeOutline(f.Window().tree()), treeBefore);
    QCOMPARE(SelectedKey(f), row.node);
    QCOMPARE(QApplication::focusWidget()->objectName(), row.widget);
    QCOMPARE(MenuText(f, "mnuEditRedo"), "Redo " + row.name);
    QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
    f.Action("mnuEditRedo")->trigger();
    QVERIFY(static_cast<const RadioSettings &>(f.S().data) == after && f.S().state.DataChanged);
    QCOMPARE(TreeOutline(f.Window().tree()), treeAfter);
    QCOMPARE(SelectedKey(f), row.node);
    QCOMPARE(MenuText(f, "mnuEditRedo"), QStringLiteral("Redo"));
    QVERIFY(!f.Action("mnuEditRedo")->isEnabled());
  }
}

// A save marks where the data is unchanged; Open (which keeps the node) and New
// start a fresh history.
void MainWindowTest::undoStepsFollowSaveAndOpen() {
  WindowFixture f;
  QVERIFY(StartWithData(f));
  f.ShowNode(QStringLiteral("Common"));
  const bool dual = f.S().data.Common.DualWatch;
  const auto scan = f.S().data.Common.Scan;
  Flip(f, "cmbCommonDual");
  Flip(f, "cmbCommonScan");
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

  f.host.answers.push_back(Answer::No);
  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("boat.dat"))};
  f.Action("mnuFileOpen")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("open:dat files(*.dat);;All files(*.*)"));
  QCOMPARE(f.Window().windowTitle().remove(QStringLiteral("[*]")),
           kCaption + QStringLiteral(" - boat.dat"));
  QCOMPARE(SelectedKey(f), QStringLiteral("Common"));
  QVERIFY(!f.Action("mnuEditUndo")->isEnabled() && !f.Action("mnuEditRedo")->isEnabled());
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo"));
  Flip(f, "cmbCommonDual");
  f.host.answers.push_back(Answer::No);
  f.Action("mnuFileNew")->trigger();
  QTRY_VERIFY(!f.Action("mnuEditUndo")->isEnabled());
}

// The unsaved question first; the read replaces the settings part only, and
// nothing goes to the radio before OK.
void MainWindowTest::readFromRadio() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  MemoryImage &memory = f.radio->Engine().Memory();
  const MemoryImage settings = RadioWithDirectoryEntry();
  std::copy(settings.begin() + kSettingsFirst, settings.begin() + kSettingsEnd,
            memory.begin() + kSettingsFirst);
  f.S().data.Image[300] = 0x5A; // a byte a read keeps
  f.ChangeDataAndAnswer(Answer::No);
  f.S().state.CurrentFilePath = "/data/old.dat";
  f.ShowNode(QStringLiteral("SG"));
  std::uint64_t sentBeforeOk = 1;
  QStringList keyboard;
  f.Run("Read", [&](QDialog &d) {
    sentBeforeOk = f.radio->Engine().Counters().bytesFromPc;
    keyboard = KeyboardFaults(&d);
  });
  QVERIFY(f.dialogSeen && !f.Dialog());
  QVERIFY2(keyboard.isEmpty(), qPrintable(keyboard.join('\n')));
  QCOMPARE(sentBeforeOk, std::uint64_t(0));
  QCOMPARE(f.host.Texts(), (Texts{kQuestion, "Complete!!"}));
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("HARBOUR"));
  QCOMPARE(f.S().data.Image[300], 0x5A);
  QCOMPARE(f.S().data.Image[5000], memory[5000]);
  QVERIFY(f.S().state.CurrentFilePath.empty() && !f.S().state.DataChanged);
  QVERIFY(!f.S().state.Busy && f.Window().isEnabled());
  QCOMPARE(f.Window().windowTitle().remove(QStringLiteral("[*]")), kCaption);
  QCOMPARE(SelectedKey(f), QStringLiteral("General"));
  QCOMPARE(NodeText(f, "SM 1"), QStringLiteral("Memory ID1[Enable]"));
}

void MainWindowTest::programToRadio() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  f.S().data.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  f.S().state.DataChanged = true;
  f.Run("Program");
  QVERIFY(f.dialogSeen && !f.Dialog());
  QCOMPARE(f.host.Texts(), Texts{"Complete!!"});
  const MemoryImage &radio = f.radio->Engine().Memory();
  QVERIFY(std::equal(radio.begin() + kSettingsFirst, radio.begin() + kSettingsEnd,
                     f.S().data.Image.begin() + kSettingsFirst));
  QCOMPARE(std::string(reinterpret_cast<const char *>(&radio[layout::kProductCode]),
                       layout::kProductCodeLength),
           std::string("QZ318R"));
  QVERIFY(f.S().state.DataChanged); // programming does not change it
}

void MainWindowTest::failedConnectionKeepsDialogOpen_data() {
  QTest::addColumn<int>("fault");
  QTest::addColumn<QString>("text");
  QTest::newRow("radio refuses the model") << 0 << QStringLiteral("ModelType Error !!");
  // The port's own reason may follow.
  QTest::newRow("no such port") << 1
                                << QStringLiteral(
                                       "port inicialize error!!\r\n\r\nOpening COM16:\r\n"
                                       "There is no serial port COM16 on this computer.");
  QTest::newRow("radio never answers")
      << 2 << QString::fromStdString(NoAnswerMessage("the simulated radio"));
}

void MainWindowTest::failedConnectionKeepsDialogOpen() {
  QFETCH(int, fault);
  QFETCH(QString, text);
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  if (fault == 0)
    f.radio->Engine().Faults().wrongProductCode = true;
  else if (fault == 1)
    f.Action("mnuCom_15")->trigger();
  else
    f.Window().ports().SetSimulatedRadio(std::make_unique<ScriptedPort>());
  f.S().state.CurrentFilePath = "/data/keep.dat";
  const MemoryImage before = f.S().data.Image;
  bool stayedOpen = false, canRetry = false;
  const auto inDialog = [&](QDialog &d) {
    Press(d, "cmdOK");
    stayedOpen = d.isVisible();
    canRetry = d.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled();
  };
  f.Run("mnuTransferRead", inDialog, false);
  QVERIFY(stayedOpen && canRetry && !f.S().state.Busy);
  QVERIFY(f.S().data.Image == before);
  QCOMPARE(f.S().state.CurrentFilePath, std::string("/data/keep.dat"));
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].title, std::string("Read from Radio"));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  const QString shown = QString::fromStdString(f.host.messages[0].text);
  QCOMPARE(fault == 1 ? shown.left(text.size()) : shown, text);
}

void MainWindowTest::cancelWhileBusy() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  const MemoryImage before = f.S().data.Image;
  f.ChangeDataAndAnswer(Answer::No);
  bool cancelled = false, closeRefused = false;
  f.host.onYield = [&] {
    // Once the block reads are under way the user keeps pressing Cancel.
    QDialog *d = f.Dialog();
    if (f.host.progress.empty() || f.host.progress.back() < 10 || !d)
      return;
    if (!cancelled)
      closeRefused = !d->close();
    cancelled = true;
    Press(*d, "cmdCancel");
  };
  f.Run("mnuTransferRead");
  QVERIFY(cancelled && closeRefused && !f.Dialog());
  const Texts texts = f.host.Texts();
  QVERIFY(std::find(texts.begin(), texts.end(), "Complete!!") == texts.end());
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged); // no read happened
  QCOMPARE(f.radio->Engine().Counters().cancels, std::uint64_t(1));
}

void MainWindowTest::askedBeforeDataIsReplaced_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("savedTo"); // the save dialog's answer after Yes
  for (int i = 0; i < int(std::size(kReplacingCommands)); ++i) {
    const QByteArray name = kReplacingCommands[i].first;
    QTest::newRow(name + " No") << i << int(Answer::No) << QString();
    QTest::newRow(name + " Cancel") << i << int(Answer::Cancel) << QString();
  }
  QTest::newRow("Open Yes, save cancelled") << 1 << int(Answer::Yes) << QString();
  QTest::newRow("Restore Yes, saved") << 5 << int(Answer::Yes) << QStringLiteral("mine.dat");
}

void MainWindowTest::askedBeforeDataIsReplaced() {
  QFETCH(int, command);
  QFETCH(int, answer);
  QFETCH(QString, savedTo);
  const bool goesOn = answer == int(Answer::No) || !savedTo.isEmpty();
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(SaveFileAs(f.S(), f.folder.Path() / "plain.dat"));
  f.S().state.CurrentFilePath.clear();
  f.Edit();
  f.host.answers = {static_cast<Answer>(answer)};
  if (!savedTo.isEmpty())
    f.dialogs.saveAnswers = {f.folder.File(savedTo)};
  kReplacingCommands[command].second(f);
  const Texts texts = f.host.Texts();
  QVERIFY(std::find(texts.begin(), texts.end(), kQuestion) != texts.end());
  QCOMPARE(f.dialogs.asked.contains(QStringLiteral("save:dat files(*.dat);;All files(*.*)")),
           answer == int(Answer::Yes));
  if (goesOn) {
    QTRY_VERIFY(!f.EditKept());
    QCOMPARE(f.dialogSeen, command == 2);
  } else {
    QVERIFY(f.EditKept() && f.S().state.DataChanged);
    QCOMPARE(f.S().model.ModelVariant, 1);
    QCOMPARE(f.S().data.Image[20000], 0x11);
    QVERIFY(!f.dialogSeen);
    QCOMPARE(f.dialogs.asked.filter(QStringLiteral("open:")), QStringList());
  }
  QVERIFY(f.Window().isEnabled());
  if (savedTo.isEmpty())
    return;
  FakeHost otherHost; // the edit is in the file that was saved
  MemoryUserSettings otherSettings;
  Session other(otherHost, otherSettings);
  other.model.ModelVariant = 1;
  QVERIFY(FileRead2(other, ui::PathFromQt(f.folder.File(savedTo))));
  QCOMPARE(other.data.CHMMSID[3].TagName, std::string("KEEP"));
}

// A backup of the wrong length or model is refused and changes nothing; a
// good one replaces the data unnamed. Help > Backups shows the folder.
void MainWindowTest::restoreAndShowBackups() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  const MemoryImage radio = RadioWithDirectoryEntry();
  f.folder.WriteBytes(QStringLiteral("good.hex"), radio);
  MemoryImage wrongModel = radio;
  wrongModel[kImageSize - 1] = 0xD1;
  f.folder.WriteBytes(QStringLiteral("wrong.hex"), wrongModel);
  f.folder.WriteText(QStringLiteral("short.hex"), std::string(100, '\x07'));
  f.S().state.CurrentFilePath = "/data/boat.dat";
  const MemoryImage before = f.S().data.Image;
  const struct {
    const char *file;
    std::string title, text;
  } refused[] = {{"short.hex", kTitle, "bad file!!"},
                 {"wrong.hex", "Read from Radio", "ModelType Error !!"}};
  for (const auto &r : refused) {
    const QString file = f.folder.File(QLatin1String(r.file));
    f.dialogs.openAnswers = {file};
    f.Action("mnuFileRestore")->trigger();
    QCOMPARE(LastText(f), r.text + "\r\n\r\nRestoring " + Native(file) + ".");
    QCOMPARE(f.host.messages.back().title, r.title);
    QCOMPARE(f.host.messages.back().icon, Icon::Critical);
    QVERIFY(f.S().data.Image == before && !f.S().state.DataChanged);
    QCOMPARE(f.S().state.CurrentFilePath, std::string("/data/boat.dat"));
  }
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("backups"));
  const QString folder = ui::QtFromPath(f.backupFolder);
  QCOMPARE(f.dialogs.folders.back(), folder);

  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("good.hex"))};
  f.Action("mnuFileRestore")->trigger();
  QVERIFY(f.S().data.Image == radio);
  QVERIFY(f.S().state.DataChanged && f.S().state.CurrentFilePath.empty());
  QCOMPARE(f.Window().windowTitle().remove(QStringLiteral("[*]")), kCaption);

  f.host.messages.clear();
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("folder:") + folder);
  QVERIFY(QDir(folder).exists() && f.host.messages.empty());
  f.dialogs.folderShown = false;
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(LastText(f), "The backup folder " + f.backupFolder.string() +
                            " cannot be opened.\r\nCopy its path to the clipboard?");
  QCOMPARE(f.host.messages.back().buttons, Buttons::YesNo);
  f.S().backups.folder.clear();
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(LastText(f), std::string("Backups are off: there is no per-user data folder."));
}

void MainWindowTest::verifyAfterWriting() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  f.radio->Engine().Faults().corruptStoredByte = 5000;
  // On by default: the corrupted byte is found and the dialog stays for another try.
  bool checked = false, stayedOpen = false;
  f.Run(
      "mnuTransferProgram",
      [&](QDialog &d) {
        auto *box = d.findChild<QCheckBox *>(QStringLiteral("chkVerify"));
        checked = box->isChecked();
        Press(d, "cmdOK");
        stayedOpen = d.isVisible();
        box->setChecked(false); // remembered for the next time
      },
      false);
  QVERIFY(checked && stayedOpen);
  const std::uint8_t sent = f.S().data.Image[5000];
  char expected[64];
  std::snprintf(expected, sizeof expected,
                "Verify Error!!\r\naddress 0x1388: written 0x%02X, read 0x%02X", sent, sent ^ 0xFF);
  QCOMPARE(f.host.Texts(), Texts{expected});
  QCOMPARE(f.host.messages.back().title, std::string("Program to Radio"));
  QCOMPARE(f.settings.Get("Settings", "VerifyAfterWriting", ""), std::string("False"));
  // Off: the same radio takes the write without a word.
  f.Run("mnuTransferProgram", [&](QDialog &d) {
    checked = d.findChild<QCheckBox *>(QStringLiteral("chkVerify"))->isChecked();
  });
  QVERIFY(!checked);
  QCOMPARE(LastText(f), std::string("Complete!!"));
}

// A save into a missing folder says why and keeps the window and its text; the
// next save writes the report file. Typing does not edit the shown text.
void MainWindowTest::reportTextImageAndSave() {
  KV508_START_WINDOW(f);
  f.S().data.CHMMSID[2].TagName = "MARINA";
  const Report report = BuildReport(f.S().data, f.S().model);
  const QString missing = f.folder.File(QStringLiteral("missing/folder/report.txt"));
  f.dialogs.saveAnswers = {missing, f.folder.File(QStringLiteral("report"))};
  QString shown, afterTyping;
  bool stillOpen = false;
  Texts failure;
  QStringList keyboard;
  ReportWindowRun run(f, [&](QDialog &window, QPlainTextEdit &text) {
    keyboard = KeyboardFaults(&window);
    shown = text.toPlainText();
    text.setFocus();
    QTest::keyClicks(&text, QStringLiteral("EDITED"));
    auto *save = window.findChild<QAction *>(QStringLiteral("mnuFileSave"));
    save->trigger();
    stillOpen = window.isVisible();
    failure = f.host.Texts();
    afterTyping = text.toPlainText();
    save->trigger();
    window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
  });
  QTRY_VERIFY(run.done);
  QVERIFY2(keyboard.isEmpty(), qPrintable(keyboard.join('\n')));
  QCOMPARE(run.firstText, QStringLiteral("Now, making text image. Please wait..."));
  QCOMPARE(shown, ui::DisplayText(RenderTextImage(report)));
  QVERIFY(stillOpen && afterTyping == shown);
  QCOMPARE(failure, Texts{std::strerror(ENOENT) + ("\r\n\r\nSaving " + Native(missing) + ".")});
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:Text files(*.txt);;All files(*.*)"));
  QCOMPARE(ReadAll(f.folder.File(QStringLiteral("report.txt"))), ReportFileText(report));
  QVERIFY(!f.S().state.OperationIncomplete);
}

// File > Print to a PDF printer and File > Export PDF lay out the same pages;
// the running line names the source and counts the pages. Without a printer
// the user may choose a PDF.
void MainWindowTest::printedAndExportedPages() {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    QSKIP("pdftotext (poppler-utils) is not installed");
  KV508_START_WINDOW(f);
  const QString printed = f.folder.File(QStringLiteral("report.pdf"));
  f.dialogs.printer = [&](QPrinter &printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    return true;
  };
  f.Action("mnuFilePrint")->trigger();
  const QList<QStringList> pages = PdfPages(printed);
  QVERIFY(pages.size() >= 8);
  QCOMPARE(pages[0].value(1), QStringLiteral("TR4100/TR4300 Velmora"));
  QCOMPARE(pages[0].value(2), QStringLiteral("##### Usable CH Group Setup #####"));
  for (int p = 0; p < pages.size(); ++p)
    QVERIFY(pages[p][0].endsWith(
        QStringLiteral(" radio read page %1 of %2").arg(p + 1).arg(pages.size())));

  f.S().state.CurrentFilePath = "/data/boat1.dat";
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boat1")));
  f.Action("mnuFileExportPdf")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:PDF files(*.pdf);;All files(*.*)"));
  QCOMPARE(f.dialogs.titles.last(), QStringLiteral("Export PDF"));
  QVERIFY(f.host.messages.empty());
  const QList<QStringList> exported = PdfPages(f.folder.File(QStringLiteral("boat1.pdf")));
  QCOMPARE(exported.size(), pages.size());
  QVERIFY(exported[0][0].endsWith(QStringLiteral(" boat1.dat page 1 of %1").arg(pages.size())));
  for (int p = 0; p < pages.size(); ++p)
    QCOMPARE(exported[p].mid(1), pages[p].mid(1));
  // Only the PDF is left in the folder: no part-written file beside it.
  QCOMPARE(QDir(f.folder.File(QString())).entryList({QStringLiteral("boat1*")}, QDir::Files),
           QStringList({QStringLiteral("boat1.pdf")}));

  f.dialogs.asked.clear();
  f.dialogs.printerInstalled = false; // Cancel, then PDF
  f.Action("mnuFilePrint")->trigger();
  f.dialogs.noPrinterChoice = ui::UiDialogs::NoPrinterChoice::Pdf;
  f.Action("mnuFilePrint")->trigger();
  QCOMPARE(f.dialogs.asked, QStringList({QStringLiteral("noprinter"), QStringLiteral("noprinter"),
                                         QStringLiteral("save:PDF files(*.pdf);;All files(*.*)")}));
  QVERIFY(f.host.messages.empty());
}

// What the user sees after each command that replaces the data or changes it
// in bulk: the selected node, the screen shown, the caption, the hint and the
// tree. A rebuilt tree keeps the selected node when it still exists.
void MainWindowTest::viewAfterEachCommand() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(f.Activate());
  QStringList seen;
  const auto look = [&f, &seen] {
    QCoreApplication::processEvents(); // focus returning after a command sets its hint
    QWidget *panel = f.Window().screens().ActivePanel();
    QStringList tree = TreeOutline(f.Window().tree());
    tree.replaceInStrings(QStringLiteral("  "), QString());
    seen << QStringList{SelectedKey(f), panel ? panel->objectName() : QString(),
                        f.Window().windowTitle().remove(QStringLiteral("[*]")).remove(kCaption),
                        f.StatusHint(), tree.join(',')}
                .join('|');
  };
  // A file with only Group1, opened while Weather is selected.
  RadioData &d = f.S().data;
  d.ChannelGroups[1].Enable = d.ChannelGroups[2].Enable = d.ChannelGroups[3].Enable = false;
  const QString groupFile = f.folder.File(QStringLiteral("group1.dat"));
  QVERIFY(SaveFileAs(f.S(), ui::PathFromQt(groupFile)));
  f.ShowNode(QStringLiteral("Common"));
  f.Action("mnuFileNew")->trigger();
  QTRY_VERIFY(!f.S().state.Busy && f.Window().isEnabled() && SelectedKey(f) == "General");
  look();
  f.ShowNode(QStringLiteral("PW"));
  f.dialogs.openAnswers = {groupFile};
  f.Action("mnuFileOpen")->trigger();
  look();
  f.ShowNode(QStringLiteral("Common"));
  f.Run("mnuTransferRead");
  look();
  f.ShowNode(QStringLiteral("Common"));
  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("backup.hex"))};
  f.Action("mnuFileRestore")->trigger();
  look();
  f.ShowNode(QStringLiteral("Common"));
  f.host.answers = {Answer::Ok, Answer::No};
  f.Action("mnuDst_0")->trigger();
  look();
  f.ShowNode(QStringLiteral("SM"));
  f.host.answers = {Answer::Ok, Answer::No};
  f.Action("mnuModel_1")->trigger();
  QTRY_VERIFY(!f.S().state.Busy && f.Window().isEnabled() && SelectedKey(f) == "General");
  look();
  // A clear keeps its screen.
  f.ShowNode(QStringLiteral("DSC"));
  W<QTabWidget>(f, "tabDsc")->setCurrentIndex(2);
  f.host.answers = {Answer::Ok};
  QVERIFY(RunTransfer(f, [&f] { W<QPushButton>(f, "cmdFclearLog_0")->click(); }));
  look();

  const QString all = "General,Usable CH Group Setup,Common Setup,DSC Setup,ATIS Setup,"
                      "Programable Channel,Group1,Group2,Group3,Weather,DSC,Individual Directory,"
                      "Group Directory,EXP Channel";
  const QString group1 = "General,Usable CH Group Setup,Common Setup,DSC Setup,ATIS Setup,"
                         "Programable Channel,Group1,Weather,DSC,Individual Directory,"
                         "Group Directory";
  const QString read = QString(all)
                           .replace("Group1", "Group1(USA)")
                           .replace("Group2", "Group2(INTL)")
                           .replace("Group3", "Group3(CAN)");
  const QString noAtis = QString(all).remove("ATIS Setup,");
  const QString other = "KV508  PC Program for Unknown model";
  const QString tree = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
  QCOMPARE(seen, QStringList({
                     "General|fraGeneral|||" + all,                        // New
                     "PW|fraWeather| - group1.dat|" + tree + "|" + group1, // Open
                     "General|fraGeneral||" + tree + "|" + read,           // Read
                     "General|fraGeneral||" + tree + "|" + all,            // Restore
                     "General|fraGeneral|||" + all,                        // Destination
                     "General|fraGeneral|" + other + "||" + noAtis,        // Model
                     "DSC|fraDsc|" + other + "|" + tree + "|" + noAtis,    // Clear
                 }));
}

// The title's modified mark follows DataChanged; the backup list shows the
// backups newest first with what tells them apart, and the status bar names
// the one restored; the tree keeps its open nodes when a group goes.
void MainWindowTest::modifiedMarkBackupListAndOpenNodes() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(f.Activate());
  QVERIFY(f.Window().windowTitle().endsWith(QLatin1String("[*]")));
  QVERIFY(!f.Window().isWindowModified());
  f.ShowNode(QStringLiteral("Usable"));
  QTreeWidget &tree = f.Window().tree();
  for (const char *key : {"SM", "PU"})
    ui::FindNodeByKey(tree, QLatin1String(key))->setExpanded(true);
  ui::FindNodeByKey(tree, QStringLiteral("General"))->setExpanded(false);
  Click(W<QCheckBox>(f, "chkUsable_1")); // a group goes: the tree is built again
  QVERIFY(f.Window().isWindowModified());
  for (const char *key : {"SM", "PU"})
    QVERIFY2(ui::FindNodeByKey(tree, QLatin1String(key))->isExpanded(), key);
  QCOMPARE(SelectedKey(f), QStringLiteral("Usable"));
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(!f.Window().isWindowModified() && !f.S().state.DataChanged);
  QVERIFY(ui::FindNodeByKey(tree, QStringLiteral("SM"))->isExpanded());

  std::filesystem::create_directories(f.backupFolder);
  RadioData data;
  BuildDefaultImage(data, 1);
  MemoryImage image = data.Image;
  const std::uint8_t mmsi[] = {0x23, 0x20, 0x00, 0x45, 0x60}; // 232000456
  std::copy(std::begin(mmsi), std::end(mmsi), image.begin() + layout::kUserMmsi);
  const auto write = [&](const char *name, const MemoryImage &bytes) {
    const std::filesystem::path file = f.backupFolder / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), kImageSize);
    return ui::QtFromPath(file);
  };
  write("2024-06-14_080000_TR4100-TR4300_program.hex", data.Image);
  const QString newest = write("2024-06-15_093005_TR4100-TR4300_read.hex", image);
  write("notes.txt", image);
  bool folderAsked = false;
  ui::BackupsDialog list(f.backupFolder, [&folderAsked] { folderAsked = true; });
  QCOMPARE(list.objectName(), QStringLiteral("frmBackups"));
  QCOMPARE(list.windowTitle(), QStringLiteral("Restore Backup"));
  auto *rows = list.findChild<QTreeWidget *>(QStringLiteral("lstBackups"));
  QStringList shown;
  for (int i = 0; i < rows->topLevelItemCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < 4; ++c)
      cells << rows->topLevelItem(i)->text(c);
    shown << cells.join('|');
  }
  QCOMPARE(shown, QStringList({"2024-06-15 09:30:05|read|TR4100-TR4300|232000456",
                               "2024-06-14 08:00:00|program|TR4100-TR4300|-"}));
  Press(list, "cmdShowFolder");
  QVERIFY(folderAsked);
  Press(list, "cmdRestore");
  QCOMPARE(list.Chosen(), newest);

  f.dialogs.openAnswers = {newest};
  f.Action("mnuFileRestore")->trigger();
  QVERIFY(f.S().data.Image == image && f.Window().isWindowModified());
  auto *restored = W<QLabel>(f, "sbRestored");
  QVERIFY(restored->isVisibleTo(&f.Window()));
  QCOMPARE(restored->text(), QStringLiteral("Showing the backup of 2024-06-15 09:30:05 (read, "
                                            "TR4100-TR4300, MMSI 232000456), not saved"));
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(!restored->isVisibleTo(&f.Window()));
}

// A clear and a restored backup are one undo step each, named after what
// the user did; undo gives back the data (with the image of the restore).
void MainWindowTest::bulkChangesAreOneStep() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(f.Activate());
  const RadioData before = f.S().data;
  f.folder.WriteBytes(QStringLiteral("backup.hex"), RadioWithDirectoryEntry());
  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("backup.hex"))};
  f.Action("mnuFileRestore")->trigger();
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("HARBOUR"));
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo Restore Backup"));
  f.Action("mnuEditUndo")->trigger();
  QVERIFY(f.S().data == before);

  f.S().data.DscBasic.UserMmsi = "2111111110";
  f.Window().edits().Loaded();
  f.ShowNode(QStringLiteral("DSC"));
  f.host.answers = {Answer::Ok};
  QVERIFY(RunTransfer(f, [&f] { W<QPushButton>(f, "cmdFClear")->click(); }));
  QVERIFY(f.S().data.DscBasic.UserMmsi.empty() && f.S().state.DataChanged);
  QCOMPARE(MenuText(f, "mnuEditUndo"), QStringLiteral("Undo MMSI Clear"));
  f.Action("mnuEditUndo")->trigger();
  QCOMPARE(f.S().data.DscBasic.UserMmsi, std::string("2111111110"));
  QCOMPARE(SelectedKey(f), QStringLiteral("DSC"));
}

// A window dropped without closing leaves its unsaved edits; the next start
// offers them back as one undo step. Closing with the user's answer leaves
// nothing to offer.
void MainWindowTest::editsSurviveAWindowThatDies() {
  QTemporaryDir journal;
  const auto start = [&journal](WindowFixture &f) {
    f.journalFolder = ui::PathFromQt(journal.path());
    return f.Start();
  };
  const QDir folder(journal.path());
  bool dual = false;
  {
    WindowFixture dies;
    QVERIFY(start(dies));
    dies.Window().edits().Apply(
        {"Dual Watch", "Common", "cmbCommonDual"},
        [](RadioData &d) { d.Common.DualWatch = !d.Common.DualWatch; }, StepKind::Edit);
    dual = dies.S().data.Common.DualWatch;
    QTRY_VERIFY(!folder.entryList({QStringLiteral("*.journal")}, QDir::Files).isEmpty());
    dies.window.reset(); // no close: as if the program had died
  }
  WindowFixture next;
  next.host.answers = {Answer::Yes};
  QVERIFY(start(next));
  QVERIFY(QString::fromStdString(next.host.Texts().at(0))
              .contains(QRegularExpression(
                  "^KV508 did not close properly. Restore the unsaved changes from .+\\?$")));
  QCOMPARE(next.host.messages[0].buttons, Buttons::RestoreDiscard);
  QVERIFY(next.S().state.DataChanged && next.S().data.Common.DualWatch == dual);
  QCOMPARE(MenuText(next, "mnuEditUndo"), QStringLiteral("Undo Restore Unsaved Changes"));
  next.host.answers = {Answer::No}; // do not save
  QVERIFY(next.Window().close());
  WindowFixture third;
  QVERIFY(start(third));
  QVERIFY(third.host.messages.empty());
  QVERIFY(folder.entryList({QStringLiteral("*.journal")}, QDir::Files).isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
