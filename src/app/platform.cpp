#include "app/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kv508::platform {

namespace fs = std::filesystem;

namespace {

// Numbered after the nearest system error, which is what the error log shows.
enum class FileError { NotRegular = EINVAL, OwnerNotKept = EPERM };

class FileCategory : public std::error_category {
public:
  const char *name() const noexcept override { return "kv508.file"; }
  std::string message(int value) const override {
    if (value == static_cast<int>(FileError::OwnerNotKept))
      return "The file belongs to another user or group, which this save cannot keep; "
             "the file was left as it was";
    return "Not a regular file";
  }
};

std::error_code MakeFileError(FileError error) {
  static const FileCategory category;
  return {static_cast<int>(error), category};
}

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

constexpr std::size_t kChunkBytes = 65536;

// The next chunk to read: never past one byte beyond the limit.
std::size_t ChunkFor(std::size_t held, std::size_t maxBytes) {
  return std::min(kChunkBytes, maxBytes - held + 1);
}

} // namespace

std::error_code NotRegularFile() { return MakeFileError(FileError::NotRegular); }

std::error_code OwnerNotKept() { return MakeFileError(FileError::OwnerNotKept); }

FileLock &FileLock::operator=(FileLock &&other) noexcept {
  if (this != &other) {
    Release();
    handle_ = other.handle_;
    other.handle_ = kNone;
  }
  return *this;
}

#ifdef _WIN32

namespace {

// Six letters or digits for a temporary's name.
std::string RandomTag() {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  std::string tag(6, 'x');
  for (char &c : tag)
    c = kChars[random() % (sizeof kChars - 1)];
  return tag;
}

} // namespace

std::error_code ReadRegularFile(const fs::path &path, std::string &bytes, std::size_t maxBytes) {
  bytes.clear();
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec)
    return ec;
  if (!fs::is_regular_file(status))
    return NotRegularFile();
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return LastError();
  // Read in chunks: the buffer grows with what the file holds, not with the limit.
  char chunk[kChunkBytes];
  while (bytes.size() <= maxBytes && in) {
    in.read(chunk, static_cast<std::streamsize>(ChunkFor(bytes.size(), maxBytes)));
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad())
    return std::make_error_code(std::errc::io_error);
  return {};
}

bool MayWrite(const fs::path &file) {
  const DWORD attributes = ::GetFileAttributesW(file.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

// A folder's read-only attribute says nothing about its files; the save itself tells.
bool MayCreateIn(const fs::path &) { return true; }

std::error_code ReplaceFile(const fs::path &target, std::string_view bytes,
                            std::optional<fs::perms> mode, bool replace) {
  const fs::path temp = target.parent_path() / ("." + target.filename().string() +
                                                std::string(kSaveTemporaryTag) + RandomTag());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      return std::make_error_code(std::errc::io_error);
    }
  }
  std::error_code ec;
  if (mode)
    fs::permissions(temp, *mode, ec);
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  if (!::MoveFileExW(temp.c_str(), target.c_str(), flags)) {
    const DWORD error = ::GetLastError();
    fs::remove(temp, ec);
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
      return std::make_error_code(std::errc::file_exists);
    return {static_cast<int>(error), std::system_category()};
  }
  return {};
}

bool LocalTime(std::time_t time, std::tm &local) { return ::localtime_s(&local, &time) == 0; }

int ProcessId() { return static_cast<int>(::GetCurrentProcessId()); }

namespace {

// Opens (or makes) the file and locks its first byte without waiting.
std::intptr_t OpenLocked(const fs::path &path, DWORD disposition) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return -1;
  OVERLAPPED at{};
  if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    ::CloseHandle(file);
    return -1;
  }
  return reinterpret_cast<std::intptr_t>(file);
}

} // namespace

bool FileLock::Create(const fs::path &path) {
  Release();
  handle_ = OpenLocked(path, CREATE_NEW);
  return Held();
}

bool FileLock::Acquire(const fs::path &path) {
  Release();
  handle_ = OpenLocked(path, OPEN_EXISTING);
  return Held();
}

void FileLock::Release() {
  if (Held())
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = kNone;
}

fs::path ExecutablePath(const char *argv0) {
  std::wstring buffer(32768, L'\0');
  const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n > 0 && n < buffer.size())
    return fs::path(buffer.substr(0, n));
  std::error_code ec;
  return fs::absolute(argv0, ec);
}

#else

std::error_code ReadRegularFile(const fs::path &path, std::string &bytes, std::size_t maxBytes) {
  bytes.clear();
  errno = 0;
  // Non-blocking, so that opening a FIFO with no writer does not wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return LastError();
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const std::error_code ec = S_ISREG(info.st_mode) ? LastError() : NotRegularFile();
    ::close(fd);
    return ec;
  }
  // Room for what the file holds now, never for the whole limit; a file that
  // grows meanwhile is read on in chunks up to the limit.
  bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes) + 1);
  std::error_code ec;
  char chunk[kChunkBytes];
  while (bytes.size() <= maxBytes) {
    const ssize_t n = ::read(fd, chunk, ChunkFor(bytes.size(), maxBytes));
    if (n < 0) {
      if (errno == EINTR)
        continue;
      ec = LastError();
      break;
    }
    if (n == 0)
      break;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ec;
}

bool MayWrite(const fs::path &file) { return ::access(file.c_str(), W_OK) == 0; }

bool MayCreateIn(const fs::path &folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

namespace {

// The replaced file's owner and group go to its successor; only the owner
// (as a member of the group) or root may give them, so anyone else's save
// is refused rather than take the file from them.
std::error_code KeepOwner(int fd, const fs::path &target) {
  struct stat old {};
  struct stat now {};
  if (::stat(target.c_str(), &old) != 0 || ::fstat(fd, &now) != 0)
    return {};
  if (old.st_uid == now.st_uid && old.st_gid == now.st_gid)
    return {};
  if (::fchown(fd, old.st_uid, old.st_gid) != 0)
    return OwnerNotKept();
  return {};
}

std::error_code RenameOver(const std::string &temp, const fs::path &target) {
  return ::rename(temp.c_str(), target.c_str()) == 0 ? std::error_code{} : LastError();
}

// A hard link fails on a name that exists, even one taken an instant ago.
// Where the file system has no hard links, a check before the rename does.
std::error_code LinkNew(const std::string &temp, const fs::path &target) {
  if (::link(temp.c_str(), target.c_str()) == 0)
    return {};
  if (errno == EEXIST)
    return std::make_error_code(std::errc::file_exists);
  if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EMLINK)
    return LastError();
  if (::access(target.c_str(), F_OK) == 0)
    return std::make_error_code(std::errc::file_exists);
  return RenameOver(temp, target);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

} // namespace

std::error_code ReplaceFile(const fs::path &target, std::string_view bytes,
                            std::optional<fs::perms> mode, bool replace) {
  fs::path folder = target.parent_path();
  if (folder.empty())
    folder = ".";
  std::string pattern =
      (folder / ("." + target.filename().string() + std::string(kSaveTemporaryTag) + "XXXXXX"))
          .string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0)
    return LastError();

  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::error_code writeError = ok ? std::error_code{} : LastError();
  if (ok && mode) {
    writeError = KeepOwner(fd, target);
    ok = !writeError;
  }
  mode_t bits = 0;
  if (mode) {
    bits = static_cast<mode_t>(*mode & fs::perms::mask);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bits = 0666 & ~mask;
  }
  ::fchmod(fd, bits);
  if (::close(fd) != 0 && ok) {
    ok = false;
    writeError = LastError();
  }
  if (ok) {
    writeError = replace ? RenameOver(pattern, target) : LinkNew(pattern, target);
    ok = !writeError;
  }
  if (!ok || !replace)
    ::unlink(pattern.c_str());
  return writeError;
}

bool LocalTime(std::time_t time, std::tm &local) { return ::localtime_r(&time, &local) != nullptr; }

int ProcessId() { return static_cast<int>(::getpid()); }

bool FileLock::Create(const fs::path &path) {
  Release();
  // Locked under a name of its own first, then linked to its real name, so
  // that nobody finds the file there unlocked.
  std::string temp = path.string() + ".new-XXXXXX";
  // Not inherited: a program started from here must not keep the lock alive.
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0)
    return false;
  const bool linked =
      ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::link(temp.c_str(), path.c_str()) == 0;
  ::unlink(temp.c_str());
  if (!linked) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

bool FileLock::Acquire(const fs::path &path) {
  Release();
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0)
    return false;
  // The file may have been removed and its name taken again since it was opened.
  struct stat held {};
  struct stat named {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &held) != 0 ||
      ::stat(path.c_str(), &named) != 0 || held.st_ino != named.st_ino ||
      held.st_dev != named.st_dev) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

void FileLock::Release() {
  if (Held())
    ::close(static_cast<int>(handle_));
  handle_ = kNone;
}

fs::path ExecutablePath(const char *argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec)
    self = fs::absolute(argv0, ec);
  return self;
}

#endif

} // namespace kv508::platform
