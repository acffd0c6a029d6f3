#include "image/fields.h"

#include "image_builder.h"
#include "model/convert.h"

#include <cmath>
#include <limits>

namespace kv508::testing {
namespace {

constexpr int kAt = 100;

MemoryImage WithBytesAt(const Bytes &bytes, std::uint8_t fill) {
  MemoryImage image = FilledImage(fill);
  std::copy(bytes.begin(), bytes.end(), image.begin() + kAt);
  return image;
}

TEST(Bcd5, ReadStopsAtTheFirstNibbleAboveNine) {
  struct Case {
    Bytes bytes;
    std::string digits;
  } cases[] = {{{0x12, 0x34, 0x56, 0x78, 0x90}, "1234567890"},
               {{0x12, 0x34, 0xF5, 0x67, 0x89}, "1234"},
               {{0x12, 0x3A, 0x56, 0x78, 0x90}, "123"},
               {{0xFF, 0x12, 0x34, 0x56, 0x78}, ""}};
  for (const Case &c : cases) {
    EXPECT_EQ(Bcd5Read(WithBytesAt(c.bytes, 0), kAt), c.digits);
  }
}

TEST(Bcd5, WriteFillsNonDigitsWithFAndHonoursTheZeroTenthDigit) {
  struct Case {
    std::string text;
    bool zeroTenth;
    Bytes bytes;
  } cases[] = {{"123456789", true, {0x12, 0x34, 0x56, 0x78, 0x90}},
               {"1234567895", true, {0x12, 0x34, 0x56, 0x78, 0x90}},
               {"123456789", false, {0x12, 0x34, 0x56, 0x78, 0x9F}},
               {"1234567891", false, {0x12, 0x34, 0x56, 0x78, 0x91}},
               {"1234", true, {0x12, 0x34, 0xFF, 0xFF, 0xF0}},
               {" 12", false, {0xF1, 0x2F, 0xFF, 0xFF, 0xFF}},
               {"", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
               {"   ", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}};
  for (const Case &c : cases) {
    MemoryImage image = FilledImage(0);
    Bcd5Write(image, kAt, c.text, c.zeroTenth);
    EXPECT_EQ(Slice(image, kAt, 5), c.bytes) << c.text;
    EXPECT_EQ(image[kAt + 5], 0);
  }
}

TEST(NameField, ReadCutsAtAForeignByteAndWritePadsWithFf) {
  struct Case {
    Bytes bytes;
    std::string name;
  } cases[] = {{{'C', 'H', '1', '6', 0xFF, 'X'}, "CH16"},
               {{'A', 'B', 0xE9, 'C', 'D', 'E'}, "AB"},
               {{'A', ' ', 'B', ' ', ' ', 0xFF}, "A B"},
               {{0xFF, 'A', 'B', 'C', 'D', 'E'}, ""}};
  for (const Case &c : cases) {
    EXPECT_EQ(NameFieldRead(WithBytesAt(c.bytes, 0xFF), kAt, 4), c.name);
  }
  MemoryImage image = FilledImage(0);
  NameFieldWrite(image, kAt, 6, "ab_c");
  EXPECT_EQ(Slice(image, kAt, 7), (Bytes{'a', 'b', 0xFF, 'c', 0xFF, 0xFF, 0}));
  NameFieldWrite(image, kAt, 3, "LONGER");
  EXPECT_EQ(Slice(image, kAt, 4), (Bytes{'L', 'O', 'N', 'c'})); // nothing past the field
}

TEST(Freq, ReadTakesTheLeadingDecimalNumber) {
  struct Case {
    Bytes bytes;
    double mhz;
  } cases[] = {{{0x56, 0x05, 0x00}, 156.05},   {{0x00, 0x00, 0x00}, 0.0},
               {{0xFF, 0xFF, 0xFF}, 0.0},      {{0x5F, 0x12, 0x34}, 105.0},
               {{0x56, 0x0F, 0x99}, 156.0},    {{0x99, 0x99, 0x99}, 199.9999},
               {{0x00, 0x00, 0x01}, 100.0001}, {{0xA5, 0x05, 0x00}, 0.0}};
  for (const Case &c : cases) {
    EXPECT_EQ(FreqRead(WithBytesAt(c.bytes, 0), kAt), c.mhz);
  }
}

TEST(Freq, WriteRoundsTheExactBinaryValueHalfToEven) {
  const double justBelowLimit = std::nextafter(199.99995, 0.0);
  struct Case {
    double mhz;
    Bytes bytes;
  } cases[] = {{156.05, {0x56, 0x05, 0x00}},
               {157.42500000000032, {0x57, 0x42, 0x50}},
               {100.03125, {0x00, 0x03, 0x12}}, // exact tie, down to even
               {100.09375, {0x00, 0x09, 0x38}}, // exact tie, up to even
               {156.00035, {0x56, 0x00, 0x03}}, // binary value just below the half
               {156.00045, {0x56, 0x00, 0x05}}, // binary value just above the half
               {justBelowLimit, {0x99, 0x99, 0x99}},
               {100.0, {0, 0, 0}},
               {-3.0, {0, 0, 0}},
               {std::nan(""), {0, 0, 0}}};
  for (const Case &c : cases) {
    MemoryImage image = FilledImage(0xEE);
    FreqWrite(image, kAt, c.mhz);
    EXPECT_EQ(Slice(image, kAt, 3), c.bytes) << c.mhz;
  }
}

TEST(Freq, ValuesNeedingASeventhDigitAreRangeErrorsAndWriteNothing) {
  for (double mhz : {199.99995, 200.0, 250.0, std::numeric_limits<double>::infinity()}) {
    MemoryImage image = FilledImage(0xEE);
    EXPECT_FALSE(FreqFits(mhz));
    EXPECT_THROW(FreqWrite(image, kAt, mhz), RangeError);
    EXPECT_EQ(Slice(image, kAt, 3), (Bytes{0xEE, 0xEE, 0xEE}));
  }
}

} // namespace
} // namespace kv508::testing
