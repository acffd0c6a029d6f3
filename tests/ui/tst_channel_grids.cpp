// The group grids, the expansion grid and the weather panel, driven by object
// name in a real main window.

#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/widget_props.h"
#include "ui_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

// Every channel group on, so the tree holds "PU", "PI", "PC" and "ExpChannel".
void EnableAllGroups(WindowFixture &f) {
  for (int g = 0; g < 4; ++g)
    f.S().data.ChannelGroups[g].Enable = true;
  f.Window().RebuildTreeKeepingSelection();
}

QStringList RowTexts(const QAbstractItemModel &model, int row) {
  QStringList cells;
  for (int c = 0; c < model.columnCount(); ++c)
    cells << model.index(row, c).data().toString();
  return cells;
}

QStringList HeaderTexts(const QAbstractItemModel &model) {
  QStringList headers;
  for (int c = 0; c < model.columnCount(); ++c)
    headers << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  return headers;
}

QString SelectedKey(WindowFixture &f) { return ui::NodeKey(f.Window().tree().currentItem()); }

// Key presses carrying any character, also those the test library's key
// table does not know.
void TypeText(QWidget *widget, const QString &text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

QStringList Cells(const char *texts) { return QString::fromLatin1(texts).split(QLatin1Char('|')); }

} // namespace

class ChannelGridsTest : public QObject {
  Q_OBJECT
private slots:
  void groupGridRows_data();
  void groupGridRows();
  void groupGridWithoutEnabledChannels();
  void expansionGrid();
  void jumpToChannel_data();
  void jumpToChannel();
  void typedLabelMovesToItsRow_data();
  void typedLabelMovesToItsRow();
  void weatherFill();
  void weatherUserChanges();
  void weatherNameFilter_data();
  void weatherNameFilter();
  void hintsAndHelpTopics_data();
  void hintsAndHelpTopics();
};

void ChannelGridsTest::groupGridRows_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<int>("rows");
  QTest::addColumn<int>("row");
  QTest::addColumn<QStringList>("cells");
  const auto row = [](const char *name, const char *node, int rows, int row, const char *cells) {
    QTest::newRow(name) << QString::fromLatin1(node) << rows << row << Cells(cells);
  };
  row("USA first", "PU", 51, 0, "01A|156.050|156.050|TX|---|--|---|---|VTS");
  row("USA low power", "PU", 51, 9, "13|156.650|156.650|TX|LOW|--|---|---|BRG/BRG");
  row("USA receive only", "PU", 51, 11, "15|156.750|---.---|--|---|--|---|---|COMMERCIAL");
  row("USA duplex", "PU", 51, 21, "24|161.800|157.200|TX|---|--|DUP|---|TELEPHONE");
  row("USA last", "PU", 51, 50, "88A|157.425|157.425|TX|---|--|---|---|COMMERCIAL");
  row("INTL first", "PI", 57, 0, "01|160.650|156.050|TX|---|--|DUP|---|TELEPHONE");
  row("INTL 13 not low", "PI", 57, 12, "13|156.650|156.650|TX|---|--|---|---|BRG/BRG");
  row("CANADA low duplex", "PC", 59, 19, "20|161.600|157.000|TX|LOW|--|DUP|---|PORT OPR");
  row("CANADA DSC", "PC", 59, 39, "70|156.525|---.---|--|---|--|---|---|DSC");
}

void ChannelGridsTest::groupGridRows() {
  QFETCH(QString, node);
  QFETCH(int, rows);
  QFETCH(int, row);
  QFETCH(QStringList, cells);
  KV508_START_WINDOW(f);
  EnableAllGroups(f);
  f.ShowNode(node);
  auto *grid = f.Widget<QAbstractItemView>(QStringLiteral("grdGroup"));
  QCOMPARE(f.Window().screens().ActivePanel(), grid->parentWidget());
  QCOMPARE(grid->model()->rowCount(), rows);
  QCOMPARE(RowTexts(*grid->model(), row), cells);
  QVERIFY(!f.S().state.DataChanged);
}

void ChannelGridsTest::groupGridWithoutEnabledChannels() {
  KV508_START_WINDOW(f);
  EnableAllGroups(f);
  f.ShowNode(QStringLiteral("PU"));
  for (ChannelRecord &r : f.S().data.CHINT)
    r.Enable = false;
  // The same screen for another bank: no row left over from the first.
  f.ShowNode(QStringLiteral("PI"));
  auto *grid = f.Widget<QAbstractItemView>(QStringLiteral("grdGroup"));
  QCOMPARE(grid->model()->rowCount(), 0);
  QCOMPARE(HeaderTexts(*grid->model()), Cells("CH|RX[MHz]|TX[MHz]|TX|LOW|UP|DUP|MEM|CH Name"));
  QTest::keyClick(grid, Qt::Key_Return);
  QCOMPARE(SelectedKey(f), QStringLiteral("PI"));
}

void ChannelGridsTest::expansionGrid() {
  KV508_START_WINDOW(f);
  EnableAllGroups(f);
  ChannelRecord &r = f.S().data.CHEXP[5];
  r.Enable = true;
  r.CHDisplayL = "'5";
  r.CHDisplayR = "b";
  r.Rxfreq = 156.013; // off the 5 kHz steps: shown snapped down
  r.Txfreq = 0;
  r.PowUp = r.ScanMemory = true;
  r.ChTag = "MARINA";
  f.S().data.CHEXP[64] = ChannelRecord{};
  f.ShowNode(QStringLiteral("ExpChannel"));
  auto *grid = f.Widget<QAbstractItemView>(QStringLiteral("grdExp"));
  QCOMPARE(grid->model()->rowCount(), 64);
  QCOMPARE(HeaderTexts(*grid->model()), Cells("CH|ENABLE|DISP|RX[MHz]|TX[MHz]|LOW|UP|MEM|CH Name"));
  QCOMPARE(RowTexts(*grid->model(), 4),
           Cells("5|[Enable]|'5b|156.0100|---.----|---|UP|MEM|MARINA"));
  QCOMPARE(RowTexts(*grid->model(), 63), Cells("64|||---.----|---.----|---|--|---|"));
  QVERIFY(!f.S().state.DataChanged);
}

void ChannelGridsTest::jumpToChannel_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<QString>("grid");
  QTest::addColumn<int>("row");
  QTest::addColumn<bool>("doubleClick");
  QTest::addColumn<QString>("key");
  QTest::newRow("USA enter") << "PU"
                             << "grdGroup" << 4 << false << "PU 16";
  QTest::newRow("INTL double-click") << "PI"
                                     << "grdGroup" << 1 << true << "PI 4";
  QTest::newRow("CANADA enter") << "PC"
                                << "grdGroup" << 39 << false << "PC 140";
  QTest::newRow("EXP enter") << "ExpChannel"
                             << "grdExp" << 9 << false << "E 10";
  QTest::newRow("EXP double-click") << "ExpChannel"
                                    << "grdExp" << 0 << true << "E 1";
}

void ChannelGridsTest::jumpToChannel() {
  QFETCH(QString, node);
  QFETCH(QString, grid);
  QFETCH(int, row);
  QFETCH(bool, doubleClick);
  QFETCH(QString, key);
  KV508_START_WINDOW(f);
  EnableAllGroups(f);
  QVERIFY(f.Activate());
  f.ShowNode(node);
  auto *view = f.Widget<QAbstractItemView>(grid);
  view->setFocus();
  const QModelIndex index = view->model()->index(row, 1);
  view->setCurrentIndex(index);
  if (doubleClick) {
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  } else {
    QTest::keyClick(view, Qt::Key_Return);
  }
  QCOMPARE(SelectedKey(f), key);
  QVERIFY(f.Window().screens().ActivePanel() != view->parentWidget());
}

void ChannelGridsTest::typedLabelMovesToItsRow_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<int>("row");
  QTest::newRow("16") << "16" << 12;
  QTest::newRow("05A") << "05A" << 1;
  QTest::newRow("lower-case a") << "63a" << 26;
  QTest::newRow("restart after a dead end") << "1670" << 32;
  // 05 is a channel, but not of this plan: the row stays.
  QTest::newRow("not in the plan") << "05" << 0;
  QTest::newRow("no channel") << "x" << 0;
}

void ChannelGridsTest::typedLabelMovesToItsRow() {
  QFETCH(QString, keys);
  QFETCH(int, row);
  KV508_START_WINDOW(f);
  EnableAllGroups(f);
  QVERIFY(f.Activate());
  f.ShowNode(QStringLiteral("PU"));
  auto *grid = f.Widget<QAbstractItemView>(QStringLiteral("grdGroup"));
  f.Type(grid, keys);
  QCOMPARE(grid->currentIndex().row(), row);
  QCOMPARE(SelectedKey(f), QStringLiteral("PU"));
}

void ChannelGridsTest::weatherFill() {
  KV508_START_WINDOW(f);
  ChannelBank &wx = f.S().data.CHWX;
  wx[0].Enable = false;
  wx[0].ScanMemory = true;
  wx[0].ChTag = "OFF";
  wx[9].Enable = true;
  wx[9].ScanMemory = true;
  wx[9].ChTag = "NOAA";
  const ChannelBank before = wx;
  f.ShowNode(QStringLiteral("PW"));
  const auto check = [&f](const char *name, int i) {
    return f.Widget<QCheckBox>(QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i));
  };
  const auto name = [&f](int i) {
    return f.Widget<QLineEdit>(QStringLiteral("txtWxName_") + QString::number(i));
  };
  QVERIFY(!check("chkWxEnable", 0)->isChecked());
  QVERIFY(check("chkWxScan", 0)->isChecked());
  QVERIFY(!check("chkWxScan", 0)->isEnabled());
  QVERIFY(!name(0)->isEnabled());
  QCOMPARE(name(0)->text(), QStringLiteral("OFF"));
  QVERIFY(check("chkWxEnable", 9)->isChecked() && check("chkWxScan", 9)->isEnabled());
  QVERIFY(name(9)->isEnabled());
  QCOMPARE(name(9)->text(), QStringLiteral("NOAA"));
  QCOMPARE(check("chkWxEnable", 9)->text(), QStringLiteral(" "));
  QStringList labels;
  for (QLabel *label : f.Widget<QWidget>(QStringLiteral("fraWeather"))->findChildren<QLabel *>())
    labels << label->text();
  QVERIFY(labels.contains(QStringLiteral("WX01[162.550MHz]")));
  QVERIFY(labels.contains(QStringLiteral("WX10[163.275MHz]")));
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(f.S().data.CHWX == before);

  // A damaged bank without its last records: their rows are off, nothing throws.
  f.S().data.CHWX.Reset(0, 2);
  f.ShowNode(QStringLiteral("General"));
  f.ShowNode(QStringLiteral("PW"));
  QVERIFY(check("chkWxEnable", 2)->isEnabled());
  QVERIFY(!check("chkWxEnable", 3)->isEnabled() && !name(9)->isEnabled());
}

void ChannelGridsTest::weatherUserChanges() {
  KV508_START_WINDOW(f);
  f.S().data.CHWX[4].Enable = false;
  f.S().data.CHWX[4].ScanMemory = false;
  f.S().data.CHWX[4].ChTag = "WX5";
  QVERIFY(f.Activate());
  f.ShowNode(QStringLiteral("PW"));
  auto *enable = f.Widget<QCheckBox>(QStringLiteral("chkWxEnable_4"));
  auto *scan = f.Widget<QCheckBox>(QStringLiteral("chkWxScan_4"));
  auto *name = f.Widget<QLineEdit>(QStringLiteral("txtWxName_4"));

  enable->setFocus(Qt::TabFocusReason);
  QCOMPARE(enable->text(), QStringLiteral(">"));
  QTest::keyClick(enable, Qt::Key_Space);
  QVERIFY(f.S().data.CHWX[4].Enable);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(scan->isEnabled() && name->isEnabled());

  f.S().state.DataChanged = false;
  scan->setFocus(Qt::TabFocusReason);
  QCOMPARE(enable->text(), QStringLiteral(" "));
  QCOMPARE(scan->text(), QStringLiteral(">"));
  QTest::keyClick(scan, Qt::Key_Space);
  QVERIFY(f.S().data.CHWX[4].ScanMemory);
  QVERIFY(f.S().state.DataChanged);

  f.S().state.DataChanged = false;
  name->setFocus(Qt::TabFocusReason);
  QTest::keyClick(name, Qt::Key_End);
  QTest::keyClicks(name, QStringLiteral("X"));
  QCOMPARE(scan->text(), QStringLiteral(" "));
  QCOMPARE(f.S().data.CHWX[4].ChTag, std::string("WX5X"));
  QVERIFY(f.S().state.DataChanged);

  enable->setFocus(Qt::TabFocusReason);
  QTest::keyClick(enable, Qt::Key_Space);
  QVERIFY(!f.S().data.CHWX[4].Enable);
  QVERIFY(!scan->isEnabled() && !name->isEnabled());
  // Only the row's own record changed.
  QVERIFY(f.S().data.CHWX[3].Enable && !f.S().data.CHWX[3].ScanMemory);
}

void ChannelGridsTest::weatherNameFilter_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("stored");
  // 17 characters of which 3 are not in the name alphabet: all 14 others fit.
  const QString odd = QStringLiteral("a_b:c") + QChar(0xE9) + QStringLiteral("-+().*/, 9Z");
  QTest::newRow("typed") << "" << false << odd << "abc-+().*/, 9Z";
  QTest::newRow("pasted") << "" << true << odd << "abc-+().*/, 9Z";
  QTest::newRow("typed past 16") << "" << false << "ABCDEFGHIJKLMNOPQRS"
                                 << "ABCDEFGHIJKLMNOP";
  QTest::newRow("pasted past 16") << "" << true << "0123456789abcdefghij"
                                  << "0123456789abcdef";
  QTest::newRow("pasted after text") << "ABCDEFGHIJKLMN" << true << "x_yz"
                                     << "ABCDEFGHIJKLMNxy";
}

void ChannelGridsTest::weatherNameFilter() {
  QFETCH(QString, before);
  QFETCH(bool, paste);
  QFETCH(QString, input);
  QFETCH(QString, stored);
  KV508_START_WINDOW(f);
  f.S().data.CHWX[1].Enable = true;
  f.S().data.CHWX[1].ChTag = before.toStdString();
  QVERIFY(f.Activate());
  f.ShowNode(QStringLiteral("PW"));
  auto *name = f.Widget<QLineEdit>(QStringLiteral("txtWxName_1"));
  name->setFocus(Qt::TabFocusReason);
  QTest::keyClick(name, Qt::Key_End);
  if (paste) {
    QGuiApplication::clipboard()->setText(input);
    QTest::keySequence(name, QKeySequence::Paste);
  } else {
    TypeText(name, input);
  }
  QCOMPARE(name->text(), stored);
  QCOMPARE(f.S().data.CHWX[1].ChTag, stored.toStdString());
  QVERIFY(f.S().state.DataChanged);
}

void ChannelGridsTest::hintsAndHelpTopics_data() {
  QTest::addColumn<QString>("node");
  QTest::addColumn<QString>("widget");
  QTest::addColumn<QString>("hint");
  QTest::addColumn<int>("topic");
  const QString grid = QStringLiteral("[Double click],[Enter]:Jump the Setting screen.");
  QTest::newRow("group grid") << "PC"
                              << "grdGroup" << grid << 1077;
  QTest::newRow("exp grid") << "ExpChannel"
                            << "grdExp" << grid << 1077;
  QTest::newRow("wx enable") << "PW"
                             << "chkWxEnable_0"
                             << "Select[x]Enable/[]Disable." << 1028;
  QTest::newRow("wx scan") << "PW"
                           << "chkWxScan_9"
                           << "[Space]:An effective and invalid change." << 1033;
  QTest::newRow("wx name") << "PW"
                           << "txtWxName_5"
                           << "A maximum of 12 characters" << 1034;
}

void ChannelGridsTest::hintsAndHelpTopics() {
  QFETCH(QString, node);
  QFETCH(QString, widget);
  QFETCH(QString, hint);
  QFETCH(int, topic);
  KV508_START_WINDOW(f);
  EnableAllGroups(f);
  for (ChannelRecord &r : f.S().data.CHWX)
    r.Enable = true;
  QVERIFY(f.Activate());
  f.ShowNode(node);
  auto *w = f.Widget<QWidget>(widget);
  w->setFocus(Qt::TabFocusReason);
  QTRY_COMPARE(QApplication::focusWidget(), w);
  QCOMPARE(f.StatusHint(), hint);
  QCOMPARE(ui::HelpTopicFor(w), topic);
}

QTEST_MAIN(ChannelGridsTest)
#include "tst_channel_grids.moc"
