#pragma once

// Constant-time look-ups into a parsed settings file, with the same answers as
// LookupDatValue: the first section of a name that holds the key wins, and within
// it the first entry. Views into the parsed file; it must outlive the index.

#include "files/dat_file.h"

#include <string_view>
#include <unordered_map>

namespace kv508 {

class DatIndex {
public:
  using Keys = std::unordered_map<std::string_view, std::string_view>;

  explicit DatIndex(const DatFile &sections);

  // Section and key in any letter case; empty when absent.
  std::string_view Value(std::string_view section, std::string_view key) const {
    return Value(Section(section), key);
  }
  // The keys of every section of that name, for many look-ups in one section;
  // nullptr when there is no such section.
  const Keys *Section(std::string_view section) const;
  static std::string_view Value(const Keys *section, std::string_view key);

private:
  std::unordered_map<std::string_view, Keys> sections_;
};

} // namespace kv508
