#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kv508 {

// Writes bytes to a temporary file in the target's folder and renames it over
// the target only when complete, so a failed save never destroys the old file.
// An existing target keeps its permission bits and its owner and group; when
// they cannot be kept (another user's file, saved by someone who may not give
// it back) the save is refused and the file left as it was. A symbolic link is
// followed to the file it names, and a target the user may not write
// (read-only) is refused with permission_denied and left as it was. Leftover
// temporaries of saves into the same folder that broke off over a minute ago
// are removed first.
std::error_code SafeWriteFile(const std::filesystem::path &target, std::string_view bytes);

// As SafeWriteFile for a name that must be new: when the name exists, even
// when another program took it a moment ago, nothing is written and the
// error is file_exists.
std::error_code SafeCreateFile(const std::filesystem::path &target, std::string_view bytes);

// The error SafeWriteFile would give for the target before it writes: the
// folder missing or not writable, the target a folder, not a regular file, or
// read-only. Nothing is written.
std::error_code CheckSaveTarget(const std::filesystem::path &target);

// True for the names SafeWriteFile gives its temporaries: "." + the target's
// name + ".kv508-" + six letters or digits.
bool IsSaveTemporaryName(std::string_view name);

} // namespace kv508
