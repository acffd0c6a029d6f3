#pragma once

// Runs kv508-cli and kv508-radiosim as child processes: the simulator on a
// pseudo-terminal (reached through a stable link in the test's folder), the
// command line against it, each with a time limit.

#include "model/radio_data.h"

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kv508::e2e {

struct ProcessResult {
  int exitCode = -1; // -1 when killed by a signal or the time limit
  bool timedOut = false;
  std::string out;
  std::string err;
};

// Runs argv[0] with the arguments; `whileRunning` is called about every 20 ms
// with the child's pid until it ends.
ProcessResult RunProcess(const std::vector<std::string> &argv, int timeLimitSeconds,
                         const std::function<void(pid_t)> &whileRunning = {});

// A folder of its own for one test, removed at the end.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
  const std::filesystem::path &path() const { return path_; }
  std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

// kv508-radiosim with its memory from an image, saving it on exit.
class RadioSim {
public:
  RadioSim(const TempDir &dir, const MemoryImage &memory,
           const std::vector<std::string> &extraArgs = {});
  ~RadioSim();
  RadioSim(const RadioSim &) = delete;
  RadioSim &operator=(const RadioSim &) = delete;

  // The link to the device, for --port.
  std::string Device() const { return link_.string(); }
  // SIGTERM, wait for the exit, and return the memory it saved.
  MemoryImage StopAndSave();
  // The frame log so far.
  std::string Log() const;

private:
  pid_t pid_ = -1;
  std::filesystem::path link_;
  std::filesystem::path saved_;
  std::filesystem::path log_;
};

// kv508-cli with the build's program folder, a settings file of the test and
// the per-user data folder <dir>/user-data.
ProcessResult RunCli(const TempDir &dir, const std::vector<std::string> &args,
                     const std::function<void(pid_t)> &whileRunning = {});

// Deterministic noise with the model identifier 2000 at both ends and the
// product code "QZ318R" at 112-117, as a radio holds them.
MemoryImage NoiseRadioMemory(std::uint32_t seed);

void WriteImage(const std::filesystem::path &path, const MemoryImage &image);
MemoryImage ReadImage(const std::filesystem::path &path);
std::string ReadText(const std::filesystem::path &path);

// The first address in [first, last] where the two images differ, or -1.
int FirstDifference(const MemoryImage &a, const MemoryImage &b, int first, int last);

} // namespace kv508::e2e
