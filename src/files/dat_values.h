#pragma once

// Text and number rules of the settings file. Everything here ignores the
// user's locale: a file written on one machine reads the same on any other.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv508 {

std::string_view TrimDatBlanks(std::string_view text);
// ASCII letters only; the other bytes of the code page stay as they are.
std::string UpperAscii(std::string_view text);

// The whole text is one number: optional sign, digits with an optional '.'
// fraction, an optional exponent. Nothing for any other text, and for numbers
// beyond the range of a double.
std::optional<double> ParseDatNumber(std::string_view text);
// As ParseDatNumber, but ',' is accepted in place of '.'.
std::optional<double> ParseDatFrequency(std::string_view text);
// Rounded half to even, then range-checked.
std::optional<std::int16_t> ParseDatInt16(std::string_view text);
std::optional<std::int32_t> ParseDatInt32(std::string_view text);
// True/False in any letter case, or any number (non-zero is true).
std::optional<bool> ParseDatBoolean(std::string_view text);
// The leading numeric part of a text, 0 when it has none; nothing when the
// number is beyond the range of a double.
std::optional<double> LeadingDatNumber(std::string_view text);

// General decimal form with up to 15 significant digits, no exponent, no
// trailing zeros, '.' as separator; "0" for zero; empty when not finite.
std::string FormatDatFrequency(double mhz);

} // namespace kv508
