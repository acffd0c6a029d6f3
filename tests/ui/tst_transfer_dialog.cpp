// frmRadio against the in-process simulated radio, and what keeps the user's
// settings from being lost: the question before unsaved data is replaced,
// Restore Backup, the backup folder, and verify after programming.

#include "sim_radio.h"

#include "files/dat_file.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "image/layout.h"
#include "link/test_ports.h"
#include "link/transfer.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QDir>
#include <QMenu>

#include <cstdio>

using namespace kv508;
using namespace kv508::testing;

namespace {

// The settings part of the image that a transfer carries.
constexpr std::size_t kSettingsFirst = layout::kPlanFlags[0];
constexpr std::size_t kSettingsEnd =
    layout::kGroupIdSlots + layout::kGroupIdSlotCount * layout::kDirectorySlotStride;
const QString kCaption = QStringLiteral("KV508  PC Program for TR4100/TR4300");
const QString kOpenHex = QStringLiteral("open:hex files(*.hex);;All files(*.*)");

void Press(QDialog &d, const char *button) {
  d.findChild<QPushButton *>(QLatin1String(button))->click();
}
QString LabelText(QDialog &d, const char *name) {
  return d.findChild<QLabel *>(QLatin1String(name))->text();
}
bool Shown(QDialog &d, const char *name) {
  return d.findChild<QWidget *>(QLatin1String(name))->isVisibleTo(&d);
}
QString NodeText(WindowFixture &f, const char *key) {
  return ui::FindNodeByKey(f.Window().tree(), QLatin1String(key))->text(0);
}

struct RadioFixture : WindowFixture {
  using WindowFixture::WindowFixture;
  bool StartWithRadio() {
    if (!Start())
      return false;
    radio = AttachSimulatedRadio(*this);
    return true;
  }
  QDialog *Dialog() { return Window().findChild<QDialog *>(QStringLiteral("frmRadio")); }
  // Runs the command; once the dialog is up `inDialog` sees it, then OK is
  // pressed (when `pressOk`), and Cancel if the dialog is still open.
  void Run(const char *command, std::function<void(QDialog &)> inDialog = {}, bool pressOk = true) {
    WhenDialogOpens(std::move(inDialog), pressOk);
    Action(command)->trigger();
  }
  void WhenDialogOpens(std::function<void(QDialog &)> inDialog = {}, bool pressOk = true) {
    dialogSeen = false;
    QTimer::singleShot(0, &Window(), [this, inDialog, pressOk] {
      QDialog *d = Dialog();
      if (!d)
        return;
      dialogSeen = true;
      if (inDialog)
        inDialog(*d);
      if (pressOk && d->isVisible())
        Press(*d, "cmdOK");
      if (d->isVisible())
        Press(*d, "cmdCancel");
    });
  }
  sim::SimPort *radio = nullptr;
  bool dialogSeen = false;
};

// Two models, two destinations, a backup file and a backup folder.
struct SafetyFixture : RadioFixture {
  SafetyFixture() : RadioFixture(kTwoModelsIni) {
    backupFolder = folder.Path() / "user" / "backups";
    MemoryImage image = DefaultImageBytes();
    image[20000] = 0x11;
    folder.WriteBytes(QStringLiteral("usaa_07D0.ini"), image);
    image[20000] = 0x22;
    folder.WriteBytes(QStringLiteral("EURO_07D0.ini"), image);
    folder.WriteBytes(QStringLiteral("backup.hex"), DefaultImageBytes());
  }
  // A user edit the replacing commands throw away.
  void Edit() {
    S().data.CHMMSID[3] = {.Enable = true, .TagName = "KEEP", .Mmsid = "2111111110"};
    S().state.DataChanged = true;
  }
  bool EditKept() { return S().data.CHMMSID[3].TagName == "KEEP"; }
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

using Command = void (*)(SafetyFixture &);
const std::pair<const char *, Command> kReplacingCommands[] = {
    {"New", [](SafetyFixture &f) { f.Action("mnuFileNew")->trigger(); }},
    {"Open",
     [](SafetyFixture &f) {
       f.dialogs.openAnswers = {f.folder.File(QStringLiteral("plain.dat"))};
       f.Action("mnuFileOpen")->trigger();
     }},
    {"Read", [](SafetyFixture &f) { f.Run("mnuTransferRead"); }},
    {"Model",
     [](SafetyFixture &f) {
       f.host.answers.push_front(Answer::Ok); // "Do you want to program the … series?"
       f.Action("mnuModel_1")->trigger();
     }},
    {"Destination",
     [](SafetyFixture &f) {
       f.host.answers.push_front(Answer::Ok); // "Do you want to change to EURO?"
       f.Action("mnuDst_0")->trigger();
     }},
    {"Restore",
     [](SafetyFixture &f) {
       f.dialogs.openAnswers = {f.folder.File(QStringLiteral("backup.hex"))};
       f.Action("mnuFileRestore")->trigger();
     }},
};

} // namespace

class TransferDialogTest : public QObject {
  Q_OBJECT
private slots:
  void dialogLayout_data();
  void dialogLayout();
  void readFromRadio();
  void programToRadio();
  void failedConnectionKeepsDialogOpen_data();
  void failedConnectionKeepsDialogOpen();
  void cancelWhileBusy();
  void clearMarksDataChanged();
  void changePortInTheDialog();
  void askedBeforeDataIsReplaced_data();
  void askedBeforeDataIsReplaced();
  void yesSavesThenGoesOn();
  void restoreBackup();
  void showBackupFolder();
  void verifyAfterWriting();
};

void TransferDialogTest::dialogLayout_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QPoint>("pictA");
  QTest::addColumn<QPoint>("pictB");
  QTest::newRow("read") << QStringLiteral("mnuTransferRead") << QStringLiteral("Read from Radio")
                        << QPoint(350 / 15, 88) << QPoint(4200 / 15, 88);
  QTest::newRow("program") << QStringLiteral("mnuTransferProgram")
                           << QStringLiteral("Program to Radio") << QPoint(4100 / 15, 88)
                           << QPoint(450 / 15, 88);
}

void TransferDialogTest::dialogLayout() {
  QFETCH(QString, command);
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  QString caption, message;
  QSize size;
  QPoint a, b;
  bool monitorShown = true, barHidden = false;
  const auto inspect = [&](QDialog &d) {
    caption = d.windowTitle();
    size = d.size();
    message = LabelText(d, "lblmess");
    monitorShown = Shown(d, "lblmon");
    a = d.findChild<QWidget *>(QStringLiteral("pictA"))->pos();
    b = d.findChild<QWidget *>(QStringLiteral("pictB"))->pos();
    barHidden = d.findChild<QWidget *>(QStringLiteral("lblPercent"))->x() ==
                -d.findChild<QWidget *>(QStringLiteral("pictProgress"))->width();
  };
  f.Run(command.toLatin1().constData(), inspect, false);
  QVERIFY(f.dialogSeen && !f.Dialog());
  QTEST(caption, "caption");
  QCOMPARE(size, QSize(465, 290));
  QCOMPARE(message,
           QStringLiteral("1.Connect the KMT cable between the PC serial port and the radio.\n"
                          "2.On the radio, press and hold [DISTRESS] and [CALL] keys while\n"
                          "   turning the power on.\n"
                          "   The Radio display will show PC CONTROL.\n"
                          "3.Press the [OK] button to start."));
  QVERIFY(!monitorShown && barHidden);
  QTEST(a, "pictA");
  QTEST(b, "pictB");
  QCOMPARE(f.radio->Engine().Counters().bytesFromPc, std::uint64_t(0));
}

void TransferDialogTest::readFromRadio() {
  RadioFixture f(kAtisIni, "/D");
  QVERIFY(f.StartWithRadio());
  QVERIFY(f.Activate());
  MemoryImage &memory = f.radio->Engine().Memory();
  const MemoryImage settings = RadioWithDirectoryEntry();
  std::copy(settings.begin() + kSettingsFirst, settings.begin() + kSettingsEnd,
            memory.begin() + kSettingsFirst);
  f.S().data.Image[300] = 0x5A; // a byte a read keeps
  f.ChangeDataAndAnswer(Answer::No);
  f.S().state.CurrentFilePath = "/data/old.dat";
  f.Window().SelectNodeByKey(QStringLiteral("SG"));
  bool monitorShown = false;
  QString before, after;
  const auto inDialog = [&](QDialog &d) {
    monitorShown = Shown(d, "lblmon");
    before = LabelText(d, "lblStatus");
    Press(d, "cmdOK");
    after = LabelText(d, "lblStatus");
  };
  f.Run("Read", inDialog, false);
  QVERIFY(monitorShown && !f.Dialog());
  QCOMPARE(before, QStringLiteral("Ready. Press OK to start."));
  QCOMPARE(after, QStringLiteral("Done."));
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  QCOMPARE(f.host.messages.back().icon, Icon::Information);
  QVERIFY(std::find(f.host.monitor.begin(), f.host.monitor.end(), "radio reading...") !=
          f.host.monitor.end());
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("HARBOUR"));
  QCOMPARE(f.S().data.Image[300], 0x5A);
  QCOMPARE(f.S().data.Image[5000], memory[5000]);
  QVERIFY(f.S().state.CurrentFilePath.empty() && !f.S().state.DataChanged);
  QVERIFY(!f.S().state.Busy && f.Window().isEnabled());
  QCOMPARE(f.Window().windowTitle(), kCaption);
  QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("General"));
  QCOMPARE(f.Window().screens().ActivePanel(), f.Window().screens().GeneralScreen());
  QCOMPARE(NodeText(f, "SM 1"), QStringLiteral("Memory ID1[Enable]"));
  QTRY_VERIFY(QApplication::activeWindow() == &f.Window());
}

void TransferDialogTest::programToRadio() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  f.S().data.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  f.S().state.DataChanged = true;
  f.Run("Program");
  QVERIFY(f.dialogSeen && !f.Dialog());
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Complete!!"});
  const MemoryImage &radio = f.radio->Engine().Memory();
  QVERIFY(std::equal(radio.begin() + kSettingsFirst, radio.begin() + kSettingsEnd,
                     f.S().data.Image.begin() + kSettingsFirst));
  QCOMPARE(std::string(reinterpret_cast<const char *>(&radio[layout::kProductCode]),
                       layout::kProductCodeLength),
           std::string("QZ318R"));
  QVERIFY(f.S().state.DataChanged); // programming does not change it
}

void TransferDialogTest::failedConnectionKeepsDialogOpen_data() {
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

void TransferDialogTest::failedConnectionKeepsDialogOpen() {
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
    canRetry = d.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled() &&
               d.findChild<QPushButton *>(QStringLiteral("cmdHelp"))->isEnabled();
  };
  f.Run("mnuTransferRead", inDialog, false);
  QVERIFY(stayedOpen && canRetry);
  QVERIFY(f.S().data.Image == before);
  QCOMPARE(f.S().state.CurrentFilePath, std::string("/data/keep.dat"));
  QVERIFY(!f.S().state.Busy);
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].title, std::string("Read from Radio"));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  const QString shown = QString::fromStdString(f.host.messages[0].text);
  QCOMPARE(fault == 1 ? shown.left(text.size()) : shown, text);
}

void TransferDialogTest::cancelWhileBusy() {
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
  const std::vector<std::string> texts = f.host.Texts();
  QVERIFY(std::find(texts.begin(), texts.end(), "Complete!!") == texts.end());
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged); // no read happened
  QCOMPARE(f.radio->Engine().Counters().cancels, std::uint64_t(1));
}

void TransferDialogTest::clearMarksDataChanged() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  QString caption;
  f.WhenDialogOpens([&](QDialog &d) { caption = d.windowTitle(); });
  QVERIFY(f.Window().RunTransfer(kClearWaypoint));
  QCOMPARE(caption, QStringLiteral("Clear WayPoint Directory"));
  QVERIFY(f.S().state.DataChanged);
  const MemoryImage &radio = f.radio->Engine().Memory();
  QCOMPARE(radio[20736], 0);
  QCOMPARE(radio[20835], 0);
  QCOMPARE(radio[20836], 0xFF);
  QCOMPARE(radio[24191], 0xFF);
}

void TransferDialogTest::changePortInTheDialog() {
  RadioFixture f;
  QVERIFY(f.StartWithRadio());
  f.Action("mnuCom_15")->trigger(); // no such port on this computer
  QString portBefore, portAfter, buttonText;
  bool offersPorts = false;
  f.Run("mnuTransferRead", [&](QDialog &d) {
    portBefore = LabelText(d, "lblPort");
    auto *button = d.findChild<QPushButton *>(QStringLiteral("cmdPort"));
    buttonText = button->text();
    // The button offers the entries of Options > SerialPort.
    offersPorts = button->menu() && button->menu()->actions().contains(f.Action("mnuComSim"));
    f.Action("mnuComSim")->trigger();
    portAfter = LabelText(d, "lblPort");
  });
  QVERIFY(offersPorts);
  QCOMPARE(buttonText, QStringLiteral("Change..."));
  QCOMPARE(portBefore, QStringLiteral("Port: COM16  (not on this computer)"));
  QCOMPARE(portAfter, QStringLiteral("Port: the simulated radio  (built in)"));
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Complete!!"});
  QCOMPARE(f.settings.Get("ComPath", "ComSource", ""), std::string("sim"));
}

void TransferDialogTest::askedBeforeDataIsReplaced_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("answer");
  for (int i = 0; i < int(std::size(kReplacingCommands)); ++i) {
    const QByteArray name = kReplacingCommands[i].first;
    QTest::newRow(name + " No") << i << int(Answer::No);
    QTest::newRow(name + " Cancel") << i << int(Answer::Cancel);
  }
  // Yes opens the save dialog, which the script cancels: the command stops.
  QTest::newRow("Open Yes") << 1 << int(Answer::Yes);
}

void TransferDialogTest::askedBeforeDataIsReplaced() {
  QFETCH(int, command);
  QFETCH(int, answer);
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(SaveFileAs(f.S(), f.folder.Path() / "plain.dat"));
  f.S().state.CurrentFilePath.clear();
  f.Edit();
  f.host.answers = {static_cast<Answer>(answer)};
  kReplacingCommands[command].second(f);
  const std::vector<std::string> texts = f.host.Texts();
  QVERIFY(std::find(texts.begin(), texts.end(),
                    "KMT data has changed.\r\nDo you want to save changes?") != texts.end());
  QCOMPARE(f.dialogs.asked.contains(QStringLiteral("save:dat files(*.dat);;All files(*.*)")),
           answer == int(Answer::Yes));
  if (answer == int(Answer::No)) {
    QTRY_VERIFY(!f.EditKept());
    QCOMPARE(f.dialogSeen, command == 2);
  } else {
    QVERIFY(!f.Window().findChild<QTimer *>(QStringLiteral("tmrNew"))->isActive());
    QVERIFY(f.EditKept() && f.S().state.DataChanged);
    QCOMPARE(f.S().model.ModelVariant, 1);
    QCOMPARE(f.S().data.Image[20000], 0x11);
    QVERIFY(!f.dialogSeen);
    QCOMPARE(f.dialogs.asked.filter(QStringLiteral("open:")), QStringList());
  }
  QVERIFY(f.Window().isEnabled());
}

void TransferDialogTest::yesSavesThenGoesOn() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  f.Edit();
  const QString saved = f.folder.File(QStringLiteral("mine.dat"));
  f.host.answers = {Answer::Yes};
  f.dialogs.saveAnswers = {saved};
  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("backup.hex"))};
  f.Action("mnuFileRestore")->trigger();
  QVERIFY(!f.EditKept());
  // The edit is in the file that was saved.
  FakeHost otherHost;
  MemoryUserSettings otherSettings;
  Session other(otherHost, otherSettings);
  other.model.ModelVariant = 1;
  QVERIFY(FileRead2(other, ui::PathFromQt(saved)));
  QCOMPARE(other.data.CHMMSID[3].TagName, std::string("KEEP"));
}

void TransferDialogTest::restoreBackup() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  QCOMPARE(f.Action("mnuFileRestore")->text(), QStringLiteral("Restore &Backup..."));
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
  } refused[] = {{"short.hex", "PC Program for TR4100/TR4300", "bad file!!"},
                 {"wrong.hex", "Read from Radio", "ModelType Error !!"}};
  for (const auto &r : refused) {
    const QString file = f.folder.File(QLatin1String(r.file));
    f.dialogs.openAnswers = {file};
    f.Action("mnuFileRestore")->trigger();
    // The message says what was being done.
    QCOMPARE(f.host.messages.back().text,
             r.text + "\r\n\r\nRestoring " + ui::PathFromQt(file).string() + ".");
    QCOMPARE(f.host.messages.back().title, r.title);
    QCOMPARE(f.host.messages.back().icon, Icon::Critical);
    QVERIFY(f.S().data.Image == before && !f.S().state.DataChanged);
    QCOMPARE(f.S().state.CurrentFilePath, std::string("/data/boat.dat"));
  }
  QCOMPARE(f.dialogs.asked.last(), kOpenHex);
  QCOMPARE(f.dialogs.folders.back(), ui::QtFromPath(f.backupFolder));
  QVERIFY(QDir(f.dialogs.folders.back()).exists());

  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("good.hex"))};
  f.Action("mnuFileRestore")->trigger();
  QVERIFY(f.S().data.Image == radio);
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("HARBOUR"));
  QVERIFY(f.S().state.DataChanged && f.S().state.CurrentFilePath.empty());
  QCOMPARE(f.Window().windowTitle(), kCaption);
  QCOMPARE(NodeText(f, "SM 1"), QStringLiteral("Memory ID1[Enable]"));
  QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("General"));
}

void TransferDialogTest::showBackupFolder() {
  SafetyFixture f;
  QVERIFY(f.Start());
  const QString folder = ui::QtFromPath(f.backupFolder);
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("folder:") + folder);
  QVERIFY(QDir(folder).exists() && f.host.messages.empty());
  f.dialogs.folderShown = false;
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.host.messages.back().text,
           "The backup folder " + f.backupFolder.string() + " cannot be opened.");
  f.S().backups.folder.clear();
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.host.messages.back().text,
           std::string("Backups are off: there is no per-user data folder."));
}

void TransferDialogTest::verifyAfterWriting() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  f.radio->Engine().Faults().corruptStoredByte = 5000;
  // On by default: the corrupted byte is found and the dialog stays for another try.
  bool shown = false, checked = false, stayedOpen = false;
  f.Run(
      "mnuTransferProgram",
      [&](QDialog &d) {
        auto *box = d.findChild<QCheckBox *>(QStringLiteral("chkVerify"));
        shown = box->isVisibleTo(&d);
        checked = box->isChecked();
        Press(d, "cmdOK");
        stayedOpen = d.isVisible();
        box->setChecked(false); // remembered for the next time
      },
      false);
  QVERIFY(shown && checked && stayedOpen);
  const std::uint8_t sent = f.S().data.Image[5000];
  char expected[64];
  std::snprintf(expected, sizeof expected,
                "Verify Error!!\r\naddress 0x1388: written 0x%02X, read 0x%02X", sent, sent ^ 0xFF);
  QCOMPARE(f.host.Texts(), std::vector<std::string>{expected});
  QCOMPARE(f.host.messages.back().title, std::string("Program to Radio"));
  QCOMPARE(f.settings.Get("Settings", "VerifyAfterWriting", ""), std::string("False"));

  // Off: the same radio takes the write without a word; a read has no such box.
  f.Run("mnuTransferProgram", [&](QDialog &d) {
    checked = d.findChild<QCheckBox *>(QStringLiteral("chkVerify"))->isChecked();
  });
  QVERIFY(!checked);
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  f.S().state.DataChanged = false;
  f.Run("mnuTransferRead", [&](QDialog &d) { shown = Shown(d, "chkVerify"); });
  QVERIFY(f.dialogSeen && !shown);
}

QTEST_MAIN(TransferDialogTest)
#include "tst_transfer_dialog.moc"
