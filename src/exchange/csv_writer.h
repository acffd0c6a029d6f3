#pragma once

// Comma-separated text as spreadsheets expect it: UTF-8, CR LF after every
// row, and a field quoted when it holds a separator, a quote, a line break or
// surrounding blanks (a semicolon too, for spreadsheets set to read those).

#include <string>
#include <string_view>
#include <vector>

namespace kv508 {

std::string CsvField(std::string_view value);
// The fields joined by commas, followed by CR LF.
std::string CsvRecord(const std::vector<std::string> &fields);

} // namespace kv508
