#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kv508 {

// Writes bytes to a temporary file in the target's folder and renames it over
// the target only when complete, so a failed save never destroys the old file.
// An existing target keeps its permission bits, a symbolic link is followed to
// the file it names, and a target the user may not write (read-only) is refused
// with permission_denied and left as it was.
std::error_code SafeWriteFile(const std::filesystem::path &target, std::string_view bytes);

} // namespace kv508
