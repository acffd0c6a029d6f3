#include "e2e_harness.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kv508::e2e {
namespace {

// A simulator fast enough that the link's own pauses dominate, yet paced.
constexpr const char *kTestBaud = "921600";
constexpr int kStartSeconds = 10;

[[noreturn]] void ExecOrDie(const std::vector<std::string> &argv) {
  std::vector<char *> args;
  for (const std::string &a : argv)
    args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  std::fprintf(stderr, "exec %s: %s\n", args[0], std::strerror(errno));
  _exit(127);
}

int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// Starts argv with standard output to `out` and, when given, standard error to `err`.
pid_t Spawn(const std::vector<std::string> &argv, int out, int err) {
  const pid_t pid = fork();
  if (pid < 0)
    throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(out, STDOUT_FILENO);
    if (err >= 0)
      dup2(err, STDERR_FILENO);
    dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
    ExecOrDie(argv);
  }
  close(out);
  if (err >= 0)
    close(err);
  return pid;
}

} // namespace

ProcessResult RunProcess(const std::vector<std::string> &argv, int timeLimitSeconds,
                         const std::function<void(pid_t)> &whileRunning) {
  int outPipe[2], errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
    throw std::runtime_error("pipe");
  const pid_t pid = Spawn(argv, outPipe[1], errPipe[1]);

  ProcessResult result;
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(timeLimitSeconds);
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  std::string *sinks[2] = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    if (std::chrono::steady_clock::now() > limit) {
      result.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    if (whileRunning)
      whileRunning(pid);
    if (poll(fds, 2, 20) < 0 && errno != EINTR)
      break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0)
        continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  for (const pollfd &fd : fds)
    if (fd.fd >= 0)
      close(fd.fd);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exitCode = result.timedOut ? -1 : ExitCodeOf(status);
  return result;
}

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "kv508-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

RadioSim::RadioSim(const TempDir &dir, const MemoryImage &memory,
                   const std::vector<std::string> &extraArgs)
    : link_(dir / "radio"), saved_(dir / "radio-saved.hex"), log_(dir / "radio.log") {
  const fs::path image = dir / "radio-memory.hex";
  WriteImage(image, memory);
  std::vector<std::string> argv = {KV508_RADIOSIM, "--image",        image.string(),  "--link",
                                   link_.string(), "--save-on-exit", saved_.string(), "--log",
                                   log_.string(),  "--baud",         kTestBaud};
  argv.insert(argv.end(), extraArgs.begin(), extraArgs.end());

  int outPipe[2];
  if (pipe(outPipe) != 0)
    throw std::runtime_error("pipe");
  pid_ = Spawn(argv, outPipe[1], -1);
  // The device line on standard output says the simulator is serving.
  std::string line;
  pollfd fd{outPipe[0], POLLIN, 0};
  while (line.find('\n') == std::string::npos && poll(&fd, 1, kStartSeconds * 1000) > 0) {
    char buffer[256];
    const ssize_t n = read(outPipe[0], buffer, sizeof buffer);
    if (n <= 0)
      break;
    line.append(buffer, static_cast<std::size_t>(n));
  }
  close(outPipe[0]);
  if (line.rfind("/dev/", 0) != 0)
    throw std::runtime_error("kv508-radiosim did not start");
}

RadioSim::~RadioSim() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

MemoryImage RadioSim::StopAndSave() {
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  EXPECT_EQ(ExitCodeOf(status), 0) << "kv508-radiosim did not end cleanly";
  EXPECT_FALSE(fs::exists(fs::symlink_status(link_))) << "the device link was left behind";
  return ReadImage(saved_);
}

std::string RadioSim::Log() const { return ReadText(log_); }

ProcessResult RunCli(const TempDir &dir, const std::vector<std::string> &args,
                     const std::function<void(pid_t)> &whileRunning) {
  // Backups go to the test's folder, never to the user's.
  std::vector<std::string> argv = {"/usr/bin/env",
                                   "XDG_DATA_HOME=" + (dir / "user-data").string(),
                                   KV508_CLI,
                                   "--program-dir",
                                   KV508_PROGRAM_DIR,
                                   "--settings",
                                   (dir / "settings.ini").string()};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProcess(argv, 240, whileRunning);
}

MemoryImage NoiseRadioMemory(std::uint32_t seed) {
  std::mt19937 random(seed);
  MemoryImage image{};
  for (auto &byte : image)
    byte = static_cast<std::uint8_t>(random());
  image[0] = image[ImageLastIndex - 1] = 0x07;
  image[1] = image[ImageLastIndex] = 0xD0;
  const std::string productCode = "QZ318R";
  for (std::size_t i = 0; i < productCode.size(); ++i)
    image[112 + i] = static_cast<std::uint8_t>(productCode[i]);
  return image;
}

void WriteImage(const fs::path &path, const MemoryImage &image) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char *>(image.data()),
            static_cast<std::streamsize>(image.size()));
  if (!out)
    throw std::runtime_error("cannot write " + path.string());
}

MemoryImage ReadImage(const fs::path &path) {
  const std::string bytes = ReadText(path);
  MemoryImage image{};
  if (bytes.size() != image.size()) {
    ADD_FAILURE() << path << " holds " << bytes.size() << " bytes, not an image";
    return image;
  }
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return image;
}

std::string ReadText(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int FirstDifference(const MemoryImage &a, const MemoryImage &b, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (a[static_cast<std::size_t>(i)] != b[static_cast<std::size_t>(i)])
      return i;
  return -1;
}

} // namespace kv508::e2e
