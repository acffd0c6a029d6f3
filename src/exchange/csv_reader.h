#pragma once

// Reads comma-separated text as spreadsheets write it: a byte-order mark,
// CR LF, LF or CR line ends, a comma, semicolon or TAB separator (the one the
// header uses most), quoted fields holding separators, quotes and line breaks.
// Hostile input is refused with the line it was found on, and the limits below
// bound the memory any input can take.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kv508 {

// A directory or channel list is a few dozen KB; anything far larger is no export
// of these lists.
constexpr std::size_t kCsvMaxFileBytes = std::size_t{1} << 20;
constexpr std::size_t kCsvMaxFields = 64;
constexpr std::size_t kCsvMaxRows = 5000;

struct CsvRow {
  int line = 0; // the line the row starts on, 1 for the first line of the file
  std::vector<std::string> fields;
};

struct CsvTable {
  char separator = ',';
  std::vector<std::string> header; // as written, trimmed
  int headerLine = 0;
  std::vector<CsvRow> rows; // rows with every field empty are left out
};

struct CsvReadResult {
  CsvTable table;
  int errorLine = 0; // 0: read; otherwise the line the refusal names
  std::string error; // why the file was refused
  bool Ok() const { return errorLine == 0; }
};

// Fields come out as UTF-8: a file that is not well-formed UTF-8 is read as
// Windows-1252 when every byte is text in that code page. Unquoted fields lose
// surrounding blanks; quoted ones are kept as written. Bytes beyond
// kCsvMaxFileBytes refuse the file.
CsvReadResult ReadCsv(std::string_view bytes);

} // namespace kv508
