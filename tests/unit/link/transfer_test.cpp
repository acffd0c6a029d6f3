// Read, program and clear against the in-process simulated radio (unpaced, on
// the fake clock): what reaches the radio, what the image becomes, and what the
// user is told when something goes wrong.

#include "fake_host.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "link/protocol.h"
#include "link/test_ports.h"
#include "link/transfer.h"
#include "sim/sim_port.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace kv508 {
namespace {

using sim::RadioEngine;
using sim::SimPort;
using testing::FakeHost;
using testing::ScriptedPort;
using testing::SpyPort;

// The radio's memory: a pattern everywhere, the model identifier and product
// code where the checks look for them.
MemoryImage RadioPattern() {
  MemoryImage memory = RadioEngine::DefaultMemory();
  for (int i = 0; i < kImageSize; ++i) {
    const bool identity = i < 2 || (i >= 112 && i < 118) || i >= 32766;
    if (!identity)
      memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
  }
  return memory;
}

bool WrittenByProgram(int a) {
  return (a >= 33 && a <= 111) || (a >= 128 && a <= 255) || (a >= 352 && a <= 1791) ||
         (a >= 2048 && a <= 20735);
}

struct Shown {
  std::string title;
  std::string text;
  bool operator==(const Shown &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Shown &s) {
  return out << "(" << s.title << ": " << s.text << ")";
}

const Shown kResyncQuestion{"Read from Radio", "confirm the synchronization of the communication"};

struct TransferTest : ::testing::Test {
  TransferTest() {
    BuildDefaultImage(session.data, 1);
    DecodeImage(session.data);
  }
  RadioEngine &Radio() { return sim.Engine(); }
  std::vector<Shown> Messages() const {
    std::vector<Shown> out;
    for (const auto &m : host.messages)
      out.push_back({m.title, m.text});
    return out;
  }
  // Runs `arm` once, on the first pass of a wait after `when` holds.
  void Arm(std::function<bool()> when, std::function<void()> arm) {
    host.onYield = [this, when, arm, armed = false]() mutable {
      if (!armed && when()) {
        armed = true;
        arm();
      }
    };
  }

  FakeHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
  SimPort sim{RadioEngine(RadioPattern()), SimPort::Pacing::Unpaced};
  SpyPort port{sim};
  TransferSession transfer{session, port};
};

// Which bytes a read takes is checked end to end; here what the user and the
// radio see of it.
TEST_F(TransferTest, FullReadMonitorProgressAndConversation) {
  session.state.DebugMode = true;
  const TransferResult result = transfer.Run(kTransferRead);
  EXPECT_TRUE(result.succeeded);
  EXPECT_FALSE(result.exchangeFailed);
  EXPECT_EQ(Messages(), (std::vector<Shown>{{"Read from Radio", "Complete!!"}}));
  EXPECT_EQ(host.messages[0].icon, Icon::Information);

  EXPECT_FALSE(session.state.Busy);
  EXPECT_FALSE(port.IsOpen());

  EXPECT_EQ(host.monitor, (std::vector<std::string>{
                              "startsync...", "19200,N,8,1", "sending 'ACMD:002'...", "57600,N,8,1",
                              "sending '#CMDSY'...(1)", "sending '#CMDSY'...(2)", "sync ok",
                              "status check..", "status check.. OK", "model check...",
                              "product-code check...", "radio reading...", ""}));
  EXPECT_EQ(host.progress.front(), 0);
  EXPECT_EQ(*std::max_element(host.progress.begin(), host.progress.end()), 100);

  // The whole conversation, counted on the radio side: wake-up, speed switch,
  // two syncs, status (+ the PC's "#CMDOK"), two 2-byte and one 7-byte check
  // reads and 512 block reads, each answered and acknowledged.
  const auto &c = Radio().Counters();
  EXPECT_EQ(c.blockReads, 3u + 512u);
  EXPECT_EQ(c.bytesFromPc, 1u + 1u + 10u + 8u + 8u + 14u + 8u + 515u * (19u + 8u));
  EXPECT_EQ(c.bytesToPc,
            1u + 14u + 2u * 16u + (15u + 8u + 14u + 8u) + 2u * 80u + 90u + 512u * 204u);
}

TEST_F(TransferTest, ProgramWritesExactlyThePlan) {
  const MemoryImage radioBefore = Radio().Memory();
  const TransferResult result = transfer.Run(kTransferProgram);
  ASSERT_TRUE(result.succeeded);
  EXPECT_EQ(Messages(), (std::vector<Shown>{{"Program to Radio", "Complete!!"}}));
  EXPECT_EQ(Radio().Counters().blockWrites, 316u + 111u);

  const MemoryImage sent = session.data.Image;
  for (int a = 0; a < kImageSize; ++a) {
    const auto i = static_cast<std::size_t>(a);
    ASSERT_EQ(Radio().Memory()[i], WrittenByProgram(a) ? sent[i] : radioBefore[i]) << a;
  }
}

// What each mode does to the radio is checked end to end; here the session's
// image follows the radio, the MMSI goes with its bytes, and the block counts.
TEST_F(TransferTest, ClearChangesTheImageAsTheRadio) {
  struct Area {
    int first, last;
    std::uint8_t value;
  };
  const Area dsc{26880, 30975, 255}, distress{30976, 32703, 255}, individual{18176, 19455, 255},
      group{20224, 20735, 255}, waypoint{20736, 24191, 255}, waypointHead{20736, 20835, 0},
      tx{25344, 26879, 255}, mmsi{416, 420, 255}, mmsiLast{421, 421, 0};
  struct Case {
    int mode;
    std::vector<Area> areas;
    unsigned blocks;
  } cases[] = {
      {kClearMmsi, {mmsi, mmsiLast}, 6},
      {kClearAll, {dsc, distress, individual, group, waypoint, waypointHead, tx}, 215},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.mode);
    FakeHost caseHost;
    Session caseSession{caseHost, settings};
    caseSession.data.Image = RadioPattern();
    caseSession.data.DscBasic.UserMmsi = "3661234560";
    SimPort radio{RadioEngine(RadioPattern()), SimPort::Pacing::Unpaced};
    TransferSession clear{caseSession, radio};

    MemoryImage expected = RadioPattern();
    for (const Area &area : c.areas)
      std::fill(expected.begin() + area.first, expected.begin() + area.last + 1, area.value);

    ASSERT_TRUE(clear.Run(c.mode).succeeded);
    EXPECT_EQ(caseHost.Texts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(caseHost.messages[0].title, TransferCaption(c.mode));
    EXPECT_TRUE(radio.Engine().Memory() == expected);
    EXPECT_TRUE(caseSession.data.Image == expected);
    EXPECT_EQ(radio.Engine().Counters().blockWrites, c.blocks);
    EXPECT_EQ(caseSession.data.DscBasic.UserMmsi.empty(), c.mode == kClearMmsi);
  }
}

// Faults on a read: titles and message sequence, and nothing of the session
// changed. The messages of every fault are also checked end to end.
TEST_F(TransferTest, ReadFaultsEndInTheirMessagesAndChangeNothing) {
  const Shown notReady{"Read from Radio", "Radio not ready!!"};
  const Shown commError{"Read from Radio", "Communication Error!!"};
  const Shown checkError{"Model Check", "Communication Error!!"};
  const Shown modelType{"Read from Radio", "ModelType Error !!"};
  const Shown busy{"Read from Radio", "Radio is busy!!"};
  const Shown productCode{"Product Code Error!", "address: 0x75 -> 0x58"};
  using F = sim::FaultOptions;
  struct Case {
    const char *name;
    void (*fault)(F &); // none: the port cannot be opened
    bool midRead;       // set at the 100th block read instead of from the start
    std::vector<Shown> messages;
  } cases[] = {
      {"busy, cancelled", [](F &f) { f.busyStatus = 1; }, false, {busy, notReady}},
      {"status refused", [](F &f) { f.errorAnswers = 3; }, false, {kResyncQuestion, notReady}},
      {"status checksum", [](F &f) { f.badChecksums = 1; }, false, {notReady}},
      {"status token", [](F &f) { f.wrongReplyToken = 1; }, false, {notReady}},
      {"model id", [](F &f) { f.wrongModelId = true; }, false, {modelType}},
      {"product code", [](F &f) { f.wrongProductCode = true; }, false, {productCode, modelType}},
      {"silent in checks", [](F &f) { f.silenceAfterFrames = 1; }, false, {checkError, checkError}},
      {"bad checksum", [](F &f) { f.badChecksums = 1; }, true, {commError}},
      {"refused block", [](F &f) { f.errorAnswers = 3; }, true, {kResyncQuestion, commError}},
      {"port missing", nullptr, false, {{"Read from Radio", "port inicialize error!!"}}},
  };
  session.state.DebugMode = true; // shows the product code at fault
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    host = FakeHost{};
    sim = SimPort{RadioEngine(RadioPattern()), SimPort::Pacing::Unpaced};
    const RadioData before = session.data;
    if (!c.fault)
      sim.SetOpenFails(true);
    else if (!c.midRead)
      c.fault(Radio().Faults());
    else
      Arm([this] { return Radio().Counters().blockReads == 100; },
          [this, &c] { c.fault(Radio().Faults()); });
    const TransferResult result = transfer.Run(kTransferRead);
    EXPECT_EQ(Messages(), c.messages);
    // Only the port that cannot be opened names a reason: the system's.
    EXPECT_EQ(host.reasons, c.fault ? std::vector<std::string>{}
                                    : std::vector<std::string>{"No such file or directory"});
    EXPECT_EQ(result.connected, c.fault != nullptr);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.exchangeFailed);
    EXPECT_TRUE(session.data == before);
  }
  EXPECT_EQ(port.CountWrites("#CMDSM\r\n") + port.CountWrites("#CMDUN\r\n"), 3);
}

// A port that reports the line gone ends the transfer at once, with one message
// and its reason; a line that merely falls silent waits out the protocol's time-outs.
TEST_F(TransferTest, LostLineEndsAtOnceASilentOneTimesOut) {
  using Counters = const sim::LineCounters &;
  struct Case {
    const char *name;
    int mode;
    bool (*gone)(Counters); // when the line goes
    bool silentOnly;
    Shown message;
  } cases[] = {
      {"status check",
       kTransferProgram,
       [](Counters) { return true; },
       false,
       {"Program to Radio", "Communication Error!!"}},
      {"model check",
       kTransferRead,
       [](Counters n) { return n.blockReads == 1; },
       false,
       {"Model Check", "Communication Error!!"}},
      {"read, mid-way",
       kTransferRead,
       [](Counters n) { return n.blockReads == 100; },
       false,
       {"Read from Radio", "Communication Error!!"}},
      {"clear mmsi",
       kClearMmsi,
       [](Counters n) { return n.blockWrites == 2; },
       false,
       {"Clear Data", "Communication Error!!"}},
      {"read, silent",
       kTransferRead,
       [](Counters n) { return n.blockReads == 100; },
       true,
       {"Read from Radio", "Communication Error!!"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    host = FakeHost{};
    sim = SimPort{RadioEngine(RadioPattern()), SimPort::Pacing::Unpaced};
    port.lost = false;
    const RadioData before = session.data;
    std::int64_t goneAt = -1;
    Arm([this, &c] { return c.gone(Radio().Counters()); },
        [this, &c, &goneAt] {
          goneAt = host.now;
          Radio().Faults().silenceAfterFrames = 1;
          port.lost = !c.silentOnly;
        });
    const TransferResult result = transfer.Run(c.mode);
    ASSERT_GE(goneAt, 0);
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(Messages(), std::vector<Shown>{c.message});
    if (c.silentOnly) {
      EXPECT_TRUE(host.reasons.empty());
      EXPECT_GE(host.now - goneAt, 10000);
    } else {
      EXPECT_EQ(host.reasons, std::vector<std::string>{"Lost /dev/ttyUSB0"});
      EXPECT_LT(host.now - goneAt, 1000);
    }
    if (c.mode == kTransferRead) {
      EXPECT_TRUE(session.data == before);
    }
  }
}

TEST_F(TransferTest, ChecksFailBeforeAnyDataMoves) {
  Radio().Faults().wrongModelId = true;
  transfer.Run(kTransferProgram);
  EXPECT_EQ(Radio().Counters().blockReads, 3u); // both checks ran
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
}

TEST_F(TransferTest, RefusedResyncGetsTheBlockOneMoreTry) {
  host.answers = {Answer::Ok};
  Arm([this] { return Radio().Counters().blockReads == 100; },
      [this] { Radio().Faults().errorAnswers = 3; });
  EXPECT_TRUE(transfer.Run(kTransferRead).succeeded);
  EXPECT_EQ(Messages(), (std::vector<Shown>{kResyncQuestion, {"Read from Radio", "Complete!!"}}));
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
  EXPECT_EQ(Messages(), (std::vector<Shown>{{"Read from Radio", "cancel!!"}}));
  EXPECT_EQ(testing::ToText(port.writes.back()), "\x18");
  EXPECT_EQ(Radio().Counters().cancels, 1u);
  EXPECT_TRUE(session.data == before);
}

TEST_F(TransferTest, FailedClearRestoresTheImage) {
  session.data.Image = RadioPattern();
  const MemoryImage before = session.data.Image;
  Radio().Faults().silenceAfterFrames = 20;
  EXPECT_FALSE(transfer.Run(kClearDscLog).succeeded);
  EXPECT_EQ(Messages(), (std::vector<Shown>{{"Program to Radio", "Communication Error!!"}}));
  EXPECT_TRUE(session.data.Image == before);
}

// One refused single-byte write must fail the whole run, even when later bytes go through.
TEST_F(TransferTest, ARefusedSingleByteIsNotMasked) {
  const Shown question{"Clear MMSI Data", kResyncQuestion.text};
  session.data.DscBasic.UserMmsi = "3661234560";
  const MemoryImage before = session.data.Image;
  Arm([this] { return Radio().Counters().blockWrites == 1; },
      [this] { Radio().Faults().errorAnswers = 3; });
  EXPECT_FALSE(transfer.Run(kClearMmsi).succeeded);
  EXPECT_EQ(Messages(), (std::vector<Shown>{question, {"Clear Data", "Communication Error!!"}}));
  EXPECT_EQ(Radio().Counters().blockWrites, 5u); // 417 refused, the others written
  EXPECT_TRUE(session.data.Image == before);
  EXPECT_EQ(session.data.DscBasic.UserMmsi, "3661234560");

  // Programming stops at the first refused byte.
  host.messages.clear();
  const auto written = Radio().Counters().blockWrites;
  Arm([this, written] { return Radio().Counters().blockWrites == written + 5; },
      [this] { Radio().Faults().errorAnswers = 3; });
  EXPECT_FALSE(transfer.Run(kTransferProgram).succeeded);
  EXPECT_EQ(Radio().Counters().blockWrites, written + 5);
  EXPECT_EQ(
      Messages().back().text.rfind("Communication Error!!\r\nThe radio now holds a partly", 0), 0u);
}

TEST_F(TransferTest, EncodeFailureSendsNothing) {
  session.data.Common.ResumeTime = 1000;
  const TransferResult result = transfer.Run(kTransferProgram);
  EXPECT_TRUE(result.exchangeFailed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Program to Radio");
  EXPECT_EQ(host.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(host.messages[0].text.rfind("Data Error!!", 0), 0u);
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
}

TEST_F(TransferTest, ARadioThatNeverAnswersIsNamedWithItsPort) {
  ScriptedPort silent; // opens, takes every byte, never answers
  TransferSession quiet(session, silent);
  quiet.SetPortName("COM3 (/dev/ttyS2)");
  const TransferResult result = quiet.Run(kTransferRead);
  EXPECT_FALSE(result.connected);
  EXPECT_EQ(Messages(),
            (std::vector<Shown>{
                {"Read from Radio",
                 "The radio did not answer on COM3 (/dev/ttyS2).\r\nCheck that:\r\n"
                 "- the cable is plugged into this port and into the radio;\r\n"
                 "- the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it "
                 "on);\r\n"
                 "- Options > SerialPort names the port the cable is plugged into."}}));
  EXPECT_EQ(host.messages[0].icon, Icon::Critical);
  EXPECT_EQ(host.status,
            (std::vector<std::string>{
                "Connecting to COM3 (/dev/ttyS2)...",
                "Stopped after an error. Check the radio and press OK to try again."}));

  // A connection that failed with a message of its own gets no second one.
  host = FakeHost{};
  sim.SetOpenFails(true);
  transfer.SetPortName("COM3 (/dev/ttyS2)");
  transfer.Run(kTransferRead);
  EXPECT_EQ(Messages(), (std::vector<Shown>{{"Read from Radio", "port inicialize error!!"}}));
}

TEST_F(TransferTest, StatusLineFollowsTheSteps) {
  transfer.SetPortName("/dev/ttyUSB0");
  host.yieldStepMs = 3; // the fake clock runs so that a time left appears
  ASSERT_TRUE(transfer.Run(kTransferRead).succeeded);
  const std::vector<std::string> &s = host.status;
  ASSERT_GE(s.size(), 6u);
  EXPECT_EQ(
      std::vector<std::string>(s.begin(), s.begin() + 4),
      (std::vector<std::string>{"Connecting to /dev/ttyUSB0...", "Checking the radio's status...",
                                "Checking the radio's model...", "Reading 0 of 32 KB"}));
  EXPECT_EQ(s.back(), "Done.");
  const auto has = [&s](const std::string &prefix) {
    return std::any_of(s.begin(), s.end(),
                       [&](const std::string &t) { return t.rfind(prefix, 0) == 0; });
  };
  EXPECT_TRUE(has("Reading 12 of 32 KB, about "));
  EXPECT_TRUE(has("Reading 31 of 32 KB"));
  // The host hears of a text only when it changes.
  EXPECT_EQ(std::adjacent_find(s.begin(), s.end()), s.end());
}

} // namespace
} // namespace kv508
