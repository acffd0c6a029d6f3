// fraChannel: plan and expansion channels driven through the real widgets.

#include "ui_test_support.h"

#include "image/decode.h"
#include "image/encode.h"
#include "image/layout.h"
#include "sim/sim_port.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/commit_line_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

using Action = std::function<void(WindowFixture &)>;
using Check = std::function<bool(const RadioData &)>;

// Every channel group in the tree, the window active so that focus moves.
bool StartOnChannels(WindowFixture &f) {
  if (!f.Start())
    return false;
  for (auto &group : f.S().data.ChannelGroups)
    group.Enable = true;
  f.Window().BuildTree();
  return f.Activate();
}

template <class T> T *W(WindowFixture &f, const char *name) {
  return f.Widget<T>(QLatin1String(name));
}

// Clicks the box of a check box or option button, as the mouse does.
void Click(QAbstractButton *button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Selects the field's text with the keyboard and types over it.
void Retype(QLineEdit *edit, const QString &text) {
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

// An enabled expansion channel that may transmit.
ChannelRecord ExpChannel(const std::string &left, double rx, double tx = 0.0) {
  ChannelRecord r;
  r.Enable = true;
  r.TxEnable = true;
  r.CHDisplayL = left;
  r.Rxfreq = rx;
  r.Txfreq = tx;
  return r;
}

ChannelRecord &Usa(WindowFixture &f, int n) { return f.S().data.CHUSA[n]; }
ChannelRecord &Exp(WindowFixture &f, int n) { return f.S().data.CHEXP[n]; }

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Check)

class ChannelPanelTest : public QObject {
  Q_OBJECT
private slots:
  void planChannelFields_data();
  void planChannelFields();
  void expansionModeShowsItsOwnControls();
  void enableChain_data();
  void enableChain();
  void cascadeFollowsClicks();
  void nodeTextFollowsChEnable_data();
  void nodeTextFollowsChEnable();
  void duplexShowsItsReceiveFrequency();
  void frequencyCheck_data();
  void frequencyCheck();
  void commandsStopOnIncompleteChannel_data();
  void commandsStopOnIncompleteChannel();
  void filters_data();
  void filters();
  void userChangesSetDataChanged_data();
  void userChangesSetDataChanged();
  void toneChoosersExcludeEachOther();
  void editedChannelSavedReadBackAndProgrammed();
};

void ChannelPanelTest::planChannelFields_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("disp0");
  QTest::addColumn<QString>("disp1");
  QTest::addColumn<QString>("rx");
  QTest::addColumn<QString>("tx");
  const auto row = [](const char *name, const char *key, const char *d0, const char *d1,
                      const char *rx, const char *tx) {
    QTest::newRow(name) << QString(key) << QString(d0) << QString(d1) << QString(rx) << QString(tx);
  };
  row("16", "PU 32", "16", "", "156.800", "156.800");
  row("05A", "PI 11", "05", "A", "156.250", "156.250");
  row("101", "PC 202", "o1", "", "158.075", "158.075");
  row("115", "PU 230", "'5", "", "158.775", "158.775");
  row("70 receive only", "PU 140", "70", "", "156.525", "---.---");
  row("24 duplex", "PU 48", "24", "", "161.800", "157.200");
}

void ChannelPanelTest::planChannelFields() {
  QFETCH(QString, key);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  f.ShowNode(key);
  QWidget *panel = W<QWidget>(f, "fraChannel");
  QCOMPARE(f.Window().screens().ActivePanel(), panel);
  QTEST(W<QLineEdit>(f, "txtChDisp_0")->text(), "disp0");
  QTEST(W<QLineEdit>(f, "txtChDisp_1")->text(), "disp1");
  QTEST(W<QLineEdit>(f, "txtRxFreq")->text(), "rx");
  QTEST(W<QLineEdit>(f, "txtTxFreq")->text(), "tx");
  const QColor locked = panel->palette().color(QPalette::Disabled, QPalette::Window);
  for (const char *name : {"txtChDisp_0", "txtChDisp_1", "txtRxFreq", "txtTxFreq"}) {
    QVERIFY2(W<QLineEdit>(f, name)->isReadOnly(), name);
    QCOMPARE(W<QLineEdit>(f, name)->palette().color(QPalette::Base), locked);
  }
  QVERIFY(W<QWidget>(f, "chkTxEnable")->isVisible());
  QVERIFY(W<QWidget>(f, "chkDuplex")->isVisible());
  QVERIFY(!W<QWidget>(f, "cmbScrambler")->isVisible());
  for (const char *name : {"optNarrow", "optWide", "cmbCtcss_0", "cmbDcs_1", "chkComp"})
    QVERIFY2(!W<QWidget>(f, name)->isVisible(), name);
  QVERIFY(!f.S().state.DataChanged);
  // The fields are locked: typing changes nothing.
  QTest::keyClicks(W<QLineEdit>(f, "txtRxFreq"), QStringLiteral("1"));
  QTEST(W<QLineEdit>(f, "txtRxFreq")->text(), "rx");
  QVERIFY(!f.S().state.DataChanged);
}

void ChannelPanelTest::expansionModeShowsItsOwnControls() {
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  f.ShowNode(QStringLiteral("PU 40"));
  QTRY_VERIFY(W<QWidget>(f, "chkLowPower")->y() > W<QWidget>(f, "chkTxEnable")->y());
  const int txEnableY = W<QWidget>(f, "chkTxEnable")->y();
  ChannelRecord &r = Exp(f, 5);
  r = ExpChannel("7b", 156.05, 160.6);
  r.CHDisplayR = "A";
  r.ChTag = "PILOT";
  r.Narrow = true;
  f.ShowNode(QStringLiteral("E 5"));
  QCOMPARE(f.Window().screens().ActivePanel(), W<QWidget>(f, "fraChannel"));
  QCOMPARE(W<QLineEdit>(f, "txtChDisp_0")->text(), QStringLiteral("7b"));
  QCOMPARE(W<QLineEdit>(f, "txtChDisp_1")->text(), QStringLiteral("A"));
  QCOMPARE(W<QLineEdit>(f, "txtRxFreq")->text(), QStringLiteral("156.0500"));
  QCOMPARE(W<QLineEdit>(f, "txtTxFreq")->text(), QStringLiteral("160.6000"));
  QCOMPARE(W<QLineEdit>(f, "txtChName")->text(), QStringLiteral("PILOT"));
  QVERIFY(W<QRadioButton>(f, "optNarrow")->isChecked());
  QVERIFY(!W<QLineEdit>(f, "txtRxFreq")->isReadOnly());
  QVERIFY(W<QLineEdit>(f, "txtRxFreq")->palette().color(QPalette::Base) !=
          W<QWidget>(f, "fraChannel")->palette().color(QPalette::Disabled, QPalette::Window));
  QVERIFY(!W<QWidget>(f, "chkTxEnable")->isVisible());
  QVERIFY(!W<QWidget>(f, "chkDuplex")->isVisible());
  for (const char *name : {"optNarrow", "optWide", "cmbCtcss_0", "cmbCtcss_1", "cmbDcs_0",
                           "cmbDcs_1", "chkComp", "chkLowPower", "chkPowerUp", "chkScanMemory"})
    QVERIFY2(W<QWidget>(f, name)->isVisible(), name);
  QCOMPARE(W<QComboBox>(f, "cmbCtcss_0")->count(), 51);
  QCOMPARE(W<QComboBox>(f, "cmbDcs_1")->itemText(104), QStringLiteral("754"));
  // The power boxes move up into the place of the hidden "Tx Enable".
  QTRY_COMPARE(W<QWidget>(f, "chkLowPower")->y(), txEnableY);

  // Back to a plan channel: its own display, wide unless narrow.
  Exp(f, 6).Narrow = false;
  f.ShowNode(QStringLiteral("E 6"));
  QVERIFY(W<QRadioButton>(f, "optWide")->isChecked());
  f.ShowNode(QStringLiteral("PU 32"));
  QCOMPARE(W<QLineEdit>(f, "txtChDisp_0")->text(), QStringLiteral("16"));
  QVERIFY(W<QLineEdit>(f, "txtRxFreq")->isReadOnly());
}

void ChannelPanelTest::enableChain_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<bool>("enable");
  QTest::addColumn<bool>("txEnable");
  QTest::addColumn<bool>("lowPower");
  QTest::addColumn<bool>("scramble");
  QTest::addColumn<bool>("txShown");
  QTest::addColumn<QStringList>("enabled");
  const QStringList fields = {"txtChDisp_0", "txtRxFreq", "txtChName"};
  const QStringList all = fields + QStringList{"chkTxEnable", "chkLowPower",   "chkPowerUp",
                                               "chkDuplex",   "chkScanMemory", "cmbScrambler"};
  const auto without = [&](QStringList names) {
    QStringList out = all;
    for (const QString &n : names)
      out.removeAll(n);
    return out;
  };
  QTest::newRow("enabled") << "PU 40" << true << true << true << true << true << all;
  QTest::newRow("CH Enable off") << "PU 40" << false << true << true << true << true
                                 << QStringList{};
  QTest::newRow("Low Power off") << "PU 40" << true << true << false << true << true
                                 << without({"chkPowerUp"});
  QTest::newRow("Tx Enable off") << "PU 40" << true << false << true << true << false
                                 << without({"chkLowPower", "chkPowerUp"});
  QTest::newRow("receive only") << "PU 30" << true << false << true << false << false
                                << without(
                                       {"chkTxEnable", "chkLowPower", "chkPowerUp", "chkDuplex"});
  QTest::newRow("receive only, tx bits")
      << "PU 30" << true << true << true << false << false
      << without({"chkTxEnable", "chkLowPower", "chkPowerUp", "chkDuplex"});
  QTest::newRow("duplex not allowed")
      << "PU 11" << true << true << true << true << true << without({"chkDuplex"});
  QTest::newRow("channel 70") << "PU 140" << true << false << false << true << false
                              << without({"chkTxEnable", "chkLowPower", "chkPowerUp", "chkDuplex",
                                          "chkScanMemory", "cmbScrambler"});
  QTest::newRow("channel 16") << "PU 32" << true << true << true << true << true
                              << without({"cmbScrambler"});
  QTest::newRow("expansion") << "E 9" << true << true << true << true << true
                             << without({"chkDuplex"});
  QTest::newRow("expansion off") << "E 9" << false << true << true << true << true << QStringList{};
}

void ChannelPanelTest::enableChain() {
  QFETCH(QString, key);
  QFETCH(bool, enable);
  QFETCH(bool, txEnable);
  QFETCH(bool, lowPower);
  QFETCH(bool, scramble);
  QFETCH(QStringList, enabled);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  f.S().model.ScrambleCapable = scramble;
  const int n = key.mid(2).toInt();
  ChannelRecord &r = key.startsWith('E') ? Exp(f, n) : Usa(f, n);
  r.Enable = enable;
  r.TxEnable = txEnable;
  r.LowPower = lowPower;
  f.ShowNode(key);
  QTEST(W<QCheckBox>(f, "chkTxEnable")->isChecked(), "txShown");
  QCOMPARE(W<QWidget>(f, "cmbScrambler")->isVisible(), scramble);
  QCOMPARE(W<QWidget>(f, "lblScrambler")->isVisible(), scramble);
  for (const char *name : {"txtChDisp_0", "txtRxFreq", "txtChName", "chkTxEnable", "chkLowPower",
                           "chkPowerUp", "chkDuplex", "chkScanMemory", "cmbScrambler"}) {
    QVERIFY2(W<QWidget>(f, name)->isEnabled() == enabled.contains(QLatin1String(name)), name);
  }
  QVERIFY(W<QWidget>(f, "chkChEnable")->isEnabled());
  const auto colour = [&](const char *box) {
    return W<QWidget>(f, box)->isEnabled() ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80);
  };
  QCOMPARE(W<QWidget>(f, "linLowPower")->palette().color(QPalette::WindowText),
           colour("chkLowPower"));
  QCOMPARE(W<QWidget>(f, "linPowerUp")->palette().color(QPalette::WindowText),
           colour("chkPowerUp"));
  QVERIFY(!f.S().state.DataChanged);
}

void ChannelPanelTest::cascadeFollowsClicks() {
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  Usa(f, 40).LowPower = true;
  f.ShowNode(QStringLiteral("PU 40"));
  auto *tx = W<QCheckBox>(f, "chkTxEnable");
  auto *low = W<QCheckBox>(f, "chkLowPower");
  auto *up = W<QCheckBox>(f, "chkPowerUp");
  QVERIFY(low->isEnabled() && up->isEnabled());
  Click(tx);
  QVERIFY(!Usa(f, 40).TxEnable);
  QVERIFY(!low->isEnabled() && !up->isEnabled());
  Click(tx);
  QVERIFY(low->isEnabled() && up->isEnabled());
  Click(low);
  QVERIFY(!Usa(f, 40).LowPower);
  QVERIFY(!up->isEnabled());
  QCOMPARE(W<QWidget>(f, "linPowerUp")->palette().color(QPalette::WindowText),
           QColor(0x80, 0x80, 0x80));
  Click(W<QCheckBox>(f, "chkChEnable"));
  QVERIFY(!tx->isEnabled() && !low->isEnabled());
}

void ChannelPanelTest::nodeTextFollowsChEnable_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("text");
  QTest::newRow("plan") << QStringLiteral("PU 32") << QStringLiteral("CH16");
  QTest::newRow("plan A") << QStringLiteral("PU 11") << QStringLiteral("CH05A");
  QTest::newRow("expansion") << QStringLiteral("E 5") << QStringLiteral("EXP5");
}

void ChannelPanelTest::nodeTextFollowsChEnable() {
  QFETCH(QString, key);
  QFETCH(QString, text);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  const int n = key.mid(2).toInt();
  ChannelRecord &r = key.startsWith('E') ? Exp(f, n) : Usa(f, n);
  r.Enable = true;
  f.Window().BuildTree();
  f.ShowNode(key);
  QTreeWidgetItem *node = ui::FindNodeByKey(f.Window().tree(), key);
  QCOMPARE(node->text(0), text + "[Enable]");
  auto *box = W<QCheckBox>(f, "chkChEnable");
  Click(box);
  QVERIFY(!r.Enable);
  QCOMPARE(node->text(0), text);
  QVERIFY(!W<QWidget>(f, "txtChName")->isEnabled());
  QCOMPARE(QApplication::focusWidget(), box);
  QVERIFY(f.S().state.DataChanged);
  Click(box);
  QVERIFY(r.Enable);
  QCOMPARE(node->text(0), text + "[Enable]");
  QVERIFY(W<QWidget>(f, "txtChName")->isEnabled());
  QCOMPARE(QApplication::focusWidget(), box);
}

void ChannelPanelTest::duplexShowsItsReceiveFrequency() {
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  f.ShowNode(QStringLiteral("PU 48"));
  auto *rx = W<QLineEdit>(f, "txtRxFreq");
  QCOMPARE(rx->text(), QStringLiteral("161.800"));
  Click(W<QCheckBox>(f, "chkDuplex"));
  QVERIFY(!Usa(f, 48).Duplex);
  QCOMPARE(rx->text(), QStringLiteral("157.200"));
  QVERIFY(f.S().state.DataChanged);
  Click(W<QCheckBox>(f, "chkDuplex"));
  QCOMPARE(rx->text(), QStringLiteral("161.800"));
}

void ChannelPanelTest::frequencyCheck_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<double>("stored");
  QTest::addColumn<QString>("shown");
  const auto row = [](const char *field, const char *typed, bool accepted, double stored,
                      const char *shown) {
    QTest::newRow(typed) << QString(field) << QString(typed) << accepted << stored
                         << QString(shown);
  };
  row("txtRxFreq", "137", true, 137.0, "137.0000");
  row("txtTxFreq", "174", true, 174.0, "174.0000");
  row("txtRxFreq", "174.0000", true, 174.0, "174.0000");
  row("txtRxFreq", "156.050", true, 156.05, "156.0500");
  row("txtTxFreq", "", true, 0.0, "---.----");
  // Refused: the text stays as typed and the record keeps 150 MHz.
  row("txtRxFreq", "136.975", false, 150.0, "136.975");
  row("txtTxFreq", "156.0625", false, 150.0, "156.0625");
  row("txtRxFreq", "174.0125", false, 150.0, "174.0125");
  row("txtTxFreq", "1x6", false, 150.0, "1x6");
}

void ChannelPanelTest::frequencyCheck() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(bool, accepted);
  QFETCH(double, stored);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  Exp(f, 3) = ExpChannel("12", 150.0, 150.0);
  const ChannelRecord before = Exp(f, 3);
  f.ShowNode(QStringLiteral("E 3"));
  auto *edit = f.Widget<ui::CommitLineEdit>(field);
  Retype(edit, typed);
  QVERIFY(f.S().state.DataChanged);
  f.Leave();
  const bool rx = field == QLatin1String("txtRxFreq");
  const double value = rx ? Exp(f, 3).Rxfreq : Exp(f, 3).Txfreq;
  QTEST(edit->text(), "shown");
  if (accepted) {
    QVERIFY(f.host.messages.empty());
    QCOMPARE(value, stored);
    QCOMPARE(QApplication::focusWidget(), &f.Window().tree());
    return;
  }
  QCOMPARE(f.host.messages.size(), std::size_t{1});
  QCOMPARE(f.host.messages[0].text, std::string("Data Error!!"));
  QCOMPARE(f.host.messages[0].title, std::string(rx ? "Rx frequency" : "Tx frequency"));
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QVERIFY(Exp(f, 3) == before);
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit));
  // A command asks again and stops.
  QVERIFY(!f.Window().CommitActiveEdit());
  QVERIFY(Exp(f, 3) == before);
}

void ChannelPanelTest::commandsStopOnIncompleteChannel_data() {
  QTest::addColumn<double>("rxfreq");
  QTest::addColumn<QString>("display");
  QTest::addColumn<bool>("enable");
  QTest::addColumn<bool>("refused");
  QTest::newRow("no rx frequency") << 0.0 << "12" << true << true;
  QTest::newRow("one display digit") << 156.05 << "1" << true << true;
  QTest::newRow("complete") << 156.05 << "12" << true << false;
  QTest::newRow("not enabled") << 0.0 << "" << false << false;
}

void ChannelPanelTest::commandsStopOnIncompleteChannel() {
  QFETCH(double, rxfreq);
  QFETCH(QString, display);
  QFETCH(bool, enable);
  QFETCH(bool, refused);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  Exp(f, 7) = ExpChannel(display.toStdString(), rxfreq);
  Exp(f, 7).Enable = enable;
  f.ShowNode(QStringLiteral("E 7"));
  const QString target = f.folder.File(QStringLiteral("out.dat"));
  f.dialogs.saveAnswers.push_back(target);
  f.Window().FileSaveAs();
  if (!refused) {
    QCOMPARE(f.dialogs.asked.size(), 1);
    QVERIFY(QFile::exists(target));
    return;
  }
  QVERIFY(f.dialogs.asked.isEmpty());
  QVERIFY(!QFile::exists(target));
  QCOMPARE(f.host.messages.size(), std::size_t{1});
  QCOMPARE(f.host.messages[0].text, std::string("Data Error!!\r\nPlease input correct data."));
  QCOMPARE(f.host.messages[0].title, std::string("PC Program for TR4100/TR4300"));
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  // A tree click stops as well: the channel stays on the screen.
  f.ShowNode(QStringLiteral("General"));
  QCOMPARE(f.Window().screens().ActivePanel(), W<QWidget>(f, "fraChannel"));
}

void ChannelPanelTest::filters_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("shown");
  const auto row = [](const char *name, const char *field, bool paste, const QString &input,
                      const char *shown) {
    QTest::newRow(name) << QString(field) << paste << input << QString(shown);
  };
  row("display x typed", "txtChDisp_0", false, "x", "");
  row("display B typed", "txtChDisp_0", false, "B", "");
  row("display b typed", "txtChDisp_0", false, "b", "b");
  row("display pasted", "txtChDisp_0", true, "Bb", "b");
  row("display 2 only", "txtChDisp_1", false, "AC", "A");
  row("display 2 pasted", "txtChDisp_1", true, "B", "");
  row("name typed", "txtChName", false, "a_b", "ab");
  row("name pasted", "txtChName", true, QString::fromUtf8("Caf\xc3\xa9_1"), "Caf1");
  row("name 16 at most", "txtChName", true, "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOP");
}

void ChannelPanelTest::filters() {
  QFETCH(QString, field);
  QFETCH(bool, paste);
  QFETCH(QString, input);
  QFETCH(QString, shown);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  Exp(f, 2) = ExpChannel("", 0.0);
  f.ShowNode(QStringLiteral("E 2"));
  auto *edit = f.Widget<QLineEdit>(field);
  if (paste)
    f.Paste(edit, input);
  else
    f.Type(edit, input);
  QCOMPARE(edit->text(), shown);
  const ChannelRecord &r = Exp(f, 2);
  const std::string stored = field == QLatin1String("txtChDisp_0")   ? r.CHDisplayL
                             : field == QLatin1String("txtChDisp_1") ? r.CHDisplayR
                                                                     : r.ChTag;
  QCOMPARE(QString::fromStdString(stored), shown);
}

void ChannelPanelTest::userChangesSetDataChanged_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<Action>("action");
  QTest::addColumn<Check>("stored");
  const auto click = [](const char *name) {
    return Action([name](WindowFixture &f) { Click(W<QAbstractButton>(f, name)); });
  };
  QTest::newRow("Tx Enable") << "PU 40" << click("chkTxEnable")
                             << Check([](const RadioData &d) { return !d.CHUSA[40].TxEnable; });
  QTest::newRow("Low Power") << "PU 40" << click("chkLowPower")
                             << Check([](const RadioData &d) { return d.CHUSA[40].LowPower; });
  QTest::newRow("Power Up") << "E 4" << click("chkPowerUp")
                            << Check([](const RadioData &d) { return d.CHEXP[4].PowUp; });
  QTest::newRow("Scan Memory") << "PU 40" << click("chkScanMemory")
                               << Check([](const RadioData &d) { return d.CHUSA[40].ScanMemory; });
  QTest::newRow("Duplex") << "PU 40" << click("chkDuplex")
                          << Check([](const RadioData &d) { return !d.CHUSA[40].Duplex; });
  QTest::newRow("Narrow") << "E 4" << click("optNarrow")
                          << Check([](const RadioData &d) { return d.CHEXP[4].Narrow; });
  QTest::newRow("Comp") << "E 4" << Action([](WindowFixture &f) {
    WindowFixture::Choose(W<QComboBox>(f, "cmbDcs_1"), 2);
    Click(W<QAbstractButton>(f, "chkComp"));
  }) << Check([](const RadioData &d) { return d.CHEXP[4].Cmp && d.CHEXP[4].Dcs[1] == 2; });
  QTest::newRow("CH Name") << "PU 40" << Action([](WindowFixture &f) {
    WindowFixture::Type(W<QLineEdit>(f, "txtChName"), QStringLiteral("X"));
  }) << Check([](const RadioData &d) { return d.CHUSA[40].ChTag == "X"; });
  QTest::newRow("display") << "E 4" << Action([](WindowFixture &f) {
    WindowFixture::Type(W<QLineEdit>(f, "txtChDisp_1"), QStringLiteral("P"));
  }) << Check([](const RadioData &d) { return d.CHEXP[4].CHDisplayR == "P"; });
  QTest::newRow("frequency") << "E 4" << Action([](WindowFixture &f) {
    Retype(W<QLineEdit>(f, "txtTxFreq"), QStringLiteral("161"));
    f.Leave();
  }) << Check([](const RadioData &d) { return d.CHEXP[4].Txfreq == 161.0; });
  QTest::newRow("scrambler") << "PU 40" << Action([](WindowFixture &f) {
    WindowFixture::Choose(W<QComboBox>(f, "cmbScrambler"), 5);
  }) << Check([](const RadioData &d) { return d.CHUSA[40].Scramble == 5; });
}

void ChannelPanelTest::userChangesSetDataChanged() {
  QFETCH(QString, key);
  QFETCH(Action, action);
  QFETCH(Check, stored);
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  f.S().model.ScrambleCapable = true;
  Exp(f, 4) = ExpChannel("44", 156.05);
  Exp(f, 4).LowPower = true;
  // Showing and showing again never counts as a change.
  f.ShowNode(key);
  f.ShowNode(QStringLiteral("E 1"));
  f.ShowNode(key);
  QVERIFY(!f.S().state.DataChanged);
  action(f);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(stored(f.S().data));
  QVERIFY(f.host.messages.empty());
}

void ChannelPanelTest::toneChoosersExcludeEachOther() {
  WindowFixture f;
  QVERIFY(StartOnChannels(f));
  Exp(f, 8) = ExpChannel("88", 156.05);
  f.ShowNode(QStringLiteral("E 8"));
  auto *ctcss = W<QComboBox>(f, "cmbCtcss_1");
  auto *dcs = W<QComboBox>(f, "cmbDcs_1");
  auto *comp = W<QWidget>(f, "chkComp");
  QVERIFY(!comp->isEnabled());
  WindowFixture::Choose(dcs, 3);
  QCOMPARE(Exp(f, 8).Dcs[1], std::int16_t{3});
  QVERIFY(comp->isEnabled());
  WindowFixture::Choose(ctcss, 4);
  QCOMPARE(Exp(f, 8).Ctcss[1], std::int16_t{4});
  QCOMPARE(Exp(f, 8).Dcs[1], std::int16_t{0});
  QCOMPARE(dcs->currentIndex(), 0);
  QVERIFY(!comp->isEnabled());
  // The RX element is independent of the TX element.
  WindowFixture::Choose(W<QComboBox>(f, "cmbDcs_0"), 1);
  QCOMPARE(Exp(f, 8).Dcs[0], std::int16_t{1});
  QCOMPARE(Exp(f, 8).Ctcss[1], std::int16_t{4});
  QVERIFY(!comp->isEnabled());
  WindowFixture::Choose(dcs, 1);
  QCOMPARE(ctcss->currentIndex(), 0);
  QCOMPARE(Exp(f, 8).Ctcss[1], std::int16_t{0});
  QVERIFY(comp->isEnabled());
}

void ChannelPanelTest::editedChannelSavedReadBackAndProgrammed() {
  WindowFixture f;
  QVERIFY(f.Start());
  auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::Unpaced);
  sim::SimPort *radio = port.get();
  f.Window().ports().SetSimulatedRadio(std::move(port));
  f.Action("mnuComSim")->trigger();
  f.S().data.ChannelGroups[3].Enable = true;
  f.Window().BuildTree();
  QVERIFY(f.Activate());
  const ChannelRecord before = Exp(f, 5);

  f.ShowNode(QStringLiteral("E 5"));
  Click(W<QCheckBox>(f, "chkChEnable"));
  Retype(W<QLineEdit>(f, "txtChDisp_0"), QStringLiteral("72"));
  Retype(W<QLineEdit>(f, "txtChDisp_1"), QStringLiteral("b"));
  Retype(W<QLineEdit>(f, "txtRxFreq"), QStringLiteral("156.050"));
  Retype(W<QLineEdit>(f, "txtTxFreq"), QStringLiteral("160.6"));
  Retype(W<QLineEdit>(f, "txtChName"), QStringLiteral("HARBOUR 1"));
  f.Leave();
  if (!W<QCheckBox>(f, "chkLowPower")->isChecked())
    Click(W<QCheckBox>(f, "chkLowPower"));
  Click(W<QCheckBox>(f, "chkScanMemory"));
  QVERIFY(f.host.messages.empty());

  ChannelRecord expected = before;
  expected.Enable = true;
  expected.CHDisplayL = "72";
  expected.CHDisplayR = "b";
  expected.Rxfreq = 156.05;
  expected.Txfreq = 160.6;
  expected.ChTag = "HARBOUR 1";
  expected.LowPower = true;
  expected.ScanMemory = !before.ScanMemory;
  QVERIFY(Exp(f, 5) == expected);

  const QString file = f.folder.File(QStringLiteral("exp.dat"));
  f.dialogs.saveAnswers.push_back(file);
  f.Window().FileSaveAs();
  QVERIFY(!f.S().state.DataChanged);
  Exp(f, 5) = before;
  f.dialogs.openAnswers.push_back(file);
  f.Window().FileOpen();
  QCOMPARE(Exp(f, 5).ChTag, expected.ChTag);
  QVERIFY(Exp(f, 5) == expected);
  QCOMPARE(W<QLineEdit>(f, "txtRxFreq")->text(), QStringLiteral("156.0500"));
  QCOMPARE(W<QLineEdit>(f, "txtChDisp_0")->text(), QStringLiteral("72"));

  // The modal transfer dialog is answered once it is up.
  QTimer::singleShot(0, [&f] {
    auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmRadio"));
    if (!d)
      return;
    d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    if (d->isVisible())
      d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
  });
  f.Action("Program")->trigger();
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));

  RadioData want = f.S().data;
  want.CHEXP[5] = expected;
  QVERIFY(!EncodeImage(want, 1));
  const MemoryImage &memory = radio->Engine().Memory();
  const int a = layout::ExpRecord(4);
  for (int i = a; i < a + layout::kExpRecordStride; ++i)
    QCOMPARE(memory[i], want.Image[i]);
  for (int i = 0; i < layout::kNameStride; ++i) {
    const int at = layout::kExpNames + 4 * layout::kNameStride + i;
    QCOMPARE(memory[at], want.Image[at]);
  }
  QCOMPARE(memory[layout::kExpEnable], want.Image[layout::kExpEnable]);
  QCOMPARE(memory[layout::kExpScan], want.Image[layout::kExpScan]);

  // And the radio's memory holds the channel as edited.
  RadioData read;
  read.Image = memory;
  DecodeImage(read);
  QCOMPARE(read.CHEXP[5].CHDisplayL, std::string("72"));
  QCOMPARE(read.CHEXP[5].CHDisplayR, std::string("b"));
  QCOMPARE(read.CHEXP[5].Rxfreq, 156.05);
  QCOMPARE(read.CHEXP[5].Txfreq, 160.6);
  QCOMPARE(read.CHEXP[5].ChTag, std::string("HARBOUR 1"));
  QVERIFY(read.CHEXP[5].Enable && read.CHEXP[5].LowPower);
  QCOMPARE(read.CHEXP[5].ScanMemory, expected.ScanMemory);
}

QTEST_MAIN(ChannelPanelTest)
#include "tst_channel_panel.moc"
