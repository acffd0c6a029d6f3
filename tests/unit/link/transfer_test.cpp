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
#include <initializer_list>
#include <utility>

namespace kv508 {
namespace {

using sim::RadioEngine;
using sim::SimPort;
using testing::FakeHost;
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

bool In(int a, std::initializer_list<std::pair<int, int>> ranges) {
  return std::any_of(ranges.begin(), ranges.end(),
                     [a](const auto &r) { return a >= r.first && a <= r.second; });
}
bool KeptByRead(int a) { return In(a, {{2, 32}, {256, 415}, {1792, 2047}, {20736, 32765}}); }
bool WrittenByProgram(int a) { return In(a, {{33, 111}, {128, 255}, {352, 1791}, {2048, 20735}}); }

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

TEST_F(TransferTest, FullReadReplacesAllButTheKeptRanges) {
  session.state.DebugMode = true;
  const RadioData before = session.data;
  const TransferResult result = transfer.Run(kTransferRead);
  EXPECT_TRUE(result.succeeded);
  EXPECT_FALSE(result.exchangeFailed);
  EXPECT_EQ(Messages(), (std::vector<Shown>{{"Read from Radio", "Complete!!"}}));
  EXPECT_EQ(host.messages[0].icon, Icon::Information);

  RadioData expected = before;
  for (int a = 0; a < kImageSize; ++a) {
    const auto i = static_cast<std::size_t>(a);
    if (!KeptByRead(a))
      expected.Image[i] = Radio().Memory()[i];
  }
  DecodeImage(expected);
  EXPECT_TRUE(session.data == expected);
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

TEST_F(TransferTest, ProgramWritesExactlyThePlanAndReadsBack) {
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

  host.messages.clear();
  ASSERT_TRUE(transfer.Run(kTransferRead).succeeded);
  for (int a = 0; a < kImageSize; ++a) {
    const auto i = static_cast<std::size_t>(a);
    ASSERT_EQ(session.data.Image[i], KeptByRead(a) ? sent[i] : Radio().Memory()[i]) << a;
  }
}

TEST_F(TransferTest, EachClearModeChangesExactlyItsAreas) {
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
      {kClearDscLog, {dsc}, 64},
      {kClearDistressLog, {distress}, 27},
      {kClearIndividual, {individual}, 20},
      {kClearGroup, {group}, 8},
      {kClearWaypoint, {waypoint, waypointHead}, 54},
      {kClearDscTxLog, {tx}, 24},
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

// Faults on a read: the message sequence, and nothing of the session changed.
TEST_F(TransferTest, ReadFaultsEndInTheirMessagesAndChangeNothing) {
  const Shown notReady{"Read from Radio", "Radio not ready!!"};
  const Shown commError{"Read from Radio", "Communication Error!!"};
  const Shown checkError{"Model Check", "Communication Error!!"};
  const Shown modelType{"Read from Radio", "ModelType Error !!"};
  auto midRead = [this](std::function<void(sim::FaultOptions &)> set) {
    Arm([this] { return Radio().Counters().blockReads == 100; },
        [this, set] { set(Radio().Faults()); });
  };
  struct Case {
    const char *name;
    std::function<void()> setup;
    std::vector<Shown> messages;
    bool connected = true;
  } cases[] = {
      {"busy, cancelled",
       [&] { Radio().Faults().busyStatus = 1; },
       {{"Read from Radio", "Radio is busy!!"}, notReady}},
      {"status refused, no resync",
       [&] { Radio().Faults().errorAnswers = 3; },
       {kResyncQuestion, notReady}},
      {"status checksum", [&] { Radio().Faults().badChecksums = 1; }, {notReady}},
      {"status token", [&] { Radio().Faults().wrongReplyToken = 1; }, {notReady}},
      {"model id", [&] { Radio().Faults().wrongModelId = true; }, {modelType}},
      {"product code", [&] { Radio().Faults().wrongProductCode = true; }, {modelType}},
      {"product code, debug",
       [&] {
         session.state.DebugMode = true;
         Radio().Faults().wrongProductCode = true;
       },
       {{"Product Code Error!", "address: 0x75 -> 0x58"}, modelType}},
      {"silent during checks",
       [&] { Radio().Faults().silenceAfterFrames = 1; },
       {checkError, checkError}},
      {"silent during read", [&] { Radio().Faults().silenceAfterFrames = 10; }, {commError}},
      {"wrong address",
       [&] { midRead([](auto &f) { f.wrongAddress = 1; }); },
       {{"Read from Radio", "address error!!"}, commError}},
      {"short data",
       [&] { midRead([](auto &f) { f.shortData = 1; }); },
       {{"Read from Radio", "data error!!"}, commError}},
      {"wrong length",
       [&] { midRead([](auto &f) { f.wrongLength = 1; }); },
       {{"Read from Radio", "data error!!"}, commError}},
      {"bad checksum", [&] { midRead([](auto &f) { f.badChecksums = 1; }); }, {commError}},
      {"refused block",
       [&] { midRead([](auto &f) { f.errorAnswers = 3; }); },
       {kResyncQuestion, commError}},
      {"speed switch refused",
       [&] { Radio().Faults().acmdAnswer = "ERROR"; },
       {{"Read from Radio", "ACMD Command error!!"}},
       false},
      {"port missing",
       [&] { sim.SetOpenFails(true); },
       {{"Read from Radio", "port inicialize error!!"}},
       false},
  };
  for (Case &c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost fresh;
    host = fresh;
    session.state.DebugMode = false;
    sim = SimPort{RadioEngine(RadioPattern()), SimPort::Pacing::Unpaced};
    const RadioData before = session.data;
    c.setup();
    const TransferResult result = transfer.Run(kTransferRead);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(result.connected, c.connected);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.exchangeFailed);
    EXPECT_TRUE(session.data == before);
  }
  EXPECT_EQ(port.CountWrites("#CMDSM\r\n") + port.CountWrites("#CMDUN\r\n"), 3);
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
  EXPECT_EQ(Messages().back(), (Shown{"Program to Radio", "Communication Error!!"}));
}

TEST_F(TransferTest, LowSpeedLinkAndEncodeFailure) {
  session.state.LowSpeedLink = true;
  Radio().SetWorkingBaud(19200);
  EXPECT_TRUE(transfer.Run(kTransferRead).succeeded);
  EXPECT_EQ(port.opens, (std::vector<std::string>{"19200,N,8,1", "19200,N,8,1"}));

  host.messages.clear();
  session.data.Common.ResumeTime = 1000;
  const TransferResult result = transfer.Run(kTransferProgram);
  EXPECT_TRUE(result.exchangeFailed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Program to Radio");
  EXPECT_EQ(host.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(host.messages[0].text.rfind("Data Error!!", 0), 0u);
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
}

} // namespace
} // namespace kv508
