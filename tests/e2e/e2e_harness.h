#pragma once

// Runs kv508-cli and kv508-radiosim as child processes: the simulator on a
// pseudo-terminal reached through a link in the test's folder. Tests run
// several at once from threads, so a child only execs and no descriptor leaks
// into another child.

#include "model/radio_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kv508::e2e {

namespace fs = std::filesystem;

inline std::string ReadText(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct ProcessResult {
  int exitCode = -1; // -1 when killed
  std::string out, err;
};

inline int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// Starts argv with standard output and error to files.
inline pid_t Spawn(const std::vector<std::string> &argv, const fs::path &out, const fs::path &err) {
  std::vector<char *> args;
  for (const std::string &a : argv)
    args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  const int fds[3] = {open("/dev/null", O_RDONLY | O_CLOEXEC),
                      open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600),
                      open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)};
  const pid_t pid = fork();
  if (pid == 0) {
    for (int fd = 0; fd < 3; ++fd)
      dup2(fds[fd], fd);
    execv(args[0], args.data());
    _exit(127);
  }
  for (int fd : fds)
    close(fd);
  if (pid < 0)
    throw std::runtime_error("fork");
  return pid;
}

// Runs argv to its end (killed after 240 s); `whileRunning` gets the pid about every 20 ms.
inline ProcessResult RunProcess(const std::vector<std::string> &argv, const fs::path &outputs,
                                const std::function<void(pid_t)> &whileRunning = {}) {
  const fs::path out = outputs.string() + ".out", err = outputs.string() + ".err";
  const pid_t pid = Spawn(argv, out, err);
  int status = 0;
  for (int waited = 0; waitpid(pid, &status, WNOHANG) == 0; waited += 20) {
    if (waited > 240000)
      kill(pid, SIGKILL);
    if (whileRunning)
      whileRunning(pid);
    usleep(20000);
  }
  return {ExitCodeOf(status), ReadText(out), ReadText(err)};
}

inline void WriteImage(const fs::path &path, const MemoryImage &image) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(image.data()),
             static_cast<std::streamsize>(image.size()));
}

inline MemoryImage ReadImage(const fs::path &path) {
  const std::string bytes = ReadText(path);
  MemoryImage image{};
  if (bytes.size() != image.size())
    ADD_FAILURE() << path << " holds " << bytes.size() << " bytes, not an image";
  else
    std::copy(bytes.begin(), bytes.end(), image.begin());
  return image;
}

// The first address where the two images differ, or -1.
inline int FirstDifference(const MemoryImage &a, const MemoryImage &b) {
  const auto at = std::mismatch(a.begin(), a.end(), b.begin()).first;
  return at == a.end() ? -1 : static_cast<int>(at - a.begin());
}

// Deterministic noise with the model identifier 2000 at both ends and the
// product code "QZ318R" at 112-117, as a radio holds them.
inline MemoryImage NoiseRadioMemory(std::uint32_t seed) {
  std::mt19937 random(seed);
  MemoryImage image{};
  for (auto &byte : image)
    byte = static_cast<std::uint8_t>(random());
  image[0] = image[ImageLastIndex - 1] = 0x07;
  image[1] = image[ImageLastIndex] = 0xD0;
  std::copy_n("QZ318R", 6, image.begin() + 112);
  return image;
}

// A folder of its own for one test, removed at the end.
struct TempDir {
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kv508-e2e-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("mkdtemp");
    path = pattern;
  }
  ~TempDir() { fs::remove_all(path); }
  fs::path operator/(const std::string &name) const { return path / name; }
  fs::path path;
};

// kv508-radiosim in `folder`, its memory from an image, saving it on exit.
class RadioSim {
public:
  RadioSim(const fs::path &folder, const MemoryImage &memory,
           const std::vector<std::string> &faults = {})
      : folder_(folder) {
    fs::create_directories(folder);
    WriteImage(folder / "memory.hex", memory);
    const std::string f = folder.string();
    std::vector<std::string> argv = {KV508_RADIOSIM, "--link", Device(), "--baud", "921600"};
    argv.insert(argv.end(), {"--image", f + "/memory.hex", "--save-on-exit", f + "/saved.hex"});
    argv.insert(argv.end(), {"--log", f + "/radio.log"});
    argv.insert(argv.end(), faults.begin(), faults.end());
    pid_ = Spawn(argv, folder / "sim.out", folder / "sim.err");
    // The device line on standard output says the simulator is serving.
    for (int i = 0; i < 1000 && ReadText(folder / "sim.out").find('\n') == std::string::npos; ++i)
      usleep(10000);
    if (ReadText(folder / "sim.out").rfind("/dev/", 0) != 0)
      throw std::runtime_error("kv508-radiosim did not start");
  }
  ~RadioSim() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  std::string Device() const { return folder_ / "radio"; }
  std::string Log() const { return ReadText(folder_ / "radio.log"); }
  // SIGTERM, wait for the exit, and return the memory it saved.
  MemoryImage StopAndSave() {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    EXPECT_EQ(ExitCodeOf(status), 0) << "kv508-radiosim did not end cleanly";
    EXPECT_FALSE(fs::exists(fs::symlink_status(Device()))) << "the device link was left behind";
    return ReadImage(folder_ / "saved.hex");
  }

private:
  fs::path folder_;
  pid_t pid_ = -1;
};

// kv508-cli with the build's program folder and the per-user data folder
// <dir>/user-data, so that backups stay in the test's folder; every run has a
// settings file of its own, as runs may go at once.
inline ProcessResult RunCli(const TempDir &dir, const std::vector<std::string> &args,
                            const std::function<void(pid_t)> &whileRunning = {}) {
  static std::atomic<int> runs{0};
  const fs::path run = dir / ("run" + std::to_string(++runs));
  std::vector<std::string> argv = {"/usr/bin/env", "XDG_DATA_HOME=" + (dir / "user-data").string()};
  argv.insert(argv.end(), {KV508_CLI, "--program-dir", KV508_PROGRAM_DIR});
  argv.insert(argv.end(), {"--settings", run.string() + ".ini"});
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProcess(argv, run, whileRunning);
}

} // namespace kv508::e2e
