// The command line in-process: its file commands on a host whose clock only
// moves when something pauses, and how it prints a message.

#include "cli/cli_host.h"
#include "cli/commands.h"

#include "app/user_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kv508::cli {
namespace {

namespace fs = std::filesystem;

struct PausesCounted : CliHost {
  PausesCounted() : CliHost(Answers{}, false) {}
  void Pause(int ms) override { pausedMs += ms; }
  std::int64_t pausedMs = 0;
};

// A script converting many files must not wait on pauses meant for a radio.
TEST(FileCommands, NeverPauseWhetherTheyWorkOrNot) {
  const fs::path folder = fs::temp_directory_path() / ("kv508-cli-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "global.ini") << "[model1]\nuse=1\natis=True\n";
  PausesCounted host;
  const struct {
    int (*command)(Context &);
    std::vector<std::string> arguments;
    std::string output;
    int status;
  } steps[] = {{RunNew, {}, "a.dat", kSuccess},
               {RunConvert, {"a.dat", "b.hex"}, "", kSuccess},
               {RunConvert, {"b.hex", "c.dat"}, "", kSuccess},
               {RunReport, {"c.dat"}, "r.txt", kSuccess},
               {RunDiff, {"a.dat", "c.dat"}, "", kSuccess},
               {RunConvert, {"missing.dat", "d.hex"}, "", kFailed}};
  for (const auto &step : steps) {
    Options options;
    options.programDir = folder.string();
    options.output = step.output.empty() ? "" : (folder / step.output).string();
    for (const std::string &argument : step.arguments)
      options.arguments.push_back((folder / argument).string());
    MemoryUserSettings settings;
    Session session(host, settings);
    ASSERT_TRUE(PrepareSession(session, options));
    Context ctx{options, host, settings, session};
    EXPECT_EQ(step.command(ctx), step.status) << &step - steps;
  }
  EXPECT_EQ(host.pausedMs, 0);
  fs::remove_all(folder);
}

TEST(CliHost, PrintsAMessageAsPlainLines) {
  CliHost host(Answers{}, false);
  ::testing::internal::CaptureStderr();
  host.Message(Icon::Critical, "Program to Radio",
               "Verify Error!!\r\naddress 0x1388: written 0x5C, read 0xA3", Buttons::Ok);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Verify Error!!\naddress 0x1388: written 0x5C, read 0xA3\n");
}

} // namespace
} // namespace kv508::cli
