// Every screen at the window's start size, with the desktop's font and with
// one twice its size: no label, field, list, box, button, tab, tree node or
// grid cell shows less than its whole text (measured with the font metrics).
// KV508_FIT_SHOTS=<folder> also saves a picture of each screen there.

#include "ui/translations.h"
#include "ui_test_support.h"

#include "ui/nav_tree.h"
#include "ui/node_keys.h"
#include "ui/screens/screen_access.h"
#include "ui/screens/widget_props.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace kv508;
using namespace kv508::testing;
namespace keys = kv508::ui::keys;

namespace {

int TextWidth(const QWidget *w, const QString &text) {
  return w->fontMetrics().horizontalAdvance(text);
}

QString Where(const QWidget *w, const QString &text, int need, int room) {
  return QStringLiteral("%1 \"%2\" needs %3 px, has %4")
      .arg(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                     : w->objectName())
      .arg(text)
      .arg(need)
      .arg(room);
}

// The room each kind of control paints its text in, as its style lays it out.
int LineEditRoom(const QLineEdit *edit) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.lineWidth = edit->hasFrame()
                         ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                         : 0;
  const QRect r = edit->style()
                      ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                      .marginsRemoved(edit->textMargins());
  return r.width() - 2 * 2; // QLineEdit's own margin on either side
}

int ComboRoom(const QComboBox *box) {
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = box->isEditable();
  option.frame = box->hasFrame();
  option.currentText = box->currentText();
  return box->style()
             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
             .width() -
         2;
}

int ButtonRoom(const QAbstractButton *button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QStyle::SubElement contents =
      qobject_cast<const QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
      : qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents;
  return button->style()->subElementRect(contents, &option, button).width();
}

// The title with room for the frame's corners.
bool GroupTitleCut(const QGroupBox *box) { return TextWidth(box, box->title()) + 8 > box->width(); }

void CheckTexts(QWidget *root, QStringList &cuts) {
  const auto check = [&cuts](const QWidget *w, const QString &text, int room) {
    const int need = TextWidth(w, text);
    if (!text.isEmpty() && need > room)
      cuts << Where(w, text, need, room);
  };
  for (QWidget *w : root->findChildren<QWidget *>()) {
    if (!w->isVisible())
      continue;
    if (auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap())
      check(label, ui::PlainText(label->text()),
            label->contentsRect().width() - 2 * label->margin());
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
      check(edit, edit->displayText(), LineEditRoom(edit));
    else if (auto *box = qobject_cast<QComboBox *>(w))
      check(box, box->currentText(), ComboRoom(box));
    else if (auto *button = qobject_cast<QAbstractButton *>(w);
             button && (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w) ||
                        qobject_cast<QPushButton *>(w)))
      check(button, button->text().remove(QLatin1Char('&')), ButtonRoom(button));
    else if (auto *group = qobject_cast<QGroupBox *>(w); group && GroupTitleCut(group))
      cuts << Where(group, group->title(), TextWidth(group, group->title()), group->width());
    else if (auto *bar = qobject_cast<QTabBar *>(w)) {
      for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        if (tab.left() < 0 || tab.right() > bar->rect().right())
          cuts << Where(bar, bar->tabText(i), tab.width(), bar->width() - tab.left());
      }
    }
  }
}

// A grid's headings and the cells in view within their columns; with `whole`
// every column within the view too.
void CheckGrid(QTableView *grid, bool whole, QStringList &cuts) {
  QAbstractItemModel *model = grid->model();
  const int padding = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  for (int c = 0; c < model->columnCount(); ++c) {
    const int room = grid->columnWidth(c);
    const QString heading = model->headerData(c, Qt::Horizontal).toString();
    if (grid->horizontalHeader()->sectionSizeHint(c) > room)
      cuts << Where(grid, heading, grid->horizontalHeader()->sectionSizeHint(c), room);
    for (int row = grid->rowAt(0); row >= 0 && row <= grid->rowAt(grid->viewport()->height());
         ++row) {
      const QString text = model->index(row, c).data().toString();
      if (TextWidth(grid, text) + padding > room)
        cuts << Where(grid, text, TextWidth(grid, text) + padding, room);
    }
  }
  if (whole && grid->horizontalScrollBar()->isVisible())
    cuts << Where(grid, QStringLiteral("(columns)"), grid->horizontalScrollBar()->maximum(), 0);
}

// The tree's nodes in view: never cut short, and with `whole` within the view.
void CheckTree(QTreeWidget &tree, bool whole, QStringList &cuts) {
  const int margins = 2 * (tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
    const QRect r = tree.visualItemRect(*it);
    if (!r.isValid() || !tree.viewport()->rect().intersects(r))
      continue;
    const int need = TextWidth(&tree, (*it)->text(0)) + margins;
    if (need > r.width() || (whole && r.left() + need > tree.viewport()->width()))
      cuts << Where(&tree, (*it)->text(0), need, r.width());
  }
}

// The longest texts the fields take.
void LongestTexts(RadioData &d) {
  for (ChannelGroupSetup &g : d.ChannelGroups) {
    g.Enable = true;
    g.StatusName = "WWWW";
  }
  d.ChannelGroups[3].ExpChGroup = {true, true, true};
  d.DscBasic.UserMmsi = "888888888";
  d.Atis.AtisCode = "8888888888";
  d.CHUSA[2].Enable = false;
  d.CHUSA[2].ChTag = std::string(16, 'W');
  DirectoryEntry &entry = d.CHMMSID[d.CHMMSID.Lower()];
  entry.Enable = true;
  entry.TagName = std::string(11, 'W');
  entry.Mmsid = "888888888";
}

} // namespace

class ScreenFitTest : public QObject {
  Q_OBJECT
private slots:
  void everyScreenFits_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QString>("language");
    QTest::newRow("100 %") << 1.0 << "en";
    QTest::newRow("200 %") << 2.0 << "en";
    // Longer labels must fit as well.
    QTest::newRow("100 % de") << 1.0 << "de";
    QTest::newRow("100 % es") << 1.0 << "es";
  }
  void everyScreenFits();
  void placeHeading();
  void placementRemembered();
  void hintsAndTabOrder();
};

void ScreenFitTest::everyScreenFits() {
  QFETCH(qreal, scale);
  QFETCH(QString, language);
  QCOMPARE(ui::InstallTranslations(language), language);
  const auto english = qScopeGuard([] { ui::RemoveTranslations(); });
  const QFont desktop = QApplication::font();
  QFont font = desktop;
  font.setPointSizeF(desktop.pointSizeF() * scale);
  QApplication::setFont(font);
  const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });

  KV508_START_WINDOW(f);
  LongestTexts(f.S().data);
  f.Window().Refresh();
  QVERIFY(f.Activate());
  ui::MainWindow &w = f.Window();
  // At the desktop's font the start size holds every screen without
  // scrolling; twice that font may need more than the test screen has.
  const QSize room = w.screen()->availableGeometry().size();
  const bool whole = w.width() < room.width() && w.height() < room.height();
  if (scale == 1.0)
    QVERIFY2(whole, qPrintable(QStringLiteral("start size %1x%2").arg(w.width()).arg(w.height())));

  auto *scroll = f.Widget<QScrollArea>(QStringLiteral("scrScreens"));
  const QString shots = qEnvironmentVariable("KV508_FIT_SHOTS");
  QStringList cuts;
  for (const ScreenShown &screen : EveryScreen()) {
    ShowScreen(f, screen);
    QStringList here;
    CheckTexts(&w.navigator().Pane(), here);
    CheckTree(w.tree(), whole, here);
    for (QTableView *grid : w.navigator().Pane().findChildren<QTableView *>()) {
      if (grid->isVisible())
        CheckGrid(grid, whole, here);
    }
    if (whole &&
        (scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible()))
      here << QStringLiteral("the screen scrolls");
    for (const QString &cut : here)
      cuts << screen.key + QLatin1Char('/') + QString::number(screen.page) + QStringLiteral(": ") +
                  cut;
    if (!shots.isEmpty())
      w.grab().save(QDir(shots).filePath(QStringLiteral("fit-%1-%2-%3.png")
                                             .arg(scale * 100)
                                             .arg(QString(screen.key).replace(' ', '-'))
                                             .arg(screen.page)));
  }
  QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1Char('\n'))));
}

// The heading names the plan, channel group or directory of the record shown.
void ScreenFitTest::placeHeading() {
  KV508_START_WINDOW(f);
  RadioData &d = f.S().data;
  for (ChannelGroupSetup &g : d.ChannelGroups)
    g.Enable = true;
  d.ChannelGroups[2].StatusName = "CAN";
  d.ChannelGroups[3].StatusName.clear();
  f.Window().Refresh();
  QVERIFY(f.Activate());
  auto *place = f.Widget<QLabel>(QStringLiteral("lblPlace"));
  int slot16 = -1;
  for (int n = d.CHCAN.Lower(); n <= d.CHCAN.Upper() && slot16 < 0; ++n) {
    const QString text = ui::FindNodeByKey(f.Window().tree(), keys::ChannelKey(2, n))->text(0);
    if (text == QLatin1String("CH16") || text == QLatin1String("CH16[Enable]"))
      slot16 = n;
  }
  QVERIFY(slot16 >= 0);
  const struct {
    QString key;
    const char *heading; // nullptr: no heading
  } cases[] = {
      {keys::ChannelKey(2, slot16), "Group3 (CAN) \u00B7 CH16"},
      {keys::ChannelKey(3, 4), "EXP Channel \u00B7 EXP4"},
      {keys::EntryKey(0, 2), "Individual Directory \u00B7 Memory ID2"},
      {keys::EntryKey(1, 3), "Group Directory \u00B7 Group ID3"},
      {keys::GroupKey(2), nullptr},
      {keys::kDsc, nullptr},
  };
  for (const auto &c : cases) {
    f.ShowNode(c.key);
    QCOMPARE(place->isVisible(), c.heading != nullptr);
    if (c.heading)
      QCOMPARE(place->text(), QString::fromUtf8(c.heading));
  }
}

// The size and place the window had when it closed come back at the next start.
void ScreenFitTest::placementRemembered() {
  QSize start;
  {
    KV508_START_WINDOW(f);
    start = f.Window().size();
    QVERIFY(start.width() >= 607 && start.height() >= 444);
    QVERIFY(f.Activate());
    f.Window().resize(start + QSize(40, 30));
    f.Window().move(20, 10);
    QApplication::processEvents();
    f.Window().close();
    QCOMPARE(f.settings.Get("Settings", "MainWidth", ""),
             std::to_string((start.width() + 40) * 15));
    // The next window starts from the same settings.
    WindowFixture g;
    for (const auto &[key, value] : f.settings.Values())
      g.settings.Set(key.first, key.second, value);
    QVERIFY(g.Start());
    QCOMPARE(g.Window().size(), start + QSize(40, 30));
    QCOMPARE(g.Window().pos(), f.Window().pos());
  }
  // A frame no screen shows, or one that does not parse, gives the start size.
  for (const char *left : {"-9000000", "x"}) {
    WindowFixture f;
    f.settings.Set("Settings", "MainLeft", left);
    f.settings.Set("Settings", "MainTop", "0");
    f.settings.Set("Settings", "MainWidth", "15000");
    f.settings.Set("Settings", "MainHeight", "9000");
    QVERIFY(f.Start());
    QCOMPARE(f.Window().size(), start);
  }
}

// A control without a hint of its own clears the one before; Tab reaches the
// locked fields of a plan channel.
void ScreenFitTest::hintsAndTabOrder() {
  KV508_START_WINDOW(f);
  for (ChannelGroupSetup &g : f.S().data.ChannelGroups)
    g.Enable = true;
  f.Window().Refresh();
  QVERIFY(f.Activate());
  f.ShowNode(keys::ChannelKey(0, 40));
  auto *name = f.Widget<QLineEdit>(QStringLiteral("txtChName"));
  f.Widget<QWidget>(QStringLiteral("txtRxFreq"))->setFocus(Qt::TabFocusReason);
  QCOMPARE(f.StatusHint(), QStringLiteral("Rx frequency"));
  name->setFocus(Qt::TabFocusReason);
  QVERIFY(!f.StatusHint().isEmpty());
  QCOMPARE(f.StatusHint(), ui::HintFor(name));

  QStringList reached;
  f.Widget<QWidget>(QStringLiteral("chkChEnable"))->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 6; ++i) {
    reached << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(reached.mid(0, 5),
           (QStringList{"chkChEnable", "txtChDisp_0", "txtChDisp_1", "txtRxFreq", "txtTxFreq"}));

  // The DSC screen's tab bar has no hint of its own: it clears the field's.
  f.ShowNode(keys::kDsc);
  f.Widget<QWidget>(QStringLiteral("txtUserMMSI"))->setFocus(Qt::TabFocusReason);
  QVERIFY(!f.StatusHint().isEmpty());
  f.Widget<QTabWidget>(QStringLiteral("tabDsc"))->tabBar()->setFocus(Qt::TabFocusReason);
  QCOMPARE(f.StatusHint(), QString());
}

QTEST_MAIN(ScreenFitTest)
#include "tst_screen_fit.moc"
