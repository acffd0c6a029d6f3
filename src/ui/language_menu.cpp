#include "ui/language_menu.h"

#include "app/host.h"
#include "app/user_prefs.h"
#include "ui/translations.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kv508::ui {

LanguageMenu::LanguageMenu(UserSettings &settings, Host &host, QMenu *options, std::string title)
    : QObject(options), settings_(settings), host_(host), title_(std::move(title)) {
  QMenu *menu = options->addMenu(tr("&Language"));
  menu->setObjectName(QStringLiteral("mnuOptionsLanguage"));
  auto *group = new QActionGroup(menu);
  const std::vector<LanguageChoice> choices = LanguageChoices();
  for (std::size_t i = 0; i < choices.size(); ++i) {
    QAction *action = menu->addAction(choices[i].name);
    action->setObjectName(QStringLiteral("mnuLanguage_%1").arg(QLatin1String(choices[i].code)));
    action->setCheckable(true);
    action->setActionGroup(group);
    connect(action, &QAction::triggered, this, [this, i] { Choose(i); });
    actions_.push_back(action);
  }
  Sync();
}

void LanguageMenu::Choose(std::size_t index) {
  const std::string code = LanguageChoices()[index].code;
  if (code == prefs::Language(settings_))
    return;
  prefs::SetLanguage(settings_, code);
  Sync();
  host_.Message(Icon::Information, title_,
                FromQt(tr("The language changes the next time KV508 starts.")));
}

// A stored code we do not offer shows as the system's choice, which is what it does.
void LanguageMenu::Sync() {
  const std::string stored = prefs::Language(settings_);
  const std::vector<LanguageChoice> choices = LanguageChoices();
  std::size_t checked = 0;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (stored == choices[i].code)
      checked = i;
  }
  actions_[checked]->setChecked(true);
}

} // namespace kv508::ui
