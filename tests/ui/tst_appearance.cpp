// The light and dark schemes: every text, mark and picture of the window keeps
// its contrast against what it is drawn on, and Options > Appearance stores
// the choice and applies it to the running window.

#include "ui_test_support.h"

#include "ui/appearance.h"
#include "ui/node_keys.h"
#include "ui/svg_picture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

using namespace kv508;
using namespace kv508::testing;
namespace keys = kv508::ui::keys;

namespace {

double Luminance(const QColor &c) {
  const auto channel = [](int value) {
    const double v = value / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor &a, const QColor &b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Colour(const QWidget *w, QPalette::ColorRole role) {
  return w->palette().color(w->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

// What a widget is drawn on: the nearest ancestor that fills its background.
QColor Behind(const QWidget *w) {
  for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
    if (p->autoFillBackground() && p->backgroundRole() != QPalette::NoRole)
      return Colour(p, p->backgroundRole());
    if (p->isWindow())
      return Colour(p, QPalette::Window);
  }
  return Colour(w, QPalette::Window);
}

// The ink of a text or mark and what it is drawn on; none for other widgets.
std::optional<std::pair<QColor, QColor>> InkAndPaper(const QWidget *w) {
  using P = QPalette;
  const auto roles = [w](P::ColorRole ink, P::ColorRole paper) {
    return std::pair{Colour(w, ink), Colour(w, paper)};
  };
  const auto onParent = [w](P::ColorRole ink) { return std::pair{Colour(w, ink), Behind(w)}; };
  auto *box = qobject_cast<const QComboBox *>(w);
  auto *label = qobject_cast<const QLabel *>(w);
  if (w->objectName().startsWith(QLatin1String("lin"))) // the connector lines
    return onParent(w->autoFillBackground() ? w->backgroundRole() : P::WindowText);
  if (label)
    return label->text().isEmpty() ? std::nullopt : std::optional(onParent(P::WindowText));
  if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
      (box && box->isEditable()))
    return roles(P::Text, P::Base);
  if (box || qobject_cast<const QPushButton *>(w))
    return roles(P::ButtonText, P::Button);
  if (qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QGroupBox *>(w) ||
      qobject_cast<const QTabBar *>(w))
    return onParent(P::WindowText);
  return std::nullopt;
}

// Text needs 4.5:1; disabled text and lines 3:1.
void CheckWidgets(const QWidget *root, const QString &where, QStringList &faults) {
  for (const QWidget *w : root->findChildren<QWidget *>()) {
    const auto pair = w->isVisible() ? InkAndPaper(w) : std::nullopt;
    const bool text = w->isEnabled() && !w->objectName().startsWith(QLatin1String("lin"));
    if (pair && Contrast(pair->first, pair->second) < (text ? 4.5 : 3.0))
      faults << QStringLiteral("%1 %2: %3 on %4, %5:1")
                    .arg(where, w->objectName(), pair->first.name(), pair->second.name())
                    .arg(Contrast(pair->first, pair->second), 0, 'f', 2);
  }
}

// The share of a picture's outline (opaque pixels within two of a transparent
// one) that stands out from the window by 2.5:1.
double EdgeShare(const QImage &image, const QColor &window) {
  int edges = 0;
  int seen = 0;
  const auto alpha = [&](int x, int y) {
    return x < 0 || y < 0 || x >= image.width() || y >= image.height() ? 0
                                                                       : qAlpha(image.pixel(x, y));
  };
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (alpha(x, y) < 230)
        continue;
      bool edge = false;
      for (int d = -2; d <= 2 && !edge; ++d)
        edge = alpha(x + d, y) < 30 || alpha(x, y + d) < 30;
      if (!edge)
        continue;
      ++edges;
      if (Contrast(QColor(image.pixel(x, y)), window) >= 2.5)
        ++seen;
    }
  }
  return edges ? double(seen) / edges : 0.0;
}

const prefs::Appearance kSchemes[] = {prefs::Appearance::Light, prefs::Appearance::Dark};

const char *Name(prefs::Appearance a) { return a == prefs::Appearance::Dark ? "Dark" : "Light"; }

} // namespace

class AppearanceTest : public QObject {
  Q_OBJECT
private slots:
  void cleanup() { ui::ApplyAppearance(prefs::Appearance::System); }
  void everyScreenReadable();
  void picturesReadable();
  void choiceStoredAndApplied();
};

// Every text, field, list, button and connector line of every screen, in both
// schemes; the channel shown has Tx off and SCAN is off, so their lines are unlit.
void AppearanceTest::everyScreenReadable() {
  for (const prefs::Appearance scheme : kSchemes) {
    WindowFixture f;
    prefs::SetAppearanceChoice(f.settings, scheme);
    QVERIFY(f.Start());
    RadioData &d = f.S().data;
    for (ChannelGroupSetup &g : d.ChannelGroups)
      g.Enable = true;
    d.CHUSA[40].TxEnable = false;
    d.Common.Scan = false;
    d.CHMMSID[d.CHMMSID.Lower()] = {.Enable = true, .TagName = "HARBOUR", .Mmsid = "021900000"};
    f.Window().Refresh();
    QVERIFY(f.Activate());
    QStringList faults;
    auto *tabs = f.Widget<QTabWidget>(QStringLiteral("tabDsc"));
    for (const QString &key :
         {keys::kGeneral, keys::kUsable, keys::kCommon, keys::kDsc, keys::kAtis, keys::kWeather,
          keys::kExpChannel, keys::kMemoryIds, keys::kGroupIds, keys::GroupKey(0),
          keys::ChannelKey(0, 40), keys::ChannelKey(3, 1), keys::EntryKey(0, 1)}) {
      f.ShowNode(key);
      for (int page = 0; page < (key == keys::kDsc ? tabs->count() : 1); ++page) {
        if (key == keys::kDsc)
          tabs->setCurrentIndex(page);
        QApplication::processEvents();
        CheckWidgets(&f.Window(), QStringLiteral("%1 %2/%3").arg(Name(scheme), key).arg(page),
                     faults);
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }
}

// The outlines of every picture but the program's own icon stand out from the
// window in both schemes, and an icon is drawn at the pixel ratio asked for.
void AppearanceTest::picturesReadable() {
  const char *pictures[] = {"new",  "open", "save",  "print", "program",
                            "read", "pc",   "radio", "cable"};
  for (const prefs::Appearance scheme : kSchemes) {
    ui::ApplyAppearance(scheme);
    const QColor window = QApplication::palette().color(QPalette::Window);
    for (const char *picture : pictures) {
      const QIcon icon = ui::SvgIcon(QStringLiteral(":/icons/%1.svg").arg(picture));
      const QPixmap pixmap = icon.pixmap(QSize(48, 48), 2.0);
      QCOMPARE(pixmap.size(), QSize(96, 96));
      QCOMPARE(pixmap.devicePixelRatio(), 2.0);
      const double share =
          EdgeShare(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), window);
      QVERIFY2(share >= 0.7, qPrintable(QStringLiteral("%1 in %2: %3 of the outline stands out")
                                            .arg(picture, Name(scheme))
                                            .arg(share, 0, 'f', 2)));
    }
  }
}

// The choice is stored, checked in the menu, applied to the running window
// (the locked fields of a plan channel included) and read at the next start;
// System brings the platform's palette back.
void AppearanceTest::choiceStoredAndApplied() {
  const QPalette system = QApplication::palette();
  WindowFixture f;
  QVERIFY(f.Start());
  for (ChannelGroupSetup &g : f.S().data.ChannelGroups)
    g.Enable = true;
  f.Window().Refresh();
  QVERIFY(f.Activate());
  f.ShowNode(keys::ChannelKey(0, 40));
  auto *rx = f.Widget<QLineEdit>(QStringLiteral("txtRxFreq"));
  QVERIFY(rx->isReadOnly());
  QVERIFY(f.Action("mnuAppearanceSystem")->isChecked());

  f.Action("mnuAppearanceDark")->trigger();
  QApplication::processEvents();
  QCOMPARE(f.settings.Get("Settings", "Appearance", ""), std::string("Dark"));
  QVERIFY(f.Action("mnuAppearanceDark")->isChecked());
  const QPalette dark = ui::DarkPalette();
  QCOMPARE(f.Window().tree().palette().color(QPalette::Base), dark.color(QPalette::Base));
  QCOMPARE(rx->palette().color(QPalette::Base), dark.color(QPalette::Disabled, QPalette::Window));
  QCOMPARE(rx->palette().color(QPalette::Text), dark.color(QPalette::Text));

  f.Action("mnuAppearanceSystem")->trigger();
  QApplication::processEvents();
  QCOMPARE(f.settings.Get("Settings", "Appearance", ""), std::string("System"));
  QCOMPARE(QApplication::palette().color(QPalette::Window), system.color(QPalette::Window));
  QCOMPARE(rx->palette().color(QPalette::Base), system.color(QPalette::Disabled, QPalette::Window));

  // At the next start: the stored scheme; a text that names none is System.
  for (const auto &[stored, window, menu] :
       {std::tuple{"Light", ui::LightPalette().color(QPalette::Window), "mnuAppearanceLight"},
        {"Dark", dark.color(QPalette::Window), "mnuAppearanceDark"},
        {"dark!", system.color(QPalette::Window), "mnuAppearanceSystem"}}) {
    WindowFixture g;
    g.settings.Set("Settings", "Appearance", stored);
    QVERIFY(g.Start());
    QCOMPARE(g.Window().palette().color(QPalette::Window), window);
    QVERIFY2(g.Action(menu)->isChecked(), stored);
  }
}

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
