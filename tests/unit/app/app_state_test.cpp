#include "app/app_state.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace kv508::testing {
namespace {

TEST(RunFlags, OnlyTheFourWholeSwitchesCount) {
  struct Case {
    const char *text;
    bool debug, lowSpeed;
  } cases[] = {{" /de ", true, true}, {"/ed", true, true},     {"/D", true, false},
               {"/e", false, true},   {"/D /E", false, false}, {"-D", false, false},
               {"", false, false},    {"/DX", false, false}};
  for (const Case &c : cases) {
    RunFlags flags = ParseRunFlags(c.text);
    EXPECT_EQ(flags.DebugMode, c.debug) << '"' << c.text << '"';
    EXPECT_EQ(flags.LowSpeedLink, c.lowSpeed) << '"' << c.text << '"';
  }
}

TEST(ErrLog, AppendsInDebugModeOnlyAndFallsBackToTheUserFolder) {
  TempFolder folder;
  WriteBytes(folder / "err.log", "earlier line\n");
  AppState state;
  ErrLog(state, folder.path(), "frmMain.Skipped", ErrorText(EACCES)); // not in debug mode
  state.DebugMode = true;
  ErrLog(state, folder.path(), "frmMain.SaveFileAs", ErrorText(EACCES));
  ErrLog(state, folder.path(), "frmRadio.PortOpen", ErrorText(ENOENT));
  // The stamp is the current date and time; only its shape can be checked.
  std::string masked;
  std::size_t column = 0;
  for (char c : ReadBytes(folder / "err.log")) {
    masked += (column < 19 && c >= '0' && c <= '9') ? '9' : c;
    column = c == '\n' ? 0 : column + 1;
  }
  EXPECT_EQ(masked, "earlier line\n"
                    "99/99/9999,99:99:99:frmMain.SaveFileAs -> 13Permission denied\n"
                    "99/99/9999,99:99:99:frmRadio.PortOpen -> 2No such file or directory\n");

  WriteBytes(folder / "plain-file", "x");
  ::setenv("XDG_DATA_HOME", (folder / "user").c_str(), 1);
  ErrLog(state, folder / "plain-file", "frmMain.FileRead2", "53File not found");
  EXPECT_EQ(ReadBytes(folder / "user" / "KV508" / "err.log").substr(19),
            ":frmMain.FileRead2 -> 53File not found\n");
  // Neither folder writable: the caller goes on as if the line had been written.
  ::setenv("XDG_DATA_HOME", (folder / "plain-file").c_str(), 1);
  EXPECT_NO_THROW(ErrLog(state, folder / "missing", "frmMain.FileRead2", "53File not found"));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  ::unsetenv("XDG_DATA_HOME");
}

TEST(IniFileUserSettings, WritesPlainSectionsAndReadsHandEditedOrDamagedFiles) {
  TempFolder folder;
  const std::filesystem::path file = folder / "sub" / "kv508.ini";
  IniFileUserSettings settings(file);
  EXPECT_EQ(settings.Get("Settings", "lastmodel", "1"), "1"); // no file yet
  settings.Set("Settings", "lastmodel", "11");
  settings.Set("Settings", "ComNum", "a=b");
  settings.Set("ComPath", "ComDevice", "one\ntwo");
  settings.Set("Settings", "lastmodel", "1");
  EXPECT_EQ(ReadBytes(file), "[Settings]\nlastmodel=1\nComNum=a=b\n[ComPath]\nComDevice=one two\n");
  IniFileUserSettings reopened(file);
  EXPECT_EQ(reopened.Get("Settings", "ComNum", "x"), "a=b");
  EXPECT_EQ(reopened.Get("settings", "lastmodel", "x"), "x"); // exact compare
  EXPECT_EQ(reopened.Get("Settings", "LastModel", "x"), "x");

  WriteBytes(file, "[Settings]\r\nlastmodel=11\r\nlastmodel=5\r\n[Other]\r\nkey=\r\n");
  EXPECT_EQ(settings.Get("Settings", "lastmodel", ""), "11"); // first occurrence wins
  EXPECT_EQ(settings.Get("Other", "key", "d"), "");

  WriteBytes(file, std::string("\xFF\x00garbage=1\nno section line\r\n[\n=\n", 33));
  EXPECT_EQ(settings.Get("", "garbage", "d"), "d");
  settings.Set("Settings", "lastmodel", "1");
  EXPECT_EQ(ReadBytes(file), "[Settings]\nlastmodel=1\n");
}

} // namespace
} // namespace kv508::testing
