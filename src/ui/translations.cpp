#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace kv508::ui {

namespace {

// Built by the translation step and embedded under this prefix.
const char *const kOwnFolder = ":/i18n";

struct Installed {
  std::unique_ptr<QTranslator> own;
  std::unique_ptr<QTranslator> qt;
  QString code = QStringLiteral("en");
};

Installed &Current() {
  static Installed installed;
  return installed;
}

QLocale LocaleFor(const QString &code) {
  return code.isEmpty() ? QLocale::system() : QLocale(code);
}

} // namespace

std::vector<LanguageChoice> LanguageChoices() {
  return {{"", QCoreApplication::translate("LanguageMenu", "&System")},
          {"en", QStringLiteral("&English")},
          {"de", QStringLiteral("&Deutsch")},
          {"es", QStringLiteral("Espa&\u00f1ol")}};
}

QString InstallTranslations(const QString &code) {
  RemoveTranslations();
  // A stored code we do not offer follows the system, as the menu shows it.
  bool offered = false;
  for (const LanguageChoice &choice : LanguageChoices())
    offered = offered || code == QLatin1String(choice.code);
  const QLocale locale = LocaleFor(offered ? code : QString());
  auto own = std::make_unique<QTranslator>();
  // English is the source language: an English locale (or any other without a
  // translation of ours) keeps the source texts, and Qt's dialogs with them.
  if (locale.language() == QLocale::English ||
      !own->load(locale, QStringLiteral("kv508"), QStringLiteral("_"), QLatin1String(kOwnFolder)))
    return LanguageInUse();
  Installed &current = Current();
  QCoreApplication::installTranslator(own.get());
  current.own = std::move(own);
  current.code = current.own->language().section(QLatin1Char('_'), 0, 0);
  // Qt's own texts (standard buttons, file dialogs) when the system has them.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(current.code), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    current.qt = std::move(qt);
  }
  return current.code;
}

void RemoveTranslations() {
  Installed &current = Current();
  if (current.own)
    QCoreApplication::removeTranslator(current.own.get());
  if (current.qt)
    QCoreApplication::removeTranslator(current.qt.get());
  current = Installed{};
}

QString LanguageInUse() { return Current().code; }

} // namespace kv508::ui
