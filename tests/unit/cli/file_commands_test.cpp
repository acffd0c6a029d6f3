// The command line's file commands in-process, on a host whose clock only
// moves when something pauses.

#include "cli/cli_host.h"
#include "cli/commands.h"

#include "app/user_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;
using namespace kv508;
using namespace kv508::cli;

namespace {

class FakeClockCliHost : public CliHost {
public:
  FakeClockCliHost() : CliHost(Answers{}, false) {}
  void Pause(int ms) override { pausedMs += ms; }
  std::int64_t pausedMs = 0;
};

struct FileCommandsTest : ::testing::Test {
  FileCommandsTest() {
    folder =
        fs::temp_directory_path() /
        ("kv508-cli-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
    std::ofstream(folder / "global.ini") << "[model1]\nuse=1\natis=True\n";
  }
  ~FileCommandsTest() override { fs::remove_all(folder); }

  int Run(const std::string &command, std::vector<std::string> arguments,
          const std::string &output = {}) {
    Options options;
    options.programDir = folder.string();
    options.command = command;
    options.output = output.empty() ? std::string() : (folder / output).string();
    for (std::string &argument : arguments)
      argument = (folder / argument).string();
    options.arguments = std::move(arguments);
    MemoryUserSettings settings;
    Session session(host, settings);
    Context ctx{options, host, settings, session};
    if (!PrepareSession(session, options))
      return kFailed;
    static const std::map<std::string, int (*)(Context &)> kCommands = {
        {"new", RunNew}, {"convert", RunConvert}, {"report", RunReport}, {"diff", RunDiff}};
    return kCommands.at(command)(ctx);
  }
  std::string Text(const std::string &name) {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder;
  FakeClockCliHost host;
};

TEST_F(FileCommandsTest, NewConvertReportAndDiffNeverPause) {
  ASSERT_EQ(Run("new", {}, "a.dat"), kSuccess);
  ASSERT_EQ(Run("new", {}, "a.hex"), kSuccess);
  ASSERT_EQ(Run("convert", {"a.dat", "b.hex"}), kSuccess);
  ASSERT_EQ(Run("convert", {"b.hex", "c.dat"}), kSuccess);
  ASSERT_EQ(Run("report", {"c.dat"}, "r.txt"), kSuccess);
  ASSERT_EQ(Run("diff", {"a.dat", "c.dat"}), kSuccess);

  EXPECT_EQ(host.pausedMs, 0);
  EXPECT_EQ(fs::file_size(folder / "b.hex"), std::uintmax_t(kImageSize));
  EXPECT_EQ(Text("a.dat"), Text("c.dat"));
  EXPECT_NE(Text("r.txt").find("User MMSI"), std::string::npos);
}

TEST_F(FileCommandsTest, AFailedReadDoesNotPauseEither) {
  EXPECT_EQ(Run("convert", {"missing.dat", "b.hex"}), kFailed);
  EXPECT_EQ(host.pausedMs, 0);
  EXPECT_FALSE(fs::exists(folder / "b.hex"));
}

} // namespace
