#include "app/safe_save.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>

namespace kv508 {

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

} // namespace

std::error_code SafeWriteFile(const std::filesystem::path& target, std::string_view bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(target, ec)) return std::make_error_code(std::errc::is_a_directory);

  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return LastError();

  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::error_code writeError = ok ? std::error_code{} : LastError();
  // Keep the permissions an ordinary new file would get.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0 && ok) {
    ok = false;
    writeError = LastError();
  }
  if (ok && ::rename(pattern.c_str(), target.c_str()) != 0) {
    ok = false;
    writeError = LastError();
  }
  if (!ok) ::unlink(pattern.c_str());
  return writeError;
}

} // namespace kv508
