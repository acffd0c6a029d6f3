#pragma once

// Names in RadioData are Windows-1252 bytes; CSV files are UTF-8. These
// convert at that edge and tell which of the two a file's bytes are. (Names
// read from a file need no way back: the name alphabet is plain ASCII.)

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kv508 {

// Where bytes stop being well-formed UTF-8 (overlong forms, surrogates and
// code points beyond U+10FFFF count as malformed); nothing when they all are.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view bytes);

// The first byte that is no text in Windows-1252: NUL, the C0 controls but
// TAB, LF and CR, DEL and the five code points the code page leaves undefined.
std::optional<std::size_t> FirstNonWindows1252Text(std::string_view bytes);

std::string Utf8FromWindows1252(std::string_view bytes);

} // namespace kv508
