#include "model/convert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kv508 {

namespace {

constexpr int kSignificantDigits = 15;

// Fixed-point text with at least minIntDigits integer digits (zero-padded) and
// exactly `decimals` decimals, always with "." whatever the C locale says.
// The value is first taken as the 15-significant-digit decimal a double stands
// for, then rounded half away from zero, as a "000.000" picture format does:
// 156.0625 gives 156.063 and 156.0125 (stored as 156.01249999999999) 156.013,
// where printf would give 156.062 and 156.012.
std::string FormatFixed(double value, int decimals, int minIntDigits) {
  if (!std::isfinite(value))
    return {};
  bool negative = std::signbit(value);
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                              std::chars_format::scientific, kSignificantDigits - 1);
  std::string text(buffer, result.ptr);
  std::size_t e = text.find('e');
  std::string mantissa;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.')
      mantissa += text[i];
  }
  int exponent = std::atoi(text.c_str() + e + 1);

  // Digits of round(|value| * 10^decimals).
  int keep = exponent + 1 + decimals;
  std::string scaled;
  if (keep >= static_cast<int>(mantissa.size())) {
    scaled = mantissa + std::string(static_cast<std::size_t>(keep) - mantissa.size(), '0');
  } else if (keep < 0) {
    scaled = "0";
  } else {
    scaled = mantissa.substr(0, static_cast<std::size_t>(keep));
    if (mantissa[static_cast<std::size_t>(keep)] >= '5') {
      int i = keep - 1;
      while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') {
        scaled[static_cast<std::size_t>(i)] = '0';
        --i;
      }
      if (i < 0) {
        scaled.insert(scaled.begin(), '1');
      } else {
        ++scaled[static_cast<std::size_t>(i)];
      }
    }
    if (scaled.empty())
      scaled = "0";
  }
  scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
  bool isZero = scaled.empty();

  std::size_t width = static_cast<std::size_t>(std::max(minIntDigits, 1) + decimals);
  if (scaled.size() < width)
    scaled.insert(0, width - scaled.size(), '0');
  if (decimals > 0)
    scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), ".");
  if (negative && !isZero)
    scaled.insert(0, "-");
  return scaled;
}

// Frequencies that cannot be a channel (none, negative, not a number, infinite).
bool NoFrequency(double f) { return !std::isfinite(f) || f <= 0.0; }

std::string Trim(const std::string &text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos)
    return {};
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x))
    return x;
  double lower = std::floor(x);
  double diff = x - lower;
  if (diff > 0.5)
    return lower + 1.0;
  if (diff < 0.5)
    return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}
} // namespace

bool InNameAlphabet(char c) { return c != '\0' && kNameAlphabet.find(c) != std::string_view::npos; }

std::string FormatFreq3(double f) {
  if (NoFrequency(f))
    return "---.---";
  return FormatFixed(f, 3, 3);
}

std::string FormatTxFreq3(double f, bool rxOnly) {
  if (rxOnly)
    return "---.---";
  return FormatFreq3(f);
}

std::string FormatFreq4(double f) {
  if (NoFrequency(f))
    return "---.----";
  double x = RoundHalfEven(f * 10000.0);
  if (std::fmod(x, 50.0) != 0.0 && std::fmod(x, 125.0) != 0.0) {
    f = std::floor(f / 0.005) * 0.005;
  }
  if (NoFrequency(f))
    return "---.----"; // the snap overflowed
  return FormatFixed(f, 4, 3);
}

bool IsOn25kHzRaster(double f) {
  if (!std::isfinite(f))
    return false;
  return std::fmod(RoundHalfEven(f * 10000.0), 250.0) == 0.0;
}

bool ParseExpansionFreq(const std::string &text, double &value) {
  std::string trimmed = Trim(text);
  if (trimmed.empty()) {
    value = 0.0;
    return true;
  }
  double f = 0.0;
  const char *end = trimmed.data() + trimmed.size();
  auto result = std::from_chars(trimmed.data(), end, f, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != end)
    return false;
  if (f < 137.0 || f > 174.0 || !IsOn25kHzRaster(f))
    return false;
  value = f;
  return true;
}

const std::vector<std::string> &OffsetTimeList() {
  static const std::vector<std::string> list = [] {
    std::vector<std::string> texts;
    for (int halfHours = -24; halfHours <= 24; ++halfHours) {
      if (halfHours == 0) {
        texts.push_back(" 0");
        continue;
      }
      int magnitude = std::abs(halfHours);
      texts.push_back(std::string(halfHours < 0 ? "-" : "+") + std::to_string(magnitude / 2) +
                      (magnitude % 2 != 0 ? ":30" : ":00"));
    }
    return texts;
  }();
  return list;
}

std::string OffsetTimeText(int v) {
  if (v < -24 || v > 24)
    return {};
  return OffsetTimeList()[static_cast<std::size_t>(v + 24)];
}

std::uint8_t OffsetTimeToByte(std::int16_t &v) {
  v = std::clamp<std::int16_t>(v, -24, 24);
  return static_cast<std::uint8_t>((v >= 0 ? 32 : 0) + std::abs(v));
}

std::int16_t ByteToOffsetTime(std::uint8_t b) {
  int m = b & 31;
  return static_cast<std::int16_t>((b & 0x20) != 0 ? m : -m);
}

int GetBit(std::uint8_t byte, int n) {
  if (n < 0 || n > 7)
    return 0;
  return (byte >> n) & 1;
}

std::uint8_t SetBit(std::uint8_t byte, int value, int n) {
  if (n < 0 || n > 7)
    return byte;
  auto mask = static_cast<std::uint8_t>(1u << n);
  return static_cast<std::uint8_t>(value == 1 ? (byte | mask) : (byte & ~mask));
}

namespace {
bool ValidField(int count, int top) { return count >= 1 && top <= 7 && top - count + 1 >= 0; }
} // namespace

int GetField(std::uint8_t byte, int count, int top) {
  if (!ValidField(count, top))
    return 0;
  return (byte >> (top - count + 1)) & ((1 << count) - 1);
}

std::uint8_t SetField(std::uint8_t byte, int count, int top, int value) {
  if (value < 0 || value > 255)
    throw RangeError("value does not fit a byte");
  if (!ValidField(count, top))
    return byte;
  int shift = top - count + 1;
  int mask = ((1 << count) - 1) << shift;
  return static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

std::pair<std::uint8_t, std::uint8_t> SplitWord(std::int32_t v) {
  if (v < 0)
    return {0xFF, 0xFF};
  if (v > 0xFFFF)
    throw RangeError("value does not fit a word");
  return {static_cast<std::uint8_t>(v / 256), static_cast<std::uint8_t>(v % 256)};
}

std::uint8_t ByteSum(const MemoryImage &image, int start, int count) {
  unsigned sum = 0;
  long long last = static_cast<long long>(start) + std::max(count, 1) - 1;
  int end = static_cast<int>(std::min<long long>(last, ImageLastIndex));
  for (int i = std::max(start, 0); i <= end; ++i)
    sum += image[static_cast<std::size_t>(i)];
  return static_cast<std::uint8_t>(sum & 0xFF);
}

} // namespace kv508
