#include "model/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kv508 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NameAlphabet, HoldsExactlyTheSeventyOneCharacters) {
  std::string alphabet;
  for (int code = 0; code < 256; ++code) {
    if (InNameAlphabet(static_cast<char>(code)))
      alphabet += static_cast<char>(code);
  }
  EXPECT_EQ(alphabet, " ()*+,-./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

TEST(FrequencyText, ThreeDecimalsRoundHalfAwayFromZeroOnTheDecimalValue) {
  const std::pair<double, const char *> cases[] = {
      {0.0, "---.---"},      {-1.0, "---.---"},   {kNaN, "---.---"},
      {kInf, "---.---"},     {156.05, "156.050"}, {157.42500000000032, "157.425"},
      {156.0625, "156.063"}, // exactly half: away from zero, not to even
      {156.0125, "156.013"}, // stored just below the half, still a half as a decimal
      {9.5, "009.500"},      {0.0004, "000.000"}, {999.9996, "1000.000"}};
  for (const auto &[f, text] : cases)
    EXPECT_EQ(FormatFreq3(f), text) << f;
  EXPECT_EQ(FormatTxFreq3(156.8, true), "---.---");
  EXPECT_EQ(FormatTxFreq3(0.0, false), "---.---");
  EXPECT_EQ(FormatTxFreq3(156.8, false), "156.800");
}

TEST(FrequencyText, FourDecimalsSnapOffGridValuesDownToFiveKilohertz) {
  const std::pair<double, const char *> cases[] = {
      {156.0125, "156.0125"},
      {156.013, "156.0100"},
      {156.0175, "156.0150"},
      {156.025, "156.0250"},
      {157.42500000000032, "157.4250"},
      {156.0149, "156.0100"},
      {156.01499999, "156.0150"}, // rounds onto the grid first
      {-1.0, "---.----"},
      {0.0, "---.----"},
      {kNaN, "---.----"},
      {1.7e308, "---.----"}};
  for (const auto &[f, text] : cases)
    EXPECT_EQ(FormatFreq4(f), text) << f;
}

TEST(FrequencyText, RasterAndRoundingHalvesToEven) {
  EXPECT_TRUE(IsOn25kHzRaster(156.025));
  EXPECT_TRUE(IsOn25kHzRaster(157.42500000000032));
  EXPECT_FALSE(IsOn25kHzRaster(156.0125));
  EXPECT_FALSE(IsOn25kHzRaster(kNaN));
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3.0);
}

TEST(FrequencyText, ExpansionEntryAcceptsBandEdgesOnRasterOrEmpty) {
  const std::pair<const char *, double> accepted[] = {
      {"137", 137.0}, {"174", 174.0}, {"156.025", 156.025}, {"", 0.0}, {"  ", 0.0}};
  for (const auto &[text, expected] : accepted) {
    double value = -5.0;
    EXPECT_TRUE(ParseExpansionFreq(text, value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char *text : {"136.975", "174.025", "156.0125", "abc", "156.025x", "1e2", "-150"}) {
    double value = -5.0;
    EXPECT_FALSE(ParseExpansionFreq(text, value)) << text;
    EXPECT_EQ(value, -5.0) << text;
  }
}

TEST(OffsetTime, TextsAndByteForms) {
  ASSERT_EQ(OffsetTimeList().size(), 49u);
  const std::pair<int, const char *> texts[] = {{-24, "-12:00"}, {-1, "-0:30"}, {0, " 0"},
                                                {1, "+0:30"},    {3, "+1:30"},  {24, "+12:00"},
                                                {25, ""},        {-25, ""}};
  for (const auto &[v, text] : texts)
    EXPECT_EQ(OffsetTimeText(v), text) << v;

  std::int16_t v = -30;
  EXPECT_EQ(OffsetTimeToByte(v), 24);
  EXPECT_EQ(v, -24);
  v = 30;
  EXPECT_EQ(OffsetTimeToByte(v), 32 + 24);
  EXPECT_EQ(v, 24);
  EXPECT_EQ(ByteToOffsetTime(0x20), 0);
  EXPECT_EQ(ByteToOffsetTime(0x00), 0);
  EXPECT_EQ(ByteToOffsetTime(0xFF), 31); // junk keeps bits 0-5 only
  for (std::int16_t k = -24; k <= 24; ++k) {
    std::int16_t copy = k;
    EXPECT_EQ(ByteToOffsetTime(OffsetTimeToByte(copy)), k);
  }
}

TEST(StatusName, BracketsANonEmptyGroupName) {
  RadioData data;
  data.ChannelGroups[1].StatusName = "ABCD";
  EXPECT_EQ(StatusNameText(data, 2), "[ABCD]");
  EXPECT_EQ(StatusNameText(data, 1), "");
  EXPECT_EQ(StatusNameText(data, 0), "");
  EXPECT_EQ(StatusNameText(data, 5), "");
}

TEST(Bits, OutOfRangeArgumentsFallBack) {
  EXPECT_EQ(GetBit(0x80, 7), 1);
  EXPECT_EQ(GetBit(0xFF, 8), 0);
  EXPECT_EQ(GetBit(0xFF, -1), 0);
  EXPECT_EQ(SetBit(0x00, 1, 3), 0x08);
  EXPECT_EQ(SetBit(0xFF, 2, 3), 0xF7); // only 1 sets
  EXPECT_EQ(SetBit(0x5A, 1, 8), 0x5A);
  EXPECT_EQ(GetField(0b10101100, 3, 5), 0b101);
  EXPECT_EQ(SetField(0xFF, 3, 5, 0b010), 0b11010111);
  EXPECT_EQ(SetField(0x00, 2, 1, 0xFF), 0x03); // only the low count bits are written
  EXPECT_THROW(SetField(0, 3, 5, 256), RangeError);
  EXPECT_THROW(SetField(0, 3, 5, -1), RangeError);
}

TEST(Bytes, SplitWordAndSum) {
  EXPECT_EQ(SplitWord(-1), std::make_pair(std::uint8_t{0xFF}, std::uint8_t{0xFF}));
  EXPECT_EQ(SplitWord(300), std::make_pair(std::uint8_t{1}, std::uint8_t{44}));
  EXPECT_EQ(SplitWord(65535), std::make_pair(std::uint8_t{0xFF}, std::uint8_t{0xFF}));
  EXPECT_THROW(SplitWord(65536), RangeError);

  MemoryImage image{};
  image[10] = 0xF0;
  image[11] = 0x20;
  image[ImageLastIndex] = 7;
  EXPECT_EQ(ByteSum(image, 10, 2), 0x10);
  EXPECT_EQ(ByteSum(image, 10, 0), 0xF0); // at least one byte
  EXPECT_EQ(ByteSum(image, ImageLastIndex, 5), 7);
}

} // namespace
} // namespace kv508
