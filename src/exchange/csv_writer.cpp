#include "exchange/csv_writer.h"

namespace kv508 {

namespace {

// A reader drops blanks around an unquoted field.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::string CsvField(std::string_view value) {
  const bool quoted = value.find_first_of(",;\"\t\r\n") != std::string_view::npos ||
                      (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
  if (!quoted)
    return std::string(value);
  std::string out = "\"";
  for (char c : value) {
    if (c == '"')
      out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string CsvRecord(const std::vector<std::string> &fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0)
      out += ',';
    out += CsvField(fields[i]);
  }
  out += "\r\n";
  return out;
}

} // namespace kv508
