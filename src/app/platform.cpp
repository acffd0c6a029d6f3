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
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kv508::platform {

namespace fs = std::filesystem;

namespace {

class NotRegularCategory : public std::error_category {
public:
  const char *name() const noexcept override { return "kv508.file"; }
  std::string message(int) const override { return "Not a regular file"; }
};

std::error_code NotRegularFile() {
  static const NotRegularCategory category;
  return {EINVAL, category};
}

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

constexpr std::size_t kChunkBytes = 65536;

// The next chunk to read: never past one byte beyond the limit.
std::size_t ChunkFor(std::size_t held, std::size_t maxBytes) {
  return std::min(kChunkBytes, maxBytes - held + 1);
}

} // namespace

#ifdef _WIN32

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

std::error_code ReplaceFile(const fs::path &target, std::string_view bytes,
                            std::optional<fs::perms> mode) {
  std::random_device random;
  const fs::path temp = target.parent_path() /
                        (target.filename().wstring() + L"." + std::to_wstring(random()) + L".tmp");
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
  if (!::MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const std::error_code moved(static_cast<int>(::GetLastError()), std::system_category());
    fs::remove(temp, ec);
    return moved;
  }
  return {};
}

bool LocalTime(std::time_t time, std::tm &local) { return ::localtime_s(&local, &time) == 0; }

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

namespace {

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
                            std::optional<fs::perms> mode) {
  fs::path folder = target.parent_path();
  if (folder.empty())
    folder = ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0)
    return LastError();

  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::error_code writeError = ok ? std::error_code{} : LastError();
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
  if (ok && ::rename(pattern.c_str(), target.c_str()) != 0) {
    ok = false;
    writeError = LastError();
  }
  if (!ok)
    ::unlink(pattern.c_str());
  return writeError;
}

bool LocalTime(std::time_t time, std::tm &local) { return ::localtime_r(&time, &local) != nullptr; }

fs::path ExecutablePath(const char *argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec)
    self = fs::absolute(argv0, ec);
  return self;
}

#endif

} // namespace kv508::platform
