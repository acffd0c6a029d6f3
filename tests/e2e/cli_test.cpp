// kv508-cli against kv508-radiosim through the whole chain: the messages and exit
// status a user sees, the files and backups left behind, and exactly the bytes of
// the radio a run may change. A transfer spends its time in the link's pauses,
// not on the processor, so runs on radios of their own go at once.

#include "e2e_harness.h"

#include <future>
#include <regex>
#include <sstream>

namespace kv508::e2e {
namespace {

using Ranges = std::vector<std::pair<int, int>>; // inclusive
// A read takes these from the image it started with, not from the radio.
const Ranges kKeptOnRead = {{2, 32}, {256, 415}, {1792, 2047}, {20736, 32765}};
// A write sends these and nothing else.
const Ranges kWritten = {{33, 111}, {128, 255}, {352, 1791}, {2048, 20735}};

// `inside` in the ranges, `outside` elsewhere.
MemoryImage Merge(const Ranges &ranges, const MemoryImage &inside, const MemoryImage &outside) {
  MemoryImage image = outside;
  for (const auto &[first, last] : ranges)
    std::copy(inside.begin() + first, inside.begin() + last + 1, image.begin() + first);
  return image;
}

std::vector<fs::path> BackupFiles(const TempDir &dir) {
  std::vector<fs::path> files;
  for (const auto &entry : fs::directory_iterator(dir / "user-data/KV508/backups"))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool IsBackupName(const fs::path &file, const std::string &kind) {
  return std::regex_match(
      file.filename().string(),
      std::regex(R"(\d{4}-\d\d-\d\d_\d{6}_TR4100-TR4300_)" + kind + R"(\.hex)"));
}

std::vector<std::string> Words(const std::string &text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

struct Fill {
  int first, last;
  std::uint8_t value;
};

TEST(CliRun, EachCommandEndsWithItsMessageAndChangesExactlyItsAreas) {
  const Fill dsc{26880, 30975, 255}, distress{30976, 32703, 255}, individual{18176, 19455, 255},
      group{20224, 20735, 255}, waypoint{20736, 24191, 255}, waypointHead{20736, 20835, 0},
      tx{25344, 26879, 255};
  const std::vector<Fill> mmsi = {{416, 420, 255}, {421, 421, 0}};
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
      {"--error-answers 3", "clear mmsi", 1, resync + "Cancel; --resync answers OK" + notReady},
      {"--wrong-address 1", "read", 1, "address error!!\nCommunication Error!!\n"}};
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(31);
  // The radio's own image as the base, so that whole blocks around an area
  // carry the radio's bytes back to it.
  WriteImage(dir / "base.hex", radio);
  struct Outcome {
    ProcessResult run;
    MemoryImage after;
    bool output;
  };
  std::vector<std::future<Outcome>> outcomes;
  for (const Case &c : cases) {
    outcomes.push_back(std::async(std::launch::async, [&dir, &radio, &c, n = outcomes.size()] {
      const fs::path folder = dir / std::to_string(n);
      RadioSim sim(folder, radio, Words(c.sim));
      const fs::path output = folder / "out.hex";
      std::vector<std::string> args = Words(c.cli);
      const bool read = args[0] == "read";
      args.insert(args.end(), {"--port", sim.Device(), read ? "-o" : "--base"});
      args.push_back(read ? output : dir / "base.hex");
      Outcome o{RunCli(dir, args), {}, false};
      o.after = sim.StopAndSave();
      o.output = fs::exists(output);
      return o;
    }));
  }
  for (std::size_t n = 0; n < outcomes.size(); ++n) {
    const Case &c = cases[n];
    SCOPED_TRACE(c.sim + " " + c.cli);
    const Outcome o = outcomes[n].get();
    EXPECT_EQ(o.run.exitCode, c.exitCode);
    EXPECT_EQ(o.run.err, c.err);
    EXPECT_FALSE(o.output) << "a failed read left its file";
    MemoryImage expected = radio;
    for (const Fill &fill : c.fills)
      std::fill(expected.begin() + fill.first, expected.begin() + fill.last + 1, fill.value);
    EXPECT_EQ(FirstDifference(o.after, expected), -1);
  }
}

// Three reads of one radio at once: one interrupted as soon as it asks for the
// first block, one to a .hex over a base image, one to a .dat without a backup.
TEST(CliRead, KeepsTheBaseRangesOneBackupAndACancelChangesNothing) {
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(11);
  WriteImage(dir / "base.hex", NoiseRadioMemory(12));
  RadioSim cancelled(dir / "a", radio), toHex(dir / "b", radio), toDat(dir / "c", radio);
  const auto read = [&dir](const std::string &args, const RadioSim &sim, const std::string &out,
                           std::function<void(pid_t)> whileRunning = {}) {
    std::vector<std::string> argv = Words(args);
    argv.insert(argv.end(), {"--port", sim.Device(), "-o", dir / out});
    return std::async(std::launch::async,
                      [&dir, argv, whileRunning] { return RunCli(dir, argv, whileRunning); });
  };
  bool interrupted = false;
  // The interrupt holds until the transfer ends: where in the block it lands does not matter.
  auto cancel = read("read", cancelled, "x.hex", [&](pid_t pid) {
    if (!interrupted && cancelled.Log().find("#CEPRD<TAB>0000<TAB>40<TAB>") != std::string::npos)
      interrupted = kill(pid, SIGINT) == 0;
  });
  const std::string base = "--base " + (dir / "base.hex").string();
  auto hex = read("read " + base, toHex, "out.hex");
  auto dat = read("--no-backup read " + base, toDat, "out.dat");
  const ProcessResult c = cancel.get(), h = hex.get(), d = dat.get();

  ASSERT_TRUE(interrupted);
  EXPECT_EQ(c.exitCode, 1);
  // The radio's "cancel!!" when the interrupt ends a wait for data, else the command's own word.
  EXPECT_TRUE(c.err == "cancel!!\n" || c.err == "Cancelled.\n") << c.err;
  EXPECT_FALSE(fs::exists(dir / "x.hex"));
  EXPECT_EQ(std::make_pair(h.exitCode, h.err), std::make_pair(0, std::string("Complete!!\n")));
  EXPECT_EQ(std::make_pair(d.exitCode, d.err), std::make_pair(0, std::string("Complete!!\n")));
  EXPECT_EQ(
      FirstDifference(ReadImage(dir / "out.hex"), Merge(kKeptOnRead, NoiseRadioMemory(12), radio)),
      -1);
  // Neither the cancelled read nor the one told not to keeps a backup.
  const auto backups = BackupFiles(dir);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(IsBackupName(backups[0], "read")) << backups[0];
  EXPECT_EQ(ReadImage(backups[0]), radio);

  ASSERT_EQ(RunCli(dir, {"convert", dir / "out.hex", dir / "converted.dat"}).exitCode, 0);
  EXPECT_FALSE(ReadText(dir / "out.dat").empty());
  EXPECT_EQ(ReadText(dir / "out.dat"), ReadText(dir / "converted.dat"));
  for (RadioSim *sim : {&cancelled, &toHex, &toDat})
    EXPECT_EQ(FirstDifference(sim->StopAndSave(), radio), -1) << "a read changed the radio";
  EXPECT_NE(cancelled.Log().find("pc>    <CAN>\n"), std::string::npos);
}

TEST(CliWrite, VerifiedWriteChangesOnlyTheWrittenRangesAndIsListedNewestFirst) {
  TempDir dir;
  const fs::path folder = dir / "user-data/KV508/backups";
  EXPECT_EQ(RunCli(dir, {"backups"}).out, "No backups in " + folder.string() + "\n");
  fs::create_directories(folder);
  const fs::path older = folder / "2020-01-02_030405_TR4100-TR4300_read.hex";
  WriteImage(older, {});
  ASSERT_EQ(RunCli(dir, {"new", "-o", dir / "in.hex"}).exitCode, 0);
  const MemoryImage in = ReadImage(dir / "in.hex"), radio = NoiseRadioMemory(21);
  RadioSim sim(dir / "sim", radio);

  const ProcessResult run =
      RunCli(dir, {"write", "--verify", "--port", sim.Device(), dir / "in.hex"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "Complete!!\n");
  // Three blocks for the checks, then every written block read back.
  const std::string log = sim.Log();
  const std::regex blockRead("pc>    #CEPRD");
  EXPECT_EQ(std::distance(std::sregex_iterator(log.begin(), log.end(), blockRead), {}), 3 + 319);
  EXPECT_EQ(FirstDifference(sim.StopAndSave(), Merge(kWritten, in, radio)), -1);

  const auto backups = BackupFiles(dir);
  ASSERT_EQ(backups.size(), 2u);
  EXPECT_TRUE(IsBackupName(backups[1], "program")) << backups[1];
  EXPECT_EQ(ReadImage(backups[1]), in);
  const std::string when = std::regex_replace(backups[1].filename().string(),
                                              std::regex("(.{10})_(..)(..)(..)_.*"), "$1 $2:$3:$4");
  EXPECT_EQ(RunCli(dir, {"backups"}).out, when + "  program  " + backups[1].string() +
                                              "\n2020-01-02 03:04:05  read     " + older.string() +
                                              "\n");
}

} // namespace
} // namespace kv508::e2e
