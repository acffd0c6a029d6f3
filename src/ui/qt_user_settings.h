#pragma once

// The per-user settings store of the desktop application, on QSettings.

#include "app/user_settings.h"

namespace kv508::ui {

class QtUserSettings : public UserSettings {
public:
  std::string Get(const std::string &section, const std::string &key,
                  const std::string &defaultValue) override;
  void Set(const std::string &section, const std::string &key, const std::string &value) override;
};

} // namespace kv508::ui
