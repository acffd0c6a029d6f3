#include "ui/appearance.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStyle>

namespace kv508::ui {

namespace {

constexpr const char *kFusion = "fusion";

struct RoleColours {
  QPalette::ColorRole role;
  QRgb normal;
  QRgb disabled;
};

// Text, disabled text and the grey of unlit marks keep a contrast of at least
// 3:1 against the window, buttons and fields of their own scheme.
constexpr RoleColours kLight[] = {
    {QPalette::Window, 0xefefef, 0xefefef},
    {QPalette::WindowText, 0x000000, 0x7f7f7f},
    {QPalette::Base, 0xffffff, 0xefefef},
    {QPalette::AlternateBase, 0xf5f5f5, 0xf5f5f5},
    {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
    {QPalette::ToolTipText, 0x000000, 0x000000},
    {QPalette::PlaceholderText, 0x6e6e6e, 0x7f7f7f},
    {QPalette::Text, 0x000000, 0x7f7f7f},
    {QPalette::Button, 0xefefef, 0xefefef},
    {QPalette::ButtonText, 0x000000, 0x7f7f7f},
    {QPalette::BrightText, 0xffffff, 0xffffff},
    {QPalette::Light, 0xffffff, 0xffffff},
    {QPalette::Midlight, 0xcacaca, 0xcacaca},
    {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
    {QPalette::Dark, 0x9f9f9f, 0x9f9f9f},
    {QPalette::Shadow, 0x767676, 0x767676},
    {QPalette::Highlight, 0x2f74c0, 0x919191},
    {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::Link, 0x0645ad, 0x7f7f7f},
    {QPalette::LinkVisited, 0x6b2fa8, 0x7f7f7f},
};

constexpr RoleColours kDark[] = {
    {QPalette::Window, 0x323232, 0x323232},
    {QPalette::WindowText, 0xe6e6e6, 0x8c8c8c},
    {QPalette::Base, 0x232323, 0x2c2c2c},
    {QPalette::AlternateBase, 0x2b2b2b, 0x2b2b2b},
    {QPalette::ToolTipBase, 0x404040, 0x404040},
    {QPalette::ToolTipText, 0xe6e6e6, 0xe6e6e6},
    {QPalette::PlaceholderText, 0x9a9a9a, 0x8c8c8c},
    {QPalette::Text, 0xe6e6e6, 0x8c8c8c},
    {QPalette::Button, 0x3a3a3a, 0x353535},
    {QPalette::ButtonText, 0xe6e6e6, 0x8c8c8c},
    {QPalette::BrightText, 0xff7070, 0xff7070},
    {QPalette::Light, 0x4e4e4e, 0x4e4e4e},
    {QPalette::Midlight, 0x444444, 0x444444},
    {QPalette::Mid, 0x292929, 0x292929},
    {QPalette::Dark, 0x1c1c1c, 0x1c1c1c},
    {QPalette::Shadow, 0x101010, 0x101010},
    {QPalette::Highlight, 0x2f74c0, 0x4a4a4a},
    {QPalette::HighlightedText, 0xffffff, 0xb0b0b0},
    {QPalette::Link, 0x7cb8ff, 0x8c8c8c},
    {QPalette::LinkVisited, 0xc79cff, 0x8c8c8c},
};

template <size_t N> QPalette MakePalette(const RoleColours (&colours)[N]) {
  QPalette palette;
  for (const RoleColours &c : colours) {
    palette.setColor(QPalette::Active, c.role, QColor(c.normal));
    palette.setColor(QPalette::Inactive, c.role, QColor(c.normal));
    palette.setColor(QPalette::Disabled, c.role, QColor(c.disabled));
  }
  return palette;
}

void UseStyle(const QString &name) {
  if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0)
    QApplication::setStyle(name);
}

class PaletteWatch : public QObject {
public:
  PaletteWatch(QWidget *widget, std::function<void()> changed)
      : QObject(widget), changed_(std::move(changed)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
      changed_();
    return false;
  }

private:
  std::function<void()> changed_;
};

} // namespace

QPalette LightPalette() { return MakePalette(kLight); }

QPalette DarkPalette() { return MakePalette(kDark); }

void ApplyAppearance(prefs::Appearance appearance) {
  static const QString systemStyle = QApplication::style()->name();
  if (appearance == prefs::Appearance::System) {
    UseStyle(systemStyle);
    // A palette without roles of its own: the platform's again.
    QApplication::setPalette(QPalette());
    return;
  }
  UseStyle(QLatin1String(kFusion));
  QApplication::setPalette(appearance == prefs::Appearance::Dark ? DarkPalette() : LightPalette());
}

bool IsDark(const QPalette &palette) { return palette.color(QPalette::Window).lightness() < 128; }

void WhenPaletteChanges(QWidget *widget, std::function<void()> changed) {
  new PaletteWatch(widget, std::move(changed));
}

QMenu *CreateAppearanceMenu(QWidget *parent, UserSettings &settings) {
  auto *menu = new QMenu(QObject::tr("&Appearance"), parent);
  menu->setObjectName(QStringLiteral("mnuOptionsAppearance"));
  auto *group = new QActionGroup(menu);
  group->setExclusive(true);
  const struct {
    prefs::Appearance appearance;
    const char *name;
    QString text;
  } choices[] = {
      {prefs::Appearance::System, "mnuAppearanceSystem", QObject::tr("&System")},
      {prefs::Appearance::Light, "mnuAppearanceLight", QObject::tr("&Light")},
      {prefs::Appearance::Dark, "mnuAppearanceDark", QObject::tr("&Dark")},
  };
  const prefs::Appearance stored = prefs::AppearanceChoice(settings);
  for (const auto &choice : choices) {
    QAction *action = menu->addAction(choice.text);
    action->setObjectName(QLatin1String(choice.name));
    action->setCheckable(true);
    action->setChecked(choice.appearance == stored);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu,
                     [&settings, appearance = choice.appearance] {
                       prefs::SetAppearanceChoice(settings, appearance);
                       ApplyAppearance(appearance);
                     });
  }
  return menu;
}

} // namespace kv508::ui
