#include "app/app_state.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace kv508 {
namespace {

TEST(RunFlags, OnlyTheFourWholeSwitchesCount) {
  struct Case {
    const char *text;
    bool debug;
    bool lowSpeed;
  };
  const Case cases[] = {{"/DE", true, true},  {" /de ", true, true},  {"/ed", true, true},
                        {"/D", true, false},  {"/e", false, true},    {"/D /E", false, false},
                        {"-D", false, false}, {"", false, false},     {"/DX", false, false},
                        {"D", false, false},  {"  /E  ", false, true}};
  for (const Case &c : cases) {
    RunFlags flags = ParseRunFlags(c.text);
    EXPECT_EQ(flags.DebugMode, c.debug) << '"' << c.text << '"';
    EXPECT_EQ(flags.LowSpeedLink, c.lowSpeed) << '"' << c.text << '"';
  }
}

struct ErrLogTest : ::testing::Test {
  testing::TempFolder folder;
  std::string LogText() const { return testing::ReadBytes(folder / "err.log"); }
};

TEST_F(ErrLogTest, WritesNothingOutsideDebugMode) {
  AppState state;
  ErrLog(state, folder.path(), "frmMain.SaveFileAs", ErrorText(EACCES));
  EXPECT_FALSE(std::filesystem::exists(folder / "err.log"));
}

TEST_F(ErrLogTest, AppendsOneLinePerFailureKeepingEarlierLines) {
  std::ofstream(folder / "err.log", std::ios::binary) << "earlier line\n";
  AppState state;
  state.DebugMode = true;
  ErrLog(state, folder.path(), "frmMain.SaveFileAs", ErrorText(EACCES));
  ErrLog(state, folder.path(), "frmRadio.PortOpen", ErrorText(ENOENT));

  // The stamp is the current date and time; only its shape can be checked.
  std::string text = LogText();
  std::string masked;
  std::size_t column = 0;
  for (char c : text) {
    masked += (column < 19 && c >= '0' && c <= '9') ? '9' : c;
    column = c == '\n' ? 0 : column + 1;
  }
  EXPECT_EQ(masked, "earlier line\n"
                    "99/99/9999,99:99:99:frmMain.SaveFileAs -> 13Permission denied\n"
                    "99/99/9999,99:99:99:frmRadio.PortOpen -> 2No such file or directory\n");
}

TEST_F(ErrLogTest, UnwritableProgramFolderLogsToTheUserFolderOrNowhere) {
  AppState state;
  state.DebugMode = true;
  std::ofstream(folder / "plain-file") << "x";
  ::setenv("XDG_DATA_HOME", (folder / "user").c_str(), 1);
  ErrLog(state, folder / "plain-file", "frmMain.FileRead2", "53File not found");
  EXPECT_NE(testing::ReadBytes(folder / "user" / "KV508" / "err.log")
                .find(":frmMain.FileRead2 -> 53File not found\n"),
            std::string::npos);

  // Neither folder writable: the caller goes on as if the line had been written.
  ::setenv("XDG_DATA_HOME", (folder / "plain-file").c_str(), 1);
  EXPECT_NO_THROW(ErrLog(state, folder / "missing", "frmMain.FileRead2", "53File not found"));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace kv508
