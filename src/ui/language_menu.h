#pragma once

// Options > Language: the system's language or one chosen, kept per user and
// used from the next start on.

#include <QCoreApplication>
#include <QObject>

#include <vector>

class QAction;
class QMenu;

namespace kv508 {
class Host;
class UserSettings;
} // namespace kv508

namespace kv508::ui {

class LanguageMenu : public QObject {
  Q_DECLARE_TR_FUNCTIONS(LanguageMenu)

public:
  // Adds the menu to `options`; `title` heads the note about the next start.
  LanguageMenu(UserSettings &settings, Host &host, QMenu *options, std::string title);

private:
  void Choose(std::size_t index);
  void Sync();

  UserSettings &settings_;
  Host &host_;
  std::string title_;
  std::vector<QAction *> actions_;
};

} // namespace kv508::ui
