// frmMain's commands: New, model and destination changes, Open, the debug image
// commands, the serial port menu, help and about.

#include "ui_test_support.h"

#include "files/dat_file.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

class WindowCommandsTest : public QObject {
  Q_OBJECT
private slots:
  void newResetsAfterItsTimer();
  void modelChange();
  void destinationChange();
  void openSettingsFile();
  void imageCommandsOnlyInDebugMode_data();
  void imageCommandsOnlyInDebugMode();
  void serialPortMenu();
  void helpAndAbout();
};

void WindowCommandsTest::newResetsAfterItsTimer() {
  KV508_START_WINDOW(f);
  f.S().data.CHMMSID[3].Enable = true;
  f.S().data.CHMMSID[3].TagName = "TEST";
  f.ChangeDataAndAnswer(Answer::No);
  f.S().state.CurrentFilePath = "/tmp/x.dat";
  f.Action("mnuFileNew")->trigger();
  QVERIFY(f.S().state.DataChanged); // deferred by its timer
  QTRY_VERIFY(!f.S().state.DataChanged);
  QVERIFY(!f.S().data.CHMMSID[3].Enable);
  QVERIFY(f.S().data.CHMMSID[3].TagName.empty());
  QVERIFY(f.S().state.CurrentFilePath.empty());
  QVERIFY(f.Window().isEnabled());
  QCOMPARE(f.Window().screens().ActivePanel(), f.Window().screens().GeneralScreen());
}

void WindowCommandsTest::modelChange() {
  KV508_START_WINDOW(f, kTwoModelsIni);
  ui::MainWindow &w = f.Window();
  w.ChangeModel(0); // the model in use: nothing happens
  QVERIFY(f.host.messages.empty());

  w.ChangeModel(1); // cancelled by the default answer
  QCOMPARE(f.host.messages.back().text,
           std::string("Do you want to program the Unknown model series?"));
  QCOMPARE(f.host.messages.back().title, std::string("PC Program for TR4100/TR4300"));
  QCOMPARE(f.host.messages.back().buttons, Buttons::OkCancel);
  QCOMPARE(f.S().model.ModelVariant, 1);
  QVERIFY(f.settings.Values().empty());

  f.ChangeDataAndAnswer(Answer::Ok);
  f.host.answers.push_back(Answer::No); // the unsaved data goes
  f.Action("mnuModel_1")->trigger();
  QCOMPARE(f.S().model.ModelVariant, 2);
  QVERIFY(!f.S().model.AtisCapable);
  QCOMPARE(f.S().state.TitleText, std::string("PC Program for Unknown model"));
  QCOMPARE(f.settings.Get("Settings", "lastmodel", ""), std::string("2"));
  QVERIFY(f.Action("mnuModel_1")->isChecked() && !f.Action("mnuModel_0")->isChecked());
  QTRY_VERIFY(!f.S().state.DataChanged);
  QVERIFY(!ui::FindNodeByKey(w.tree(), QStringLiteral("ATIS")));
  QCOMPARE(w.windowTitle(), QStringLiteral("KV508  PC Program for Unknown model"));
}

void WindowCommandsTest::destinationChange() {
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
  QVERIFY(f.Window().findChild<QMenu *>(QStringLiteral("mnuDestination"))->isEnabled());

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
  QVERIFY(f.Window().isEnabled());

  // The checked entry reloads without a question.
  const std::size_t asked = f.host.messages.size();
  f.S().data.Image[20000] = 0;
  f.Action("mnuDst_0")->trigger();
  QCOMPARE(f.host.messages.size(), asked);
  QCOMPARE(f.S().data.Image[20000], 0x22);
}

void WindowCommandsTest::openSettingsFile() {
  KV508_START_WINDOW(f);
  ui::MainWindow &w = f.Window();
  f.S().data.ChannelGroups[0].Enable = true;
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
  QCOMPARE(w.windowTitle(), QStringLiteral("KV508  PC Program for TR4100/TR4300 - boat.dat"));
  QVERIFY(!f.S().state.DataChanged); // the settings are those of the file
  QVERIFY(!f.S().state.OperationIncomplete);
  QCOMPARE(ui::NodeKey(w.tree().currentItem()), QStringLiteral("SM"));
  QVERIFY(ui::FindNodeByKey(w.tree(), QStringLiteral("PU"))->text(0) ==
          QStringLiteral("Group1(HOME)"));
  QCOMPARE(ui::FindNodeByKey(w.tree(), QStringLiteral("SM 2"))->text(0),
           QStringLiteral("Memory ID2[Enable]"));

  // A cancelled dialog changes nothing and leaves the command incomplete.
  f.host.answers.push_back(Answer::No);
  f.Action("mnuFileOpen")->trigger();
  QVERIFY(f.S().state.OperationIncomplete);
}

void WindowCommandsTest::imageCommandsOnlyInDebugMode_data() {
  QTest::addColumn<QString>("arguments");
  QTest::addColumn<bool>("enabled");
  QTest::newRow("/D") << QStringLiteral("/D") << true;
  QTest::newRow("/ed") << QStringLiteral("/ed") << true;
  QTest::newRow("/E") << QStringLiteral("/E") << false;
  QTest::newRow("none") << QString() << false;
}

void WindowCommandsTest::imageCommandsOnlyInDebugMode() {
  QFETCH(QString, arguments);
  QFETCH(bool, enabled);
  KV508_START_WINDOW(f, kAtisIni, arguments.toStdString());
  ui::MainWindow &w = f.Window();
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));

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
  QCOMPARE(static_cast<std::uint8_t>(bytes[0]), 0x07);
  QCOMPARE(static_cast<std::uint8_t>(bytes[1]), 0xD0);

  // An image of the wrong length is refused and changes nothing.
  f.folder.WriteText(QStringLiteral("short.hex"), std::string(100, '\x07'));
  const MemoryImage before = f.S().data.Image;
  f.dialogs.openAnswers.push_back(f.folder.File(QStringLiteral("short.hex")));
  f.host.answers.push_back(Answer::No);
  w.OpenImageCommand();
  QCOMPARE(f.host.messages.back().text,
           "bad file!!\r\n\r\nOpening " +
               ui::PathFromQt(f.folder.File(QStringLiteral("short.hex"))).string() + ".");
  QCOMPARE(f.host.messages.back().icon, Icon::Critical);
  QVERIFY(f.S().data.Image == before);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(f.S().state.CurrentFilePath.empty());
  QVERIFY(w.isEnabled());

  f.S().data.CHMMSID[1].TagName = "CHANGED";
  f.dialogs.openAnswers.push_back(image);
  f.host.answers.push_back(Answer::No);
  QTest::keyClick(&w.tree(), Qt::Key_F2, Qt::ControlModifier);
  QVERIFY(f.S().data.CHMMSID[1].TagName.empty());
  QVERIFY(!f.S().state.DataChanged);
  QCOMPARE(w.windowTitle(), QStringLiteral("KV508  PC Program for TR4100/TR4300 - radio.hex"));

  // Cancelled dialogs leave the command incomplete.
  f.S().state.OperationIncomplete = false;
  QTest::keyClick(&w.tree(), Qt::Key_F3, Qt::ControlModifier);
  QVERIFY(f.S().state.OperationIncomplete);
}

void WindowCommandsTest::serialPortMenu() {
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

void WindowCommandsTest::helpAndAbout() {
  {
    WindowFixture f; // no help page in the folder
    QVERIFY(f.Start());
    QVERIFY(!f.Action("mnuHelpContents")->isEnabled());
    f.Window().HelpContents();
    QCOMPARE(f.host.messages.back().text,
             std::string("Unable to display Help Contents. There is no Help associated with this "
                         "project."));
    QCOMPARE(f.host.messages.back().icon, Icon::Information);
    QCOMPARE(f.host.messages.back().title, f.S().state.TitleText);
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
    QCOMPARE(f.host.messages.back().text,
             std::string("Unable to display Help Contents. There is no Help associated with this "
                         "project."));
    QCOMPARE(f.host.messages.back().title, std::string("Program to Radio"));
  }
  WindowFixture f(kNoAtisIni);
  QDir(f.folder.File(QString())).mkpath(QStringLiteral("help"));
  f.folder.WriteText(QStringLiteral("help/KV508_NA.html"),
                     "<html><body><h1 id=\"1001\">Contents</h1><p>guide</p>"
                     "<h2 id=\"1012\">Transfer</h2></body></html>");
  QVERIFY(f.Start());
  QVERIFY(f.Action("mnuHelpContents")->isEnabled());
  f.Action("mnuHelpContents")->trigger();
  QTextBrowser *browser = nullptr;
  for (QWidget *top : QApplication::topLevelWidgets()) {
    if ((browser = top->findChild<QTextBrowser *>(QStringLiteral("txtHelp"))))
      break;
  }
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

QTEST_MAIN(WindowCommandsTest)
#include "tst_window_commands.moc"
