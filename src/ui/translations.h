#pragma once

// The desktop's language: the application's own translations (built into the
// program) and Qt's for its standard dialogs, chosen from the per-user setting
// or the system's locale. The core's messages are translated where they are
// shown (core_texts.h); the command line stays English.

#include <QString>

#include <vector>

namespace kv508::ui {

struct LanguageChoice {
  const char *code; // as stored: "" follows the system
  QString name;     // as the menu shows it
};
// System, English, Deutsch, Español.
std::vector<LanguageChoice> LanguageChoices();

// Installs the translations for `code` ("" = the system's languages, in their
// order of preference) and returns the code of the language in use: "en" when
// no translation of ours matches.
QString InstallTranslations(const QString &code);
// Back to the English source texts.
void RemoveTranslations();
// The code InstallTranslations settled on ("en" before or without it).
QString LanguageInUse();

} // namespace kv508::ui
