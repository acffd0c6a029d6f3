#pragma once

// The per-user settings store: text values by section and key under the
// application title.

#include <filesystem>
#include <map>
#include <string>
#include <utility>

namespace kv508 {

class UserSettings {
public:
  virtual ~UserSettings() = default;
  virtual std::string Get(const std::string &section, const std::string &key,
                          const std::string &defaultValue) = 0;
  virtual void Set(const std::string &section, const std::string &key,
                   const std::string &value) = 0;
};

// Settings held in memory only (tests, one-shot commands).
class MemoryUserSettings : public UserSettings {
public:
  std::string Get(const std::string &section, const std::string &key,
                  const std::string &defaultValue) override;
  void Set(const std::string &section, const std::string &key, const std::string &value) override;
  const std::map<std::pair<std::string, std::string>, std::string> &Values() const {
    return values_;
  }

private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// Settings kept in an INI-style text file (the command-line tool).
class IniFileUserSettings : public UserSettings {
public:
  explicit IniFileUserSettings(std::filesystem::path path);
  std::string Get(const std::string &section, const std::string &key,
                  const std::string &defaultValue) override;
  void Set(const std::string &section, const std::string &key, const std::string &value) override;

private:
  std::filesystem::path path_;
};

} // namespace kv508
