#include "files/dat_file.h"
#include "files/dat_values.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kv508 {

// Readable failures: a section as NAME{KEY=value,...}.
void PrintTo(const DatSection &s, std::ostream *os) {
  *os << s.name << "{";
  for (const DatEntry &e : s.entries)
    *os << e.key << "=" << e.value << ",";
  *os << "}";
}
bool operator==(const DatEntry &a, const DatEntry &b) {
  return a.key == b.key && a.value == b.value;
}
bool operator==(const DatSection &a, const DatSection &b) {
  return a.name == b.name && a.entries == b.entries;
}

namespace {

struct ParseCase {
  const char *what;
  std::string text;
  DatFile expected;
};

TEST(DatParser, OddRules) {
  const ParseCase cases[] = {
      {"keys any case, blanks around '=' and the name",
       "[ chusa0 ]junk\r\n  position =  3 \r\n\tChTag\t=\t# Ab #\t\r\n",
       {{"CHUSA0", {{"POSITION", "3"}, {"CHTAG", " Ab #"}}}}},
      {"one leading '#' only, values keep inner blanks and case",
       "[A]\r\nx=##y\r\ny=a  b\r\nz=#\r\n[B]\r\nk=v\r\n",
       {{"A", {{"X", "#y"}, {"Y", "a  b"}, {"Z", ""}}}, {"B", {{"K", "v"}}}}},
      {"entry before the first section is ignored",
       "k=1\r\n[A]\r\nk=2\r\nend=1",
       {{"A", {{"K", "2"}, {"END", "1"}}}}},
      {"a section line that is the last line is dropped",
       "[A]\r\nk=1\r\n[B]\r\n",
       {{"A", {{"K", "1"}}}}},
      {"also without a final line end", "[A]\r\nk=1\r\n[B]", {{"A", {{"K", "1"}}}}},
      {"a held line not starting with '[' skips to the next section line",
       "[A]\r\nk=1\r\n x[B]\r\nk2=2\r\n[C]\r\nk=3\r\nend=1\r\n",
       {{"A", {{"K", "1"}}}, {"C", {{"K", "3"}, {"END", "1"}}}}},
      {"lines without '=' or starting with it are skipped",
       "[A]\r\njunk\r\n=v\r\n\r\nk=1\r\nx=",
       {{"A", {{"K", "1"}, {"X", ""}}}}},
      {"a line starting with '=' and holding '[' ends the section",
       "[A]\r\nk=1\r\n=[x\r\nk=2\r\n[B]\r\nk=3\r\ne=1",
       {{"A", {{"K", "1"}}}, {"B", {{"K", "3"}, {"E", "1"}}}}},
      {"empty and unclosed section names are dropped",
       "[]\r\nk=1\r\n[A\r\nk=2\r\n[ ]\r\nk=3\r\ne=1",
       {{"", {{"K", "3"}, {"E", "1"}}}}},
      {"an '=' before ']' makes an entry",
       "[A]\r\n[B=C]\r\ne=1",
       {{"A", {{"[B", "C]"}, {"E", "1"}}}}},
      {"CR LF, lone CR and lone LF each end a line",
       "[A]\rk=1\nj=2\r\n\n\ri=3\n\r[B]\rk=4\re=5",
       {{"A", {{"K", "1"}, {"J", "2"}, {"I", "3"}}}, {"B", {{"K", "4"}, {"E", "5"}}}}},
      {"bytes beyond ASCII are kept and not upper-cased",
       std::string("[\xE9t\xE9]\r\nk\xE9=\x01\xFF\0z\r\ne=1", 19),
       {{"\xE9T\xE9", {{"K\xE9", std::string("\x01\xFF\0z", 4)}, {"E", "1"}}}}},
      {"empty text", "", {}},
  };
  for (const ParseCase &c : cases)
    EXPECT_EQ(ParseDatText(c.text), c.expected) << c.what;
}

TEST(DatParser, LookupTakesFirstSectionHoldingTheKey) {
  DatFile file = ParseDatText("[A]\r\nx=1\r\nx=9\r\n[B]\r\nx=2\r\n[a]\r\ny=3\r\nx=4\r\n[C]\r\n");
  EXPECT_EQ(LookupDatValue(file, "a", "X"), "1");
  EXPECT_EQ(LookupDatValue(file, "A", "y"), "3");
  EXPECT_EQ(LookupDatValue(file, "B", "x"), "2");
  EXPECT_EQ(LookupDatValue(file, "A", "z"), "");
  EXPECT_EQ(LookupDatValue(file, " A", "x"), ""); // arguments are not trimmed
  EXPECT_EQ(LookupDatValue(file, "C", "x"), "");
}

TEST(DatValues, Integers) {
  const std::pair<const char *, std::optional<std::int16_t>> cases[] = {{"0", 0},
                                                                        {"-24", -24},
                                                                        {"+7", 7},
                                                                        {"2.5", 2},
                                                                        {"3.5", 4},
                                                                        {"-2.5", -2},
                                                                        {"0.5", 0},
                                                                        {"1e2", 100},
                                                                        {"1.5E1", 15},
                                                                        {".5", 0},
                                                                        {"7.", 7},
                                                                        {"32767", 32767},
                                                                        {"-32768", -32768},
                                                                        {"32767.5", std::nullopt},
                                                                        {"32768", std::nullopt},
                                                                        {"-32769", std::nullopt},
                                                                        {"", std::nullopt},
                                                                        {"abc", std::nullopt},
                                                                        {"1 2", std::nullopt},
                                                                        {"&H10", std::nullopt},
                                                                        {"1,5", std::nullopt},
                                                                        {"1e", std::nullopt},
                                                                        {"-", std::nullopt},
                                                                        {".", std::nullopt},
                                                                        {"1e999", std::nullopt},
                                                                        {"0x10", std::nullopt}};
  for (const auto &[text, value] : cases)
    EXPECT_EQ(ParseDatInt16(text), value) << text;
  EXPECT_EQ(ParseDatInt32("65535"), 65535);
  EXPECT_EQ(ParseDatInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseDatInt32("2147483648"), std::nullopt);
}

TEST(DatValues, BooleansAndLeadingNumbers) {
  const std::pair<const char *, std::optional<bool>> booleans[] = {
      {"1", true},         {"0", false},         {"-1", true},       {"0.0", false},
      {"2.5", true},       {"0.01", true},       {"True", true},     {"tRUE", true},
      {"FALSE", false},    {"false", false},     {"", std::nullopt}, {"yes", std::nullopt},
      {"T", std::nullopt}, {"1a", std::nullopt},
  };
  for (const auto &[text, value] : booleans)
    EXPECT_EQ(ParseDatBoolean(text), value) << text;

  const std::pair<const char *, std::optional<double>> leading[] = {
      {"12", 12.0}, {"12abc", 12.0}, {"-3.5x", -3.5},
      {"abc", 0.0}, {"", 0.0},       {"1e2z", 100.0},
      {"5e", 5.0},  {"+.5", 0.5},    {"1e999", std::nullopt},
  };
  for (const auto &[text, value] : leading)
    EXPECT_EQ(LeadingDatNumber(text), value) << text;
}

TEST(DatValues, FrequenciesReadWithPointOrComma) {
  EXPECT_EQ(ParseDatFrequency("156.025"), 156.025);
  EXPECT_EQ(ParseDatFrequency("156,025"), 156.025);
  EXPECT_EQ(ParseDatFrequency("0"), 0.0);
  EXPECT_EQ(ParseDatFrequency("1,2.3"), std::nullopt);
  EXPECT_EQ(ParseDatFrequency("1.2.3"), std::nullopt);
  EXPECT_EQ(ParseDatNumber("156,025"), std::nullopt);
  // Every value written reads back to a value that is written the same way.
  for (double f = 100.0; f < 200.0; f += 0.0037)
    EXPECT_EQ(FormatDatFrequency(*ParseDatFrequency(FormatDatFrequency(f))), FormatDatFrequency(f));
}

} // namespace
} // namespace kv508
