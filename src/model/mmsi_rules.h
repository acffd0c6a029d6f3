#pragma once

// What a fixed-length digit field stores when the user leaves it: the User
// MMSI, the ATIS code and the directory MMSIs share one rule.

#include <optional>
#include <string>

namespace kv508 {

// The stored form of a typed MMSI, or nothing when the text is refused. The
// text without surrounding blanks must be empty (stored empty) or exactly
// `digits` decimal digits. An accepted number is stored in the ten-digit form
// the image codec uses: a group MMSI gets a leading "0", and "0"s are appended
// up to ten digits (9 typed digits gain one "0", a group's 8 gain "0" on both
// sides, 10 digits stay as typed).
std::optional<std::string> StoreTypedMmsi(const std::string &text, int digits, bool group);

} // namespace kv508
