// kv508-cli against kv508-radiosim on a pseudo-terminal: the messages and exit
// status a user sees, the files left behind, and exactly the radio bytes a run
// may change. A transfer waits in the link's pauses, so runs on radios of their
// own go at once, from threads.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <random>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kv508::e2e {
namespace {

namespace fs = std::filesystem;
using Image = std::string; // the radio's 32768 bytes

std::string ReadText(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path &path, const std::string &text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The first offset where the two differ or one ends, or -1.
long FirstDifference(const std::string &a, const std::string &b) {
  const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return x == a.end() && y == b.end() ? -1 : x - a.begin();
}

struct ProcessResult {
  int exitCode; // -1 when killed
  std::string out, err;
};

int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// Starts argv with standard input from /dev/null and output and error to files,
// which only the child opens.
pid_t Spawn(const std::vector<std::string> &argv, const fs::path &out, const fs::path &err) {
  std::vector<char *> args;
  for (const std::string &a : argv)
    args.push_back(const_cast<char *>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, args[0], &files, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  if (failed != 0)
    throw std::runtime_error("posix_spawn");
  return pid;
}

// Noise with the model identifier and product code where a radio holds them.
Image NoiseRadioMemory(std::uint32_t seed) {
  std::mt19937 random(seed);
  Image image(32768, '\0');
  for (char &byte : image)
    byte = static_cast<char>(random());
  image.replace(0, 2, "\x07\xD0").replace(32766, 2, "\x07\xD0").replace(112, 6, "QZ318R");
  return image;
}

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
  RadioSim(const fs::path &folder, const Image &memory, const std::vector<std::string> &faults = {})
      : folder_(folder) {
    fs::create_directories(folder);
    WriteText(folder / "memory.hex", memory);
    const std::string f = folder.string();
    std::vector<std::string> argv = {
        KV508_RADIOSIM,    "--link",         Device(),         "--baud", "921600",        "--image",
        f + "/memory.hex", "--save-on-exit", f + "/saved.hex", "--log",  f + "/radio.log"};
    argv.insert(argv.end(), faults.begin(), faults.end());
    pid_ = Spawn(argv, folder / "sim.out", folder / "sim.err");
    // The device line on standard output says the simulator is serving.
    for (int i = 0; i < 1000 && ReadText(folder / "sim.out").find('\n') == std::string::npos; ++i)
      usleep(10000);
    if (ReadText(folder / "sim.out").rfind("/dev/", 0) != 0)
      throw std::runtime_error("kv508-radiosim did not start");
  }
  ~RadioSim() {
    if (pid_ > 0 && kill(pid_, SIGKILL) == 0)
      waitpid(pid_, nullptr, 0);
  }
  std::string Device() const { return folder_ / "radio"; }
  std::string Log() const { return ReadText(folder_ / "radio.log"); }
  // As if unplugged: the device goes away at once.
  void Kill() {
    if (pid_ > 0 && kill(pid_, SIGKILL) == 0)
      waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  // SIGTERM, wait for the exit, and return the memory it saved.
  Image StopAndSave() {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    EXPECT_EQ(ExitCodeOf(status), 0) << "kv508-radiosim did not end cleanly";
    EXPECT_FALSE(fs::exists(fs::symlink_status(Device()))) << "the device link was left behind";
    return ReadText(folder_ / "saved.hex");
  }

private:
  fs::path folder_;
  pid_t pid_ = -1;
};

// kv508-cli with the build's program folder, backups under <dir>/user-data and a
// settings file per run; killed after 240 s. `whileRunning` gets its pid every 20 ms.
ProcessResult RunCli(const TempDir &dir, const std::vector<std::string> &args,
                     const std::function<void(pid_t)> &whileRunning = {}) {
  static std::atomic<int> runs{0};
  const std::string run = dir / ("run" + std::to_string(++runs));
  std::vector<std::string> argv = {
      "/usr/bin/env",    "XDG_DATA_HOME=" + (dir / "user-data").string(),
      KV508_CLI,         "--program-dir",
      KV508_PROGRAM_DIR, "--settings",
      run + ".ini"};
  argv.insert(argv.end(), args.begin(), args.end());
  const pid_t pid = Spawn(argv, run + ".out", run + ".err");
  int status = 0;
  for (int waited = 0; waitpid(pid, &status, WNOHANG) == 0; waited += 20) {
    if (waited > 240000)
      kill(pid, SIGKILL);
    if (whileRunning)
      whileRunning(pid);
    usleep(20000);
  }
  return {ExitCodeOf(status), ReadText(run + ".out"), ReadText(run + ".err")};
}

using Ranges = std::vector<std::pair<int, int>>; // inclusive
// A read takes these from the image it started with, not from the radio.
const Ranges kKeptOnRead = {{2, 32}, {256, 415}, {1792, 2047}, {20736, 32765}};
// A write sends these and nothing else.
const Ranges kWritten = {{33, 111}, {128, 255}, {352, 1791}, {2048, 20735}};

// `inside` in the ranges, `outside` elsewhere.
Image Merge(const Ranges &ranges, const Image &inside, const Image &outside) {
  Image image = outside;
  for (const auto &[first, last] : ranges)
    image.replace(first, last - first + 1, inside, first, last - first + 1);
  return image;
}

std::vector<std::string> Words(const std::string &text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

struct Fill {
  int first, last;
  char value;
};

TEST(CliRun, EachCommandEndsWithItsMessageAndChangesExactlyItsAreas) {
  const Fill dsc{26880, 30975, '\xFF'}, distress{30976, 32703, '\xFF'},
      individual{18176, 19455, '\xFF'}, group{20224, 20735, '\xFF'}, waypoint{20736, 24191, '\xFF'},
      waypointHead{20736, 20835, 0}, tx{25344, 26879, '\xFF'};
  const std::vector<Fill> mmsi = {{416, 420, '\xFF'}, {421, 421, 0}};
  const std::string ok = "Complete!!\n", busy = "Radio is busy!! [",
                    notReady = "]\nRadio not ready!!\n",
                    resync = "confirm the synchronization of the communication [";
  struct Case {
    std::string sim, cli; // faults of the simulator; the command line without "--port P"
    int exitCode;
    std::string err;
    std::vector<Fill> fills = {}; // what the run leaves changed in the radio
  } cases[] = {
      {"", "clear mmsi", 0, ok, mmsi},
      {"", "clear dsc-log", 0, ok, {dsc}},
      {"", "clear distress-log", 0, ok, {distress}},
      {"", "clear individual", 0, ok, {individual}},
      {"", "clear group", 0, ok, {group}},
      {"", "clear waypoint", 0, ok, {waypoint, waypointHead}},
      {"", "clear dsc-tx-log", 0, ok, {tx}},
      {"", "clear all", 0, ok, {dsc, distress, individual, group, waypoint, waypointHead, tx}},
      {"--busy 1", "clear mmsi --retry-busy 1", 0, busy + "Retry]\n" + ok, mmsi},
      {"--busy 1", "clear mmsi", 1, busy + "Cancel; --retry-busy N retries" + notReady},
      {"--error-answers 3", "clear mmsi --resync", 0, resync + "OK]\n" + ok, mmsi},
      {"--error-answers 3", "clear mmsi", 1, resync + "Cancel; --resync answers OK" + notReady}};
  TempDir dir;
  const Image radio = NoiseRadioMemory(31);
  // The radio's own image as the base, so that whole blocks around an area
  // carry the radio's bytes back to it.
  WriteText(dir / "base.hex", radio);
  std::vector<std::future<void>> runs;
  for (const Case &c : cases) {
    runs.push_back(std::async(std::launch::async, [&dir, &radio, &c, n = runs.size()] {
      SCOPED_TRACE(c.sim + " " + c.cli);
      RadioSim sim(dir / std::to_string(n), radio, Words(c.sim));
      std::vector<std::string> args = Words(c.cli);
      args.insert(args.end(), {"--port", sim.Device(), "--base", dir / "base.hex"});
      const ProcessResult run = RunCli(dir, args);
      EXPECT_EQ(run.exitCode, c.exitCode);
      EXPECT_EQ(run.err, c.err);
      Image expected = radio;
      for (const Fill &fill : c.fills)
        std::fill(expected.begin() + fill.first, expected.begin() + fill.last + 1, fill.value);
      EXPECT_EQ(FirstDifference(sim.StopAndSave(), expected), -1);
    }));
  }
  for (auto &run : runs)
    run.get();
}

// Two reads of one radio at once: one interrupted as soon as it asks for the
// first block, one over a base image.
TEST(CliRead, KeepsTheBaseRangesAndACancelChangesNothing) {
  TempDir dir;
  const Image radio = NoiseRadioMemory(11), base = NoiseRadioMemory(12);
  WriteText(dir / "base.hex", base);
  RadioSim cancelled(dir / "a", radio), toHex(dir / "b", radio);
  bool interrupted = false;
  // The interrupt holds until the transfer ends: where in the block it lands does not matter.
  auto cancel = std::async(std::launch::async, [&] {
    return RunCli(dir, {"read", "--port", cancelled.Device(), "-o", dir / "x.hex"}, [&](pid_t pid) {
      if (!interrupted && cancelled.Log().find("#CEPRD<TAB>0000<TAB>40<TAB>") != std::string::npos)
        interrupted = kill(pid, SIGINT) == 0;
    });
  });
  const ProcessResult h = RunCli(
      dir, {"read", "--base", dir / "base.hex", "--port", toHex.Device(), "-o", dir / "y.hex"});
  const ProcessResult c = cancel.get();

  ASSERT_TRUE(interrupted);
  EXPECT_EQ(c.exitCode, 1);
  // The radio's "cancel!!" when the interrupt ends a wait for data, else the command's own word.
  EXPECT_TRUE(c.err == "cancel!!\n" || c.err == "Cancelled.\n") << c.err;
  EXPECT_FALSE(fs::exists(dir / "x.hex"));
  EXPECT_EQ(std::make_pair(h.exitCode, h.err), std::make_pair(0, std::string("Complete!!\n")));
  EXPECT_EQ(FirstDifference(ReadText(dir / "y.hex"), Merge(kKeptOnRead, base, radio)), -1);
  for (RadioSim *sim : {&cancelled, &toHex})
    EXPECT_EQ(FirstDifference(sim->StopAndSave(), radio), -1) << "a read changed the radio";
}

TEST(CliWrite, VerifiedWriteChangesOnlyTheWrittenRangesAndIsListedNewestFirst) {
  TempDir dir;
  const fs::path folder = dir / "user-data/KV508/backups";
  EXPECT_EQ(RunCli(dir, {"backups"}).out, "No backups in " + folder.string() + "\n");
  fs::create_directories(folder);
  const fs::path older = folder / "2020-01-02_030405_TR4100-TR4300_read.hex";
  Image olderImage(32768, '\0');
  olderImage.replace(416, 5, "\x23\x20\x00\x45\x60", 5); // the own MMSI 232000456
  WriteText(older, olderImage);
  ASSERT_EQ(RunCli(dir, {"new", "-o", dir / "in.hex"}).exitCode, 0);
  const Image in = ReadText(dir / "in.hex"), radio = NoiseRadioMemory(21);
  RadioSim sim(dir / "sim", radio);

  const ProcessResult run =
      RunCli(dir, {"write", "--verify", "--port", sim.Device(), dir / "in.hex"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "Complete!!\n");
  EXPECT_EQ(FirstDifference(sim.StopAndSave(), Merge(kWritten, in, radio)), -1);

  std::vector<fs::path> backups(fs::directory_iterator(folder), {});
  std::sort(backups.begin(), backups.end());
  ASSERT_EQ(backups.size(), 2u);
  const std::string when = std::regex_replace(backups[1].filename().string(),
                                              std::regex("(.{10})_(..)(..)(..)_.*"), "$1 $2:$3:$4");
  EXPECT_EQ(RunCli(dir, {"backups"}).out,
            when + "  program  TR4100-TR4300  -          " + backups[1].string() +
                "\n2020-01-02 03:04:05  read     TR4100-TR4300  232000456  " + older.string() +
                "\n");
}

// A radio lost in the middle of a read is named with the device and the
// reason, as soon as it is gone.
TEST(CliRead, ARadioLostMidwayIsNamed) {
  TempDir dir;
  RadioSim sim(dir / "sim", NoiseRadioMemory(41));
  bool killed = false;
  const ProcessResult run =
      RunCli(dir, {"read", "--port", sim.Device(), "-o", dir / "x.hex"}, [&](pid_t) {
        if (!killed && sim.Log().find("#CEPRD<TAB>1000<TAB>40<TAB>") != std::string::npos) {
          sim.Kill();
          killed = true;
        }
      });
  ASSERT_TRUE(killed);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(std::regex_match(run.err, std::regex("Communication Error!!\nLost " + sim.Device() +
                                                   " during (read|write): the device hung up\n")))
      << run.err;
  EXPECT_FALSE(fs::exists(dir / "x.hex"));
}

// The simulator refuses, before it opens a pseudo-terminal, a link path that
// is someone's file and an image that is not one; a log it cannot write ends it.
TEST(RadioSimOptions, RefusesWhatItWouldHarm) {
  TempDir dir;
  WriteText(dir / "notes.txt", "mine");
  fs::create_symlink(dir / "notes.txt", dir / "link");
  WriteText(dir / "short.hex", "12345");
  mkfifo((dir / "fifo.hex").c_str(), 0600);
  const std::string sim = KV508_RADIOSIM, notes = dir / "notes.txt", link = dir / "link";
  const std::string notLink = ": the path exists and is not a link to a pseudo-terminal; remove "
                              "it or choose another\n";
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string err;
  } cases[] = {
      {{"--link", notes}, 2, "kv508-radiosim: --link " + notes + notLink},
      {{"--link", link}, 2, "kv508-radiosim: --link " + link + notLink},
      {{"--image", dir.path}, 1, "kv508-radiosim: " + dir.path.string() + ": Not a regular file\n"},
      {{"--image", dir / "fifo.hex"},
       1,
       "kv508-radiosim: " + (dir / "fifo.hex").string() + ": Not a regular file\n"},
      {{"--image", "/dev/zero"}, 1, "kv508-radiosim: /dev/zero: Not a regular file\n"},
      {{"--image", dir / "short.hex"},
       1,
       "kv508-radiosim: " + (dir / "short.hex").string() +
           ": not a memory image (5 bytes, not 32768)\n"}};
  for (const auto &c : cases) {
    std::vector<std::string> argv = {sim};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const pid_t pid = Spawn(argv, dir / "out", dir / "err");
    int status = 0;
    for (int waited = 0; waitpid(pid, &status, WNOHANG) == 0; waited += 10) {
      if (waited > 10000)
        kill(pid, SIGKILL);
      usleep(10000);
    }
    EXPECT_EQ(ExitCodeOf(status), c.exitCode) << c.err;
    EXPECT_EQ(ReadText(dir / "err"), c.err);
    EXPECT_EQ(ReadText(dir / "out"), "") << "a pseudo-terminal was opened";
  }
  EXPECT_EQ(ReadText(dir / "notes.txt"), "mine");
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
}

TEST(RadioSimOptions, ALogThatCannotBeWrittenEndsTheRun) {
  if (access("/dev/full", W_OK) != 0)
    GTEST_SKIP() << "no /dev/full";
  TempDir dir;
  const pid_t pid =
      Spawn({KV508_RADIOSIM, "--link", dir / "radio", "--baud", "921600", "--log", "/dev/full"},
            dir / "out", dir / "err");
  for (int i = 0; i < 1000 && !fs::exists(fs::symlink_status(dir / "radio")); ++i)
    usleep(10000);
  const ProcessResult run = RunCli(dir, {"read", "--port", dir / "radio", "-o", dir / "x.hex"});
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_EQ(ExitCodeOf(status), 1);
  EXPECT_EQ(ReadText(dir / "err"), "kv508-radiosim: --log /dev/full: No space left on device\n");
  EXPECT_EQ(run.exitCode, 1);
}

} // namespace
} // namespace kv508::e2e

namespace kv508::e2e {
namespace {

// The default image of the model as a radio holds it, with the product code,
// and with an own MMSI when one is given (ten BCD digits).
Image DefaultRadio(const TempDir &dir, const std::string &mmsiBcd = "") {
  EXPECT_EQ(RunCli(dir, {"new", "-o", dir / "default.hex"}).exitCode, 0);
  Image image = ReadText(dir / "default.hex");
  image.replace(112, 6, "QZ318R");
  if (!mmsiBcd.empty())
    image.replace(416, 6, mmsiBcd + std::string(1, '\x01'));
  return image;
}

// compare: what differs, on standard output, with diff(1)'s statuses; and
// write --changes-only, which sends only that and leaves the radio as a full
// write over the same image does.
TEST(CliCompare, ListsWhatDiffersAndChangesOnlyWritesJustThat) {
  TempDir dir;
  const Image radio = DefaultRadio(dir);
  WriteText(dir / "radio.hex", radio);
  ASSERT_EQ(RunCli(dir, {"convert", dir / "radio.hex", dir / "same.dat"}).exitCode, 0);
  const std::string same = ReadText(dir / "same.dat");
  const std::size_t at = same.find("ChTag=#DISTRESS\r\n");
  ASSERT_NE(at, std::string::npos);
  WriteText(dir / "changed.dat", std::string(same).replace(at, 15, "ChTag=#CALL16"));
  const std::string line = "Group1\n  CH 16 ChTag: \"DISTRESS\" -> \"CALL16\"\n";
  struct Case {
    std::vector<std::string> cli;
    std::string sim;
    int exitCode;
    std::string out, err;
  } cases[] = {
      {{"compare", dir / "same.dat"}, "", 0, "", ""},
      {{"compare", dir / "changed.dat"}, "", 1, line, ""},
      {{"compare", dir / "missing.dat"}, "", 2, "", ""},
      {{"compare", dir / "changed.dat"}, "--wrong-model", 2, "", "ModelType Error !!\n"},
      {{"write", "--changes-only", "--verify", dir / "changed.dat"}, "", 0, "", "Complete!!\n"},
      {{"write", "--changes-only", dir / "same.dat"},
       "",
       0,
       "",
       "Nothing to send: the radio already holds these settings.\n"},
      {{"write", "--base", dir / "radio.hex", dir / "changed.dat"}, "", 0, "", "Complete!!\n"},
  };
  std::vector<std::future<Image>> runs;
  for (const Case &c : cases) {
    runs.push_back(std::async(std::launch::async, [&dir, &radio, &c, n = runs.size()] {
      SCOPED_TRACE(c.cli[0] + " " + c.cli.back() + " " + c.sim);
      RadioSim sim(dir / ("sim" + std::to_string(n)), radio, Words(c.sim));
      std::vector<std::string> args = c.cli;
      args.insert(args.begin() + 1, {"--port", sim.Device()});
      const ProcessResult run = RunCli(dir, args);
      EXPECT_EQ(run.exitCode, c.exitCode);
      EXPECT_EQ(run.out, c.out);
      if (c.exitCode != 2 || !c.err.empty()) {
        EXPECT_EQ(run.err, c.err);
      }
      return sim.StopAndSave();
    }));
  }
  std::vector<Image> after;
  for (auto &run : runs)
    after.push_back(run.get());
  for (int i : {0, 1, 2, 3, 5})
    EXPECT_EQ(FirstDifference(after[static_cast<std::size_t>(i)], radio), -1) << i;
  // Only the channel's name block changed, as the full write over the radio's image has it.
  EXPECT_EQ(FirstDifference(after[4], after[6]), -1);
  EXPECT_EQ(FirstDifference(after[4], radio) / 64, (4864 + 32 * 16) / 64);
}

// A write that would change the radio's own MMSI is refused unless told what
// to do; --keep-identity programs the radio's own. A failed read leaves its
// frames in the --trace file.
TEST(CliWrite, TheRadiosOwnMmsiIsKeptUnlessToldOtherwise) {
  TempDir dir;
  const std::string bcd("\x23\x20\x01\x23\x40", 5);
  const Image radio = DefaultRadio(dir, bcd);
  ASSERT_EQ(RunCli(dir, {"new", "-o", dir / "fleet.dat"}).exitCode, 0);
  const std::string refused =
      "This radio's own MMSI is 232001234. The data would remove it. Most radios accept a new "
      "own MMSI only once.\nNothing was written.\n--keep-identity programs the radio's own MMSI "
      "and ATIS code instead; --replace-identity writes those of the file.\n";
  struct Case {
    std::vector<std::string> cli;
    std::string sim;
    int exitCode;
    std::string err;
  } cases[] = {
      {{"write", dir / "fleet.dat"}, "", 1, refused},
      {{"write", "--keep-identity", dir / "fleet.dat"}, "", 0, ""},
      {{"write", "--keep-identity", "--replace-identity", dir / "fleet.dat"}, "", 2, ""},
      {{"read", "--trace", dir / "trace.txt", "-o", dir / "x.hex"},
       "--wrong-model",
       1,
       "ModelType Error !!\n"},
  };
  std::vector<std::future<Image>> runs;
  std::vector<std::string> errors(std::size(cases));
  for (const Case &c : cases) {
    runs.push_back(std::async(std::launch::async, [&, n = runs.size()] {
      RadioSim sim(dir / ("sim" + std::to_string(n)), radio, Words(c.sim));
      std::vector<std::string> args = c.cli;
      args.insert(args.begin() + 1, {"--port", sim.Device()});
      const ProcessResult run = RunCli(dir, args);
      EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
      errors[n] = run.err;
      return sim.StopAndSave();
    }));
  }
  std::vector<Image> after;
  for (auto &run : runs)
    after.push_back(run.get());
  EXPECT_EQ(errors[0], refused);
  EXPECT_EQ(FirstDifference(after[0], radio), -1);
  // Kept: the MMSI and its count byte as they were; the rest as the file has it.
  EXPECT_EQ(errors[1].substr(errors[1].rfind('\n', errors[1].size() - 2) + 1), "Complete!!\n");
  EXPECT_EQ(after[1].substr(416, 6), radio.substr(416, 6));
  EXPECT_EQ(errors[2].rfind("kv508-cli: --keep-identity and --replace-identity exclude each "
                            "other\n",
                            0),
            0u);
  EXPECT_EQ(FirstDifference(after[2], radio), -1);
  EXPECT_EQ(errors[3], "ModelType Error !!\n");
  const std::string trace = ReadText(dir / "trace.txt");
  EXPECT_EQ(
      trace.rfind("KV508 serial trace: Read from Radio on " + (dir / "sim3/radio").string(), 0),
      0u);
  // The model check's two reads, each way.
  for (const char *frame : {"PC> #CEPRD<TAB>0000<TAB>02<TAB>", "<RX #CEPRD<TAB>0000<TAB>02<TAB>",
                            "PC> #CEPRD<TAB>7FFE<TAB>02<TAB>", "#CEPDT<TAB>7FFE<TAB>02<TAB>07D1"})
    EXPECT_NE(trace.find(frame), std::string::npos) << frame;
}

// doctor: each step on standard output as it is done, then the cause and its fix.
TEST(CliDoctor, NamesEachStepAndWhatToFix) {
  TempDir dir;
  const Image radio = NoiseRadioMemory(51);
  auto doctor = [&](const std::string &name, const std::vector<std::string> &faults) {
    return std::async(std::launch::async, [&, name, faults] {
      RadioSim sim(dir / name, radio, faults);
      return RunCli(dir, {"doctor", "--port", sim.Device()});
    });
  };
  auto good = doctor("good", {}), wrong = doctor("wrong", {"--wrong-model"});
  const ProcessResult g = good.get(), w = wrong.get();
  EXPECT_EQ(g.exitCode, 0);
  EXPECT_EQ(g.out, "Open the port: OK\nHandshake: OK, working speed 57600 baud\n"
                   "Model check: OK, model identifier 07D0 (TR4100/TR4300)\n"
                   "Product check: OK, product code QZ318R\n\n"
                   "The radio answers: the connection works.\n");
  EXPECT_EQ(w.exitCode, 1);
  EXPECT_EQ(w.out, "Open the port: OK\nHandshake: OK, working speed 57600 baud\n"
                   "Model check: model identifiers 07D0 (start) and 07D1 (end)\n"
                   "Product check: not run\n\n"
                   "Likely cause: The radio reports model identifiers 07D0 (start) and 07D1 "
                   "(end); the model chosen, TR4100/TR4300, has 07D0.\n"
                   "Fix: Check that this radio is a TR4100/TR4300, or choose its model in Edit > "
                   "Model (kv508-cli --model N).\n");
  EXPECT_EQ(g.err + w.err, "");
}

} // namespace
} // namespace kv508::e2e
