#include "files/dat_index.h"
#include "files/dat_values.h"

#include <array>
#include <string>

namespace kv508 {

namespace {

// A name upper-cased for a look-up; names are short, so no allocation is made
// for them.
class UpperName {
public:
  explicit UpperName(std::string_view text) {
    if (text.size() > buffer_.size()) {
      long_ = UpperAscii(text);
      view_ = long_;
      return;
    }
    for (std::size_t i = 0; i < text.size(); ++i)
      buffer_[i] =
          text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
    view_ = std::string_view(buffer_.data(), text.size());
  }
  std::string_view View() const { return view_; }

private:
  std::array<char, 64> buffer_;
  std::string long_;
  std::string_view view_;
};

} // namespace

DatIndex::DatIndex(const DatFile &sections) {
  sections_.reserve(sections.size());
  for (const DatSection &section : sections) {
    Keys &keys = sections_[section.name];
    keys.reserve(keys.size() + section.entries.size());
    for (const DatEntry &entry : section.entries)
      keys.try_emplace(entry.key, entry.value);
  }
}

const DatIndex::Keys *DatIndex::Section(std::string_view section) const {
  auto found = sections_.find(UpperName(section).View());
  return found == sections_.end() ? nullptr : &found->second;
}

std::string_view DatIndex::Value(const Keys *section, std::string_view key) {
  if (section == nullptr)
    return {};
  auto entry = section->find(UpperName(key).View());
  return entry == section->end() ? std::string_view{} : entry->second;
}

} // namespace kv508
