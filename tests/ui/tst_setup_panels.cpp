// The usable-group, common, DSC and ATIS panels driven by object name.

#include "sim_radio.h"

#include "image/fields.h"
#include "image/layout.h"
#include "ui/nav_tree.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

// A started, active window; optionally over the in-process simulated radio.
struct PanelFixture : WindowFixture {
  bool Up(bool withRadio = false) {
    if (!Start())
      return false;
    if (withRadio)
      radio = AttachSimulatedRadio(*this);
    return Activate();
  }
  // Shows a node afresh and, for the DSC screen, one of its pages.
  void Show(const char *node, int page = -1) {
    ShowNode(QStringLiteral("General"));
    ShowNode(QLatin1String(node));
    if (page >= 0)
      W<QTabWidget>("tabDsc")->setCurrentIndex(page);
  }
  template <class T = QWidget> T *W(const char *name) { return Widget<T>(QLatin1String(name)); }
  template <class T = QWidget> T *W(const char *name, int k) {
    return Widget<T>(ui::Indexed(name, k));
  }
  // Which of the widgets are enabled, as 0 and 1; count > 0 for indexed names.
  QString Enabled(std::initializer_list<const char *> names, int count = 0) {
    QString flags;
    for (const char *name : names)
      for (int k = 0; k < std::max(count, 1); ++k)
        flags += (count ? W(name, k) : W(name))->isEnabled() ? '1' : '0';
    return flags;
  }
  bool HasNode(const char *key) {
    return ui::FindNodeByKey(Window().tree(), QLatin1String(key)) != nullptr;
  }
  sim::SimPort *radio = nullptr;
};

} // namespace

class SetupPanelsTest : public QObject {
  Q_OBJECT
private slots:
  // Groups switched on and off: their fields, expansion boxes, tree nodes and
  // priority lists.
  void usableGroups() {
    PanelFixture f;
    QVERIFY(f.Up());
    RadioData &d = f.S().data;
    for (ChannelGroupSetup &g : d.ChannelGroups)
      g.Enable = true;
    d.ChannelGroups[3].ExpChGroup = {true, true, true};
    for (ChannelRecord &r : d.CHUSA)
      r.Enable = false;
    d.CHUSA[3].Position = 32;
    d.CHUSA[7].Position = 1;
    d.CHUSA[3].Enable = d.CHUSA[7].Enable = true;
    d.ChannelGroups[0].PriorityCh = 99; // no channel of the list
    f.Window().Refresh();
    f.Show("Usable");
    auto *usa = f.W<QComboBox>("cmbUsablePri_0");
    QCOMPARE(QStringLiteral("%1|%2|%3").arg(usa->count()).arg(usa->itemText(0), usa->itemText(1)),
             QStringLiteral("2|16|00A"));
    QCOMPARE(usa->currentIndex(), -1);
    f.Choose(usa, 1);
    QCOMPARE(d.ChannelGroups[0].PriorityCh, 1);

    // Group 2 off: its fields, its expansion box and its node go; the panel stays.
    f.S().state.DataChanged = false;
    f.W<QCheckBox>("chkUsable_1")->click();
    QVERIFY(!d.ChannelGroups[1].Enable && f.S().state.DataChanged);
    QCOMPARE(f.Enabled({"txtUsable", "cmbUsablePri"}, 4), QStringLiteral("10111011"));
    QCOMPARE(d.ChannelGroups[3].ExpChGroup, (std::array<bool, 3>{true, false, true}));
    QVERIFY(!f.HasNode("PI") && f.HasNode("PU"));
    QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("Usable"));
    // The expansion group off disables its three boxes and keeps their values.
    f.W<QCheckBox>("chkUsable_3")->click();
    QCOMPARE(f.Enabled({"chkEXP"}, 3) + f.Enabled({"txtUsable"}, 4), QStringLiteral("0001010"));
    QCOMPARE(d.ChannelGroups[3].ExpChGroup, (std::array<bool, 3>{true, false, true}));
    QVERIFY(!f.HasNode("ExpChannel"));
    f.W<QCheckBox>("chkUsable_1")->click();
    QVERIFY(d.ChannelGroups[1].Enable && f.W("cmbUsablePri", 1)->isEnabled() && f.HasNode("PI"));
    QVERIFY(!d.ChannelGroups[3].ExpChGroup[1]);
    // While busy a click changes nothing.
    f.S().state.Busy = true;
    f.W<QCheckBox>("chkUsable_0")->click();
    f.S().state.Busy = false;
    QVERIFY(d.ChannelGroups[0].Enable && f.HasNode("PU"));
  }

  void enablingRules() {
    PanelFixture f;
    QVERIFY(f.Up());
    RadioData &d = f.S().data;
    const auto scanGroup = [&] { return f.Enabled({"cmbCommonResume", "cmbCommonPTTSCAN"}); };
    d.Common.Scan = false;
    d.Common.TxPoDisplay = 2;
    f.Show("Common");
    QCOMPARE(scanGroup(), QStringLiteral("00"));
    f.Choose(f.W<QComboBox>("cmbCommonScan"), 1);
    QVERIFY(d.Common.Scan);
    QCOMPARE(scanGroup(), QStringLiteral("11"));
    // An index beyond the list leaves the list as it was.
    d.Common.TxPoDisplay = 5;
    f.Show("Common");
    QCOMPARE(f.W<QComboBox>("cmbCommonTXPo")->currentIndex(), 2);
    QCOMPARE(d.Common.TxPoDisplay, 5);

    d.DscAdvanced.GroupCall[1] = true;
    f.Show("DSC", 1);
    QVERIFY(f.W("cmbUsableDscGroupCallTX_1")->isEnabled());
    f.Choose(f.W<QComboBox>("cmbUsableDscGroupCall_1"), 0);
    QVERIFY(!d.DscAdvanced.GroupCall[1] && !f.W("cmbUsableDscGroupCallTX_1")->isEnabled());

    // ATIS: the boxes of the usable groups, the code while any group is usable.
    const auto atis = [&] {
      return f.Enabled({"chkATISChGroup", "chkATISKiller"}, 4) +
             f.Enabled({"txtATIScode", "lblATISCode"});
    };
    for (int k = 0; k < 4; ++k)
      d.ChannelGroups[static_cast<std::size_t>(k)].Enable = k == 0 || k == 2;
    f.Show("ATIS");
    QCOMPARE(atis(), QStringLiteral("1010101011"));
    d.ChannelGroups[0].Enable = d.ChannelGroups[2].Enable = false;
    f.Show("ATIS");
    QCOMPARE(atis(), QStringLiteral("0000000000"));
  }

  // Lists and names show what is stored: a status name with a comma, an
  // offset outside the list (the previous choice stays), and the expansion
  // group's priority list in the numbering the report shows.
  void storedValuesAsTheyAre() {
    PanelFixture f;
    QVERIFY(f.Up());
    RadioData &d = f.S().data;
    d.ChannelGroups[3].Enable = true;
    d.ChannelGroups[1].StatusName = "A,B";
    d.CHEXP[3].Enable = d.CHEXP[41].Enable = true;
    f.Window().Refresh();
    f.Show("Usable");
    QCOMPARE(f.W<QLineEdit>("txtUsable", 1)->text(), QStringLiteral("A,B"));
    auto *exp = f.W<QComboBox>("cmbUsablePri", 3);
    QCOMPARE(QStringLiteral("%1|%2|%3")
                 .arg(exp->count())
                 .arg(exp->itemText(0))
                 .arg(exp->itemData(0).toInt()),
             QStringLiteral("1|EXP3|242"));
    f.Choose(exp, 0);
    QCOMPARE(d.ChannelGroups[3].PriorityCh, 242);
    f.Leave();
    QCOMPARE(d.ChannelGroups[1].StatusName, std::string("A,B"));

    f.Show("Common");
    auto *offset = f.W<QComboBox>("cmbCommonOffset");
    f.Choose(offset, 30);
    d.Common.OffsetTime = 99;
    f.Show("Common");
    QCOMPARE(offset->currentIndex(), 30);
  }

  // Each clear button: the question, nothing erased on Cancel, and on OK the
  // bytes of its areas in the radio, everything else as it was.
  void clearButtons() {
    const std::tuple<const char *, const char *, std::vector<std::pair<int, int>>> rows[] = {
        {"cmdFClear", "The User MMSI and its setting count", {{416, 421}}},
        {"cmdFclearLog_0", "The individual directory", {{18176, 19455}}},
        {"cmdFclearLog_1", "The group directory", {{20224, 20735}}},
        {"cmdFclearLog_2", "The waypoint directory", {{20736, 24191}}},
        {"cmdFclearLog_3", "The distress log", {{30976, 32703}}},
        {"cmdFclearLog_4", "The DSC TX log", {{25344, 26879}}},
        {"cmdFclearLog_5", "The DSC log", {{26880, 30975}}},
        {"cmdFclearLog_6",
         "The DSC log, the distress log, the DSC TX log and the individual, group and waypoint "
         "directories",
         {{18176, 19455}, {20224, 24191}, {25344, 32703}}},
    };
    for (const auto &[button, what, areas] : rows) {
      const bool mmsi = button == std::string("cmdFClear");
      PanelFixture f;
      QVERIFY(f.Up(true));
      MemoryImage &radio = f.radio->Engine().Memory();
      // Recognisable bytes over every area a clear may touch, and around them.
      std::fill(radio.begin() + 400, radio.begin() + 430, 0x55);
      std::fill(radio.begin() + 18000, radio.begin() + 32760, 0x55);
      const MemoryImage before = radio;
      f.S().data.Image[layout::kUserMmsiCount] = 7;
      f.S().data.DscBasic.UserMmsi = "2111111110";
      f.S().state.DataChanged = false;
      f.Show("DSC", mmsi ? 0 : 2);
      auto *clear = f.W<QPushButton>(button);
      const auto shown = [&] {
        return f.W<QLineEdit>("txtFCount")->text() + "|" + f.W<QLineEdit>("txtUserMMSI")->text();
      };
      QCOMPARE(shown(), QStringLiteral("7|211111111"));

      // Cancel, the default answer, erases nothing.
      clear->click();
      QCOMPARE(Said(f.host), "Clear Data: " + QLatin1String(what) +
                                 " in the radio will be erased.\r\nDo you want to continue?");
      QVERIFY(f.host.messages[0].buttons == Buttons::OkCancel &&
              f.host.messages[0].icon == Icon::Critical);
      QVERIFY(radio == before && !f.S().state.DataChanged);

      f.host.answers.push_back(Answer::Ok);
      QVERIFY(RunTransfer(f, [clear] { clear->click(); }));
      QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
      // Clearing all writes whole blocks from the first directory on, except the
      // gap after it and the last block.
      const bool all = areas.size() > 1;
      for (int a = 0; a < kImageSize; ++a) {
        const auto at = static_cast<std::size_t>(a);
        const bool writtenByAll = a >= 18176 && a < kImageSize - 64 && !(a >= 19456 && a < 20224);
        std::uint8_t expected = all && writtenByAll ? f.S().data.Image[at] : before[at];
        for (const auto &[first, last] : areas) {
          if (a >= first && a <= last)
            expected = (a >= 20736 && a <= 20835) || a == layout::kUserMmsiCount ? 0 : 0xFF;
        }
        QVERIFY2(radio[at] == expected, qPrintable(QStringLiteral("%1 %2").arg(button).arg(a)));
      }
      QVERIFY(f.S().state.DataChanged);
      QCOMPARE(shown(), mmsi ? QStringLiteral("0|") : QStringLiteral("7|211111111"));
    }
  }

  // One user's edits on every panel, saved, opened again and programmed: the
  // bytes in the radio. On the way the status name is cut and filtered, and a
  // short User MMSI and ATIS code are refused.
  void editsReachTheRadio() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("edited.dat"));
    {
      PanelFixture f;
      QVERIFY(f.Up());
      RadioData &d = f.S().data;
      d.ChannelGroups[0].Enable = true;
      d.ChannelGroups[0].StatusName = "";
      d.Atis.UsableAtisChGroup[0] = false;
      f.Window().Refresh();
      f.S().state.DataChanged = false;
      f.Show("Usable");
      auto *status = f.W<QLineEdit>("txtUsable_0");
      const auto name = [&] {
        return ui::ToQt(d.ChannelGroups[0].StatusName) + "|" + status->text();
      };
      f.Paste(status, QStringLiteral("A,B_CDEF"));
      QVERIFY(f.S().state.DataChanged);
      QCOMPARE(name(), QStringLiteral("|ABCDEF")); // cut and stored on leaving
      f.Leave();
      QCOMPARE(name(), QStringLiteral("ABCD|ABCD"));
      QCOMPARE(ui::FindNodeByKey(f.Window().tree(), QStringLiteral("PU"))->text(0),
               QStringLiteral("Group1(ABCD)"));
      f.Show("Common");
      f.Choose(f.W<QComboBox>("cmbCommonWeater"), 3);
      f.Choose(f.W<QComboBox>("cmbCommonOffset"), 30);

      f.Show("DSC", 0);
      auto *mmsi = f.W<QLineEdit>("txtUserMMSI");
      const std::string mmsiBefore = d.DscBasic.UserMmsi;
      mmsi->setFocus(Qt::TabFocusReason);
      mmsi->selectAll();
      f.Paste(mmsi, QStringLiteral("21123456"));
      f.Leave();
      QCOMPARE(Said(f.host), QStringLiteral("!User MMSI: Data Error!!\r\nAn MMSI has 9 digits."));
      QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(mmsi));
      QCOMPARE(d.DscBasic.UserMmsi, mmsiBefore);
      // The other pages wait for the number.
      f.W<QTabWidget>("tabDsc")->setCurrentIndex(1);
      QCOMPARE(f.W<QTabWidget>("tabDsc")->currentIndex(), 0);
      QTest::keyClick(mmsi, Qt::Key_End);
      QTest::keyClick(mmsi, Qt::Key_7);
      f.Leave();
      f.W<QTabWidget>("tabDsc")->setCurrentIndex(3);
      f.Choose(f.W<QComboBox>("cmbDscDisplay_2"), 1);

      f.Show("ATIS");
      f.W<QCheckBox>("chkATISChGroup_0")->click();
      auto *code = f.W<QLineEdit>("txtATIScode");
      const std::string codeBefore = d.Atis.AtisCode;
      code->setFocus(Qt::TabFocusReason);
      code->selectAll();
      f.Type(code, QStringLiteral("123456789"));
      f.Leave();
      // The page change asked for the number again.
      const QString refused = QStringLiteral("!User MMSI: Data Error!!\r\nAn MMSI has 9 digits.\n");
      QCOMPARE(Said(f.host),
               refused + refused +
                   QStringLiteral("!ATISNo: Data Error!!\r\nAn ATIS code has 10 digits."));
      QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(code));
      QCOMPARE(code->text(), QStringLiteral("123456789"));
      QCOMPARE(d.Atis.AtisCode, codeBefore);
      QTest::keyClick(code, Qt::Key_Home);
      QTest::keyClick(code, Qt::Key_0);
      f.dialogs.saveAnswers.push_back(path);
      f.Action("mnuFileSaveAs")->trigger();
      QVERIFY(f.host.messages.size() == 3 && QFile::exists(path));
    }
    PanelFixture f;
    QVERIFY(f.Up(true));
    f.dialogs.openAnswers.push_back(path);
    f.Action("mnuFileOpen")->trigger();
    QVERIFY(RunTransfer(f, [&f] { f.Action("mnuTransferProgram")->trigger(); }));
    QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
    const MemoryImage &radio = f.radio->Engine().Memory();
    using namespace layout;
    QCOMPARE(radio[kWeater], 3);
    QCOMPARE(radio[kTimeByte] & 0x3F, 32 + 6);
    QCOMPARE(NameFieldRead(radio, GroupStatusName(0), kStatusNameLength), std::string("ABCD"));
    const auto bcd = [&](int at) { return std::vector<int>(&radio[at], &radio[at] + kBcdLength); };
    QCOMPARE(bcd(kUserMmsi), (std::vector<int>{0x21, 0x12, 0x34, 0x56, 0x70}));
    QCOMPARE(bcd(kAtisCode), (std::vector<int>{0x01, 0x23, 0x45, 0x67, 0x89}));
    QVERIFY(radio[kAtisFlag] == 1 && radio[GroupAtis(0)] == 1);
    QCOMPARE(radio[kDscMenuByte], 0xFF);
  }
};

QTEST_MAIN(SetupPanelsTest)
#include "tst_setup_panels.moc"
