#include "app/app_state.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

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

class ErrLogTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv508-errlog-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string LogText() const {
    std::ifstream in(folder_ / "err.log", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path folder_;
};

TEST_F(ErrLogTest, WritesNothingOutsideDebugMode) {
  AppState state;
  ErrLog(state, folder_, "frmMain.SaveFileAs", ErrorText(EACCES));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "err.log"));
}

TEST_F(ErrLogTest, AppendsOneLinePerFailureKeepingEarlierLines) {
  std::ofstream(folder_ / "err.log", std::ios::binary) << "earlier line\n";
  AppState state;
  state.DebugMode = true;
  ErrLog(state, folder_, "frmMain.SaveFileAs", ErrorText(EACCES));
  ErrLog(state, folder_, "frmRadio.PortOpen", ErrorText(ENOENT));

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

TEST_F(ErrLogTest, UnwritableFolderIsIgnored) {
  AppState state;
  state.DebugMode = true;
  EXPECT_NO_THROW(ErrLog(state, folder_ / "missing", "frmMain.FileRead2", "53File not found"));
  std::ofstream(folder_ / "plain-file") << "x";
  EXPECT_NO_THROW(ErrLog(state, folder_ / "plain-file", "frmMain.FileRead2", "53File not found"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

} // namespace
} // namespace kv508
