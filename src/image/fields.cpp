#include "image/fields.h"

#include "image/layout.h"
#include "model/convert.h"

#include <cmath>
#include <string>

namespace kv508 {

namespace {

constexpr std::uint8_t kEmpty = 0xFF;
constexpr int kNibbleEmpty = 0xF;
constexpr int kBcdDigits = 2 * layout::kBcdLength;
constexpr std::int64_t kFreqUnitsPerMHz = 10000; // four decimals: 100 Hz steps
constexpr std::int64_t kFreqBaseUnits = 100 * kFreqUnitsPerMHz;
constexpr std::int64_t kFreqUnitsLimit = kFreqBaseUnits; // MM has two digits
constexpr double kFreqBase = 100.0;
constexpr double kFreqFirstUnstorable = 199.99995;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// d * 10000 rounded to a whole number from the exact binary value of d, exact
// halves to the even neighbour. d = m * 2^(e-53) with a 53-bit m, so
// d * 10000 = m * 625 / 2^(49-e) with m * 625 below 2^63: integer arithmetic is exact.
std::int64_t TenThousandthsOf(double d) {
  int e = 0;
  const double mantissa = std::frexp(d, &e);
  const auto n = static_cast<std::uint64_t>(std::ldexp(mantissa, 53)) * 625u;
  const int shift = 49 - e;
  if (shift <= 0)
    return static_cast<std::int64_t>(n << -shift);
  if (shift >= 64)
    return 0; // below one half
  std::uint64_t q = n >> shift;
  const std::uint64_t rest = n & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (q & 1u) != 0))
    ++q;
  return static_cast<std::int64_t>(q);
}

} // namespace

bool FlagRead(const MemoryImage &image, int offset) { return image.at(offset) != 0; }

void FlagWrite(MemoryImage &image, int offset, bool value) { image.at(offset) = value ? 1 : 0; }

bool BitRead(const MemoryImage &image, int offset, int bit) {
  return GetBit(image.at(offset), bit) != 0;
}

void BitWrite(MemoryImage &image, int offset, int bit, bool value) {
  image.at(offset) = SetBit(image.at(offset), value ? 1 : 0, bit);
}

int Be16Read(const MemoryImage &image, int offset) {
  return image.at(offset) * 256 + image.at(offset + 1);
}

void Be16Write(MemoryImage &image, int offset, std::int32_t value) {
  const auto [high, low] = SplitWord(value);
  image.at(offset) = high;
  image.at(offset + 1) = low;
}

std::string Bcd5Read(const MemoryImage &image, int offset) {
  std::string digits;
  for (int i = 0; i < layout::kBcdLength; ++i) {
    const std::uint8_t byte = image.at(offset + i);
    const int high = byte >> 4;
    if (high > 9)
      break;
    digits += static_cast<char>('0' + high);
    const int low = byte & 0x0F;
    if (low > 9)
      break;
    digits += static_cast<char>('0' + low);
  }
  return digits;
}

void Bcd5Write(MemoryImage &image, int offset, const std::string &text, bool zeroTenthDigit) {
  if (text.find_first_not_of(' ') == std::string::npos) {
    for (int i = 0; i < layout::kBcdLength; ++i)
      image.at(offset + i) = kEmpty;
    return;
  }
  // Leading spaces are not trimmed: like any other non-digit they store as 0xF.
  const std::string padded = text + std::string(kBcdDigits, ' ');
  auto nibble = [&](int i) { return IsDigit(padded[i]) ? padded[i] - '0' : kNibbleEmpty; };
  for (int i = 0; i < layout::kBcdLength; ++i) {
    int low = nibble(2 * i + 1);
    if (zeroTenthDigit && i == layout::kBcdLength - 1)
      low = 0;
    image.at(offset + i) = static_cast<std::uint8_t>(nibble(2 * i) << 4 | low);
  }
}

std::string NameFieldRead(const MemoryImage &image, int offset, int length) {
  std::string name;
  for (int i = 0; i < length; ++i) {
    const char c = static_cast<char>(image.at(offset + i));
    if (!InNameAlphabet(c))
      break;
    name += c;
  }
  name.erase(name.find_last_not_of(' ') + 1);
  return name;
}

void NameFieldWrite(MemoryImage &image, int offset, int length, const std::string &text) {
  for (int i = 0; i < length; ++i) {
    const bool stored = i < static_cast<int>(text.size()) && InNameAlphabet(text[i]);
    image.at(offset + i) = stored ? static_cast<std::uint8_t>(text[i]) : kEmpty;
  }
}

double FreqRead(const MemoryImage &image, int offset) {
  // The longest leading decimal number of "MM.dddd": a nibble above 9 ends it.
  std::int64_t whole = 0;
  std::int64_t fraction = 0;
  std::int64_t scale = kFreqUnitsPerMHz;
  for (int i = 0; i < 6; ++i) {
    const std::uint8_t byte = image.at(offset + i / 2);
    const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    if (nibble > 9)
      break;
    if (i < 2) {
      whole = whole * 10 + nibble;
    } else {
      scale /= 10;
      fraction += nibble * scale;
    }
  }
  const std::int64_t units = whole * kFreqUnitsPerMHz + fraction;
  if (units <= 0)
    return 0.0;
  // One correctly rounded division gives the double nearest to the decimal value.
  return static_cast<double>(kFreqBaseUnits + units) / static_cast<double>(kFreqUnitsPerMHz);
}

bool FreqFits(double f) { return !(f >= kFreqFirstUnstorable); }

void FreqWrite(MemoryImage &image, int offset, double f) {
  if (!FreqFits(f))
    throw RangeError("frequency out of range");
  std::int64_t units = 0;
  if (f > kFreqBase)
    units = TenThousandthsOf(f - kFreqBase); // exact for 100 < f < 200
  if (units >= kFreqUnitsLimit)
    throw RangeError("frequency out of range");
  for (int i = 2; i >= 0; --i) {
    const auto low = static_cast<int>(units % 10);
    const auto high = static_cast<int>(units / 10 % 10);
    image.at(offset + i) = static_cast<std::uint8_t>(high << 4 | low);
    units /= 100;
  }
}

void BitmapRead(const MemoryImage &image, int offset, int byteCount, ChannelBank &bank,
                RecordFlag field) {
  int r = bank.Lower();
  for (int i = 0; i < byteCount; ++i) {
    for (int bit = 7; bit >= 0; --bit) {
      if (r > bank.Upper())
        return;
      bank[r].*field = BitRead(image, offset + i, bit);
      ++r;
    }
  }
}

void BitmapWrite(MemoryImage &image, int offset, int byteCount, const ChannelBank &bank,
                 RecordFlag field) {
  int r = bank.Lower();
  for (int i = 0; i < byteCount && r <= bank.Upper(); ++i) {
    std::uint8_t byte = 0;
    for (int bit = 7; bit >= 0; --bit, ++r) {
      if (r <= bank.Upper())
        byte = SetBit(byte, bank[r].*field ? 1 : 0, bit);
    }
    image.at(offset + i) = byte;
  }
}

bool BitmapBit(const MemoryImage &image, int offset, int position) {
  return BitRead(image, offset + position / 8, 7 - position % 8);
}

void ChannelFlagsRead(std::uint8_t flags, ChannelRecord &record, FlagLayout layout) {
  using namespace layout;
  const int power = GetField(flags, kPowerBits, kPowerTopBit);
  record.TxEnable = power == 1 || power == 3;
  record.LowPower = power == 1;
  if (layout == FlagLayout::Plan)
    record.Duplex = GetBit(flags, kDuplexBit) != 0;
  record.PowUp = GetBit(flags, kPowUpBit) != 0;
  record.Scramble = static_cast<std::int16_t>(GetField(flags, kScrambleBits, kScrambleTopBit));
  if (layout == FlagLayout::Expansion)
    record.Narrow = GetBit(flags, kNarrowBit) != 0;
}

std::uint8_t ChannelFlagsWrite(std::uint8_t previous, const ChannelRecord &record,
                               FlagLayout layout) {
  using namespace layout;
  if (record.Scramble < 0 || record.Scramble > 255)
    throw RangeError("scramble out of range");
  const int power = !record.TxEnable ? 0 : record.LowPower ? 1 : 3;
  std::uint8_t flags = SetField(previous, kPowerBits, kPowerTopBit, power);
  if (layout == FlagLayout::Plan) {
    flags = SetBit(flags, record.Duplex && record.DuplexAllowed ? 1 : 0, kDuplexBit);
  }
  flags = SetBit(flags, record.PowUp ? 1 : 0, kPowUpBit);
  flags = SetField(flags, kScrambleBits, kScrambleTopBit, record.Scramble);
  if (layout == FlagLayout::Expansion)
    flags = SetBit(flags, record.Narrow ? 1 : 0, kNarrowBit);
  return flags;
}

} // namespace kv508
