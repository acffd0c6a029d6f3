// The channel screens through the real widgets: the channel panel of plan and
// expansion channels, the group and expansion grids and the weather panel.

#include "sim_radio.h"

#include "image/encode.h"
#include "image/layout.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

// Every channel group in the tree, the window active so that focus moves.
bool StartOnChannels(WindowFixture &f) {
  if (!f.Start())
    return false;
  for (auto &group : f.S().data.ChannelGroups)
    group.Enable = true;
  f.Window().Refresh();
  return f.Activate();
}

template <class T = QWidget> T *W(WindowFixture &f, const char *name) {
  return f.Widget<T>(QLatin1String(name));
}

QString SelectedKey(WindowFixture &f) { return ui::NodeKey(f.Window().tree().currentItem()); }

// Clicks the box of a check box or option button, as the mouse does.
void Click(WindowFixture &f, const char *name) {
  auto *button = W<QAbstractButton>(f, name);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Selects the field's text with the keyboard and types over it.
void Retype(WindowFixture &f, const char *name, const QString &text) {
  auto *edit = W<QLineEdit>(f, name);
  edit->setFocus(Qt::TabFocusReason);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

// An enabled expansion channel that may transmit.
ChannelRecord ExpChannel(const std::string &left, double rx, double tx = 0.0) {
  ChannelRecord r;
  r.Enable = r.TxEnable = true;
  r.CHDisplayL = left;
  r.Rxfreq = rx;
  r.Txfreq = tx;
  return r;
}

// The texts of line edits, or of a grid row, as "a|b|...".
QString Texts(WindowFixture &f, std::initializer_list<const char *> names) {
  QStringList texts;
  for (const char *name : names)
    texts << W<QLineEdit>(f, name)->text();
  return texts.join(QLatin1Char('|'));
}
QString Row(const QAbstractItemView *grid, int row) {
  const QAbstractItemModel &m = *grid->model();
  QStringList cells;
  for (int c = 0; c < m.columnCount(); ++c)
    cells << m.index(row, c).data().toString();
  return cells.join(QLatin1Char('|'));
}

// Which of the named widgets are enabled, as a string of 0 and 1.
QString Enabled(WindowFixture &f, std::initializer_list<const char *> names) {
  QString flags;
  for (const char *name : names)
    flags += W(f, name)->isEnabled() ? '1' : '0';
  return flags;
}

} // namespace

class ChannelPanelTest : public QObject {
  Q_OBJECT
private slots:
  // Plan channels show their display and frequencies locked, without the
  // controls of expansion channels.
  void planChannels() {
    WindowFixture f;
    QVERIFY(StartOnChannels(f));
    const auto fields = {"txtChDisp_0", "txtChDisp_1", "txtRxFreq", "txtTxFreq"};
    for (const auto &[key, shown] :
         {std::pair{"PI 11", "05|A|156.250|156.250"}, {"PU 140", "70||156.525|---.---"}}) {
      f.ShowNode(QLatin1String(key));
      QCOMPARE(Texts(f, fields), QLatin1String(shown));
      for (const char *name : fields)
        QVERIFY2(W<QLineEdit>(f, name)->isReadOnly(), name);
    }
    QVERIFY(W(f, "chkTxEnable")->isVisible() && W(f, "chkDuplex")->isVisible());
    for (const char *name : {"cmbScrambler", "lblScrambler", "optNarrow", "cmbCtcss_0", "chkComp"})
      QVERIFY2(!W(f, name)->isVisible(), name);

    // Clicks: the cascade, the node mark and the duplex frequency.
    RadioData &d = f.S().data;
    d.CHUSA[40].LowPower = d.CHUSA[11].Enable = true;
    f.Window().Refresh();
    f.ShowNode(QStringLiteral("PU 40"));
    const auto power = [&] { return Enabled(f, {"chkLowPower", "chkPowerUp"}); };
    QCOMPARE(power(), QStringLiteral("11"));
    Click(f, "chkTxEnable");
    QVERIFY(!d.CHUSA[40].TxEnable);
    QCOMPARE(power(), QStringLiteral("00"));
    Click(f, "chkTxEnable");
    QCOMPARE(power(), QStringLiteral("11"));
    Click(f, "chkLowPower");
    QVERIFY(!d.CHUSA[40].LowPower);
    QCOMPARE(power(), QStringLiteral("10"));
    QCOMPARE(W(f, "linPowerUp")->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));

    f.ShowNode(QStringLiteral("PU 11"));
    QTreeWidgetItem *node = ui::FindNodeByKey(f.Window().tree(), QStringLiteral("PU 11"));
    QCOMPARE(node->text(0), QStringLiteral("CH05A[Enable]"));
    Click(f, "chkChEnable");
    QVERIFY(!d.CHUSA[11].Enable);
    QCOMPARE(node->text(0), QStringLiteral("CH05A"));
    QCOMPARE(Enabled(f, {"txtChName", "chkTxEnable", "chkLowPower"}), QStringLiteral("000"));
    Click(f, "chkChEnable");
    QVERIFY(d.CHUSA[11].Enable && W(f, "txtChName")->isEnabled());
    QCOMPARE(node->text(0), QStringLiteral("CH05A[Enable]"));
    QCOMPARE(QApplication::focusWidget(), W(f, "chkChEnable"));

    f.ShowNode(QStringLiteral("PU 48"));
    Click(f, "chkDuplex");
    QVERIFY(!d.CHUSA[48].Duplex);
    QCOMPARE(W<QLineEdit>(f, "txtRxFreq")->text(), QStringLiteral("157.200"));
    Click(f, "chkDuplex");
    QCOMPARE(W<QLineEdit>(f, "txtRxFreq")->text(), QStringLiteral("161.800"));
  }

  // An expansion channel shows its record, editable; each control stores the
  // choice, but the tone choosers and Comp only show what they hold.
  void expansionChannelControls() {
    WindowFixture f;
    QVERIFY(StartOnChannels(f));
    f.S().model.ScrambleCapable = true;
    RadioData &d = f.S().data;
    ChannelRecord &r = d.CHEXP[5] = ExpChannel("7b", 156.05, 160.6);
    r.CHDisplayR = "A";
    r.ChTag = "PILOT";
    r.Narrow = r.LowPower = true;
    f.ShowNode(QStringLiteral("E 5"));
    QCOMPARE(Texts(f, {"txtChDisp_0", "txtChDisp_1", "txtRxFreq", "txtTxFreq", "txtChName"}),
             QStringLiteral("7b|A|156.0500|160.6000|PILOT"));
    QVERIFY(W<QRadioButton>(f, "optNarrow")->isChecked());
    QVERIFY(!W<QLineEdit>(f, "txtRxFreq")->isReadOnly());
    QVERIFY(!W(f, "chkTxEnable")->isVisible() && !W(f, "chkDuplex")->isVisible());
    const auto changes = [&](const std::function<void()> &act) {
      f.S().state.DataChanged = false;
      act();
      return f.S().state.DataChanged;
    };
    QVERIFY(changes([&] { Click(f, "chkPowerUp"); }) && r.PowUp);
    QVERIFY(changes([&] { Click(f, "optWide"); }) && !r.Narrow);

    // Tones and Comp are kept by neither the radio nor the settings file: they
    // show what a CSV import brought, and cannot be changed.
    r.Dcs[1] = 3;
    r.Cmp = true;
    f.ShowNode(QStringLiteral("E 6"));
    f.ShowNode(QStringLiteral("E 5"));
    QCOMPARE(W<QComboBox>(f, "cmbDcs_1")->currentIndex(), 3);
    QVERIFY(W<QCheckBox>(f, "chkComp")->isChecked());
    for (const char *name : {"cmbCtcss_0", "cmbCtcss_1", "cmbDcs_0", "cmbDcs_1", "chkComp"}) {
      QVERIFY2(!W(f, name)->isEnabled(), name);
      QVERIFY2(W(f, name)->toolTip().contains(QLatin1String("neither programmed")), name);
      QCOMPARE(ui::HintFor(W(f, name)), W(f, name)->toolTip());
    }

    // Back to a plan channel: its own display, locked.
    f.ShowNode(QStringLiteral("PU 40"));
    QCOMPARE(W<QLineEdit>(f, "txtChDisp_0")->text(), QStringLiteral("20"));
    QVERIFY(W<QLineEdit>(f, "txtRxFreq")->isReadOnly());
    QVERIFY(changes([&] { WindowFixture::Choose(W<QComboBox>(f, "cmbScrambler"), 5); }));
    QCOMPARE(d.CHUSA[40].Scramble, 5);

    // An enabled channel needs a receive frequency and two display characters
    // before a command or a tree click may leave it.
    d.CHEXP[7] = ExpChannel("12", 156.05);
    f.ShowNode(QStringLiteral("E 7"));
    Retype(f, "txtChDisp_0", QStringLiteral("1"));
    const QString target = f.folder.File(QStringLiteral("out.dat"));
    f.dialogs.saveAnswers.push_back(target);
    f.Window().files().SaveAs();
    QVERIFY(!QFile::exists(target) && f.dialogs.asked.isEmpty());
    QCOMPARE(Said(f.host),
             QStringLiteral("!PC Program for TR4100/TR4300: Data Error!!\r\nPlease input correct "
                            "data."));
    f.ShowNode(QStringLiteral("General"));
    QCOMPARE(f.Window().screens().ActivePanel(), W(f, "fraChannel"));
    Retype(f, "txtChDisp_0", QStringLiteral("12"));
    Retype(f, "txtRxFreq", QString());
    QVERIFY(!f.Window().navigator().CommitActiveEdit());
    // A channel not enabled may stay incomplete.
    Click(f, "chkChEnable");
    QVERIFY(f.Window().navigator().CommitActiveEdit());
    f.Window().files().SaveAs();
    QVERIFY(QFile::exists(target));

    // What typing and pasting let into the fields, shown and stored at once.
    const ChannelRecord &e = d.CHEXP[2] = ExpChannel("", 0.0);
    f.ShowNode(QStringLiteral("E 2"));
    const auto enter = [&](const char *name, bool paste, const QString &input) {
      auto *edit = W<QLineEdit>(f, name);
      edit->clear();
      paste ? f.Paste(edit, input) : f.Type(edit, input);
      return edit->text() + " " + ui::ToQt(e.CHDisplayL + "|" + e.CHDisplayR + "|" + e.ChTag);
    };
    QCOMPARE(enter("txtChDisp_0", false, "Bb"), QStringLiteral("b b||"));
    QCOMPARE(enter("txtChDisp_1", false, "AC"), QStringLiteral("A b|A|"));
    QCOMPARE(enter("txtChName", true, QString::fromUtf8("Caf\xc3\xa9_1ABCDEFGHIJKLMN")),
             QStringLiteral("Caf1ABCDEFGHIJKL b|A|Caf1ABCDEFGHIJKL"));
  }

  // An expansion channel edited (a frequency out of the band refused on the
  // way), saved, opened again and programmed.
  void editedChannelSavedReadBackAndProgrammed() {
    WindowFixture f;
    QVERIFY(f.Start());
    sim::SimPort *radio = AttachSimulatedRadio(f);
    f.S().data.ChannelGroups[3].Enable = true;
    f.Window().Refresh();
    QVERIFY(f.Activate());
    ChannelRecord &r = f.S().data.CHEXP[5];
    ChannelRecord expected = r;
    f.ShowNode(QStringLiteral("E 5"));
    Click(f, "chkChEnable");
    Retype(f, "txtChDisp_0", QStringLiteral("72"));
    Retype(f, "txtChDisp_1", QStringLiteral("b"));
    const ChannelRecord before = r;
    Retype(f, "txtRxFreq", QStringLiteral("136.975"));
    f.Leave();
    QCOMPARE(Said(f.host),
             QStringLiteral("!Rx frequency: Data Error!!\r\nThe frequency must be between "
                            "137 and 174 MHz on the 25 kHz raster."));
    QTRY_COMPARE(QApplication::focusWidget(), W(f, "txtRxFreq"));
    QCOMPARE(W<QLineEdit>(f, "txtRxFreq")->text(), QStringLiteral("136.975"));
    QVERIFY(r == before);
    Retype(f, "txtRxFreq", QStringLiteral("156.050"));
    Retype(f, "txtTxFreq", QStringLiteral("160.6"));
    Retype(f, "txtChName", QStringLiteral("HARBOUR 1"));
    f.Leave();
    if (!W<QCheckBox>(f, "chkLowPower")->isChecked())
      Click(f, "chkLowPower");
    Click(f, "chkScanMemory");
    expected.Enable = expected.LowPower = true;
    expected.CHDisplayL = "72";
    expected.CHDisplayR = "b";
    expected.Rxfreq = 156.05;
    expected.Txfreq = 160.6;
    expected.ChTag = "HARBOUR 1";
    expected.ScanMemory = !expected.ScanMemory;
    QVERIFY(r == expected);

    const QString file = f.folder.File(QStringLiteral("exp.dat"));
    f.dialogs.saveAnswers.push_back(file);
    f.Window().files().SaveAs();
    QVERIFY(!f.S().state.DataChanged);
    r = ChannelRecord{};
    f.dialogs.openAnswers.push_back(file);
    f.Window().files().Open();
    QVERIFY(r == expected);
    QCOMPARE(Texts(f, {"txtChDisp_0", "txtRxFreq"}), QStringLiteral("72|156.0500"));

    QVERIFY(RunTransfer(f, [&f] { f.Action("Program")->trigger(); }));
    QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
    RadioData want = f.S().data;
    QVERIFY(!EncodeImage(want, 1));
    const MemoryImage &memory = radio->Engine().Memory();
    const auto same = [&](int first, int count) {
      return std::equal(&memory[first], &memory[first] + count, &want.Image[first]);
    };
    using namespace layout;
    QVERIFY(same(ExpRecord(4), kExpRecordStride) && same(kExpNames + 4 * kNameStride, kNameStride));
    QVERIFY(same(kExpEnable, 1) && same(kExpScan, 1));
  }

  // The group and expansion grids: rows at the edges and each kind of mark;
  // Enter shows a row's channel, typed labels move to their row.
  void grids() {
    WindowFixture f;
    QVERIFY(StartOnChannels(f));
    const std::tuple<const char *, int, int, const char *> rows[] = {
        {"PU", 51, 0, "01A|156.050|156.050|TX|---|--|---|---|VTS"},
        {"PU", 51, 50, "88A|157.425|157.425|TX|---|--|---|---|COMMERCIAL"},
        {"PC", 59, 19, "20|161.600|157.000|TX|LOW|--|DUP|---|PORT OPR"},
        {"PC", 59, 39, "70|156.525|---.---|--|---|--|---|---|DSC"},
    };
    auto *grid = W<QAbstractItemView>(f, "grdGroup");
    for (const auto &[node, count, row, cells] : rows) {
      f.ShowNode(QLatin1String(node));
      QCOMPARE(QStringLiteral("%1 %2 %3: ").arg(node).arg(grid->model()->rowCount()).arg(row) +
                   Row(grid, row),
               QStringLiteral("%1 %2 %3: %4").arg(node).arg(count).arg(row).arg(cells));
    }

    ChannelRecord &r = f.S().data.CHEXP[5] = ExpChannel("'5", 156.013); // shown snapped down
    r.PowUp = r.ScanMemory = true;
    r.CHDisplayR = "b";
    r.ChTag = "MARINA";
    f.S().data.CHEXP[64] = ChannelRecord{};
    f.ShowNode(QStringLiteral("ExpChannel"));
    auto *exp = W<QAbstractItemView>(f, "grdExp");
    QCOMPARE(exp->model()->rowCount(), 64);
    QCOMPARE(Row(exp, 4), QStringLiteral("5|[Enable]|'5b|156.0100|---.----|---|UP|MEM|MARINA"));
    QCOMPARE(Row(exp, 63), QStringLiteral("64|||---.----|---.----|---|--|---|"));

    const std::tuple<const char *, const char *, int, const char *> keys[] = {
        {"ExpChannel", "", 9, "E 10"},
        {"PU", "1670", 32, "PU 140"}, // the search starts again after a dead end
    };
    for (const auto &[node, typed, row, key] : keys) {
      f.ShowNode(QLatin1String(node));
      QAbstractItemView *g = *typed ? grid : exp;
      if (!*typed)
        g->setCurrentIndex(g->model()->index(row, 1));
      f.Type(g, QLatin1String(typed));
      QCOMPARE(g->currentIndex().row(), row);
      QTest::keyClick(g, Qt::Key_Return);
      QCOMPARE(SelectedKey(f), QLatin1String(key));
    }

    // The same screen for an empty bank: no row left over from another.
    for (ChannelRecord &c : f.S().data.CHINT)
      c.Enable = false;
    f.ShowNode(QStringLiteral("PI"));
    QCOMPARE(grid->model()->rowCount(), 0);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(SelectedKey(f), QStringLiteral("PI"));
  }

  // What a file stored shows as stored: filters act on what the user types, a
  // fill rewrites nothing. An expansion channel read with transmit off can be
  // set to transmit again through its power boxes.
  void storedTextsAndExpansionPower() {
    WindowFixture f;
    QVERIFY(StartOnChannels(f));
    RadioData &d = f.S().data;
    ChannelRecord &r = d.CHEXP[6] = ExpChannel("0B", 156.05);
    r.ChTag = "HARBOUR MASTER 12345"; // longer than the field
    r.TxEnable = r.LowPower = false;
    f.Window().edits().Loaded();
    f.ShowNode(QStringLiteral("E 6"));
    QCOMPARE(Texts(f, {"txtChDisp_0", "txtChName"}), QStringLiteral("0B|HARBOUR MASTER 12345"));
    auto *name = W<QLineEdit>(f, "txtChName");
    name->setFocus(Qt::TabFocusReason);
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, QStringLiteral("67"));
    QCOMPARE(r.ChTag + "|" + r.CHDisplayL, std::string("HARBOUR MASTER 1234|0B"));
    QVERIFY(f.Window().navigator().CommitActiveEdit()); // two display characters are there

    QVERIFY(W(f, "chkLowPower")->isEnabled() && !W(f, "chkPowerUp")->isEnabled());
    Click(f, "chkLowPower");
    QVERIFY(r.TxEnable && r.LowPower && W(f, "chkPowerUp")->isEnabled());
    QCOMPARE(f.Action("mnuEditUndo")->text(), QStringLiteral("&Undo Low Power Only"));
  }

  void weatherPanel() {
    KV508_START_WINDOW(f);
    ChannelBank &wx = f.S().data.CHWX;
    wx[4].Enable = wx[4].ScanMemory = false;
    wx[4].ChTag = "WX5";
    const ChannelBank before = wx;
    QVERIFY(f.Activate());
    f.ShowNode(QStringLiteral("PW"));
    const auto box = [&f](const char *name, int i) {
      return f.Widget<QCheckBox>(QStringLiteral("%1_%2").arg(name).arg(i));
    };
    const auto name = [&f](int i) {
      return f.Widget<QLineEdit>(QStringLiteral("txtWxName_%1").arg(i));
    };
    QCheckBox *enable = box("chkWxEnable", 4);
    QCheckBox *scan = box("chkWxScan", 4);
    QVERIFY(!enable->isChecked() && !scan->isEnabled() && !name(4)->isEnabled());
    QCOMPARE(name(4)->text(), QStringLiteral("WX5"));
    QVERIFY(!f.S().state.DataChanged && wx == before);

    enable->setFocus(Qt::TabFocusReason);
    QTest::keyClick(enable, Qt::Key_Space);
    QVERIFY(wx[4].Enable && f.S().state.DataChanged);
    QVERIFY(scan->isEnabled() && name(4)->isEnabled());
    scan->setFocus(Qt::TabFocusReason);
    QTest::keyClick(scan, Qt::Key_Space);
    QVERIFY(wx[4].ScanMemory);
    name(4)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(name(4), Qt::Key_End);
    QTest::keyClicks(name(4), QStringLiteral("X"));
    QCOMPARE(wx[4].ChTag, std::string("WX5X"));
    enable->setFocus(Qt::TabFocusReason);
    QTest::keyClick(enable, Qt::Key_Space);
    QVERIFY(!wx[4].Enable && !scan->isEnabled() && !name(4)->isEnabled());
    QVERIFY(wx[3] == before[3]); // only the row's own record changed

    // A damaged bank without its last records: their rows are off, nothing throws.
    wx.Reset(0, 2);
    f.ShowNode(QStringLiteral("General"));
    f.ShowNode(QStringLiteral("PW"));
    QVERIFY(box("chkWxEnable", 2)->isEnabled());
    QVERIFY(!box("chkWxEnable", 3)->isEnabled() && !name(9)->isEnabled());
  }
};

QTEST_MAIN(ChannelPanelTest)
#include "tst_channel_panel.moc"
