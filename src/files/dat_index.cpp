#include "files/dat_index.h"
#include "files/dat_values.h"

#include <string>

namespace kv508 {

DatIndex::DatIndex(const DatFile &sections) {
  for (const DatSection &section : sections) {
    Keys &keys = sections_[section.name];
    for (const DatEntry &entry : section.entries)
      keys.try_emplace(entry.key, entry.value);
  }
}

std::string_view DatIndex::Value(std::string_view section, std::string_view key) const {
  auto found = sections_.find(UpperAscii(section));
  if (found == sections_.end())
    return {};
  auto entry = found->second.find(UpperAscii(key));
  return entry == found->second.end() ? std::string_view{} : entry->second;
}

} // namespace kv508
