// The CSV reader on what spreadsheets write and on hostile files, and the writer.

#include "exchange/csv_reader.h"
#include "exchange/csv_writer.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Fields(const CsvTable &table) {
  Rows rows;
  for (const CsvRow &row : table.rows)
    rows.push_back(row.fields);
  return rows;
}

std::vector<int> Lines(const CsvTable &table) {
  std::vector<int> lines;
  for (const CsvRow &row : table.rows)
    lines.push_back(row.line);
  return lines;
}

TEST(CsvReader, ReadsWhatSpreadsheetsWrite) {
  const std::string bytes = "\xEF\xBB\xBF"
                            "MMSI; Name ;Position;Colour\r\n"
                            "232000123;\"HARBOUR, WEST\";1;red\r\n"
                            "\r\n"
                            ";;;\r\n"
                            "  232000456 ;\"SAY \"\"HI\"\"\";2\r\n"
                            "232000789;\"TWO\r\nLINES\";3;\r\n";
  const CsvReadResult read = ReadCsv(bytes);
  ASSERT_TRUE(read.Ok()) << read.error;
  EXPECT_EQ(read.table.separator, ';');
  EXPECT_EQ(read.table.header, (std::vector<std::string>{"MMSI", "Name", "Position", "Colour"}));
  EXPECT_EQ(Fields(read.table), (Rows{{"232000123", "HARBOUR, WEST", "1", "red"},
                                      {"232000456", "SAY \"HI\"", "2"},
                                      {"232000789", "TWO\r\nLINES", "3", ""}}));
  EXPECT_EQ(Lines(read.table), (std::vector<int>{2, 5, 6}));
}

TEST(CsvReader, TakesEachSeparatorAndLineEnd) {
  const struct {
    std::string bytes;
    char separator;
  } cases[] = {
      {"a,b\nc,\"d;e\"\n", ','},
      {"a;b\rc;\"d,e\"", ';'},
      {"a\tb\r\nc\t\"d,e\"\r\n", '\t'},
  };
  for (const auto &c : cases) {
    const CsvReadResult read = ReadCsv(c.bytes);
    ASSERT_TRUE(read.Ok()) << c.bytes;
    EXPECT_EQ(read.table.separator, c.separator);
    EXPECT_EQ(Fields(read.table), (Rows{{"c", c.separator == ',' ? "d;e" : "d,e"}}));
    EXPECT_EQ(Lines(read.table), std::vector<int>{2});
  }
}

TEST(CsvReader, ReadsWindows1252WhenTheFileIsNotUtf8) {
  const CsvReadResult read = ReadCsv("name\r\nCaf\xE9 \x80\r\n");
  ASSERT_TRUE(read.Ok()) << read.error;
  EXPECT_EQ(Fields(read.table), Rows{{"Caf\xC3\xA9 \xE2\x82\xAC"}});
}

// Every refusal names the line; memory stays bounded and nothing hangs.
TEST(CsvReader, RefusesHostileFilesNamingTheLine) {
  std::string wide = "a";
  for (int i = 1; i < 200; ++i)
    wide += "," + std::to_string(i);
  // A file is read up to one byte beyond the limit, whatever its size.
  std::string huge = "name\n" + std::string(kCsvMaxFileBytes, 'A');
  for (std::size_t i = 20; i < huge.size(); i += 16)
    huge[i] = '\n';
  std::string manyRows = "name\n";
  for (std::size_t i = 0; i <= kCsvMaxRows; ++i)
    manyRows += "x\n";
  const struct {
    std::string name;
    std::string bytes;
    int line;
    std::string error;
  } cases[] = {
      {"empty", "", 1, "the file is empty"},
      {"blank lines", "\r\n\r\n", 1, "the file is empty"},
      {"byte-order mark only", "\xEF\xBB\xBF", 1, "the file is empty"},
      {"header only", "position,name,mmsi\r\n", 2, "only a header, no rows"},
      {"NUL byte", std::string("name\nA\nB\0C\n", 11), 3, "a NUL byte: this is not a text file"},
      {"neither UTF-8 nor Windows-1252", "name\n\xC3\xA9\n\xE9\x81\n", 3,
       "byte 0x81 is text neither in UTF-8 nor in Windows-1252"},
      {"control byte in a Windows-1252 file", "name\n\xE9\x07\n", 2,
       "byte 0x07 is text neither in UTF-8 nor in Windows-1252"},
      {"beyond 1 MB", huge, 65537, "the file is larger than 1 MB"},
      {"200 columns", "name\n" + wide + "\n", 2, "more than 64 fields"},
      {"too many rows", manyRows, 5002, "more than 5000 rows"},
      {"unterminated quote", "name\nA\n\"B\nC\nD\n", 3, "a quoted field never ends"},
  };
  for (const auto &c : cases) {
    const CsvReadResult read = ReadCsv(c.bytes);
    EXPECT_EQ(read.errorLine, c.line) << c.name;
    EXPECT_EQ(read.error, c.error) << c.name;
  }
}

TEST(CsvWriter, QuotesOnlyWhatNeedsItAndEndsRowsWithCrLf) {
  EXPECT_EQ(CsvRecord({"1", "HARBOUR, WEST", "SAY \"HI\"", "a;b", " LEAD", "TWO\nLINES", ""}),
            "1,\"HARBOUR, WEST\",\"SAY \"\"HI\"\"\",\"a;b\",\" LEAD\",\"TWO\nLINES\",\r\n");
  const std::vector<std::string> fields = {"x,y", "\"", " a ", "", "\t"};
  const CsvReadResult read = ReadCsv(CsvRecord({"h1", "h2", "h3", "h4", "h5"}) + CsvRecord(fields));
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(Fields(read.table), Rows{fields});
}

} // namespace
} // namespace kv508
