#pragma once

// The few things the core does differently on Windows and on POSIX systems.

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace kv508::platform {

// Reads a regular file whole, at most maxBytes + 1 bytes (one more tells the
// caller it is too large). Anything else (a FIFO, a device, a folder) is refused
// without blocking, with an error whose message is "Not a regular file".
std::error_code ReadRegularFile(const std::filesystem::path &path, std::string &bytes,
                                std::size_t maxBytes);

// False when the current user may not write to an existing file.
bool MayWrite(const std::filesystem::path &file);

// Writes bytes to a new file beside target and renames it over target once it
// is complete. The new file gets `mode`, or what an ordinary new file gets.
std::error_code ReplaceFile(const std::filesystem::path &target, std::string_view bytes,
                            std::optional<std::filesystem::perms> mode);

bool LocalTime(std::time_t time, std::tm &local);

// The running program's own file; argv0 is the fallback.
std::filesystem::path ExecutablePath(const char *argv0);

} // namespace kv508::platform
