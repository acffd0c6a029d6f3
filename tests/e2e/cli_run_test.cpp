// Every clear mode and a fault of each kind, through the whole chain:
// the system's message and exit status, and exactly the bytes of the radio that
// the run may change. A failed operation leaves neither a file nor a changed radio.

#include "e2e_harness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kv508::e2e {
namespace {

struct Fill {
  int first;
  int last;
  std::uint8_t value;
};

struct RunCase {
  std::string name;
  std::vector<std::string> simArgs;
  std::vector<std::string> cliArgs; // the command, then what follows "--port P"
  int exitCode;
  std::string err;
  std::vector<Fill> fills = {}; // what the run leaves changed in the radio
};

const Fill kDscLog{26880, 30975, 255};
const Fill kDistressLog{30976, 32703, 255};
const Fill kIndividual{18176, 19455, 255};
const Fill kGroup{20224, 20735, 255};
const Fill kWaypointErased{20736, 24191, 255};
const Fill kWaypointStart{20736, 20835, 0};
const Fill kDscTxLog{25344, 26879, 255};
const std::vector<Fill> kMmsi = {{416, 420, 255}, {421, 421, 0}};

const std::string kComplete = "Complete!!\n";
const std::string kNotReady = "Radio not ready!!\n";
const std::string kModelType = "ModelType Error !!\n";

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RunCase &c, std::ostream *os) { *os << c.name; }

class CliRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(CliRun, EndsWithItsMessageAndChangesExactlyItsAreas) {
  const RunCase &c = GetParam();
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(31);
  // The radio's own image as the base, so that whole blocks around an area
  // carry the radio's bytes back to it.
  WriteImage(dir / "base.hex", radio);
  RadioSim sim(dir, radio, c.simArgs);
  const std::string output = (dir / "out.hex").string();

  std::vector<std::string> args = {c.cliArgs.front(), "--port", sim.Device()};
  args.insert(args.end(), c.cliArgs.begin() + 1, c.cliArgs.end());
  if (c.cliArgs.front() == "read")
    args.insert(args.end(), {"-o", output});
  else
    args.insert(args.end(), {"--base", (dir / "base.hex").string()});
  const ProcessResult run = RunCli(dir, args);

  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.err, c.err);
  if (c.exitCode != 0) {
    EXPECT_FALSE(std::filesystem::exists(output)) << "a failed read left its file";
  }
  MemoryImage expected = radio;
  for (const Fill &fill : c.fills)
    for (int i = fill.first; i <= fill.last; ++i)
      expected[static_cast<std::size_t>(i)] = fill.value;
  const int at = FirstDifference(sim.StopAndSave(), expected, 0, ImageLastIndex);
  EXPECT_EQ(at, -1) << "radio differs at " << at;
}

INSTANTIATE_TEST_SUITE_P(
    Clear, CliRun,
    ::testing::Values(
        RunCase{"mmsi", {}, {"clear", "mmsi"}, 0, kComplete, kMmsi},
        RunCase{"dsc_log", {}, {"clear", "dsc-log"}, 0, kComplete, {kDscLog}},
        RunCase{"distress_log", {}, {"clear", "distress-log"}, 0, kComplete, {kDistressLog}},
        RunCase{"individual", {}, {"clear", "individual"}, 0, kComplete, {kIndividual}},
        RunCase{"group", {}, {"clear", "group"}, 0, kComplete, {kGroup}},
        RunCase{
            "waypoint", {}, {"clear", "waypoint"}, 0, kComplete, {kWaypointErased, kWaypointStart}},
        RunCase{"dsc_tx_log", {}, {"clear", "dsc-tx-log"}, 0, kComplete, {kDscTxLog}},
        RunCase{"all",
                {},
                {"clear", "all"},
                0,
                kComplete,
                {kDscLog, kDistressLog, kIndividual, kGroup, kWaypointErased, kWaypointStart,
                 kDscTxLog}}),
    [](const ::testing::TestParamInfo<RunCase> &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Fault, CliRun,
    ::testing::Values(
        RunCase{"busy_retried",
                {"--busy", "1"},
                {"clear", "mmsi", "--retry-busy", "1"},
                0,
                "Radio is busy!! [Retry]\nComplete!!\n",
                kMmsi},
        RunCase{"busy_refused",
                {"--busy", "1"},
                {"clear", "mmsi"},
                1,
                "Radio is busy!! [Cancel; --retry-busy N retries]\n" + kNotReady},
        RunCase{"error_then_resync",
                {"--error-answers", "3"},
                {"clear", "mmsi", "--resync"},
                0,
                "confirm the synchronization of the communication [OK]\nComplete!!\n",
                kMmsi},
        RunCase{"error_refused",
                {"--error-answers", "3"},
                {"clear", "mmsi"},
                1,
                "confirm the synchronization of the communication [Cancel; --resync answers "
                "OK]\n" +
                    kNotReady},
        RunCase{"wrong_address",
                {"--wrong-address", "1"},
                {"read"},
                1,
                "address error!!\nCommunication Error!!\n"},
        RunCase{"wrong_length",
                {"--wrong-length", "1"},
                {"read"},
                1,
                "data error!!\nCommunication Error!!\n"},
        RunCase{"wrong_model", {"--wrong-model"}, {"read"}, 1, kModelType},
        RunCase{"acmd_error", {"--acmd-answer", "ERROR"}, {"read"}, 1, "ACMD Command error!!\n"},
        // Status, two model reads, the product code and two blocks, then nothing.
        RunCase{"silence_during_read",
                {"--silence-after", "6"},
                {"read"},
                1,
                "Communication Error!!\n"},
        RunCase{
            "no_wake_up_answer", {"--no-wake-up-answer"}, {"clear", "mmsi"}, 0, kComplete, kMmsi}),
    [](const ::testing::TestParamInfo<RunCase> &info) { return info.param.name; });

// The link honours a cancel while it waits for a reply; echo discards clear the
// flag. A slow line keeps the data reply of the first block on the wire long
// enough for Ctrl-C to land inside that wait.
TEST(CliCancel, InterruptDuringReadSendsCanAndSavesNothing) {
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(42);
  RadioSim sim(dir, radio, {"--baud", "1200"});
  const std::string output = (dir / "out.hex").string();

  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> ackSeen;
  bool interrupted = false;
  const ProcessResult run =
      RunCli(dir, {"read", "--port", sim.Device(), "-o", output}, [&](pid_t pid) {
        if (interrupted)
          return;
        if (!ackSeen) {
          const std::string log = sim.Log();
          const auto frame = log.find("pc>    #CEPRD<TAB>0000<TAB>40<TAB>");
          if (frame != std::string::npos && log.find("#CMDOK<CR><LF>", frame) != std::string::npos)
            ackSeen = Clock::now();
        } else if (Clock::now() - *ackSeen > std::chrono::milliseconds(250)) {
          // The 148-byte data reply takes about 1.2 s at 1200 baud: room for a slow poll.
          kill(pid, SIGINT);
          interrupted = true;
        }
      });

  ASSERT_TRUE(interrupted);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err == "Cancelled.\n" || run.err == "cancel!!\n") << run.err;
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_EQ(sim.StopAndSave(), radio);
  const std::string log = sim.Log(); // complete once the simulator has stopped
  EXPECT_NE(log.find("pc>    <CAN>\n"), std::string::npos)
      << log.substr(log.size() > 800 ? log.size() - 800 : 0);
}

} // namespace
} // namespace kv508::e2e
