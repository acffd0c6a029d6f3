// The usable-group, common, DSC and ATIS panels driven by object name.

#include "ui_test_support.h"

#include "image/fields.h"
#include "image/layout.h"
#include "link/transfer.h"
#include "model/convert.h"
#include "sim/sim_port.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/setup_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

using Get = std::function<int(const RadioData &)>;
using Set = std::function<void(RadioData &, int)>;
Q_DECLARE_METATYPE(Get)
Q_DECLARE_METATYPE(Set)

// A getter and a setter of one RadioData field, as two test columns.
#define FIELD(expr)                                                                                \
  Get([](const RadioData &d) { return static_cast<int>(d.expr); })                                 \
      << Set([](RadioData &d, int v) { d.expr = static_cast<std::decay_t<decltype(d.expr)>>(v); })

namespace {

void Place(ChannelRecord &record, int position, bool enable) {
  record.Position = static_cast<std::int16_t>(position);
  record.Enable = enable;
}

QStringList Texts(QComboBox *box) {
  QStringList texts;
  for (int i = 0; i < box->count(); ++i)
    texts << box->itemText(i);
  return texts;
}

// A window over the in-process simulated radio, every channel group usable.
struct PanelFixture : WindowFixture {
  using WindowFixture::WindowFixture;
  bool StartWithRadio() {
    if (!Start())
      return false;
    auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::Unpaced);
    radio = port.get();
    Window().ports().SetSimulatedRadio(std::move(port));
    Action("mnuComSim")->trigger();
    return Activate();
  }
  // Shows a node and, for the DSC screen, one of its pages.
  void Show(const QString &node, int page = -1) {
    ShowNode(QStringLiteral("General"));
    ShowNode(node);
    if (page >= 0)
      Widget<QTabWidget>(QStringLiteral("tabDsc"))->setCurrentIndex(page);
  }
  // Clicks a button that runs a transfer; OK starts it once the dialog is up.
  void ClickAndTransfer(QAbstractButton *button) {
    QTimer::singleShot(0, [this] {
      if (auto *d = Window().findChild<QDialog *>(QStringLiteral("frmRadio"))) {
        d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        if (d->isVisible())
          d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
      }
    });
    button->click();
  }
  QString SelectedKey() { return ui::NodeKey(Window().tree().currentItem()); }
  sim::SimPort *radio = nullptr;
};

} // namespace

class SetupPanelsTest : public QObject {
  Q_OBJECT
private slots:
  void choiceLists_data();
  void choiceLists();
  void bindingsStoreAndRefill_data();
  void bindingsStoreAndRefill();
  void groupSwitchRules();
  void priorityLists();
  void statusName_data();
  void statusName();
  void enablingRules();
  void digitFields_data();
  void digitFields();
  void pendingUserMmsiRefusesCommands();
  void clearButtons_data();
  void clearButtons();
  void editsReachTheRadio();
};

void SetupPanelsTest::choiceLists_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QStringList>("choices");
  const QStringList offOn{"Off", "On"};
  const QStringList lowHi{"Low", "Hi"};
  QTest::newRow("TXPo") << "cmbCommonTXPo"
                        << QStringList{"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"};
  QTest::newRow("Scan") << "cmbCommonScan" << offOn;
  QTest::newRow("Resume") << "cmbCommonResume"
                          << QStringList{"Off", "1Sec", "2Sec", "3Sec", "4Sec", "5Sec"};
  QTest::newRow("PTTSCAN") << "cmbCommonPTTSCAN" << offOn;
  QTest::newRow("Dual") << "cmbCommonDual" << offOn;
  QTest::newRow("Timedisplay") << "cmbCommonTimedisplay" << QStringList{"UTC", "Local"};
  QStringList offsets;
  for (const std::string &text : OffsetTimeList())
    offsets << QString::fromStdString(text);
  QTest::newRow("Offset") << "cmbCommonOffset" << offsets;
  QTest::newRow("Format") << "cmbCommonFormat" << QStringList{"12H", "24H"};
  QTest::newRow("Weater") << "cmbCommonWeater"
                          << QStringList{"Off", "On Wx", "On Scan", "Wx and Scan"};
  QTest::newRow("SOG") << "cmbCommonSOG" << QStringList{"KTS", "MPH", "KMH"};
  QTest::newRow("Distance") << "cmbCommonDistance" << QStringList{"Nm", "Sm", "Km"};
  QTest::newRow("UsableDsc 3") << "cmbUsableDsc_3" << offOn;
  QTest::newRow("PosRequest 0") << "cmbUsableDscPosRequest_0" << offOn;
  QTest::newRow("PosRequestTX 3") << "cmbUsableDscPosRequestTX_3" << lowHi;
  QTest::newRow("BeepOut 7") << "cmbUsableDscBeepOut_7" << offOn;
  QTest::newRow("AllShipsCall 0") << "cmbUsableDscAllShipsCall_0" << offOn;
  QTest::newRow("GroupCallTX 1") << "cmbUsableDscGroupCallTX_1" << lowHi;
  QTest::newRow("IndividualCall 2") << "cmbUsableDscIndividualCall_2" << offOn;
  QTest::newRow("PosReqCallTX 3") << "cmbUsablePosReqCallTX_3" << lowHi;
  QTest::newRow("PosRepCall 3") << "cmbUsablePosRepCall_3" << offOn;
  QTest::newRow("DscDisplay 2") << "cmbDscDisplay_2" << offOn;
}

void SetupPanelsTest::choiceLists() {
  QFETCH(QString, name);
  QFETCH(QStringList, choices);
  KV508_START_WINDOW(f);
  auto *box = f.Widget<QComboBox>(name);
  QVERIFY(box);
  QCOMPARE(Texts(box), choices);
  if (name == QLatin1String("cmbCommonOffset")) {
    QCOMPARE(box->itemData(0).toInt(), -24);
    QCOMPARE(box->itemData(24).toInt(), 0);
    QCOMPARE(box->itemData(48).toInt(), 24);
  }
}

void SetupPanelsTest::bindingsStoreAndRefill_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("choice"); // list row chosen; check boxes are toggled
  QTest::addColumn<int>("stored");
  QTest::addColumn<Get>("get");
  QTest::addColumn<Set>("set");
  QTest::addColumn<int>("before");    // the field's value when the panel is shown
  QTest::addColumn<int>("beforeRow"); // the row (or tick) that value shows
  const QString common = QStringLiteral("Common");
  const QString dsc = QStringLiteral("DSC");
  const QString atis = QStringLiteral("ATIS");
  QTest::newRow("index TXPo") << common << -1 << "cmbCommonTXPo" << 2 << 2
                              << FIELD(Common.TxPoDisplay) << 1 << 1;
  QTest::newRow("index Resume") << common << -1 << "cmbCommonResume" << 5 << 5
                                << FIELD(Common.ResumeTime) << 3 << 3;
  QTest::newRow("index Distance") << common << -1 << "cmbCommonDistance" << 0 << 0
                                  << FIELD(Common.Distance) << 2 << 2;
  QTest::newRow("boolean Scan") << common << -1 << "cmbCommonScan" << 0 << 0 << FIELD(Common.Scan)
                                << 1 << 1;
  QTest::newRow("boolean Format") << common << -1 << "cmbCommonFormat" << 1 << 1
                                  << FIELD(Common.Format) << 0 << 0;
  QTest::newRow("item value Offset")
      << common << -1 << "cmbCommonOffset" << 10 << -14 << FIELD(Common.OffsetTime) << 5 << 29;
  QTest::newRow("DscGroup 0") << dsc << 0 << "cmbUsableDsc_0" << 1 << 1
                              << FIELD(DscBasic.DscGroup[0]) << 0 << 0;
  QTest::newRow("DscGroup 3") << dsc << 0 << "cmbUsableDsc_3" << 0 << 0
                              << FIELD(DscBasic.DscGroup[3]) << 1 << 1;
  QTest::newRow("PosRequestTX 3") << dsc << 0 << "cmbUsableDscPosRequestTX_3" << 1 << 1
                                  << FIELD(DscBasic.PosRequestTx[3]) << 0 << 0;
  QTest::newRow("BeepOut 7") << dsc << 0 << "cmbUsableDscBeepOut_7" << 0 << 0
                             << FIELD(DscBasic.BeepOut[7]) << 1 << 1;
  QTest::newRow("AllShipsCall 0") << dsc << 1 << "cmbUsableDscAllShipsCall_0" << 0 << 0
                                  << FIELD(DscAdvanced.AllShipsCall[0]) << 1 << 1;
  QTest::newRow("IndividualCallTX 2") << dsc << 1 << "cmbUsableDscIndividualCallTX_2" << 1 << 1
                                      << FIELD(DscAdvanced.IndividualCallTx[2]) << 0 << 0;
  QTest::newRow("PosRepCallTX 3") << dsc << 2 << "cmbUsablePosRepCallTX_3" << 1 << 1
                                  << FIELD(DscAdvanced.PositionReportCallTx[3]) << 0 << 0;
  QTest::newRow("DscDisplay 2") << dsc << 3 << "cmbDscDisplay_2" << 1 << 1 << FIELD(DscDisplay[2])
                                << 0 << 0;
  QTest::newRow("check EXP 0") << "Usable" << -1 << "chkEXP_0" << 0 << 1
                               << FIELD(ChannelGroups[3].ExpChGroup[0]) << 0 << 0;
  QTest::newRow("check ATIS 0") << atis << -1 << "chkATISChGroup_0" << 0 << 0
                                << FIELD(Atis.UsableAtisChGroup[0]) << 1 << 1;
  QTest::newRow("check Killer 3") << atis << -1 << "chkATISKiller_3" << 0 << 1
                                  << FIELD(Atis.UsableAtisKikkerChGroup[3]) << 0 << 0;
}

void SetupPanelsTest::bindingsStoreAndRefill() {
  QFETCH(QString, node);
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(int, choice);
  QFETCH(int, stored);
  QFETCH(Get, get);
  QFETCH(Set, set);
  QFETCH(int, before);
  QFETCH(int, beforeRow);
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  RadioData &d = f.S().data;
  // Every list that another one enables is enabled.
  for (ChannelGroupSetup &g : d.ChannelGroups)
    g.Enable = true;
  d.Common.Scan = true;
  d.DscBasic.PosRequest = {true, true, true, true};
  d.DscAdvanced.AllShipsCall = d.DscAdvanced.IndividualCall = {true, true, true, true};
  d.DscAdvanced.PositionReportCall = {true, true, true, true};
  set(d, before);
  f.S().state.DataChanged = false;
  f.Show(node, page);

  auto *box = f.Widget<QComboBox>(name);
  auto *check = f.Widget<QCheckBox>(name);
  QVERIFY(box || check);
  QCOMPARE(box ? box->currentIndex() : int(check->isChecked()), beforeRow);
  QVERIFY(!f.S().state.DataChanged);
  if (box) {
    f.Choose(box, choice);
    QCOMPARE(f.StatusHint(), QStringLiteral("[Up]/[Down]:Change of a Selection item."));
  } else {
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(f.StatusHint(), QStringLiteral("[Space]:An effective and invalid change."));
  }
  QCOMPARE(get(d), stored);
  QVERIFY(f.S().state.DataChanged);

  // Showing the panel again shows the stored value and is not a change.
  f.S().state.DataChanged = false;
  f.Show(node, page);
  QCOMPARE(box ? box->currentIndex() : int(check->isChecked()), box ? choice : stored);
  QCOMPARE(get(d), stored);
  QVERIFY(!f.S().state.DataChanged);
}

void SetupPanelsTest::groupSwitchRules() {
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  RadioData &d = f.S().data;
  for (ChannelGroupSetup &g : d.ChannelGroups)
    g.Enable = true;
  d.ChannelGroups[3].ExpChGroup = {true, true, true};
  f.Window().RebuildTreeKeepingSelection();
  f.S().state.DataChanged = false;
  f.Show(QStringLiteral("Usable"));
  QTreeWidget &tree = f.Window().tree();
  const auto node = [&](const char *key) { return ui::FindNodeByKey(tree, QLatin1String(key)); };
  QVERIFY(node("PI") && node("ExpChannel"));
  const auto widget = [&](const char *name, int k) {
    return f.Widget<QWidget>(ui::Indexed(name, k));
  };
  auto *group2 = f.Widget<QCheckBox>(QStringLiteral("chkUsable_1"));
  auto *exp2 = f.Widget<QCheckBox>(QStringLiteral("chkEXP_1"));

  group2->click();
  QVERIFY(!d.ChannelGroups[1].Enable);
  QVERIFY(!widget("txtUsable", 1)->isEnabled());
  QVERIFY(!widget("cmbUsablePri", 1)->isEnabled());
  QVERIFY(widget("txtUsable", 0)->isEnabled());
  QVERIFY(!exp2->isChecked());
  QCOMPARE(d.ChannelGroups[3].ExpChGroup, (std::array<bool, 3>{true, false, true}));
  QVERIFY(!node("PI") && node("PU"));
  QCOMPARE(f.SelectedKey(), QStringLiteral("Usable"));
  QCOMPARE(f.Window().screens().ActivePanel()->objectName(), QStringLiteral("fraUsable"));
  QVERIFY(f.S().state.DataChanged);

  // The expansion group off disables its three boxes and keeps their values.
  f.Widget<QCheckBox>(QStringLiteral("chkUsable_3"))->click();
  for (int k = 0; k < 3; ++k)
    QVERIFY(!widget("chkEXP", k)->isEnabled());
  QVERIFY(!widget("txtUsable", 3)->isEnabled());
  QCOMPARE(d.ChannelGroups[3].ExpChGroup, (std::array<bool, 3>{true, false, true}));
  QVERIFY(!node("ExpChannel"));

  group2->click();
  QVERIFY(d.ChannelGroups[1].Enable && widget("cmbUsablePri", 1)->isEnabled());
  QVERIFY(node("PI"));
  QVERIFY(!d.ChannelGroups[3].ExpChGroup[1]);

  // While busy a click changes nothing.
  f.S().state.Busy = true;
  f.Widget<QCheckBox>(QStringLiteral("chkUsable_0"))->click();
  f.S().state.Busy = false;
  QVERIFY(d.ChannelGroups[0].Enable);
  QVERIFY(node("PU"));
}

void SetupPanelsTest::priorityLists() {
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  RadioData &d = f.S().data;
  d.ChannelGroups[0].Enable = d.ChannelGroups[2].Enable = true;
  for (ChannelRecord &r : d.CHUSA)
    r.Enable = false;
  for (ChannelRecord &r : d.CHCAN)
    r.Enable = false;
  Place(d.CHUSA[3], 32, true);
  Place(d.CHUSA[7], 1, true);
  Place(d.CHUSA[9], 240, true);
  d.ChannelGroups[0].PriorityCh = 99;
  f.Show(QStringLiteral("Usable"));
  auto *usa = f.Widget<QComboBox>(QStringLiteral("cmbUsablePri_0"));
  QCOMPARE(Texts(usa), (QStringList{"16", "00A"}));
  QCOMPARE(usa->itemData(0).toInt(), 32);
  QCOMPARE(usa->itemData(1).toInt(), 1);
  QCOMPARE(usa->currentIndex(), -1);
  QCOMPARE(f.Widget<QComboBox>(QStringLiteral("cmbUsablePri_2"))->count(), 0);

  f.Choose(usa, 1);
  QCOMPARE(d.ChannelGroups[0].PriorityCh, 1);
  // Rebuilt on the next show: channel 1 is gone, the stored value stays.
  d.CHUSA[7].Enable = false;
  f.Show(QStringLiteral("Usable"));
  QCOMPARE(Texts(usa), QStringList{"16"});
  QCOMPARE(usa->currentIndex(), -1);
  QCOMPARE(d.ChannelGroups[0].PriorityCh, 1);
}

void SetupPanelsTest::statusName_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<bool>("enter");
  QTest::addColumn<QString>("stored");
  QTest::addColumn<QString>("nodeText");
  QTest::addColumn<QString>("caption");
  QTest::newRow("six characters, left") << "ABCDEF" << false << false << "ABCD"
                                        << "Group1(ABCD)"
                                        << "Group1[ABCD]";
  QTest::newRow("short, Enter") << "a b" << false << true << "a b"
                                << "Group1(a b)"
                                << "Group1[a b]";
  QTest::newRow("blank, Enter") << "   " << false << true << ""
                                << "Group1"
                                << "Group1";
  QTest::newRow("pasted, filtered") << "U,S_C" << true << false << "USC"
                                    << "Group1(USC)"
                                    << "Group1[USC]";
}

void SetupPanelsTest::statusName() {
  QFETCH(QString, typed);
  QFETCH(bool, paste);
  QFETCH(bool, enter);
  QFETCH(QString, stored);
  QFETCH(QString, nodeText);
  QFETCH(QString, caption);
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  RadioData &d = f.S().data;
  d.ChannelGroups[0].Enable = true;
  d.ChannelGroups[0].StatusName = "";
  f.Window().RebuildTreeKeepingSelection();
  f.S().state.DataChanged = false;
  f.Show(QStringLiteral("Usable"));
  auto *edit = f.Widget<QLineEdit>(QStringLiteral("txtUsable_0"));
  if (paste)
    f.Paste(edit, typed);
  else
    f.Type(edit, typed);
  QCOMPARE(f.StatusHint(), QStringLiteral("max 4 charactors."));
  QVERIFY(f.S().state.DataChanged);
  QCOMPARE(d.ChannelGroups[0].StatusName, std::string()); // not before the commit
  if (enter)
    QTest::keyClick(edit, Qt::Key_Return);
  else
    f.Leave();
  QCOMPARE(QString::fromStdString(d.ChannelGroups[0].StatusName), stored);
  QCOMPARE(edit->text(), stored);
  QCOMPARE(ui::FindNodeByKey(f.Window().tree(), QStringLiteral("PU"))->text(0), nodeText);
  QCOMPARE(f.Widget<QCheckBox>(QStringLiteral("chkEXP_0"))->text(), caption);
  QVERIFY(f.host.messages.empty());

  f.Show(QStringLiteral("DSC"), 0);
  QCOMPARE(f.Widget<QLabel>(QStringLiteral("lblUsableDsc_0"))->text(), "[" + stored + "]");
  f.Show(QStringLiteral("ATIS"));
  QCOMPARE(f.Widget<QCheckBox>(QStringLiteral("chkATISKiller_0"))->text(), caption);
}

void SetupPanelsTest::enablingRules() {
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  RadioData &d = f.S().data;
  d.Common.Scan = false;
  d.Common.TxPoDisplay = 2;
  f.Show(QStringLiteral("Common"));
  const QStringList scanGroup{"lblCommonResume", "cmbCommonResume", "lblCommonPTTSCAN",
                              "cmbCommonPTTSCAN"};
  for (const QString &name : scanGroup)
    QVERIFY2(!f.Widget<QWidget>(name)->isEnabled(), qPrintable(name));
  f.Choose(f.Widget<QComboBox>(QStringLiteral("cmbCommonScan")), 1);
  QVERIFY(d.Common.Scan);
  for (const QString &name : scanGroup)
    QVERIFY2(f.Widget<QWidget>(name)->isEnabled(), qPrintable(name));
  // An index beyond the list leaves the list as it was.
  d.Common.TxPoDisplay = 5;
  f.Show(QStringLiteral("Common"));
  QCOMPARE(f.Widget<QComboBox>(QStringLiteral("cmbCommonTXPo"))->currentIndex(), 2);
  QCOMPARE(d.Common.TxPoDisplay, 5);

  d.DscAdvanced.GroupCall[1] = true;
  d.DscBasic.PosRequest[2] = false;
  f.Show(QStringLiteral("DSC"), 0);
  QVERIFY(!f.Widget<QWidget>(QStringLiteral("cmbUsableDscPosRequestTX_2"))->isEnabled());
  auto *tabs = f.Widget<QTabWidget>(QStringLiteral("tabDsc"));
  tabs->setCurrentIndex(1);
  QVERIFY(!tabs->widget(0)->isEnabled() && tabs->widget(1)->isEnabled());
  auto *tx = f.Widget<QWidget>(QStringLiteral("cmbUsableDscGroupCallTX_1"));
  QVERIFY(tx->isEnabled());
  f.Choose(f.Widget<QComboBox>(QStringLiteral("cmbUsableDscGroupCall_1")), 0);
  QVERIFY(!d.DscAdvanced.GroupCall[1]);
  QVERIFY(!tx->isEnabled());

  const auto atisEnabled = [&] {
    QString flags;
    for (const char *name : {"chkATISChGroup", "chkATISKiller"})
      for (int k = 0; k < 4; ++k)
        flags += f.Widget<QWidget>(ui::Indexed(name, k))->isEnabled() ? '1' : '0';
    for (const char *name : {"txtATIScode", "lblATISCode"})
      flags += f.Widget<QWidget>(QLatin1String(name))->isEnabled() ? '1' : '0';
    return flags;
  };
  for (int k = 0; k < 4; ++k)
    d.ChannelGroups[static_cast<std::size_t>(k)].Enable = k == 0 || k == 2;
  f.Show(QStringLiteral("ATIS"));
  QCOMPARE(atisEnabled(), QStringLiteral("1010101011"));
  d.ChannelGroups[0].Enable = d.ChannelGroups[2].Enable = false;
  f.Show(QStringLiteral("ATIS"));
  QCOMPARE(atisEnabled(), QStringLiteral("0000000000"));
}

void SetupPanelsTest::digitFields_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("title"); // of the refusal; empty when accepted
  QTest::addColumn<QString>("stored");
  const QString mmsi = QStringLiteral("txtUserMMSI");
  const QString atis = QStringLiteral("txtATIScode");
  QTest::newRow("MMSI 8 digits") << mmsi << "12345678" << false << "User MMSI"
                                 << "3660000010";
  QTest::newRow("MMSI 9 digits") << mmsi << "211234567" << false << ""
                                 << "2112345670";
  QTest::newRow("MMSI empty") << mmsi << "" << false << ""
                              << "";
  QTest::newRow("MMSI pasted") << mmsi << "211234567" << true << ""
                               << "2112345670";
  QTest::newRow("ATIS 9 digits") << atis << "123456789" << false << "ATISNo"
                                 << "9876543210";
  QTest::newRow("ATIS 10 digits") << atis << "0123456789" << false << ""
                                  << "0123456789";
}

void SetupPanelsTest::digitFields() {
  QFETCH(QString, name);
  QFETCH(QString, typed);
  QFETCH(bool, paste);
  QFETCH(QString, title);
  QFETCH(QString, stored);
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  RadioData &d = f.S().data;
  d.ChannelGroups[0].Enable = true;
  d.DscBasic.UserMmsi = "3660000010";
  d.Atis.AtisCode = "9876543210";
  const bool isMmsi = name == QLatin1String("txtUserMMSI");
  f.Show(isMmsi ? QStringLiteral("DSC") : QStringLiteral("ATIS"), isMmsi ? 0 : -1);
  auto *edit = f.Widget<QLineEdit>(name);
  QCOMPARE(edit->text(), isMmsi ? QStringLiteral("366000001") : QStringLiteral("9876543210"));
  f.S().state.DataChanged = false;
  edit->setFocus(Qt::TabFocusReason);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  if (paste)
    f.Paste(edit, typed);
  else
    f.Type(edit, typed);
  QCOMPARE(f.StatusHint(), isMmsi ? QStringLiteral("Numeric Only. Indispensable 9 figures.")
                                  : QStringLiteral("Numeric Only. Indispensable 10 figures."));
  QVERIFY(f.S().state.DataChanged);
  f.Leave();
  const std::string &field = isMmsi ? d.DscBasic.UserMmsi : d.Atis.AtisCode;
  QCOMPARE(QString::fromStdString(field), stored);
  if (title.isEmpty()) {
    QVERIFY(f.host.messages.empty());
    return;
  }
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].text, std::string("Data Error!!"));
  QCOMPARE(QString::fromStdString(f.host.messages[0].title), title);
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit));
  QCOMPARE(edit->text(), typed);
}

void SetupPanelsTest::pendingUserMmsiRefusesCommands() {
  PanelFixture f;
  QVERIFY(f.Start() && f.Activate());
  f.S().data.DscBasic.UserMmsi = "";
  f.Show(QStringLiteral("DSC"), 0);
  auto *edit = f.Widget<QLineEdit>(QStringLiteral("txtUserMMSI"));
  f.Type(edit, QStringLiteral("12345678"));
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("never.dat")));
  f.Action("mnuFileSaveAs")->trigger();
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Data Error!!"});
  QCOMPARE(f.host.messages[0].title, std::string("User MMSI"));
  QVERIFY(f.dialogs.asked.isEmpty());
  QVERIFY(!QFile::exists(f.folder.File(QStringLiteral("never.dat"))));
  QVERIFY(f.S().data.DscBasic.UserMmsi.empty());

  // Another page is not shown while the refused number waits.
  auto *tabs = f.Widget<QTabWidget>(QStringLiteral("tabDsc"));
  tabs->setCurrentIndex(1);
  QCOMPARE(tabs->currentIndex(), 0);
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit));

  QTest::keyClick(edit, Qt::Key_9);
  QVERIFY(f.Window().CommitActiveEdit());
  QCOMPARE(f.S().data.DscBasic.UserMmsi, std::string("1234567890"));
}

void SetupPanelsTest::clearButtons_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("question");
  QTest::addColumn<QList<QPoint>>("areas"); // inclusive byte ranges the clear fills
  const QString after = QStringLiteral("\r\nDo you want to continue?");
  const auto row = [&](const char *name, const char *button, const char *what,
                       QList<QPoint> areas) {
    QTest::newRow(name) << QString::fromLatin1(button)
                        << (std::string(button) == "cmdFClear" ? 0 : 2)
                        << QString::fromLatin1(what) + after << areas;
  };
  row("MMSI", "cmdFClear", "The User MMSI and its setting count in the radio will be erased.",
      {{416, 421}});
  row("individual", "cmdFclearLog_0", "The individual directory in the radio will be erased.",
      {{18176, 19455}});
  row("group", "cmdFclearLog_1", "The group directory in the radio will be erased.",
      {{20224, 20735}});
  row("waypoint", "cmdFclearLog_2", "The waypoint directory in the radio will be erased.",
      {{20736, 24191}});
  row("distress", "cmdFclearLog_3", "The distress log in the radio will be erased.",
      {{30976, 32703}});
  row("DSC TX", "cmdFclearLog_4", "The DSC TX log in the radio will be erased.", {{25344, 26879}});
  row("DSC", "cmdFclearLog_5", "The DSC log in the radio will be erased.", {{26880, 30975}});
  row("all", "cmdFclearLog_6",
      "The DSC log, the distress log, the DSC TX log and the individual, group and waypoint "
      "directories in the radio will be erased.",
      {{18176, 19455}, {20224, 24191}, {25344, 32703}});
}

void SetupPanelsTest::clearButtons() {
  QFETCH(QString, button);
  QFETCH(int, page);
  QFETCH(QString, question);
  QFETCH(QList<QPoint>, areas);
  PanelFixture f;
  QVERIFY(f.StartWithRadio());
  MemoryImage &radio = f.radio->Engine().Memory();
  // Recognisable bytes over every area a clear may touch, and around them.
  std::fill(radio.begin() + 400, radio.begin() + 430, 0x55);
  std::fill(radio.begin() + 18000, radio.begin() + 32760, 0x55);
  const MemoryImage before = radio;
  f.S().data.Image[layout::kUserMmsiCount] = 7;
  f.S().data.DscBasic.UserMmsi = "2111111110";
  f.S().state.DataChanged = false;
  f.Show(QStringLiteral("DSC"), page);
  auto *count = f.Widget<QLineEdit>(QStringLiteral("txtFCount"));
  QCOMPARE(count->text(), QStringLiteral("7"));
  auto *clear = f.Widget<QPushButton>(button);
  clear->setFocus(Qt::TabFocusReason);
  QCOMPARE(f.StatusHint(), button == QLatin1String("cmdFClear")
                               ? QStringLiteral("A Click Inicializes the number of User MMSI "
                                                "setting permission")
                               : QStringLiteral("A Click Inicializes the log"));

  // Cancel, the default answer, erases nothing.
  clear->click();
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].title, std::string("Clear Data"));
  QCOMPARE(QString::fromStdString(f.host.messages[0].text), question);
  QCOMPARE(f.host.messages[0].buttons, Buttons::OkCancel);
  QCOMPARE(f.host.messages[0].icon, Icon::Critical);
  QVERIFY(radio == before);
  QCOMPARE(f.radio->Engine().Counters().bytesFromPc, std::uint64_t(0));
  QVERIFY(!f.S().state.DataChanged);

  f.host.answers.push_back(Answer::Ok);
  f.ClickAndTransfer(clear);
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  // Clearing all writes whole blocks from the first directory on, except the
  // gap after it and the last block.
  const bool all = areas.size() > 1;
  const auto writtenByAll = [](int a) {
    return a >= 18176 && a < kImageSize - 64 && !(a >= 19456 && a < 20224);
  };
  for (int a = 0; a < kImageSize; ++a) {
    std::uint8_t expected = all && writtenByAll(a) ? f.S().data.Image[static_cast<std::size_t>(a)]
                                                   : before[static_cast<std::size_t>(a)];
    for (const QPoint &area : areas) {
      if (a >= area.x() && a <= area.y())
        expected = (a >= 20736 && a <= 20835) || a == layout::kUserMmsiCount ? 0 : 0xFF;
    }
    QVERIFY2(radio[static_cast<std::size_t>(a)] == expected, qPrintable(QString::number(a)));
  }
  QVERIFY(f.S().state.DataChanged);
  QCOMPARE(f.SelectedKey(), QStringLiteral("DSC"));
  QCOMPARE(f.Window().screens().ActivePanel()->objectName(), QStringLiteral("fraDsc"));
  const bool mmsi = button == QLatin1String("cmdFClear");
  QCOMPARE(count->text(), mmsi ? QStringLiteral("0") : QStringLiteral("7"));
  QCOMPARE(f.Widget<QLineEdit>(QStringLiteral("txtUserMMSI"))->text(),
           mmsi ? QString() : QStringLiteral("211111111"));
}

void SetupPanelsTest::editsReachTheRadio() {
  const QString path = [] {
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("edited.dat"));
  }();
  {
    PanelFixture f;
    QVERIFY(f.Start() && f.Activate());
    f.S().data.ChannelGroups[0].Enable = true;
    f.S().data.Atis.UsableAtisChGroup[0] = false;
    f.Show(QStringLiteral("Usable"));
    f.Type(f.Widget<QLineEdit>(QStringLiteral("txtUsable_0")), QStringLiteral("ABCD"));
    f.Leave();
    f.Show(QStringLiteral("Common"));
    f.Choose(f.Widget<QComboBox>(QStringLiteral("cmbCommonWeater")), 3);
    f.Choose(f.Widget<QComboBox>(QStringLiteral("cmbCommonOffset")), 30);
    f.Show(QStringLiteral("DSC"), 0);
    auto *mmsi = f.Widget<QLineEdit>(QStringLiteral("txtUserMMSI"));
    mmsi->setFocus(Qt::TabFocusReason);
    mmsi->selectAll();
    f.Type(mmsi, QStringLiteral("211234567"));
    f.Leave();
    f.Show(QStringLiteral("ATIS"));
    f.Widget<QCheckBox>(QStringLiteral("chkATISChGroup_0"))->click();
    auto *code = f.Widget<QLineEdit>(QStringLiteral("txtATIScode"));
    code->setFocus(Qt::TabFocusReason);
    code->selectAll();
    f.Type(code, QStringLiteral("0123456789"));
    f.dialogs.saveAnswers.push_back(path);
    f.Action("mnuFileSaveAs")->trigger();
    QVERIFY(f.host.messages.empty());
    QVERIFY(QFile::exists(path));
  }
  PanelFixture f;
  QVERIFY(f.StartWithRadio());
  f.dialogs.openAnswers.push_back(path);
  f.Action("mnuFileOpen")->trigger();
  const RadioData &d = f.S().data;
  QCOMPARE(d.ChannelGroups[0].StatusName, std::string("ABCD"));
  QCOMPARE(d.Common.Weater, 3);
  QCOMPARE(d.Common.OffsetTime, 6);
  QCOMPARE(d.DscBasic.UserMmsi, std::string("2112345670"));
  QCOMPARE(d.Atis.AtisCode, std::string("0123456789"));
  QVERIFY(d.Atis.UsableAtisChGroup[0]);

  QTimer::singleShot(0, [&] {
    f.Window()
        .findChild<QDialog *>(QStringLiteral("frmRadio"))
        ->findChild<QPushButton *>(QStringLiteral("cmdOK"))
        ->click();
  });
  f.Action("mnuTransferProgram")->trigger();
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  const MemoryImage &radio = f.radio->Engine().Memory();
  using namespace layout;
  QCOMPARE(radio[kWeater], 3);
  QCOMPARE(radio[kTimeByte] & 0x3F, 32 + 6);
  QCOMPARE(NameFieldRead(radio, GroupStatusName(0), kStatusNameLength), std::string("ABCD"));
  const std::uint8_t userMmsi[] = {0x21, 0x12, 0x34, 0x56, 0x70};
  const std::uint8_t atisCode[] = {0x01, 0x23, 0x45, 0x67, 0x89};
  for (int i = 0; i < kBcdLength; ++i) {
    QCOMPARE(radio[kUserMmsi + i], userMmsi[i]);
    QCOMPARE(radio[kAtisCode + i], atisCode[i]);
  }
  QCOMPARE(radio[kAtisFlag], 1);
  QCOMPARE(radio[GroupAtis(0)], 1);
}

QTEST_MAIN(SetupPanelsTest)
#include "tst_setup_panels.moc"
