#pragma once

// The few things the core does differently on Windows and on POSIX systems.

#include <cstddef>
#include <cstdint>
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

// "Not a regular file": a FIFO, a device or a folder where a file was wanted.
std::error_code NotRegularFile();
// A save that would take a file from its owner or group, who could then no
// longer read it.
std::error_code OwnerNotKept();

// False when the current user may not write to an existing file.
bool MayWrite(const std::filesystem::path &file);
// False when the current user may not make files in an existing folder.
bool MayCreateIn(const std::filesystem::path &folder);

// The temporary of a save is named "." + the target's name + this tag + six
// letters or digits, beside the target.
inline constexpr std::string_view kSaveTemporaryTag = ".kv508-";

// Writes bytes to a new file beside target and renames it over target once it
// is complete. With `mode` (an existing target) the new file gets that mode and
// the target's owner and group, or nothing is written (OwnerNotKept); without,
// what an ordinary new file gets. With replace false an existing target is
// left alone and the error is file_exists.
std::error_code ReplaceFile(const std::filesystem::path &target, std::string_view bytes,
                            std::optional<std::filesystem::perms> mode, bool replace = true);

bool LocalTime(std::time_t time, std::tm &local);

int ProcessId();

// An exclusive lock on a file, held until Release or until the process ends,
// however it ends: the system drops it then.
class FileLock {
public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(FileLock &&other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  FileLock &operator=(FileLock &&other) noexcept;
  FileLock(const FileLock &) = delete;
  FileLock &operator=(const FileLock &) = delete;

  // Makes `path` a new file, locked from the moment it appears under its name;
  // false when the name exists or cannot be made.
  bool Create(const std::filesystem::path &path);
  // Locks an existing file without waiting; false when another holds it or it
  // is gone.
  bool Acquire(const std::filesystem::path &path);
  void Release();
  bool Held() const { return handle_ != kNone; }

private:
  static constexpr std::intptr_t kNone = -1;
  std::intptr_t handle_ = kNone;
};

// The running program's own file; argv0 is the fallback.
std::filesystem::path ExecutablePath(const char *argv0);

} // namespace kv508::platform
