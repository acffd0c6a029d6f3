#include "app/safe_save.h"

#include "app/platform.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace kv508 {

namespace fs = std::filesystem;

namespace {

// A temporary this old belongs to a save that broke off; a running save
// renames its temporary within seconds.
constexpr auto kStaleAfter = std::chrono::minutes(1);

// A symbolic link keeps pointing at the file it names: that file is replaced.
std::error_code ResolveLinks(const fs::path &target, fs::path &file) {
  std::error_code ec;
  file = target;
  for (int hops = 0; fs::is_symlink(file, ec) && hops < 40; ++hops) {
    const fs::path next = fs::read_symlink(file, ec);
    if (ec)
      return ec;
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  return {};
}

fs::path FolderOf(const fs::path &file) {
  return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// What keeps the file from being saved; `exists` tells whether it is there.
std::error_code CheckResolved(const fs::path &file, bool &exists, fs::perms &mode) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (ec && ec != std::errc::no_such_file_or_directory)
    return ec;
  exists = fs::exists(status);
  if (!exists) {
    const fs::path folder = FolderOf(file);
    const fs::file_status folderStatus = fs::status(folder, ec);
    if (ec)
      return ec;
    if (!fs::is_directory(folderStatus))
      return std::make_error_code(std::errc::not_a_directory);
    if (!platform::MayCreateIn(folder))
      return std::make_error_code(std::errc::permission_denied);
    return {};
  }
  if (fs::is_directory(status))
    return std::make_error_code(std::errc::is_a_directory);
  if (!fs::is_regular_file(status))
    return platform::NotRegularFile();
  // The rename would replace a read-only file as long as its folder is
  // writable; its owner meant it to stay as it is.
  mode = status.permissions();
  const fs::perms writeBits =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((mode & writeBits) == fs::perms::none || !platform::MayWrite(file))
    return std::make_error_code(std::errc::permission_denied);
  return {};
}

void RemoveStaleTemporaries(const fs::path &folder) {
  const auto now = fs::file_time_type::clock::now();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fileError;
    if (!IsSaveTemporaryName(it->path().filename().string()) ||
        !fs::is_regular_file(it->symlink_status(fileError)))
      continue;
    const auto written = fs::last_write_time(it->path(), fileError);
    if (!fileError && now - written > kStaleAfter)
      fs::remove(it->path(), fileError);
  }
}

} // namespace

bool IsSaveTemporaryName(std::string_view name) {
  constexpr std::size_t kRandom = 6;
  const std::string_view tag = platform::kSaveTemporaryTag;
  if (name.size() < 1 + 1 + tag.size() + kRandom || name.front() != '.')
    return false;
  const std::string_view tail = name.substr(name.size() - kRandom);
  return name.substr(name.size() - kRandom - tag.size(), tag.size()) == tag &&
         std::all_of(tail.begin(), tail.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::error_code CheckSaveTarget(const fs::path &target) {
  fs::path file;
  if (std::error_code ec = ResolveLinks(target, file))
    return ec;
  bool exists = false;
  fs::perms mode{};
  return CheckResolved(file, exists, mode);
}

std::error_code SafeWriteFile(const fs::path &target, std::string_view bytes) {
  fs::path file;
  if (std::error_code ec = ResolveLinks(target, file))
    return ec;
  bool exists = false;
  fs::perms mode{};
  if (std::error_code ec = CheckResolved(file, exists, mode))
    return ec;
  RemoveStaleTemporaries(FolderOf(file));
  return platform::ReplaceFile(file, bytes, exists ? std::optional<fs::perms>(mode) : std::nullopt);
}

std::error_code SafeCreateFile(const fs::path &target, std::string_view bytes) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec)))
    return std::make_error_code(std::errc::file_exists);
  RemoveStaleTemporaries(FolderOf(target));
  return platform::ReplaceFile(target, bytes, std::nullopt, /*replace=*/false);
}

} // namespace kv508
