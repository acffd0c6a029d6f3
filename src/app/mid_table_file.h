#pragma once

// The MID table beside the program: mid-countries.csv in the program folder.

#include "model/mid_table.h"

#include <filesystem>
#include <string>

namespace kv508 {

inline constexpr const char *kMidTableFileName = "mid-countries.csv";

// The table of the program folder. A missing, unreadable or damaged file gives
// an empty table (kinds still work, countries are unknown) and sets `problem`
// to one line saying where the table was looked for and why it is not used;
// `problem` is empty when the table was read.
MidTable LoadMidTable(const std::filesystem::path &programDir, std::string &problem);

} // namespace kv508
