// Read, program and clear against the in-process simulated radio: what the user
// and the radio see of it, what the image becomes, and what a fault leaves.

#include "link/protocol.h"
#include "link/test_ports.h"

namespace kv508 {
namespace {

using Texts = std::vector<std::string>;
using testing::ScriptedPort;

const std::string kReadError = "Read from Radio: Communication Error!!";
const std::string kMmsiLeft = "\r\nThe radio's own MMSI may now be damaged. Clear it again.";
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
  EXPECT_EQ(Shown(), Texts{"Program to Radio: Communication Error!!\r\nThe radio's DSC log may "
                           "now be partly erased. Clear it again."});
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
  const std::string programmed = "Program to Radio: Communication Error!!";
  const struct {
    int mode;
    std::uint64_t C::*counter; // the line goes when it reaches `at`
    std::uint64_t at;
    bool silentOnly;
    std::string message;
    bool verify = false;
  } cases[] = {
      {kTransferProgram, &C::frames, 0, false, programmed},
      {kTransferRead, &C::blockReads, 1, false, "Model Check: Communication Error!!"},
      {kTransferRead, &C::blockReads, 100, false, kReadError},
      {kTransferRead, &C::blockReads, 511, false, kReadError},
      {kClearMmsi, &C::blockWrites, 2, false, "Clear Data: Communication Error!!" + kMmsiLeft},
      {kClearGroup, &C::blockWrites, 3, false,
       programmed + "\r\nThe radio's group directory may now be partly erased. Clear it again."},
      {kTransferProgram, &C::blockReads, 3 + 20, false,
       programmed + "\r\nThe radio was programmed, but it could not be read back to verify it.",
       true},
      {kTransferRead, &C::blockReads, 100, true, kReadError}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    Reset();
    transfer.SetVerifyAfterProgram(c.verify);
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
                            "Clear Data: Communication Error!!" + kMmsiLeft}));
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

// A clear that breaks off names what it may have left. The MMSI's bytes are
// tried one by one; a radio that no longer answers at all ends the sequence,
// so a dead line costs one byte's tries, not six: the whole clear stays under 40 s.
TEST_F(TransferTest, ABrokenOffClearSaysWhatItMayHaveLeft) {
  const std::string program = "Program to Radio: ", clear = "Clear Data: ";
  const struct {
    int mode;
    bool cancel; // from the first block written on, else the radio falls silent then
    std::string shown;
  } cases[] = {
      {kClearMmsi, false, clear + "Communication Error!!" + kMmsiLeft},
      {kClearMmsi, true, clear + "cancel!!" + kMmsiLeft},
      {kClearIndividual, false,
       program + "Communication Error!!\r\nThe radio's individual directory may now be partly "
                 "erased. Clear it again."},
      {kClearAll, true,
       program + "cancel!!\r\nThe radio's logs and directories may now be partly erased. Clear "
                 "all data again."}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.shown);
    Reset();
    const MemoryImage before = session.data.Image;
    std::int64_t from = -1;
    host.onYield = [this, &c, &from] {
      if (from < 0 && Radio().Counters().blockWrites == 1)
        from = host.now;
      if (from >= 0 && c.cancel)
        transfer.RequestCancel();
      else if (from >= 0)
        Radio().Faults().silenceAfterFrames = 0;
    };
    EXPECT_FALSE(transfer.Run(c.mode).succeeded);
    EXPECT_EQ(Shown(), Texts{c.shown});
    // The three tries of one block, 12 s each, at most.
    EXPECT_LT(host.now - from, 37000);
    EXPECT_TRUE(c.mode != kClearMmsi || host.now < 40000);
    EXPECT_EQ(Radio().Counters().blockWrites, 1u);
    EXPECT_TRUE(session.data.Image == before);
    if (c.mode == kClearMmsi && !c.cancel) {
      // The radio holds the one byte it took: the MMSI is damaged, as the message says.
      MemoryImage damaged = testing::RadioPattern();
      damaged[416] = 0xFF;
      EXPECT_TRUE(Radio().Memory() == damaged);
    }
  }
}

TEST_F(TransferTest, ARadioThatRefusesTheConnectionIsToldFromOneThatIsSilent) {
  Radio().Faults().errorOnSync = 1000;
  transfer.SetPortName("/dev/ttyUSB0");
  EXPECT_FALSE(transfer.Run(kTransferRead).connected);
  EXPECT_EQ(Shown(),
            Texts{"Read from Radio: The radio answered with an error on /dev/ttyUSB0.\r\nTurn the "
                  "radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] while "
                  "turning it on), and try again."});
}

// A program with verify is one run: the bar never goes back, the time left
// counts the verify from the first block, and the last status line is the
// outcome, shown before "Complete!!".
TEST_F(TransferTest, AVerifiedProgramTellsBothPhasesAndEndsWithItsOutcome) {
  auto statusOf = [this](const std::string &prefix) {
    for (const std::string &text : host.statuses) {
      if (text.rfind(prefix, 0) == 0)
        return text;
    }
    return std::string("none");
  };
  int seconds[2] = {0, 0};
  for (bool verify : {false, true}) {
    SCOPED_TRACE(verify);
    Reset();
    transfer.SetVerifyAfterProgram(verify);
    ASSERT_TRUE(transfer.Run(kTransferProgram).succeeded);
    EXPECT_EQ(host.statuses.back(), "Done");
    ASSERT_EQ(Shown(), Texts{"Program to Radio: Complete!!"});
    EXPECT_EQ(host.messages[0].statusesBefore, host.statuses.size()); // "Done" came first
    EXPECT_EQ(statusOf("Programming 0 "), "Programming 0 of 21 KB");
    EXPECT_EQ(statusOf("Verifying 0 "), verify ? "Verifying 0 of 20 KB, about 106 s left" : "none");
    const std::string last = statusOf("Programming 20 of 21 KB, about ");
    seconds[verify] = std::atoi(last.c_str() + 31);
    std::vector<int> bar(host.progress.begin(), host.progress.end() - 1); // then 0 at the end
    EXPECT_TRUE(std::is_sorted(bar.begin(), bar.end()));
    EXPECT_EQ(bar.back(), 100);
  }
  // Near the end of programming the verify is still ahead.
  EXPECT_EQ(seconds[0], 2);
  EXPECT_GT(seconds[1], 100);
}

// A radio that says nothing: the status line counts the tries and the seconds,
// and Cancel ends the wait before the next try.
TEST_F(TransferTest, ASilentPortShowsItsTriesAndCancelEndsTheWait) {
  ScriptedPort silent;
  TransferSession quiet(session, silent);
  EXPECT_FALSE(quiet.Run(kTransferRead).connected);
  Texts firstOfEachTry, last;
  for (const std::string &text : host.statuses) {
    if (text.rfind("No answer yet: attempt ", 0) != 0)
      continue;
    if (firstOfEachTry.empty() || text.compare(0, 25, firstOfEachTry.back(), 0, 25) != 0)
      firstOfEachTry.push_back(text);
    last = {text};
  }
  EXPECT_EQ(firstOfEachTry,
            (Texts{"No answer yet: attempt 1, 1 s", "No answer yet: attempt 2, 18 s",
                   "No answer yet: attempt 3, 29 s"}));
  EXPECT_EQ(last, Texts{"No answer yet: attempt 3, 39 s"});
  const std::int64_t whole = host.now;

  for (std::int64_t at : {500, 4500, 5600, 20000}) {
    SCOPED_TRACE(at);
    host = testing::FakeHost{};
    silent.writes.clear();
    host.onYield = [this, &quiet, at] {
      if (host.now >= at)
        quiet.RequestCancel();
    };
    const TransferResult result = quiet.Run(kTransferRead);
    EXPECT_TRUE(result.cancelled);
    EXPECT_LT(host.now, at + 1100); // at most the pause after the speed switch
    EXPECT_LT(host.now, whole);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.statuses.back(), "Cancelled.");
  }
}

} // namespace
} // namespace kv508
