#include "ui/qt_user_settings.h"

#include "app/app_state.h"

#include <QSettings>

namespace kv508::ui {

namespace {
QString KeyPath(const std::string &section, const std::string &key) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
QSettings Store() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kApplicationTitle),
                   QLatin1String(kApplicationTitle));
}
} // namespace

std::string QtUserSettings::Get(const std::string &section, const std::string &key,
                                const std::string &defaultValue) {
  const QVariant value = Store().value(KeyPath(section, key));
  return value.isValid() ? value.toString().toStdString() : defaultValue;
}

void QtUserSettings::Set(const std::string &section, const std::string &key,
                         const std::string &value) {
  QSettings store = Store();
  store.setValue(KeyPath(section, key), QString::fromStdString(value));
  store.sync();
}

} // namespace kv508::ui
