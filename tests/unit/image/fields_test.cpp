#include "image/fields.h"

#include "image_builder.h"
#include "model/convert.h"

#include <cmath>
#include <limits>

namespace kv508::testing {
namespace {

// Field edges the encode and decode tests do not reach through real fields.
constexpr int kAt = 100;

MemoryImage WithBytesAt(const Bytes &bytes, std::uint8_t fill) {
  MemoryImage image = FilledImage(fill);
  Put(image, kAt, bytes);
  return image;
}

TEST(Bcd5, ReadStopsAtTheFirstNibbleAboveNineAndWriteFillsWithF) {
  const std::pair<Bytes, std::string> reads[] = {{{0x12, 0x3A, 0x56, 0x78, 0x90}, "123"},
                                                 {{0xFF, 0x12, 0x34, 0x56, 0x78}, ""}};
  for (const auto &[bytes, digits] : reads)
    EXPECT_EQ(Bcd5Read(WithBytesAt(bytes, 0), kAt), digits);

  const struct {
    std::string text;
    bool zeroTenth;
    Bytes bytes;
  } writes[] = {{"1234567891", false, {0x12, 0x34, 0x56, 0x78, 0x91, 0}},
                {"1234", true, {0x12, 0x34, 0xFF, 0xFF, 0xF0, 0}},
                {" 12", false, {0xF1, 0x2F, 0xFF, 0xFF, 0xFF, 0}}};
  for (const auto &c : writes) {
    MemoryImage image = FilledImage(0);
    Bcd5Write(image, kAt, c.text, c.zeroTenth);
    EXPECT_EQ(Slice(image, kAt, 6), c.bytes) << c.text;
  }
}

TEST(NameField, ReadCutsAtAForeignByteAndWritePadsWithFf) {
  const std::pair<Bytes, std::string> reads[] = {{{'A', 'B', 0xE9, 'C', 'D', 'E'}, "AB"},
                                                 {{'A', ' ', 'B', ' ', ' ', 0xFF}, "A B"},
                                                 {{0xFF, 'A', 'B', 'C', 'D', 'E'}, ""}};
  for (const auto &[bytes, name] : reads)
    EXPECT_EQ(NameFieldRead(WithBytesAt(bytes, 0xFF), kAt, 4), name);
  MemoryImage image = FilledImage(0);
  NameFieldWrite(image, kAt, 6, "ab_c");
  EXPECT_EQ(Slice(image, kAt, 7), (Bytes{'a', 'b', 0xFF, 'c', 0xFF, 0xFF, 0}));
  NameFieldWrite(image, kAt, 3, "LONGER");
  EXPECT_EQ(Slice(image, kAt, 4), (Bytes{'L', 'O', 'N', 'c'})); // nothing past the field
}

TEST(Freq, ReadTakesTheLeadingDecimalNumber) {
  const std::pair<Bytes, double> cases[] = {{{0xFF, 0xFF, 0xFF}, 0.0},
                                            {{0x5F, 0x12, 0x34}, 105.0},
                                            {{0x99, 0x99, 0x99}, 199.9999},
                                            {{0x00, 0x00, 0x01}, 100.0001}};
  for (const auto &[bytes, mhz] : cases)
    EXPECT_EQ(FreqRead(WithBytesAt(bytes, 0), kAt), mhz);
}

// The exact binary value is rounded half to even: 100.03125 and 100.09375 are exact
// ties; 156.00035 and 156.00045 are stored just below and above the half.
TEST(Freq, WriteRoundsTheExactBinaryValueHalfToEven) {
  const std::pair<double, Bytes> cases[] = {{157.42500000000032, {0x57, 0x42, 0x50}},
                                            {100.03125, {0x00, 0x03, 0x12}},
                                            {156.00035, {0x56, 0x00, 0x03}},
                                            {156.00045, {0x56, 0x00, 0x05}},
                                            {std::nextafter(199.99995, 0.0), {0x99, 0x99, 0x99}},
                                            {-3.0, {0, 0, 0}},
                                            {std::nan(""), {0, 0, 0}}};
  for (const auto &[mhz, bytes] : cases) {
    MemoryImage image = FilledImage(0xEE);
    FreqWrite(image, kAt, mhz);
    EXPECT_EQ(Slice(image, kAt, 3), bytes) << mhz;
  }
  MemoryImage image = FilledImage(0xEE);
  EXPECT_THROW(FreqWrite(image, kAt, std::numeric_limits<double>::infinity()), RangeError);
  EXPECT_EQ(Slice(image, kAt, 3), (Bytes{0xEE, 0xEE, 0xEE}));
}

} // namespace
} // namespace kv508::testing
