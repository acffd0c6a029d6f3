#include "files/dat_values.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kv508 {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Length of the longest number at the start of text (0 when none). The
// separator is '.', or also ',' when allowComma.
std::size_t ScanNumber(std::string_view text, bool allowComma) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i]))
    ++i, ++digits;
  if (i < text.size() && (text[i] == '.' || (allowComma && text[i] == ','))) {
    std::size_t afterSeparator = i + 1;
    std::size_t fraction = 0;
    while (afterSeparator + fraction < text.size() && IsDigit(text[afterSeparator + fraction]))
      ++fraction;
    if (digits + fraction > 0) {
      i = afterSeparator + fraction;
      digits += fraction;
    }
  }
  if (digits == 0)
    return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-'))
      ++j;
    std::size_t expDigits = 0;
    while (j + expDigits < text.size() && IsDigit(text[j + expDigits]))
      ++expDigits;
    if (expDigits > 0)
      i = j + expDigits;
  }
  return i;
}

// Converts a text that ScanNumber accepted whole.
std::optional<double> ToDouble(std::string_view number) {
  std::string normal;
  normal.reserve(number.size() + 1);
  for (char c : number) {
    if (c == '+')
      continue;
    normal.push_back(c == ',' ? '.' : c);
  }
  double value = 0.0;
  auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc{} || end != normal.data() + normal.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<double> ParseWhole(std::string_view text, bool allowComma) {
  std::size_t length = ScanNumber(text, allowComma);
  if (length == 0 || length != text.size())
    return std::nullopt;
  return ToDouble(text);
}

template <typename Int> std::optional<Int> ParseInteger(std::string_view text) {
  std::optional<double> value = ParseDatNumber(text);
  if (!value)
    return std::nullopt;
  // nearbyint rounds halves to the even neighbour in the default rounding mode.
  double rounded = std::nearbyint(*value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

bool EqualsNoCase(std::string_view text, std::string_view upperWord) {
  if (text.size() != upperWord.size())
    return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (UpperChar(text[i]) != upperWord[i])
      return false;
  return true;
}

bool IsDatBlank(char c) { return c == ' ' || c == '\t'; }
} // namespace

std::string_view TrimDatBlanks(std::string_view text) {
  while (!text.empty() && IsDatBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsDatBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char &c : out)
    c = UpperChar(c);
  return out;
}

std::optional<double> ParseDatNumber(std::string_view text) { return ParseWhole(text, false); }

std::optional<double> ParseDatFrequency(std::string_view text) { return ParseWhole(text, true); }

std::optional<std::int16_t> ParseDatInt16(std::string_view text) {
  return ParseInteger<std::int16_t>(text);
}

std::optional<std::int32_t> ParseDatInt32(std::string_view text) {
  return ParseInteger<std::int32_t>(text);
}

std::optional<bool> ParseDatBoolean(std::string_view text) {
  if (EqualsNoCase(text, "TRUE"))
    return true;
  if (EqualsNoCase(text, "FALSE"))
    return false;
  std::optional<double> value = ParseDatNumber(text);
  if (!value)
    return std::nullopt;
  return *value != 0.0;
}

std::optional<double> LeadingDatNumber(std::string_view text) {
  std::size_t length = ScanNumber(text, false);
  if (length == 0)
    return 0.0;
  return ToDouble(text.substr(0, length));
}

std::string FormatDatFrequency(double mhz) {
  if (!std::isfinite(mhz))
    return {};
  if (mhz == 0.0)
    return "0";

  // Fifteen significant digits as d.dddddddddddddde±x, then placed without an exponent.
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, mhz, std::chars_format::scientific, 14);
  if (ec != std::errc{})
    return {};
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));

  bool negative = !text.empty() && text.front() == '-';
  if (negative)
    text.remove_prefix(1);
  std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e))
    if (IsDigit(c))
      digits.push_back(c);
  int exponent = 0;
  std::string_view expText = text.substr(e + 1);
  if (!expText.empty() && expText.front() == '+')
    expText.remove_prefix(1);
  std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  // The decimal point follows the digit at position exponent (0 = after the first).
  std::string out;
  int pointAfter = exponent + 1;
  if (pointAfter <= 0) {
    out = "0." + std::string(static_cast<std::size_t>(-pointAfter), '0') + digits;
  } else if (static_cast<std::size_t>(pointAfter) >= digits.size()) {
    out = digits + std::string(static_cast<std::size_t>(pointAfter) - digits.size(), '0');
  } else {
    out = digits.substr(0, static_cast<std::size_t>(pointAfter)) + "." +
          digits.substr(static_cast<std::size_t>(pointAfter));
  }
  return negative ? "-" + out : out;
}

} // namespace kv508
