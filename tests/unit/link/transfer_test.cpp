// Read, program and clear against the in-process simulated radio: what the user
// and the radio see of it, what the image becomes, and what a fault leaves.

#include "link/protocol.h"
#include "link/test_ports.h"

namespace kv508 {
namespace {

using Texts = std::vector<std::string>;
using testing::ScriptedPort;

const std::string kReadError = "Read from Radio: Communication Error!!";
const std::string kResync = "Read from Radio: confirm the synchronization of the communication";

struct TransferTest : testing::TransferFixture {};

TEST_F(TransferTest, FullReadMonitorAndRadioConversation) {
  session.state.DebugMode = true;
  ASSERT_TRUE(transfer.Run(kTransferRead).succeeded);
  EXPECT_EQ(Shown(), Texts{"Read from Radio: Complete!!"});
  EXPECT_FALSE(session.state.Busy);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(host.monitor, (Texts{"startsync...", "19200,N,8,1", "sending 'ACMD:002'...",
                                 "57600,N,8,1", "sending '#CMDSY'...(1)", "sending '#CMDSY'...(2)",
                                 "sync ok", "status check..", "status check.. OK", "model check...",
                                 "product-code check...", "radio reading...", ""}));
  EXPECT_EQ(Radio().Counters().blockReads, 3u + 512u); // the checks, then every block once
}

// The session's image follows the radio, and the MMSI goes with its bytes; a
// failed clear leaves the image as it was.
TEST_F(TransferTest, ClearChangesTheImageAsTheRadio) {
  session.data.Image = testing::RadioPattern();
  session.data.DscBasic.UserMmsi = "3661234560";
  MemoryImage expected = testing::RadioPattern();
  std::fill(expected.begin() + 416, expected.begin() + 421, 255);
  expected[421] = 0;
  ASSERT_TRUE(transfer.Run(kClearMmsi).succeeded);
  EXPECT_EQ(Shown(), Texts{"Clear MMSI Data: Complete!!"});
  EXPECT_TRUE(Radio().Memory() == expected);
  EXPECT_TRUE(session.data.Image == expected);
  EXPECT_TRUE(session.data.DscBasic.UserMmsi.empty());

  host = testing::FakeHost{};
  Radio().Faults().silenceAfterFrames = 20;
  EXPECT_FALSE(transfer.Run(kClearDscLog).succeeded);
  EXPECT_EQ(Shown(), Texts{"Program to Radio: Communication Error!!"});
  EXPECT_TRUE(session.data.Image == expected);
}

// Faults on a read: titles and message sequence, and nothing of the session changed.
TEST_F(TransferTest, ReadFaultsEndInTheirMessagesAndChangeNothing) {
  const std::string notReady = "Read from Radio: Radio not ready!!";
  const std::string check = "Model Check: Communication Error!!";
  const std::string model = "Read from Radio: ModelType Error !!";
  using F = sim::FaultOptions;
  const struct {
    void (*fault)(F &); // none: the port cannot be opened
    bool midRead;       // set at the 100th block read instead of from the start
    Texts messages;
  } cases[] = {
      {[](F &f) { f.busyStatus = 1; }, false, {"Read from Radio: Radio is busy!!", notReady}},
      {[](F &f) { f.errorAnswers = 3; }, false, {kResync, notReady}},
      {[](F &f) { f.badChecksums = 1; }, false, {notReady}},
      {[](F &f) { f.wrongReplyToken = 1; }, false, {notReady}},
      {[](F &f) { f.wrongModelId = true; }, false, {model}},
      {[](F &f) { f.wrongProductCode = true; },
       false,
       {"Product Code Error!: address: 0x75 -> 0x58", model}},
      {[](F &f) { f.silenceAfterFrames = 1; }, false, {check, check}},
      {[](F &f) { f.badChecksums = 1; }, true, {kReadError}},
      {[](F &f) { f.errorAnswers = 3; }, true, {kResync, kReadError}},
      {nullptr, false, {"Read from Radio: port inicialize error!!"}}};
  session.state.DebugMode = true; // shows the product code at fault
  for (const auto &c : cases) {
    SCOPED_TRACE(c.messages.back());
    Reset();
    const RadioData before = session.data;
    if (!c.fault)
      port.SetOpenFails(true);
    else if (!c.midRead)
      c.fault(Radio().Faults());
    else
      Arm([this] { return Radio().Counters().blockReads == 100; },
          [this, &c] { c.fault(Radio().Faults()); });
    const TransferResult result = transfer.Run(kTransferRead);
    EXPECT_EQ(Shown(), c.messages);
    // Only the port that cannot be opened names a reason: the system's.
    EXPECT_EQ(host.reasons, c.fault ? Texts{} : Texts{"No such file or directory"});
    EXPECT_EQ(result.connected, c.fault != nullptr);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.exchangeFailed);
    EXPECT_TRUE(session.data == before);
  }
}

// A port that reports the line gone ends the transfer at once, with one message
// and its reason; a line that merely falls silent waits out the time-outs.
TEST_F(TransferTest, LostLineEndsAtOnceASilentOneTimesOut) {
  using C = sim::LineCounters;
  const struct {
    int mode;
    std::uint64_t C::*counter; // the line goes when it reaches `at`
    std::uint64_t at;
    bool silentOnly;
    std::string message;
  } cases[] = {{kTransferProgram, &C::frames, 0, false, "Program to Radio: Communication Error!!"},
               {kTransferRead, &C::blockReads, 1, false, "Model Check: Communication Error!!"},
               {kTransferRead, &C::blockReads, 100, false, kReadError},
               {kClearMmsi, &C::blockWrites, 2, false, "Clear Data: Communication Error!!"},
               {kTransferRead, &C::blockReads, 100, true, kReadError}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    Reset();
    const RadioData before = session.data;
    std::int64_t goneAt = -1;
    Arm([this, &c] { return Radio().Counters().*c.counter >= c.at; },
        [this, &c, &goneAt] {
          goneAt = host.now;
          Radio().Faults().silenceAfterFrames = 1;
          port.lost = !c.silentOnly;
        });
    EXPECT_FALSE(transfer.Run(c.mode).succeeded);
    ASSERT_GE(goneAt, 0);
    EXPECT_EQ(Shown(), Texts{c.message});
    EXPECT_EQ(host.reasons, c.silentOnly ? Texts{} : Texts{"Lost /dev/ttyUSB0"});
    // A lost line ends within a second; a silent one only after a 10 s time-out.
    EXPECT_EQ(host.now - goneAt >= (c.silentOnly ? 10000 : 1000), c.silentOnly);
    EXPECT_TRUE(c.mode != kTransferRead || session.data == before);
  }
}

TEST_F(TransferTest, CancelDuringAReadSendsCanAndKeepsTheData) {
  const RadioData before = session.data;
  port.onRead = [this] {
    // Three bytes into the data reply of the radio's 50th block read.
    if (Radio().Counters().blockReads == 50 && port.readSinceWrite == 19 + 21 + 8 + 3)
      transfer.RequestCancel();
  };
  const TransferResult result = transfer.Run(kTransferRead);
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(Shown(), Texts{"Read from Radio: cancel!!"});
  EXPECT_EQ(port.writes.back(), "\x18");
  EXPECT_EQ(Radio().Counters().cancels, 1u);
  EXPECT_TRUE(session.data == before);
}

// One refused single-byte write must fail the whole run, even when later bytes go through.
TEST_F(TransferTest, ARefusedSingleByteIsNotMasked) {
  session.data.DscBasic.UserMmsi = "3661234560";
  const MemoryImage before = session.data.Image;
  Arm([this] { return Radio().Counters().blockWrites == 1; },
      [this] { Radio().Faults().errorAnswers = 3; });
  EXPECT_FALSE(transfer.Run(kClearMmsi).succeeded);
  EXPECT_EQ(Shown(), (Texts{"Clear MMSI Data: confirm the synchronization of the communication",
                            "Clear Data: Communication Error!!"}));
  EXPECT_EQ(Radio().Counters().blockWrites, 5u); // 417 refused, the others written
  EXPECT_TRUE(session.data.Image == before);
  EXPECT_EQ(session.data.DscBasic.UserMmsi, "3661234560");
}

// Neither an image that cannot be encoded nor a radio that fails the checks gets a block.
TEST_F(TransferTest, NothingIsWrittenBeforeTheImageAndTheChecksPass) {
  const RadioData good = session.data;
  session.data.Common.ResumeTime = 1000;
  EXPECT_TRUE(transfer.Run(kTransferProgram).exchangeFailed);
  EXPECT_EQ(Shown(), Texts{"Program to Radio: Data Error!!\r\nCommonSetup ResumeTime = 1000"});
  EXPECT_EQ(Radio().Counters().frames, 0u);

  session.data = good;
  Radio().Faults().wrongModelId = true;
  transfer.Run(kTransferProgram);
  EXPECT_EQ(Radio().Counters().blockReads, 3u); // both checks ran
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
}

TEST_F(TransferTest, ARadioThatNeverAnswersIsNamedWithItsPort) {
  ScriptedPort silent; // opens, takes every byte, never answers
  TransferSession quiet(session, silent);
  quiet.SetPortName("COM3 (/dev/ttyS2)");
  EXPECT_FALSE(quiet.Run(kTransferRead).connected);
  EXPECT_EQ(
      Shown(),
      Texts{"Read from Radio: The radio did not answer on COM3 (/dev/ttyS2).\r\nCheck that:\r\n"
            "- the cable is plugged into this port and into the radio;\r\n"
            "- the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it "
            "on);\r\n"
            "- Options > SerialPort names the port the cable is plugged into."});
}

} // namespace
} // namespace kv508
