#include "app/user_settings.h"

#include "app/platform.h"
#include "app/safe_save.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <vector>

namespace kv508 {

std::string MemoryUserSettings::Get(const std::string &section, const std::string &key,
                                    const std::string &defaultValue) {
  auto found = values_.find({section, key});
  return found == values_.end() ? defaultValue : found->second;
}

void MemoryUserSettings::Set(const std::string &section, const std::string &key,
                             const std::string &value) {
  values_[{section, key}] = value;
}

namespace {

// Settings files are small; anything larger is not ours and reads as empty.
constexpr std::size_t kMaxIniSize = 1 << 20;

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;
};

using IniContent = std::vector<IniSection>;

IniSection *FindSection(IniContent &content, const std::string &name) {
  for (IniSection &section : content) {
    if (section.name == name)
      return &section;
  }
  return nullptr;
}

std::string *FindValue(IniSection &section, const std::string &key) {
  for (auto &[entryKey, value] : section.entries) {
    if (entryKey == key)
      return &value;
  }
  return nullptr;
}

// Lines outside a section, without "=", or repeating a key are ignored; the
// first occurrence of a key wins.
IniContent ReadIni(const std::filesystem::path &path) {
  IniContent content;
  std::string text;
  if (platform::ReadRegularFile(path, text, kMaxIniSize) || text.size() > kMaxIniSize)
    return content;

  IniSection *current = nullptr;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string name(line.substr(1, line.size() - 2));
      current = FindSection(content, name);
      if (current == nullptr) {
        content.push_back({name, {}});
        current = &content.back();
      }
      continue;
    }
    std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos)
      continue;
    std::string key(line.substr(0, equals));
    if (FindValue(*current, key) == nullptr)
      current->entries.emplace_back(key, std::string(line.substr(equals + 1)));
  }
  return content;
}

// A line break inside a name or value would split it into garbage lines.
std::string SingleLine(std::string text) {
  for (char &c : text) {
    if (c == '\n' || c == '\r')
      c = ' ';
  }
  return text;
}

} // namespace

IniFileUserSettings::IniFileUserSettings(std::filesystem::path path) : path_(std::move(path)) {}

std::string IniFileUserSettings::Get(const std::string &section, const std::string &key,
                                     const std::string &defaultValue) {
  IniContent content = ReadIni(path_);
  IniSection *found = FindSection(content, SingleLine(section));
  if (found == nullptr)
    return defaultValue;
  std::string *value = FindValue(*found, SingleLine(key));
  return value == nullptr ? defaultValue : *value;
}

void IniFileUserSettings::Set(const std::string &section, const std::string &key,
                              const std::string &value) {
  std::string sectionName = SingleLine(section);
  std::string keyName = SingleLine(key);
  IniContent content = ReadIni(path_);
  IniSection *target = FindSection(content, sectionName);
  if (target == nullptr) {
    content.push_back({sectionName, {}});
    target = &content.back();
  }
  if (std::string *existing = FindValue(*target, keyName)) {
    *existing = SingleLine(value);
  } else {
    target->entries.emplace_back(keyName, SingleLine(value));
  }

  std::string text;
  for (const IniSection &s : content) {
    text += "[" + s.name + "]\n";
    for (const auto &[entryKey, entryValue] : s.entries)
      text += entryKey + "=" + entryValue + "\n";
  }
  // A settings store that cannot be written only loses the remembered choice.
  std::error_code ec;
  if (path_.has_parent_path())
    std::filesystem::create_directories(path_.parent_path(), ec);
  SafeWriteFile(path_, text);
}

} // namespace kv508
