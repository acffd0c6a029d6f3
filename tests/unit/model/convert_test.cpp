#include "model/convert.h"

#include <gtest/gtest.h>

#include <limits>

namespace kv508 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kCh88 = 157.42500000000032; // the channel table's running sum
using FreqCase = std::pair<double, const char *>;

TEST(NameAlphabet, HoldsExactlyTheSeventyOneCharacters) {
  std::string alphabet;
  for (int code = 0; code < 256; ++code) {
    if (InNameAlphabet(static_cast<char>(code)))
      alphabet += static_cast<char>(code);
  }
  EXPECT_EQ(alphabet, " ()*+,-./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

// Three decimals round an exact half away from zero (156.0625), and a value stored
// just below the half is still a half as a decimal (156.0125). Four decimals snap
// off-grid values down to 5 kHz, after rounding onto the grid (156.01499999).
TEST(FrequencyText, ThreeAndFourDecimals) {
  const FreqCase three[] = {{0.0, "---.---"},      {kNaN, "---.---"},     {kCh88, "157.425"},
                            {156.0625, "156.063"}, {156.0125, "156.013"}, {9.5, "009.500"}};
  for (const auto &[f, text] : three)
    EXPECT_EQ(FormatFreq3(f), text) << f;
  EXPECT_EQ(FormatTxFreq3(156.8, true) + FormatTxFreq3(156.8, false), "---.---156.800");
  const FreqCase four[] = {{156.0125, "156.0125"},     {156.013, "156.0100"},
                           {156.01499999, "156.0150"}, {kCh88, "157.4250"},
                           {0.0, "---.----"},          {1.7e308, "---.----"}};
  for (const auto &[f, text] : four)
    EXPECT_EQ(FormatFreq4(f), text) << f;
}

TEST(FrequencyText, ExpansionEntryAcceptsBandEdgesOnRasterOrEmpty) {
  const std::pair<const char *, double> accepted[] = {
      {"137", 137.0}, {"174", 174.0}, {"156.025", 156.025}, {"  ", 0.0}};
  for (const auto &[text, expected] : accepted) {
    double value = -5.0;
    EXPECT_TRUE(ParseExpansionFreq(text, value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char *text : {"136.975", "174.025", "156.0125", "156.025x", "1e2"}) {
    double value = -5.0;
    EXPECT_FALSE(ParseExpansionFreq(text, value)) << text;
    EXPECT_EQ(value, -5.0) << text;
  }
}

TEST(OffsetTime, Texts) {
  EXPECT_EQ(OffsetTimeList().size(), 49u);
  const std::pair<int, const char *> texts[] = {
      {-24, "-12:00"}, {-1, "-0:30"}, {0, " 0"}, {3, "+1:30"}, {25, ""}};
  for (const auto &[v, text] : texts)
    EXPECT_EQ(OffsetTimeText(v), text) << v;
}

} // namespace
} // namespace kv508
