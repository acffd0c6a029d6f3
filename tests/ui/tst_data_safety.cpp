// What keeps the user's settings from being lost in the desktop application:
// the question before unsaved data is replaced, Restore Backup, the backup
// folder, the backups a transfer leaves, and verify after programming.

#include "ui_test_support.h"

#include "app/hex_file.h"
#include "files/dat_file.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "link/transfer.h"
#include "sim/sim_port.h"
#include "ui/nav_tree.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <ctime>
#include <map>

using namespace kv508;
using namespace kv508::testing;

namespace {

const std::string kQuestion = "KMT data has changed.\r\nDo you want to save changes?";
const QString kSaveDat = QStringLiteral("save:dat files(*.dat);;All files(*.*)");
const QString kOpenHex = QStringLiteral("open:hex files(*.hex);;All files(*.*)");

struct SafetyFixture : WindowFixture {
  SafetyFixture() : WindowFixture(kTwoModelsIni) {
    // Backup names are in local time.
    qputenv("TZ", "UTC");
    tzset();
    backupFolder = folder.Path() / "user" / "backups";
    MemoryImage image = DefaultImageBytes();
    image[20000] = 0x11;
    folder.WriteBytes(QStringLiteral("usaa_07D0.ini"), image);
    image[20000] = 0x22;
    folder.WriteBytes(QStringLiteral("EURO_07D0.ini"), image);
    folder.WriteBytes(QStringLiteral("backup.hex"), DefaultImageBytes());
  }
  bool StartWithRadio() {
    if (!Start())
      return false;
    auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::Unpaced);
    radio = port.get();
    Window().ports().SetSimulatedRadio(std::move(port));
    Action("mnuComSim")->trigger();
    S().backups.now = [] { return std::time_t{1718443805}; };
    return true;
  }
  QDialog *Dialog() { return Window().findChild<QDialog *>(QStringLiteral("frmRadio")); }
  // Once the transfer dialog is up: `inDialog` sees it, then OK is pressed and a
  // dialog left open by a failure is cancelled.
  void WhenDialogOpens(std::function<void(QDialog &)> inDialog = {}) {
    QTimer::singleShot(0, &Window(), [this, inDialog] {
      QDialog *d = Dialog();
      if (!d)
        return;
      dialogSeen = true;
      if (inDialog)
        inDialog(*d);
      d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
      if (d->isVisible())
        d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
    });
  }
  // A user edit the replacing commands throw away.
  void Edit() {
    S().data.CHMMSID[3] = {.Enable = true, .TagName = "KEEP", .Mmsid = "2111111110"};
    S().state.DataChanged = true;
  }
  bool EditKept() { return S().data.CHMMSID[3].TagName == "KEEP"; }
  std::vector<std::string> BackupNames() {
    std::vector<std::string> names;
    for (const QString &name : QDir(ui::QtFromPath(backupFolder)).entryList(QDir::Files))
      names.push_back(name.toStdString());
    return names;
  }

  sim::SimPort *radio = nullptr;
  bool dialogSeen = false;
};

using Command = void (*)(SafetyFixture &);

const std::map<QString, Command> &Commands() {
  static const std::map<QString, Command> commands = {
      {QStringLiteral("New"), [](SafetyFixture &f) { f.Action("mnuFileNew")->trigger(); }},
      {QStringLiteral("Open"),
       [](SafetyFixture &f) {
         f.dialogs.openAnswers = {f.folder.File(QStringLiteral("plain.dat"))};
         f.Action("mnuFileOpen")->trigger();
       }},
      {QStringLiteral("Read"),
       [](SafetyFixture &f) {
         f.WhenDialogOpens();
         f.Action("mnuTransferRead")->trigger();
       }},
      {QStringLiteral("Model"),
       [](SafetyFixture &f) {
         f.host.answers.push_front(Answer::Ok); // "Do you want to program the … series?"
         f.Action("mnuModel_1")->trigger();
       }},
      {QStringLiteral("Destination"),
       [](SafetyFixture &f) {
         f.host.answers.push_front(Answer::Ok); // "Do you want to change to EURO?"
         f.Action("mnuDst_0")->trigger();
       }},
      {QStringLiteral("Restore"),
       [](SafetyFixture &f) {
         f.dialogs.openAnswers = {f.folder.File(QStringLiteral("backup.hex"))};
         f.Action("mnuFileRestore")->trigger();
       }},
  };
  return commands;
}

} // namespace

class DataSafetyTest : public QObject {
  Q_OBJECT
private slots:
  void askedBeforeDataIsReplaced_data();
  void askedBeforeDataIsReplaced();
  void yesSavesThenGoesOn();
  void restoreBackup();
  void showBackupFolder();
  void transfersLeaveBackups();
  void verifyAfterWriting();
};

void DataSafetyTest::askedBeforeDataIsReplaced_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("goesOn");
  for (const auto &[name, command] : Commands()) {
    const QByteArray row = name.toLatin1();
    // Yes opens the save dialog, which the script cancels: the command stops.
    QTest::newRow(row + " Yes") << name << int(Answer::Yes) << false;
    QTest::newRow(row + " No") << name << int(Answer::No) << true;
    QTest::newRow(row + " Cancel") << name << int(Answer::Cancel) << false;
  }
}

void DataSafetyTest::askedBeforeDataIsReplaced() {
  QFETCH(QString, command);
  QFETCH(int, answer);
  QFETCH(bool, goesOn);
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(SaveFileAs(f.S(), f.folder.Path() / "plain.dat"));
  f.S().state.CurrentFilePath.clear();
  f.Edit();
  f.host.answers = {static_cast<Answer>(answer)};

  Commands().at(command)(f);

  const std::vector<std::string> texts = f.host.Texts();
  QVERIFY(std::find(texts.begin(), texts.end(), kQuestion) != texts.end());
  QCOMPARE(f.dialogs.asked.contains(kSaveDat), answer == int(Answer::Yes));
  if (goesOn) {
    QTRY_VERIFY(!f.EditKept());
    QCOMPARE(f.dialogSeen, command == QLatin1String("Read"));
  } else {
    QVERIFY(!f.Window().findChild<QTimer *>(QStringLiteral("tmrNew"))->isActive());
    QVERIFY(f.EditKept());
    QVERIFY(f.S().state.DataChanged);
    QCOMPARE(f.S().model.ModelVariant, 1);
    QCOMPARE(f.S().data.Image[20000], 0x11);
    QVERIFY(!f.dialogSeen);
    QVERIFY(!f.dialogs.asked.contains(QStringLiteral("open:dat files(*.dat);;All files(*.*)")));
    QVERIFY(!f.dialogs.asked.contains(kOpenHex));
  }
  QVERIFY(f.Window().isEnabled());
}

void DataSafetyTest::yesSavesThenGoesOn() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  f.Edit();
  const QString saved = f.folder.File(QStringLiteral("mine.dat"));
  f.host.answers = {Answer::Yes};
  f.dialogs.saveAnswers = {saved};
  Commands().at(QStringLiteral("Restore"))(f);
  QVERIFY(!f.EditKept());
  // The edit is in the file that was saved.
  FakeHost otherHost;
  MemoryUserSettings otherSettings;
  Session other(otherHost, otherSettings);
  other.model.ModelVariant = 1;
  QVERIFY(FileRead2(other, ui::PathFromQt(saved)));
  QCOMPARE(other.data.CHMMSID[3].TagName, std::string("KEEP"));
}

void DataSafetyTest::restoreBackup() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(f.Action("mnuFileRestore")->isVisible());
  QCOMPARE(f.Action("mnuFileRestore")->text(), QStringLiteral("Restore &Backup..."));

  // A radio's image with a directory entry of its own.
  RadioData radio;
  BuildDefaultImage(radio, 1);
  DecodeImage(radio);
  radio.CHMMSID[1] = {.Enable = true, .TagName = "HARBOUR", .Mmsid = "2111111110"};
  (void)PrepareOutgoingImage(radio, 1, false);
  f.folder.WriteBytes(QStringLiteral("good.hex"), radio.Image);
  MemoryImage wrongModel = radio.Image;
  wrongModel[kImageSize - 1] = 0xD1;
  f.folder.WriteBytes(QStringLiteral("wrong.hex"), wrongModel);
  f.folder.WriteText(QStringLiteral("short.hex"), std::string(100, '\x07'));

  f.S().state.CurrentFilePath = "/data/boat.dat";
  const MemoryImage before = f.S().data.Image;
  struct Refused {
    const char *file;
    std::string title, text;
  } refused[] = {{"short.hex", "PC Program for TR4100/TR4300", "bad file!!"},
                 {"wrong.hex", "Read from Radio", "ModelType Error !!"}};
  for (const Refused &r : refused) {
    f.dialogs.openAnswers = {f.folder.File(QLatin1String(r.file))};
    f.Action("mnuFileRestore")->trigger();
    // The message says what was being done.
    QCOMPARE(f.host.messages.back().text,
             r.text + "\r\n\r\nRestoring " +
                 ui::PathFromQt(f.folder.File(QLatin1String(r.file))).string() + ".");
    QCOMPARE(f.host.messages.back().title, r.title);
    QCOMPARE(f.host.messages.back().icon, Icon::Critical);
    QVERIFY(f.S().data.Image == before);
    QVERIFY(!f.S().state.DataChanged);
    QCOMPARE(f.S().state.CurrentFilePath, std::string("/data/boat.dat"));
  }
  QCOMPARE(f.dialogs.asked.last(), kOpenHex);
  QCOMPARE(f.dialogs.folders.back(), ui::QtFromPath(f.backupFolder));
  QVERIFY(QDir(f.dialogs.folders.back()).exists());

  f.dialogs.openAnswers = {f.folder.File(QStringLiteral("good.hex"))};
  f.Action("mnuFileRestore")->trigger();
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("HARBOUR"));
  QVERIFY(f.S().data.Image == radio.Image);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(f.S().state.CurrentFilePath.empty());
  QCOMPARE(f.Window().windowTitle(), QStringLiteral("KV508  PC Program for TR4100/TR4300"));
  QCOMPARE(ui::FindNodeByKey(f.Window().tree(), QStringLiteral("SM 1"))->text(0),
           QStringLiteral("Memory ID1[Enable]"));
  QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("General"));
}

void DataSafetyTest::showBackupFolder() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  const QString folder = ui::QtFromPath(f.backupFolder);
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("folder:") + folder);
  QVERIFY(QDir(folder).exists());
  QVERIFY(f.host.messages.empty());

  f.dialogs.folderShown = false;
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.host.messages.back().text,
           "The backup folder " + f.backupFolder.string() + " cannot be opened.");

  f.S().backups.folder.clear();
  f.Action("mnuHelpBackups")->trigger();
  QCOMPARE(f.host.messages.back().text,
           std::string("Backups are off: there is no per-user data folder."));
}

void DataSafetyTest::transfersLeaveBackups() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  f.WhenDialogOpens();
  f.Action("mnuTransferRead")->trigger();
  QVERIFY(f.dialogSeen);
  f.S().data.CHMMSID[2] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  f.WhenDialogOpens();
  f.Action("mnuTransferProgram")->trigger();
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  QCOMPARE(f.BackupNames(), (std::vector<std::string>{
                                "2024-06-15_093005-2_TR4100-TR4300_program.hex",
                                "2024-06-15_093005_TR4100-TR4300_read.hex",
                            }));
  const QString folder = ui::QtFromPath(f.backupFolder);
  const std::string program = ReadAll(folder + "/2024-06-15_093005-2_TR4100-TR4300_program.hex");
  QCOMPARE(program, std::string(f.S().data.Image.begin(), f.S().data.Image.end()));
}

void DataSafetyTest::verifyAfterWriting() {
  SafetyFixture f;
  QVERIFY(f.StartWithRadio());
  f.radio->Engine().Faults().corruptStoredByte = 5000;

  // On by default: the corrupted byte is found and the dialog stays for another try.
  bool shown = false, checked = false, readShown = true;
  bool stayedOpen = false;
  QTimer::singleShot(0, &f.Window(), [&] {
    QDialog *d = f.Dialog();
    if (!d)
      return;
    auto *box = d->findChild<QCheckBox *>(QStringLiteral("chkVerify"));
    shown = box->isVisibleTo(d);
    checked = box->isChecked();
    d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    stayedOpen = d->isVisible();
    box->setChecked(false); // remembered for the next time
    d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
  });
  f.Action("mnuTransferProgram")->trigger();
  QVERIFY(shown);
  QVERIFY(checked);
  QVERIFY(stayedOpen);
  const std::uint8_t sent = f.S().data.Image[5000];
  char expected[64];
  std::snprintf(expected, sizeof expected,
                "Verify Error!!\r\naddress 0x1388: written 0x%02X, read 0x%02X", sent, sent ^ 0xFF);
  QCOMPARE(f.host.messages.back().text, std::string(expected));
  QCOMPARE(f.host.messages.back().title, std::string("Program to Radio"));
  QCOMPARE(f.settings.Get("Settings", "VerifyAfterWriting", ""), std::string("False"));

  // Off: the same radio takes the write without a word; a read has no such box.
  f.WhenDialogOpens([&](QDialog &d) {
    checked = d.findChild<QCheckBox *>(QStringLiteral("chkVerify"))->isChecked();
  });
  f.Action("mnuTransferProgram")->trigger();
  QVERIFY(!checked);
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  f.S().state.DataChanged = false;
  f.WhenDialogOpens([&](QDialog &d) {
    readShown = d.findChild<QCheckBox *>(QStringLiteral("chkVerify"))->isVisibleTo(&d);
  });
  f.Action("mnuTransferRead")->trigger();
  QVERIFY(!readShown);
}

QTEST_MAIN(DataSafetyTest)
#include "tst_data_safety.moc"
