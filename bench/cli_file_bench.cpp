// How long kv508-cli's file commands take, in-process and without the program's
// start-up: new, convert (.dat -> .hex and back), report and diff, each run a
// number of times on a settings file with every directory entry filled.
//
//   cli_file_bench [RUNS]
//
// Prints the median and the slowest run of each command in milliseconds.

#include "cli/cli_host.h"
#include "cli/commands.h"

#include "app/user_settings.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kv508;
using namespace kv508::cli;

namespace {

struct Command {
  const char *name;
  int (*run)(Context &);
  std::vector<std::string> arguments;
  std::string output;
};

double RunOnce(const fs::path &folder, const Command &command) {
  Options options;
  options.programDir = folder.string();
  options.command = command.name;
  for (const std::string &argument : command.arguments)
    options.arguments.push_back((folder / argument).string());
  if (!command.output.empty())
    options.output = (folder / command.output).string();
  CliHost host(Answers{}, false);
  MemoryUserSettings settings;
  Session session(host, settings);
  Context ctx{options, host, settings, session};
  const auto start = std::chrono::steady_clock::now();
  const int status = PrepareSession(session, options) ? command.run(ctx) : kFailed;
  const auto end = std::chrono::steady_clock::now();
  if (status != kSuccess && std::string(command.name) != "diff")
    std::fprintf(stderr, "%s failed (%d)\n", command.name, status);
  return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main(int argc, char **argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const fs::path folder = fs::temp_directory_path() / "kv508-cli-file-bench";
  fs::create_directories(folder);
  std::ofstream(folder / "global.ini") << "[model1]\nuse=1\natis=True\n";

  const std::vector<Command> commands = {
      {"new", RunNew, {}, "a.dat"},
      {"convert", RunConvert, {"a.dat", "b.hex"}, {}},
      {"convert", RunConvert, {"b.hex", "c.dat"}, {}},
      {"report", RunReport, {"c.dat"}, "r.txt"},
      {"diff", RunDiff, {"a.dat", "c.dat"}, {}},
  };
  // The report and the diff print to stdout, which is not what is measured.
  std::fflush(stdout);
  const int console = ::dup(STDOUT_FILENO);
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, STDOUT_FILENO);
  std::vector<std::string> lines;
  for (const Command &command : commands) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i)
      ms.push_back(RunOnce(folder, command));
    std::sort(ms.begin(), ms.end());
    std::string what = command.name;
    for (const std::string &a : command.arguments)
      what += " " + a;
    if (!command.output.empty())
      what += " -o " + command.output;
    char line[160];
    std::snprintf(line, sizeof line, "%-28s median %6.1f ms   slowest %6.1f ms   (%d runs)",
                  what.c_str(), ms[ms.size() / 2], ms.back(), runs);
    lines.push_back(line);
  }
  std::fflush(stdout);
  ::dup2(console, STDOUT_FILENO);
  ::close(null);
  ::close(console);
  for (const std::string &line : lines)
    std::printf("%s\n", line.c_str());
  fs::remove_all(folder);
  return 0;
}
