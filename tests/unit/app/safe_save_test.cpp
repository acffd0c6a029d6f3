// The safe save: what it refuses before writing, whom the file belongs to
// afterwards, and the temporaries of saves that broke off.

#include "app/safe_save.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kv508::testing {
namespace {

namespace fs = std::filesystem;

TEST(SafeSave, TargetsThatCannotBeSavedAreToldBeforeAnythingIsWritten) {
  TempFolder folder;
  WriteBytes(folder / "file", "x");
  WriteBytes(folder / "readonly.hex", "x");
  fs::permissions(folder / "readonly.hex", fs::perms::owner_read);
  fs::create_directories(folder / "dir.hex");
  ::mkfifo((folder / "pipe.hex").c_str(), 0600);
  const std::pair<std::string, std::string> cases[] = {
      {"new.hex", "Success"},
      {"file", "Success"},
      {"missing/x.hex", "No such file or directory"},
      {"file/x.hex", "Not a directory"},
      {"dir.hex", "Is a directory"},
      {"pipe.hex", "Not a regular file"},
      // Its owner meant it to stay as it is, even when root may write it.
      {"readonly.hex", "Permission denied"}};
  for (const auto &[name, reason] : cases) {
    EXPECT_EQ(CheckSaveTarget(folder / name).message(), reason) << name;
    EXPECT_EQ(SafeWriteFile(folder / name, "new").message(), reason) << name;
  }
  EXPECT_EQ(ReadBytes(folder / "file"), "new");
  EXPECT_EQ(SafeCreateFile(folder / "file", "newer"), std::errc::file_exists);
  EXPECT_EQ(ReadBytes(folder / "file"), "new");
}

// Root saving another user's file must not make it root's.
TEST(SafeSave, KeepsTheOwnerAndGroupOfTheFileItReplaces) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may give a file to another user";
  TempFolder folder;
  const fs::path file = folder / "theirs.dat";
  WriteBytes(file, "old");
  ASSERT_EQ(::chown(file.c_str(), 4321, 8765), 0);
  ASSERT_FALSE(SafeWriteFile(file, "new"));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(uid_t{4321}, gid_t{8765}));
  EXPECT_EQ(ReadBytes(file), "new");
}

TEST(SafeSave, RemovesOnlyItsOwnTemporariesOlderThanAMinute) {
  TempFolder folder;
  const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  const std::pair<std::string, bool> files[] = {{".t.hex.kv508-Ab12Cd", false},
                                                {".x.dat.kv508-000000", false},
                                                {".notes.txt.backup", true},
                                                {".t.hex.kv508-Ab12C", true},
                                                {"t.hex.kv508-Ab12Cd", true}};
  for (const auto &[name, kept] : files) {
    WriteBytes(folder / name, "x");
    fs::last_write_time(folder / name, old);
  }
  WriteBytes(folder / ".y.hex.kv508-zzzzzz", "a save under way");
  ASSERT_FALSE(SafeWriteFile(folder / "t.hex", "new"));
  for (const auto &[name, kept] : files)
    EXPECT_EQ(fs::exists(folder / name), kept) << name;
  EXPECT_TRUE(fs::exists(folder / ".y.hex.kv508-zzzzzz"));
  EXPECT_TRUE(IsSaveTemporaryName(".t.hex.kv508-Ab12Cd"));
}

} // namespace
} // namespace kv508::testing
