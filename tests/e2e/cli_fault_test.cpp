// Faults injected by the simulator end in the system's message and exit status,
// and a failed operation leaves neither a file nor a changed radio behind.

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

struct FaultCase {
  std::string name;
  std::vector<std::string> simArgs;
  std::vector<std::string> cliArgs; // after "--port P"
  int exitCode;
  std::string err;
};

const std::string kBusyRefused =
    "Radio is busy!! [Cancel; --retry-busy N retries]\nRadio not ready!!\n";
const std::string kResyncRefused =
    "confirm the synchronization of the communication [Cancel; --resync answers OK]\n"
    "Radio not ready!!\n";

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FaultCase &c, std::ostream *os) { *os << c.name; }

class CliFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CliFault, EndsWithTheSystemMessage) {
  const FaultCase &c = GetParam();
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(41);
  RadioSim sim(dir, radio, c.simArgs);
  const std::string output = (dir / "out.hex").string();

  std::vector<std::string> args = {c.cliArgs.front(), "--port", sim.Device()};
  args.insert(args.end(), c.cliArgs.begin() + 1, c.cliArgs.end());
  if (c.cliArgs.front() == "read")
    args.insert(args.end(), {"-o", output});
  const ProcessResult run = RunCli(dir, args);

  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.err, c.err);
  if (c.exitCode != 0) {
    EXPECT_FALSE(std::filesystem::exists(output)) << "a failed read left its file";
    EXPECT_EQ(sim.StopAndSave(), radio) << "a failed operation changed the radio";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Injected, CliFault,
    ::testing::Values(
        FaultCase{"busy_retried",
                  {"--busy", "1"},
                  {"clear", "mmsi", "--retry-busy", "1"},
                  0,
                  "Radio is busy!! [Retry]\nComplete!!\n"},
        FaultCase{"busy_refused", {"--busy", "1"}, {"clear", "mmsi"}, 1, kBusyRefused},
        FaultCase{"error_then_resync",
                  {"--error-answers", "3"},
                  {"clear", "mmsi", "--resync"},
                  0,
                  "confirm the synchronization of the communication [OK]\nComplete!!\n"},
        FaultCase{"error_refused", {"--error-answers", "3"}, {"clear", "mmsi"}, 1, kResyncRefused},
        FaultCase{"bad_checksum", {"--bad-checksums", "1"}, {"read"}, 1, "Radio not ready!!\n"},
        FaultCase{
            "wrong_reply_token", {"--wrong-reply-token", "1"}, {"read"}, 1, "Radio not ready!!\n"},
        FaultCase{"wrong_address",
                  {"--wrong-address", "1"},
                  {"read"},
                  1,
                  "address error!!\nCommunication Error!!\n"},
        FaultCase{"wrong_length",
                  {"--wrong-length", "1"},
                  {"read"},
                  1,
                  "data error!!\nCommunication Error!!\n"},
        FaultCase{"wrong_model", {"--wrong-model"}, {"read"}, 1, "ModelType Error !!\n"},
        FaultCase{
            "wrong_product_code", {"--wrong-product-code"}, {"read"}, 1, "ModelType Error !!\n"},
        FaultCase{"acmd_error", {"--acmd-answer", "ERROR"}, {"read"}, 1, "ACMD Command error!!\n"},
        // Status, two model reads, the product code and two blocks, then nothing.
        FaultCase{"silence_during_read",
                  {"--silence-after", "6"},
                  {"read"},
                  1,
                  "Communication Error!!\n"},
        FaultCase{
            "no_wake_up_answer", {"--no-wake-up-answer"}, {"clear", "mmsi"}, 0, "Complete!!\n"}),
    [](const ::testing::TestParamInfo<FaultCase> &info) { return info.param.name; });

// The link honours a cancel while it waits for a reply; echo discards clear the
// flag. A slow line keeps the data reply of the first block on the wire long
// enough for Ctrl-C to land inside that wait.
TEST(CliCancel, InterruptDuringReadSendsCanAndSavesNothing) {
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(42);
  RadioSim sim(dir, radio, {"--baud", "2400"});
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
          // The 148-byte data reply takes about 600 ms at 2400 baud.
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
