// What keeps a radio's settings safe around a transfer: the backups of what was
// read and what is about to be programmed, the read-back after programming, and
// what a broken-off programming tells the user.

#include "link/protocol.h"
#include "link/test_ports.h"

#include <fstream>
#include <unistd.h>

namespace kv508 {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::string FileText(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ImageText(const MemoryImage &image) {
  return {reinterpret_cast<const char *>(image.data()), image.size()};
}

struct ProgramSafetyTest : testing::TransferFixture {
  ProgramSafetyTest() {
    fs::remove_all(folder);
    session.backups.folder = folder / "backups";
    session.backups.now = [] { return std::time_t{1718443805}; };
    ::setenv("TZ", "UTC", 1);
    tzset();
  }
  ~ProgramSafetyTest() override { fs::remove_all(folder); }
  Texts Backups() const {
    Texts names;
    std::error_code ec;
    for (fs::directory_iterator it(session.backups.folder, ec), end; !ec && it != end; ++it)
      names.push_back(it->path().filename().string());
    return names;
  }

  fs::path folder = fs::temp_directory_path() / ("kv508-safety-" + std::to_string(::getpid()));
};

TEST_F(ProgramSafetyTest, AReadKeepsTheRadiosMemoryAsRead) {
  ASSERT_TRUE(transfer.Run(kTransferRead).succeeded);
  ASSERT_EQ(Backups(), Texts{"2024-06-15_093005_TR4100-TR4300_read.hex"});
  EXPECT_EQ(FileText(session.backups.folder / Backups()[0]), ImageText(Radio().Memory()));

  // A read that fails keeps nothing.
  fs::remove_all(session.backups.folder);
  Arm([this] { return Radio().Counters().blockReads == 3 + 512 + 200; },
      [this] { Radio().Faults().silenceAfterFrames = 0; });
  EXPECT_FALSE(transfer.Run(kTransferRead).succeeded);
  EXPECT_TRUE(Backups().empty());
}

TEST_F(ProgramSafetyTest, AProgramKeepsThePreparedImageBeforeTheFirstBlock) {
  session.data.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  Texts keptBeforeFirstBlock;
  port.onRead = [this, &keptBeforeFirstBlock] {
    if (Radio().Counters().blockWrites == 1 && keptBeforeFirstBlock.empty())
      keptBeforeFirstBlock = Backups();
  };
  ASSERT_TRUE(transfer.Run(kTransferProgram).succeeded);
  ASSERT_EQ(keptBeforeFirstBlock, Texts{"2024-06-15_093005_TR4100-TR4300_program.hex"});
  // The file holds exactly what was sent, the new directory entry included.
  EXPECT_EQ(FileText(session.backups.folder / keptBeforeFirstBlock[0]),
            ImageText(session.data.Image));
}

// Without its backup a program goes ahead only when the user says so; a read
// completes and says what is missing.
TEST_F(ProgramSafetyTest, ABackupThatCannotBeWrittenStopsAProgramUnlessTheUserAgrees) {
  fs::create_directories(folder);
  std::ofstream(folder / "file") << "x";
  const std::string failed =
      "The backup could not be saved in " + (folder / "file").string() + ": Not a directory.";
  const std::string question = "Program to Radio: " + failed + "\r\nProgram the radio without it?";
  const struct {
    int mode;
    Answer answer;
    Texts shown;
    std::uint64_t blockWrites;
  } cases[] = {
      {kTransferProgram, Answer::No, {question}, 0},
      {kTransferProgram, Answer::Yes, {question, "Program to Radio: Complete!!"}, 316 + 111},
      {kTransferRead,
       Answer::Ok,
       {"Read from Radio: " + failed, "Read from Radio: Complete!!"},
       0}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.shown.front());
    Reset();
    session.backups.folder = folder / "file";
    host.answers = {c.answer};
    const TransferResult result = transfer.Run(c.mode);
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(result.succeeded, c.answer != Answer::No);
    EXPECT_EQ(Radio().Counters().blockWrites, c.blockWrites);
    EXPECT_EQ(host.messages[0].buttons, c.mode == kTransferProgram ? Buttons::YesNo : Buttons::Ok);
  }
}

// One byte stored wrong is found wherever the plan writes, and named exactly;
// the boundaries of the plan are where a read-back could miss one.
TEST_F(ProgramSafetyTest, VerifyNamesTheFirstByteThatDiffers) {
  transfer.SetVerifyAfterProgram(true);
  for (int address : {33, 63, 64, 111, 128, 255, 352, 383, 384, 1791, 2048, 20735}) {
    SCOPED_TRACE(address);
    Reset();
    Radio().Faults().corruptStoredByte = address;
    const TransferResult result = transfer.Run(kTransferProgram);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.exchangeFailed);
    const unsigned sent = session.data.Image[static_cast<std::size_t>(address)];
    char text[80];
    std::snprintf(text, sizeof text,
                  "Program to Radio: Verify Error!!\r\naddress 0x%04X: written 0x%02X, read 0x%02X",
                  address, sent, sent ^ 0xFF);
    ASSERT_EQ(Shown(), Texts{text});
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
  }
}

// From the moment the counter is reached the user keeps pressing Cancel, or the
// radio stays quiet.
TEST_F(ProgramSafetyTest, ABrokenOffProgramSaysTheRadioIsPartlyWritten) {
  const std::string partly = "\r\nThe radio now holds a partly written memory; the blocks "
                             "already written stay written. Program it again before use.";
  const std::string program = "Program to Radio: ", check = "Model Check: Communication Error!!";
  const std::string unverified = program + "Communication Error!!\r\nThe radio was programmed, "
                                           "but it could not be read back to verify it.";
  using C = sim::LineCounters;
  const struct {
    std::uint64_t C::*counter; // from when it reaches `at`
    std::uint64_t at;
    bool cancel; // else the radio goes quiet
    bool verify;
    Texts shown;
  } cases[] = {{&C::blockWrites, 100, false, false, {program + "Communication Error!!" + partly}},
               {&C::blockWrites, 100, true, false, {program + "cancel!!" + partly}},
               {&C::blockReads, 3 + 50, false, true, {unverified}},
               // Nothing was written yet: no word of a partly written radio.
               {&C::frames, 1, false, false, {check, check}}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.shown.back());
    Reset();
    transfer.SetVerifyAfterProgram(c.verify);
    host.onYield = [this, &c, acting = false]() mutable {
      acting = acting || Radio().Counters().*c.counter == c.at;
      if (acting && c.cancel)
        transfer.RequestCancel();
      else if (acting)
        Radio().Faults().silenceAfterFrames = 0;
    };
    EXPECT_FALSE(transfer.Run(kTransferProgram).succeeded);
    EXPECT_EQ(Shown(), c.shown);
  }
}

} // namespace
} // namespace kv508
