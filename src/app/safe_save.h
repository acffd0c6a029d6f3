#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kv508 {

// Writes bytes to a temporary file in the target's folder and renames it over
// the target only when complete, so a failed save never destroys the old file.
std::error_code SafeWriteFile(const std::filesystem::path& target, std::string_view bytes);

} // namespace kv508
