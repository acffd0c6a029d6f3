// What keeps a radio's settings safe around a transfer: the backups of what was
// read and what is about to be programmed, the read-back after programming, and
// what a broken-off programming tells the user.

#include "fake_host.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "link/protocol.h"
#include "link/test_ports.h"
#include "link/transfer.h"
#include "sim/sim_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace kv508 {
namespace {

namespace fs = std::filesystem;
using sim::RadioEngine;
using sim::SimPort;
using testing::FakeHost;

constexpr const char *kPartly = "\r\nThe radio now holds a partly written memory; the blocks "
                                "already written stay written. Program it again before use.";

// A radio memory that differs from the session's image in every settings byte.
MemoryImage RadioMemory() {
  MemoryImage memory = RadioEngine::DefaultMemory();
  for (int i = 2; i < 32766; ++i) {
    if (i < 112 || i >= 118)
      memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 13 + 1);
  }
  return memory;
}

std::string FileText(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ImageText(const MemoryImage &image) {
  return {reinterpret_cast<const char *>(image.data()), image.size()};
}

struct ProgramSafetyTest : ::testing::Test {
  ProgramSafetyTest() {
    BuildDefaultImage(session.data, 1);
    DecodeImage(session.data);
    folder = fs::temp_directory_path() / ("kv508-safety-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    session.backups.folder = folder / "backups";
    session.backups.now = [] { return std::time_t{1718443805}; };
    ::setenv("TZ", "UTC", 1);
    tzset();
  }
  ~ProgramSafetyTest() override { fs::remove_all(folder); }

  RadioEngine &Radio() { return sim.Engine(); }
  std::vector<std::string> Texts() const { return host.Texts(); }
  std::vector<std::string> Backups() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(session.backups.folder, ec), end; !ec && it != end; ++it)
      names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Runs `arm` once, on the first pass of a wait after `when` holds.
  void Arm(std::function<bool()> when, std::function<void()> arm) {
    host.onYield = [when, arm, armed = false]() mutable {
      if (!armed && when()) {
        armed = true;
        arm();
      }
    };
  }

  FakeHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
  fs::path folder;
  SimPort sim{RadioEngine(RadioMemory()), SimPort::Pacing::Unpaced};
  testing::SpyPort port{sim};
  TransferSession transfer{session, port};
};

TEST_F(ProgramSafetyTest, AReadKeepsTheRadiosMemoryAsRead) {
  ASSERT_TRUE(transfer.Run(kTransferRead).succeeded);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete!!"});
  ASSERT_EQ(Backups(), std::vector<std::string>{"2024-06-15_093005_TR4100-TR4300_read.hex"});
  EXPECT_EQ(FileText(session.backups.folder / Backups()[0]), ImageText(Radio().Memory()));

  // A read that fails keeps nothing.
  fs::remove_all(session.backups.folder);
  const auto readsBefore = Radio().Counters().blockReads;
  Arm([this, readsBefore] { return Radio().Counters().blockReads == readsBefore + 200; },
      [this] { Radio().Faults().silenceAfterFrames = 0; });
  EXPECT_FALSE(transfer.Run(kTransferRead).succeeded);
  EXPECT_TRUE(Backups().empty());
}

TEST_F(ProgramSafetyTest, AProgramKeepsThePreparedImageBeforeTheFirstBlock) {
  session.data.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  bool keptBeforeFirstBlock = false;
  port.onRead = [this, &keptBeforeFirstBlock, checked = false]() mutable {
    if (!checked && Radio().Counters().blockWrites == 1) {
      checked = true;
      keptBeforeFirstBlock = Backups().size() == 1;
    }
  };
  ASSERT_TRUE(transfer.Run(kTransferProgram).succeeded);
  EXPECT_TRUE(keptBeforeFirstBlock);
  ASSERT_EQ(Backups(), std::vector<std::string>{"2024-06-15_093005_TR4100-TR4300_program.hex"});
  // The file holds exactly what was sent, the new directory entry included.
  EXPECT_EQ(FileText(session.backups.folder / Backups()[0]), ImageText(session.data.Image));
  EXPECT_EQ(Radio().Memory()[5000], session.data.Image[5000]);
}

TEST_F(ProgramSafetyTest, ABackupThatCannotBeWrittenDoesNotStopTheTransfer) {
  fs::create_directories(folder);
  std::ofstream(folder / "file") << "x";
  session.backups.folder = folder / "file";
  for (int mode : {kTransferRead, kTransferProgram}) {
    host = FakeHost{};
    ASSERT_TRUE(transfer.Run(mode).succeeded);
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"The backup could not be saved in " +
                                            (folder / "file").string() + ": Not a directory.",
                                        "Complete!!"}));
    EXPECT_EQ(host.messages[0].title, TransferCaption(mode));
  }
  EXPECT_EQ(Radio().Memory()[5000], session.data.Image[5000]);
}

TEST_F(ProgramSafetyTest, VerifyReadsBackEveryWrittenBlock) {
  transfer.SetVerifyAfterProgram(true);
  ASSERT_TRUE(transfer.Run(kTransferProgram).succeeded);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete!!"});
  // Three check reads, then the blocks holding 33-111, 128-255, 352-1791, 2048-20735.
  EXPECT_EQ(Radio().Counters().blockReads, 3u + 4u + 23u + 292u);
  EXPECT_EQ(Radio().Counters().blockWrites, 316u + 111u);
}

// One byte stored wrong is found wherever the plan writes, and named exactly;
// the boundaries of the plan are where a read-back could miss one.
TEST_F(ProgramSafetyTest, VerifyNamesTheFirstByteThatDiffers) {
  transfer.SetVerifyAfterProgram(true);
  const char *hex = "0123456789ABCDEF";
  auto byteText = [hex](std::uint8_t b) { return std::string("0x") + hex[b >> 4] + hex[b & 15]; };
  for (int address : {33, 63, 64, 111, 128, 255, 352, 383, 384, 1791, 2048, 20735}) {
    SCOPED_TRACE(address);
    host = FakeHost{};
    sim = SimPort{RadioEngine(RadioMemory()), SimPort::Pacing::Unpaced};
    Radio().Faults().corruptStoredByte = address;
    const TransferResult result = transfer.Run(kTransferProgram);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.exchangeFailed);
    const std::uint8_t sent = session.data.Image[static_cast<std::size_t>(address)];
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
    EXPECT_EQ(host.messages[0].title, "Program to Radio");
    EXPECT_EQ(host.messages[0].text, "Verify Error!!\r\naddress 0x" + HexField(address, 4) +
                                         ": written " + byteText(sent) + ", read " +
                                         byteText(static_cast<std::uint8_t>(sent ^ 0xFF)));
  }
  // Without verify the same fault passes unnoticed.
  host = FakeHost{};
  transfer.SetVerifyAfterProgram(false);
  EXPECT_TRUE(transfer.Run(kTransferProgram).succeeded);
}

// From the moment `when` holds, `act` runs on every pass of a wait (a user keeps
// pressing Cancel; an unplugged cable stays unplugged).
TEST_F(ProgramSafetyTest, ABrokenOffProgramSaysTheRadioIsPartlyWritten) {
  const std::string partly = kPartly;
  const std::string unverified =
      "Communication Error!!\r\nThe radio was programmed, but it could not be read back to "
      "verify it.";
  auto quiet = [](ProgramSafetyTest &t) { t.Radio().Faults().silenceAfterFrames = 0; };
  auto cancel = [](ProgramSafetyTest &t) { t.transfer.RequestCancel(); };
  auto writes = [](std::uint64_t n) {
    return [n](RadioEngine &r) { return r.Counters().blockWrites == n; };
  };
  struct Case {
    const char *name;
    std::function<bool(RadioEngine &)> when;
    std::function<void(ProgramSafetyTest &)> act;
    bool verify;
    std::vector<std::string> texts;
    std::string title;
  } cases[] = {
      {"radio goes quiet while writing",
       writes(100),
       quiet,
       false,
       {"Communication Error!!" + partly},
       "Program to Radio"},
      {"cancel while writing",
       writes(100),
       cancel,
       false,
       {"cancel!!" + partly},
       "Program to Radio"},
      {"radio goes quiet while verifying",
       [](RadioEngine &r) { return r.Counters().blockReads == 3 + 50; },
       quiet,
       true,
       {unverified},
       "Program to Radio"},
      // Nothing was written yet: no word of a partly written radio.
      {"radio goes quiet in the checks",
       [](RadioEngine &r) { return r.Counters().frames == 1; },
       quiet,
       false,
       {"Communication Error!!", "Communication Error!!"},
       "Model Check"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    host = FakeHost{};
    sim = SimPort{RadioEngine(RadioMemory()), SimPort::Pacing::Unpaced};
    transfer.SetVerifyAfterProgram(c.verify);
    host.onYield = [this, &c, acting = false]() mutable {
      acting = acting || c.when(Radio());
      if (acting)
        c.act(*this);
    };
    const TransferResult result = transfer.Run(kTransferProgram);
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(Texts(), c.texts);
    EXPECT_EQ(host.messages.back().title, c.title);
    EXPECT_EQ(host.messages.back().icon, Icon::Critical);
  }
}

} // namespace
} // namespace kv508
