// How long the programs take as a user meets them: kv508-cli's file commands
// from process start to exit, the desktop application from start until its main
// window has painted, and File > New, Open and Save in a running window
// (window_bench). Everything runs offscreen, on the build's program folder and
// on settings of its own, so the user's are not touched.
//
//   process_bench [RUNS]      (default 20)
//
// Prints the median and the slowest run, the median processor time (user and
// system: what a busy machine does not inflate as much) and the peak memory
// (resident set) of each program. This program stays small and links no Qt, so that the peak it
// reads for a program is that program's own.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
  double ms = 0;
  double cpuMs = 0; // user and system
  long peakKiB = 0;
  int status = -1;
  std::string output;
};

// Starts a program, waits for it and measures it; its standard output is kept
// when asked for, else thrown away.
Run Spawn(const std::vector<std::string> &arguments, bool keepOutput) {
  std::vector<char *> argv;
  for (const std::string &a : arguments)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  int pipeEnds[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (keepOutput && ::pipe(pipeEnds) == 0) {
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  Run run;
  const auto start = Clock::now();
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (pipeEnds[1] >= 0) {
    ::close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
      run.output.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
  }
  struct rusage usage {};
  ::wait4(pid, &run.status, 0, &usage);
  run.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  run.peakKiB = usage.ru_maxrss;
  const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// cpuMs: the median processor time of a whole program, or a negative number when
// the row times a part of one.
void PrintRow(const std::string &what, const std::vector<double> &ms, double cpuMs, long peakKiB) {
  if (ms.empty()) {
    std::printf("%-40s no runs\n", what.c_str());
    return;
  }
  char cpu[32] = "";
  if (cpuMs >= 0)
    std::snprintf(cpu, sizeof cpu, "%7.1f ms", cpuMs);
  std::printf("%-40s %8.1f ms %8.1f ms %10s %7.1f MiB\n", what.c_str(), Median(ms),
              *std::max_element(ms.begin(), ms.end()), cpu, static_cast<double>(peakKiB) / 1024.0);
}

// Runs a program `runs` times and prints its row; a failed run ends the benchmark.
void TimeProgram(const std::string &what, const std::vector<std::string> &arguments, int runs) {
  std::vector<double> ms;
  std::vector<double> cpu;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    const Run run = Spawn(arguments, false);
    if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0) {
      std::fprintf(stderr, "%s failed (status %d)\n", what.c_str(), run.status);
      std::exit(1);
    }
    ms.push_back(run.ms);
    cpu.push_back(run.cpuMs);
    peak = std::max(peak, run.peakKiB);
  }
  PrintRow(what, ms, Median(cpu), peak);
}

void TimeWindowCommands(const fs::path &bin, int runs, const fs::path &file) {
  const Run run = Spawn(
      {(bin / "window_bench").string(), std::to_string(runs), bin.string(), file.string()}, true);
  if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0) {
    std::fprintf(stderr, "window_bench failed (status %d)\n", run.status);
    std::exit(1);
  }
  std::map<std::string, std::vector<double>> ms;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string name;
    words >> name;
    for (double m; words >> m;)
      ms[name].push_back(m);
  }
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  PrintRow("File > New", ms["new"], -1, run.peakKiB);
  PrintRow("File > Open (" + std::to_string(size / 1024) + " KB .dat)", ms["open"], -1,
           run.peakKiB);
  PrintRow("File > Save", ms["save"], -1, run.peakKiB);
}

} // namespace

int main(int argc, char **argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  std::error_code ec;
  const fs::path bin = fs::read_symlink("/proc/self/exe", ec).parent_path();
  char pattern[] = "/tmp/kv508-process-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr)
    return 1;
  const fs::path folder = pattern;
  // Settings, backups and runtime files of their own.
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  fs::create_directory(folder / "runtime", ec);
  fs::permissions(folder / "runtime", fs::perms::owner_all, ec);
  ::setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

  const std::string cli = (bin / "kv508-cli").string();
  const auto in = [&](const char *name) { return (folder / name).string(); };
  std::printf("%-40s %11s %11s %10s %11s   (%d runs)\n", "Whole process", "median", "slowest",
              "CPU", "peak memory", runs);
  // The floor: the program loaded and ended without a command.
  TimeProgram("kv508-cli --version (start and exit)", {cli, "--version"}, runs);
  TimeProgram("kv508-cli new -o a.dat", {cli, "new", "-o", in("a.dat")}, runs);
  TimeProgram("kv508-cli convert a.dat b.hex", {cli, "convert", in("a.dat"), in("b.hex")}, runs);
  TimeProgram("kv508-cli convert b.hex c.dat", {cli, "convert", in("b.hex"), in("c.dat")}, runs);
  TimeProgram("kv508-cli report c.dat -o r.txt", {cli, "report", in("c.dat"), "-o", in("r.txt")},
              runs);
  TimeProgram("kv508-cli diff a.dat c.dat", {cli, "diff", in("a.dat"), in("c.dat")}, runs);
  ::setenv("KV508_EXIT_WHEN_SHOWN", "1", 1);
  TimeProgram("kv508 start to the first painted window", {(bin / "kv508").string()}, runs);
  ::unsetenv("KV508_EXIT_WHEN_SHOWN");

  std::printf("\n%-40s %11s %11s %10s %11s\n", "In a running window (window_bench)", "median",
              "slowest", "", "peak memory");
  TimeWindowCommands(bin, runs, folder / "typical.dat");
  fs::remove_all(folder, ec);
  return 0;
}
