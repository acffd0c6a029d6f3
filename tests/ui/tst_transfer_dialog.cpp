// Read from Radio and Program to Radio through the real frmRadio against the
// in-process simulated radio.

#include "ui_test_support.h"

#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "image/layout.h"
#include "link/transfer.h"
#include "sim/sim_port.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

// The settings part of the image that a transfer carries.
constexpr std::size_t kSettingsFirst = layout::kPlanFlags[0];
constexpr std::size_t kSettingsEnd =
    layout::kGroupIdSlots + layout::kGroupIdSlotCount * layout::kDirectorySlotStride;

void Press(QDialog &d, const char *button) {
  d.findChild<QPushButton *>(QLatin1String(button))->click();
}

struct SimFixture : WindowFixture {
  using WindowFixture::WindowFixture;
  bool StartWithRadio() {
    if (!Start())
      return false;
    auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::Unpaced);
    radio = port.get();
    Window().ports().SetSimulatedRadio(std::move(port));
    Action("mnuComSim")->trigger();
    return true;
  }
  QDialog *Dialog() { return Window().findChild<QDialog *>(QStringLiteral("frmRadio")); }
  // Runs the command; once the dialog is up, inspects it and presses a button.
  // A missing dialog fails here instead of hanging the test.
  void RunWithDialog(const char *command, std::function<void(QDialog &)> inDialog) {
    bool shown = false;
    QTimer::singleShot(0, [this, inDialog, &shown] {
      if (QDialog *d = Dialog()) {
        shown = true;
        inDialog(*d);
      }
    });
    Action(command)->trigger();
    QTRY_VERIFY(shown);
  }
  // Presses OK; a dialog left open by a failure is closed, so the test goes on.
  void RunToEnd(const char *command) {
    RunWithDialog(command, [](QDialog &d) {
      Press(d, "cmdOK");
      if (d.isVisible())
        Press(d, "cmdCancel");
    });
  }
  sim::SimPort *radio = nullptr;
};

// A port that opens and takes every byte, but no radio ever answers; the
// link's waits run on the fake clock alone.
class SilentPort : public Port {
public:
  bool Open(const std::string &) override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  std::size_t BytesWaiting() override { return 0; }
  bool WaitForBytes(int) override { return false; }
  std::vector<std::uint8_t> Read(std::size_t) override { return {}; }
  bool Write(const std::vector<std::uint8_t> &) override { return open_; }
  void Purge() override {}

private:
  bool open_ = false;
};

QString LabelText(QDialog &d, const char *name) {
  return d.findChild<QLabel *>(QLatin1String(name))->text();
}

// The radio's memory holding settings of its own.
MemoryImage RadioMemoryWithDirectoryEntry() {
  RadioData data;
  BuildDefaultImage(data, 1);
  DecodeImage(data);
  data.CHMMSID[1] = {.Enable = true, .TagName = "HARBOUR", .Mmsid = "2111111110"};
  (void)PrepareOutgoingImage(data, 1, false);
  MemoryImage memory = sim::RadioEngine::DefaultMemory();
  std::copy(data.Image.begin() + kSettingsFirst, data.Image.begin() + kSettingsEnd,
            memory.begin() + kSettingsFirst);
  return memory;
}

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
  void statusLineDuringARead();
  void radioThatNeverAnswers();
  void changePortInTheDialog();
};

void TransferDialogTest::dialogLayout_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("pictA");
  QTest::addColumn<int>("pictB");
  QTest::newRow("read") << QStringLiteral("mnuTransferRead") << QStringLiteral("Read from Radio")
                        << 350 / 15 << 4200 / 15;
  QTest::newRow("program") << QStringLiteral("mnuTransferProgram")
                           << QStringLiteral("Program to Radio") << 4100 / 15 << 450 / 15;
}

void TransferDialogTest::dialogLayout() {
  QFETCH(QString, command);
  QFETCH(QString, caption);
  QFETCH(int, pictA);
  QFETCH(int, pictB);
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  bool inspected = false;
  f.RunWithDialog(command.toLatin1().constData(), [&](QDialog &d) {
    QCOMPARE(d.windowTitle(), caption);
    QCOMPARE(d.size(), QSize(465, 290));
    QCOMPARE(d.findChild<QLabel *>(QStringLiteral("lblmess"))->text(),
             QStringLiteral("1.Connect the KMT cable between the PC serial port and the radio.\n"
                            "2.On the radio, press and hold [DISTRESS] and [CALL] keys while\n"
                            "   turning the power on.\n"
                            "   The Radio display will show PC CONTROL.\n"
                            "3.Press the [OK] button to start."));
    QVERIFY(!d.findChild<QLabel *>(QStringLiteral("lblmon"))->isVisibleTo(&d));
    QCOMPARE(d.findChild<QWidget *>(QStringLiteral("pictA"))->pos(), QPoint(pictA, 88));
    QCOMPARE(d.findChild<QWidget *>(QStringLiteral("pictB"))->pos(), QPoint(pictB, 88));
    QWidget *bar = d.findChild<QWidget *>(QStringLiteral("pictProgress"));
    QCOMPARE(d.findChild<QWidget *>(QStringLiteral("lblPercent"))->x(), -bar->width());
    inspected = true;
    Press(d, "cmdCancel");
  });
  QVERIFY(inspected);
  QVERIFY(!f.Dialog());
  QCOMPARE(f.radio->Engine().Counters().bytesFromPc, std::uint64_t(0));
}

void TransferDialogTest::readFromRadio() {
  SimFixture f(kAtisIni, "/D");
  QVERIFY(f.StartWithRadio());
  f.radio->Engine().Memory() = RadioMemoryWithDirectoryEntry();
  f.S().data.Image[300] = 0x5A; // a byte a read keeps
  f.ChangeDataAndAnswer(Answer::No);
  f.S().state.CurrentFilePath = "/data/old.dat";
  f.Window().SelectNodeByKey(QStringLiteral("SG"));

  bool monitorShown = false;
  f.RunWithDialog("Read", [&](QDialog &d) {
    monitorShown = d.findChild<QLabel *>(QStringLiteral("lblmon"))->isVisibleTo(&d);
    Press(d, "cmdOK");
    if (d.isVisible())
      Press(d, "cmdCancel");
  });
  QVERIFY(monitorShown);
  QVERIFY(!f.Dialog());
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  QCOMPARE(f.host.messages.back().icon, Icon::Information);
  QVERIFY(std::find(f.host.monitor.begin(), f.host.monitor.end(), "radio reading...") !=
          f.host.monitor.end());
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("HARBOUR"));
  QCOMPARE(f.S().data.Image[300], 0x5A);
  QCOMPARE(f.S().data.Image[5000], f.radio->Engine().Memory()[5000]);
  QVERIFY(f.S().state.CurrentFilePath.empty());
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(!f.S().state.Busy);
  QCOMPARE(f.Window().windowTitle(), QStringLiteral("KV508  PC Program for TR4100/TR4300"));
  QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("General"));
  QCOMPARE(f.Window().screens().ActivePanel(), f.Window().screens().GeneralScreen());
  QCOMPARE(ui::FindNodeByKey(f.Window().tree(), QStringLiteral("SM 1"))->text(0),
           QStringLiteral("Memory ID1[Enable]"));
  QVERIFY(f.Window().isEnabled());
}

void TransferDialogTest::programToRadio() {
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  f.S().data.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  f.S().state.DataChanged = true;
  f.RunToEnd("Program");
  QVERIFY(!f.Dialog());
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  const MemoryImage &radio = f.radio->Engine().Memory();
  const MemoryImage &image = f.S().data.Image;
  QVERIFY(std::equal(radio.begin() + kSettingsFirst, radio.begin() + kSettingsEnd,
                     image.begin() + kSettingsFirst));
  QCOMPARE(std::string(reinterpret_cast<const char *>(&radio[layout::kProductCode]),
                       layout::kProductCodeLength),
           std::string("QZ318R"));
  QVERIFY(f.S().state.DataChanged); // programming does not change it

  // What was programmed reads back.
  f.S().data.CHMMSID[1] = DirectoryEntry{};
  f.host.answers.push_back(Answer::No);
  f.RunToEnd("mnuTransferRead");
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string("PILOT"));
  QVERIFY(f.S().data.CHMMSID[1].Enable);
}

void TransferDialogTest::failedConnectionKeepsDialogOpen_data() {
  QTest::addColumn<bool>("missingPort");
  QTest::newRow("radio refuses the model") << false;
  QTest::newRow("no such port") << true;
}

void TransferDialogTest::failedConnectionKeepsDialogOpen() {
  QFETCH(bool, missingPort);
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  if (missingPort)
    f.Action("mnuCom_15")->trigger();
  else
    f.radio->Engine().Faults().wrongProductCode = true;
  f.S().state.CurrentFilePath = "/data/keep.dat";
  const MemoryImage before = f.S().data.Image;
  bool stayedOpen = false;
  f.RunWithDialog("mnuTransferRead", [&](QDialog &d) {
    Press(d, "cmdOK");
    stayedOpen = d.isVisible();
    QVERIFY(d.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled());
    QVERIFY(d.findChild<QPushButton *>(QStringLiteral("cmdHelp"))->isEnabled());
    Press(d, "cmdCancel");
  });
  QVERIFY(stayedOpen);
  QVERIFY(f.S().data.Image == before);
  QCOMPARE(f.S().state.CurrentFilePath, std::string("/data/keep.dat"));
  QVERIFY(!f.S().state.Busy);
  if (!missingPort) {
    QCOMPARE(f.host.messages.back().text, std::string("ModelType Error !!"));
    QCOMPARE(f.host.messages.back().title, std::string("Read from Radio"));
    return;
  }
  // One message: the link's own text, then why the port would not open.
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].title, std::string("Read from Radio"));
  QVERIFY(f.host.messages[0].text.rfind("port inicialize error!!\r\n\r\nOpening COM16:\r\n"
                                        "There is no serial port COM16 on this computer.",
                                        0) == 0);
}

void TransferDialogTest::cancelWhileBusy() {
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  const MemoryImage before = f.S().data.Image;
  f.ChangeDataAndAnswer(Answer::No);
  bool cancelled = false;
  bool closeRefused = false;
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
  f.RunToEnd("mnuTransferRead");
  QVERIFY(cancelled);
  QVERIFY(closeRefused);
  QVERIFY(!f.Dialog());
  const std::vector<std::string> texts = f.host.Texts();
  QVERIFY(std::find(texts.begin(), texts.end(), "Complete!!") == texts.end());
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged); // no read happened
  QCOMPARE(f.radio->Engine().Counters().cancels, std::uint64_t(1));
}

void TransferDialogTest::clearMarksDataChanged() {
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  QString caption;
  QTimer::singleShot(0, [&] {
    caption = f.Dialog()->windowTitle();
    Press(*f.Dialog(), "cmdOK");
  });
  QVERIFY(f.Window().RunTransfer(kClearWaypoint));
  QCOMPARE(caption, QStringLiteral("Clear WayPoint Directory"));
  QVERIFY(f.S().state.DataChanged);
  const MemoryImage &radio = f.radio->Engine().Memory();
  QCOMPARE(radio[20736], 0);
  QCOMPARE(radio[20835], 0);
  QCOMPARE(radio[20836], 0xFF);
  QCOMPARE(radio[24191], 0xFF);
}

void TransferDialogTest::statusLineDuringARead() {
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  QVERIFY(f.Activate());
  f.host.yieldStepMs = 3;
  QString before;
  QString after;
  bool monitorHidden = false;
  f.RunWithDialog("mnuTransferRead", [&](QDialog &d) {
    before = LabelText(d, "lblStatus");
    monitorHidden = !d.findChild<QLabel *>(QStringLiteral("lblmon"))->isVisibleTo(&d);
    Press(d, "cmdOK");
    after = LabelText(d, "lblStatus");
  });
  QCOMPARE(before, QStringLiteral("Ready. Press OK to start."));
  QVERIFY(monitorHidden);
  QCOMPARE(after, QStringLiteral("Done."));
  const std::vector<std::string> &s = f.host.status;
  QVERIFY(s.size() > 6);
  QCOMPARE(std::vector<std::string>(s.begin(), s.begin() + 4),
           (std::vector<std::string>{"Connecting to the simulated radio...",
                                     "Checking the radio's status...",
                                     "Checking the radio's model...", "Reading 0 of 32 KB"}));
  QVERIFY(std::find(s.begin(), s.end(), "Reading 16 of 32 KB") != s.end() ||
          std::any_of(s.begin(), s.end(), [](const std::string &t) {
            return t.rfind("Reading 16 of 32 KB, about ", 0) == 0;
          }));
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  QTRY_VERIFY(QApplication::activeWindow() == &f.Window());
}

void TransferDialogTest::radioThatNeverAnswers() {
  WindowFixture f;
  QVERIFY(f.Start());
  f.Window().ports().SetSimulatedRadio(std::make_unique<SilentPort>());
  f.Action("mnuComSim")->trigger();
  const MemoryImage before = f.S().data.Image;
  bool stayedOpen = false;
  QTimer::singleShot(0, [&] {
    auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmRadio"));
    Press(*d, "cmdOK");
    stayedOpen = d->isVisible();
    Press(*d, "cmdCancel");
  });
  f.Action("mnuTransferRead")->trigger();
  QVERIFY(stayedOpen);
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  QCOMPARE(f.host.messages[0].title, std::string("Read from Radio"));
  QCOMPARE(f.host.messages[0].text, NoAnswerMessage("the simulated radio"));
  QVERIFY(f.host.messages[0].text.rfind("The radio did not answer on the simulated radio.\r\n",
                                        0) == 0);
  QVERIFY(f.S().data.Image == before);
}

void TransferDialogTest::changePortInTheDialog() {
  SimFixture f;
  QVERIFY(f.StartWithRadio());
  f.Action("mnuCom_15")->trigger(); // no such port on this computer
  QString portBefore;
  QString portAfter;
  QString buttonText;
  bool offersPorts = false;
  f.RunWithDialog("mnuTransferRead", [&](QDialog &d) {
    portBefore = LabelText(d, "lblPort");
    auto *button = d.findChild<QPushButton *>(QStringLiteral("cmdPort"));
    buttonText = button->text();
    // The button offers the entries of Options > SerialPort.
    offersPorts = button->menu() && button->menu()->actions().contains(f.Action("mnuComSim"));
    f.Action("mnuComSim")->trigger();
    portAfter = LabelText(d, "lblPort");
    Press(d, "cmdOK");
    if (d.isVisible())
      Press(d, "cmdCancel");
  });
  QVERIFY(offersPorts);
  QCOMPARE(buttonText, QStringLiteral("Change..."));
  QCOMPARE(portBefore, QStringLiteral("Port: COM16  (not on this computer)"));
  QCOMPARE(portAfter, QStringLiteral("Port: the simulated radio  (built in)"));
  QVERIFY(!f.Dialog());
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  QCOMPARE(f.settings.Get("ComPath", "ComSource", ""), std::string("sim"));
}

QTEST_MAIN(TransferDialogTest)
#include "tst_transfer_dialog.moc"
