// Compare with Radio's read, programming only the changes, and the identity
// guard of every program, against the in-process simulated radio holding the
// memory of a radio in use (own MMSI 232001234, no ATIS code).

#include "app/new_data.h"
#include "image/fields.h"
#include "image/layout.h"
#include "link/protocol.h"
#include "link/test_ports.h"

namespace kv508 {
namespace {

using Texts = std::vector<std::string>;

const std::string kOwnMmsi = "2320012340";
const std::string kOtherMmsi = "3661234500";
constexpr std::uint64_t kFullWrite = 316 + 111; // block writes of a full program
constexpr std::uint64_t kChecks = 3;            // block reads of the model and product checks

struct ChangesTest : testing::TransferFixture {
  ChangesTest() { UseRadio(sim::RadioEngine::DefaultMemory()); }
  void UseRadio(const MemoryImage &memory) {
    host = testing::FakeHost{};
    static_cast<sim::SimPort &>(port) = sim::SimPort(sim::RadioEngine(memory), kUnpaced);
    // The data as a read of this radio leaves them.
    NewData(session, false);
    TakeImageAsRead(session.data, memory);
  }
  void Edit() {
    session.data.CHUSA[16].ChTag = "CALL16"; // a name
    session.data.CHMMSID[4] = {
        .Enable = true, .TagName = "PILOT", .Mmsid = "2320007770"};       // an entry
    session.data.DscBasic.BeepOut[2] = !session.data.DscBasic.BeepOut[2]; // a DSC option
  }
  std::string MmsiInRadio() { return Bcd5Read(Radio().Memory(), layout::kUserMmsi); }
};

// The radio's memory after a changes-only program equals what a full program
// of the same settings over the same image read leaves, with only the blocks
// that differ sent, and only those read back.
TEST_F(ChangesTest, OnlyTheDifferingBlocksAreSentAndTheRadioEndsAsAFullWriteLeavesIt) {
  const MemoryImage before = Radio().Memory();
  Edit();
  const RadioData edited = session.data;
  transfer.SetVerifyAfterProgram(true);
  const TransferResult result = transfer.Run(kTransferProgramChanges);
  ASSERT_TRUE(result.succeeded);
  EXPECT_EQ(Shown(), Texts{"Program Changes to Radio: Complete!!"});
  // The name's block, the entry's block and the DSC block (384: bytes 384-447 as one frame).
  EXPECT_EQ(Radio().Counters().blockWrites, 3u);
  EXPECT_EQ(Radio().Counters().blockReads, kChecks + 512 + 3);
  EXPECT_EQ(Radio().Counters().probes, 1u); // one connection for the read and the write
  const MemoryImage changed = Radio().Memory();

  UseRadio(before);
  session.data = edited;
  session.data.Image = before; // the image read, as the changes-only program had it
  ASSERT_TRUE(transfer.Run(kTransferProgram).succeeded);
  EXPECT_EQ(Radio().Counters().blockWrites, kFullWrite);
  EXPECT_TRUE(Radio().Memory() == changed);
  EXPECT_FALSE(before == changed);
}

TEST_F(ChangesTest, NothingToSendSendsNoWriteFrameAndSaysSo) {
  const TransferResult result = transfer.Run(kTransferProgramChanges);
  EXPECT_TRUE(result.succeeded && result.nothingToSend);
  EXPECT_EQ(Shown(), Texts{"Program Changes to Radio: Nothing to send: the radio already holds "
                           "these settings."});
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
  for (const std::string &sent : port.writes)
    EXPECT_EQ(sent.find("#CEPWR"), std::string::npos);
  EXPECT_FALSE(port.IsOpen());
}

// A single-byte range stays single bytes: one changed byte below 112 sends the
// whole range as the full write does, one frame per byte.
TEST_F(ChangesTest, ASingleByteRangeIsSentAsTheFullWriteSendsIt) {
  session.data.Common.DualWatch = !session.data.Common.DualWatch;
  ASSERT_TRUE(transfer.Run(kTransferProgramChanges).succeeded);
  // Block 0 holds Dual Watch (byte 53): bytes 33-63, one by one.
  EXPECT_EQ(Radio().Counters().blockWrites, 63u - 33u + 1u);
  for (const std::string &sent : port.writes) {
    if (sent.rfind("#CEPWR", 0) == 0) {
      EXPECT_EQ(sent.substr(11, 3), "\t01") << sent;
    }
  }
}

// Compare reads the radio with a backup, leaves the data alone and keeps the
// connection for Program These Changes.
TEST_F(ChangesTest, CompareReadsWithoutTouchingTheDataAndProgramsInTheSameConnection) {
  Edit();
  const RadioData edited = session.data;
  const TransferResult compared = transfer.Run(kTransferCompare);
  ASSERT_TRUE(compared.succeeded);
  EXPECT_TRUE(host.messages.empty()); // the comparison is the answer
  EXPECT_TRUE(session.data == edited);
  EXPECT_TRUE(transfer.RadioImage() == Radio().Memory());
  EXPECT_TRUE(port.IsOpen());

  ASSERT_TRUE(transfer.ProgramChangesAfterCompare().succeeded);
  EXPECT_EQ(Shown(), Texts{"Program Changes to Radio: Complete!!"});
  EXPECT_EQ(Radio().Counters().blockWrites, 3u);
  EXPECT_EQ(Radio().Counters().probes, 1u);
  EXPECT_EQ(Radio().Counters().blockReads, kChecks + 512);
}

TEST_F(ChangesTest, ARadioThatStopsMidCompareLeavesTheDataAsTheyWere) {
  Edit();
  const RadioData edited = session.data;
  Arm([this] { return Radio().Counters().blockReads == kChecks + 100; },
      [this] { Radio().Faults().silenceAfterFrames = 0; });
  const TransferResult result = transfer.Run(kTransferCompare);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(Shown(), Texts{"Read from Radio: Communication Error!!"});
  EXPECT_TRUE(session.data == edited);
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
}

// The identity guard: what each answer does to the radio and to the data.
TEST_F(ChangesTest, TheIdentityGuardAsksBeforeTheFirstWrite) {
  const std::string changeText = "This radio's own MMSI is 232001234. The data would change it to "
                                 "366123450. Most radios accept a new own MMSI only once.";
  const std::string newText = "This radio has no own MMSI. The data would give it 366123450. "
                              "Most radios accept a new own MMSI only once.";
  MemoryImage empty = sim::RadioEngine::DefaultMemory();
  std::fill(empty.begin() + layout::kUserMmsi, empty.begin() + layout::kUserMmsi + 5, 0xFF);
  enum Holds { kEmpty, kSame, kOther };
  const struct {
    Holds radio;
    IdentityAnswer policy;
    int choice;    // to the question (Host::Choose), -1: none asked
    Answer answer; // to the confirmation of a new MMSI
    Texts shown;   // the messages, after "Program to Radio: "
    bool written;  // a full write went out
    std::string radioMmsi, dataMmsi;
  } cases[] = {
      {kSame, IdentityAnswer::Ask, -1, Answer::Ok, {"Complete!!"}, true, kOwnMmsi, kOwnMmsi},
      {kOther, IdentityAnswer::Ask, 0, Answer::Ok, {"Complete!!"}, true, kOwnMmsi, kOwnMmsi},
      {kOther, IdentityAnswer::Ask, 1, Answer::Ok, {"Complete!!"}, true, kOtherMmsi, kOtherMmsi},
      {kOther, IdentityAnswer::Ask, 2, Answer::Ok, {}, false, kOwnMmsi, kOtherMmsi},
      {kOther,
       IdentityAnswer::Refuse,
       -1,
       Answer::Ok,
       {changeText + "\r\nNothing was written."},
       false,
       kOwnMmsi,
       kOtherMmsi},
      {kOther,
       IdentityAnswer::Keep,
       -1,
       Answer::Ok,
       {changeText + "\r\nThe radio keeps its own MMSI and ATIS code.", "Complete!!"},
       true,
       kOwnMmsi,
       kOwnMmsi},
      {kEmpty,
       IdentityAnswer::Ask,
       -1,
       Answer::Ok,
       {newText, "Complete!!"},
       true,
       kOtherMmsi,
       kOtherMmsi},
      {kEmpty, IdentityAnswer::Ask, -1, Answer::Cancel, {newText}, false, "", kOtherMmsi},
      {kEmpty,
       IdentityAnswer::Refuse,
       -1,
       Answer::Ok,
       {"This radio has no own MMSI: it receives 366123450.", "Complete!!"},
       true,
       kOtherMmsi,
       kOtherMmsi},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(::testing::PrintToString(&c - cases));
    UseRadio(c.radio == kEmpty ? empty : sim::RadioEngine::DefaultMemory());
    if (c.radio != kSame)
      session.data.DscBasic.UserMmsi = kOtherMmsi;
    transfer.SetIdentityAnswer(c.policy);
    if (c.choice >= 0)
      host.choices = {c.choice};
    host.answers = {c.answer};
    const TransferResult result = transfer.Run(kTransferProgram);
    Texts shown;
    for (const std::string &text : c.shown)
      shown.push_back("Program to Radio: " + text);
    EXPECT_EQ(Shown(), shown);
    ASSERT_EQ(host.questions.size(), c.choice >= 0 ? 1u : 0u);
    if (c.choice >= 0) {
      EXPECT_EQ(host.questions[0].title + ": " + host.questions[0].text,
                "Program to Radio: " + changeText);
      EXPECT_EQ(host.questions[0].choices,
                (Texts{"Keep the Radio's Identity", "Write the New Identity", "Cancel"}));
    }
    EXPECT_EQ(result.succeeded, c.written);
    EXPECT_EQ(result.cancelled, !c.written && c.policy == IdentityAnswer::Ask);
    EXPECT_EQ(result.identityRefused, c.policy == IdentityAnswer::Refuse && !c.written);
    EXPECT_EQ(Radio().Counters().blockWrites, c.written ? kFullWrite : 0u);
    EXPECT_EQ(MmsiInRadio(), c.radioMmsi);
    EXPECT_EQ(session.data.DscBasic.UserMmsi, c.dataMmsi);
  }
}

// Keep the Radio's Identity on a changes-only program: the radio's identity
// bytes stay, so only the other changes go out, and the data take the radio's MMSI.
TEST_F(ChangesTest, KeepingTheIdentitySendsOnlyTheOtherChanges) {
  session.data.DscBasic.UserMmsi = kOtherMmsi;
  session.data.CHUSA[16].ChTag = "CALL16";
  RadioIdentity taken;
  transfer.SetIdentityTaker([&taken](const RadioIdentity &identity) { taken = identity; });
  host.choices = {0};
  ASSERT_TRUE(transfer.Run(kTransferProgramChanges).succeeded);
  EXPECT_EQ(taken.mmsi, kOwnMmsi);
  EXPECT_EQ(Radio().Counters().blockWrites, 1u);
  EXPECT_EQ(MmsiInRadio(), kOwnMmsi);
}

TEST(ProgramPlan, ChangedStepsFollowTheFullWrite) {
  const std::vector<ProgramStep> &plan = ProgramPlan();
  ASSERT_EQ(plan.size(), 325u);
  int frames = 0;
  for (const ProgramStep &step : plan) {
    for (int a = step.first; a <= step.last; ++a)
      EXPECT_TRUE(ProgramWritesByte(a)) << a;
    frames += !step.Writes() ? 0 : step.singleBytes ? step.last - step.first + 1 : 1;
  }
  EXPECT_EQ(frames, 316 + 111);

  MemoryImage a{}, b{};
  EXPECT_TRUE(ChangedSteps(a, b).empty());
  b[20] = b[112] = b[300] = b[20736] = 1; // bytes the radio keeps
  EXPECT_TRUE(ChangedSteps(a, b).empty());
  b[95] = b[5000] = 1;
  const std::vector<ProgramStep> steps = ChangedSteps(a, b);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_TRUE(steps[0].address == 64 && steps[0].singleBytes && steps[0].first == 64);
  EXPECT_TRUE(steps[1].address == 4992 && !steps[1].singleBytes);
}

} // namespace
} // namespace kv508
