#include "files/dat_file.h"
#include "files/dat_index.h"
#include "files/dat_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kv508 {
namespace {

// A parsed file as NAME{KEY=value;...}, for exact comparison.
std::string Render(const DatFile &file) {
  std::string out;
  for (const DatSection &s : file) {
    out += s.name + "{";
    for (const DatEntry &e : s.entries)
      out += e.key + "=" + e.value + ";";
    out += "}";
  }
  return out;
}

// Keys and names are trimmed and upper-cased; values lose one leading '#' and keep
// inner blanks and case. A section line that is the last line is dropped; a held
// line not starting with '[' skips to the next section line; lines without '=' or
// starting with it are skipped, unless they hold a '[' (end of section).
TEST(DatParser, OddRules) {
  const std::pair<std::string, std::string> cases[] = {
      {"[ chusa0 ]junk\r\n  position =  3 \r\n\tChTag\t=\t# Ab #\t\r\n",
       "CHUSA0{POSITION=3;CHTAG= Ab #;}"},
      {"[A]\r\nx=##y\r\ny=a  b\r\nz=#\r\n[B]\r\nk=v\r\n", "A{X=#y;Y=a  b;Z=;}B{K=v;}"},
      {"k=1\r\n[A]\r\nk=2\r\nend=1", "A{K=2;END=1;}"},
      {"[A]\r\nk=1\r\n[B]", "A{K=1;}"},
      {"[A]\r\nk=1\r\n x[B]\r\nk2=2\r\n[C]\r\nk=3\r\nend=1\r\n", "A{K=1;}C{K=3;END=1;}"},
      {"[A]\r\njunk\r\n=v\r\n\r\nk=1\r\nx=", "A{K=1;X=;}"},
      {"[A]\r\nk=1\r\n=[x\r\nk=2\r\n[B]\r\nk=3\r\ne=1", "A{K=1;}B{K=3;E=1;}"},
      {"[]\r\nk=1\r\n[A\r\nk=2\r\n[ ]\r\nk=3\r\ne=1", "{K=3;E=1;}"}, // empty or unclosed names
      {"[A]\r\n[B=C]\r\ne=1", "A{[B=C];E=1;}"},                      // '=' before ']'
      {"[A]\rk=1\nj=2\r\n\n\ri=3\n\r[B]\rk=4\re=5", "A{K=1;J=2;I=3;}B{K=4;E=5;}"},
      {std::string("[\xE9t\xE9]\r\nk\xE9=\x01\xFF\0z\r\ne=1", 19),
       std::string("\xE9T\xE9{K\xE9=\x01\xFF\0z;E=1;}", 17)}, // bytes beyond ASCII kept as they are
      {"", ""}};
  for (const auto &[text, parsed] : cases)
    EXPECT_EQ(Render(ParseDatText(text)), parsed) << text;
}

// Sections and keys in any case; the first section of a name holding the key wins,
// then its first entry.
TEST(DatParser, LookupTakesFirstSectionHoldingTheKey) {
  const DatFile file =
      ParseDatText("[A]\r\nx=1\r\nx=9\r\n[B]\r\nx=2\r\n[a]\r\ny=3\r\nx=4\r\n[C]\r\n");
  const DatIndex index(file);
  const std::tuple<const char *, const char *, const char *> cases[] = {
      {"a", "X", "1"}, {"A", "y", "3"}, {"A", "z", ""}, {" A", "x", ""}, {"C", "x", ""}};
  for (const auto &[section, key, value] : cases)
    EXPECT_EQ(index.Value(section, key), value) << section << key;
}

// Whole numbers round half to even; booleans are True/False in any case or a number.
TEST(DatValues, NumbersAndBooleans) {
  const std::pair<const char *, std::int16_t> ints[] = {
      {"+7", 7},     {"2.5", 2}, {"3.5", 4},        {"-2.5", -2},
      {"1.5E1", 15}, {".5", 0},  {"-32768", -32768}};
  for (const auto &[text, value] : ints)
    EXPECT_EQ(ParseDatInt16(text), value) << text;
  for (const char *text : {"32767.5", "-32769", "", "1 2", "1,5", "1e", ".", "1e999", "0x10"})
    EXPECT_EQ(ParseDatInt16(text), std::nullopt) << text;
  EXPECT_EQ(ParseDatInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseDatInt32("2147483648"), std::nullopt);

  const std::pair<const char *, std::optional<bool>> booleans[] = {
      {"-1", true},     {"0.01", true},     {"tRUE", true},      {"0.0", false},
      {"FALSE", false}, {"", std::nullopt}, {"T", std::nullopt}, {"1a", std::nullopt}};
  for (const auto &[text, value] : booleans)
    EXPECT_EQ(ParseDatBoolean(text), value) << text;

  const std::pair<const char *, std::optional<double>> leading[] = {
      {"-3.5x", -3.5}, {"abc", 0.0}, {"1e2z", 100.0}, {"5e", 5.0}, {"1e999", std::nullopt}};
  for (const auto &[text, value] : leading)
    EXPECT_EQ(LeadingDatNumber(text), value) << text;
}

TEST(DatValues, FrequenciesReadWithPointOrCommaAndWriteInShortestForm) {
  EXPECT_EQ(ParseDatFrequency("156,025"), 156.025);
  EXPECT_EQ(ParseDatFrequency("1,2.3"), std::nullopt);
  EXPECT_EQ(ParseDatNumber("156,025"), std::nullopt);
  const std::pair<double, const char *> texts[] = {{100.52590000000001, "100.5259"},
                                                   {-0.0, "0"},
                                                   {0.00001, "0.00001"},
                                                   {123456789012345678.0, "123456789012346000"},
                                                   {1.0 / 3.0, "0.333333333333333"},
                                                   {std::numeric_limits<double>::quiet_NaN(), ""}};
  for (const auto &[value, text] : texts)
    EXPECT_EQ(FormatDatFrequency(value), text) << text;
  // Every value written reads back to a value that is written the same way.
  for (double f = 100.0; f < 200.0; f += 0.0037)
    EXPECT_EQ(FormatDatFrequency(*ParseDatFrequency(FormatDatFrequency(f))), FormatDatFrequency(f));
}

} // namespace
} // namespace kv508
