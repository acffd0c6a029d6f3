#include "app/safe_save.h"

#include "app/platform.h"

namespace kv508 {

namespace fs = std::filesystem;

std::error_code SafeWriteFile(const fs::path &target, std::string_view bytes) {
  std::error_code ec;
  // A symbolic link keeps pointing at the file it names: that file is replaced.
  fs::path file = target;
  for (int hops = 0; fs::is_symlink(file, ec) && hops < 40; ++hops) {
    const fs::path next = fs::read_symlink(file, ec);
    if (ec)
      return ec;
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  const fs::file_status status = fs::status(file, ec);
  if (ec && ec != std::errc::no_such_file_or_directory)
    return ec;
  if (!fs::exists(status))
    return platform::ReplaceFile(file, bytes, std::nullopt);
  if (fs::is_directory(status))
    return std::make_error_code(std::errc::is_a_directory);
  if (!fs::is_regular_file(status))
    return std::make_error_code(std::errc::invalid_argument);
  // The rename would replace a read-only file as long as its folder is
  // writable; its owner meant it to stay as it is.
  const fs::perms mode = status.permissions();
  const fs::perms writeBits =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((mode & writeBits) == fs::perms::none || !platform::MayWrite(file))
    return std::make_error_code(std::errc::permission_denied);
  return platform::ReplaceFile(file, bytes, mode);
}

} // namespace kv508
