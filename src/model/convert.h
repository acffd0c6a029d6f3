#pragma once

// Pure value conversions shared by the image codec, the settings file, the
// report and the editor, so that a value looks and packs the same everywhere.

#include "model/radio_data.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv508 {

// A value that does not fit the byte or word it must be stored in.
class RangeError : public std::range_error {
public:
  using std::range_error::range_error;
};

// The 71-character name alphabet: the characters a name stored in the radio may hold.
inline constexpr std::string_view kNameAlphabet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/, ";
// Status names: the name alphabet without the comma, which separates them in the radio's menu.
inline constexpr std::string_view kStatusNameAlphabet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ";
inline constexpr std::string_view kDigitAlphabet = "0123456789";

bool InNameAlphabet(char c);

std::string FormatFreq3(double f);
std::string FormatTxFreq3(double f, bool rxOnly);
std::string FormatFreq4(double f);
bool IsOn25kHzRaster(double f);
// The expansion-channel frequency entry rule: 137..174 MHz on the 25 kHz raster,
// or an empty text (no frequency, value 0). Returns false when refused.
bool ParseExpansionFreq(const std::string &text, double &value);

const std::vector<std::string> &OffsetTimeList();
std::string OffsetTimeText(int v);
std::uint8_t OffsetTimeToByte(std::int16_t &v);
std::int16_t ByteToOffsetTime(std::uint8_t b);

int GetBit(std::uint8_t byte, int n);
std::uint8_t SetBit(std::uint8_t byte, int value, int n);
int GetField(std::uint8_t byte, int count, int top);
// Throws RangeError when value is outside 0..255.
std::uint8_t SetField(std::uint8_t byte, int count, int top, int value);
// {0xFF, 0xFF} for v < 0; throws RangeError when v > 65535.
std::pair<std::uint8_t, std::uint8_t> SplitWord(std::int32_t v);
std::uint8_t ByteSum(const MemoryImage &image, int start, int count);

} // namespace kv508
