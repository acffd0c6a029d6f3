// Read and write through the whole chain: kv508-cli, the serial port adapter, a
// pseudo-terminal and kv508-radiosim.

#include "e2e_harness.h"
#include "fake_host.h"

#include "app/hex_file.h"
#include "app/new_data.h"
#include "image/encode.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kv508::e2e {
namespace {

using Range = std::pair<int, int>; // inclusive

// A read takes these from the image it started with, not from the radio.
const std::vector<Range> kKeptOnRead = {{2, 32}, {256, 415}, {1792, 2047}, {20736, 32765}};
// A write sends these and nothing else.
const std::vector<Range> kWritten = {{33, 111}, {128, 255}, {352, 1791}, {2048, 20735}};
const std::vector<Range> kNeverWritten = {
    {0, 32}, {112, 127}, {256, 351}, {1792, 2047}, {20736, 32767}};

bool In(const std::vector<Range> &ranges, int address) {
  for (const auto &[first, last] : ranges)
    if (address >= first && address <= last)
      return true;
  return false;
}

void ExpectSameIn(const std::vector<Range> &ranges, const MemoryImage &actual,
                  const MemoryImage &expected, const char *what) {
  for (const auto &[first, last] : ranges) {
    const int at = FirstDifference(actual, expected, first, last);
    EXPECT_EQ(at, -1) << what << ": range " << first << "-" << last << " differs at " << at;
  }
}

// A read takes the radio except the kept ranges; the settings file it writes is
// the decoded image that a .hex read gives.
TEST(CliRead, FullReadTakesTheRadioExceptTheKeptRanges) {
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(11);
  const MemoryImage base = NoiseRadioMemory(12);
  WriteImage(dir / "base.hex", base);
  RadioSim sim(dir, radio);

  for (const char *file : {"out.hex", "radio.dat"}) {
    const ProcessResult run =
        RunCli(dir, {"read", "--port", sim.Device(), "-o", (dir / file).string(), "--base",
                     (dir / "base.hex").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "Complete!!\n");
  }
  const MemoryImage out = ReadImage(dir / "out.hex");
  MemoryImage expected{};
  for (int i = 0; i < kImageSize; ++i)
    expected[static_cast<std::size_t>(i)] =
        In(kKeptOnRead, i) ? base[static_cast<std::size_t>(i)] : radio[static_cast<std::size_t>(i)];
  EXPECT_EQ(FirstDifference(out, expected, 0, ImageLastIndex), -1);
  EXPECT_EQ(sim.StopAndSave(), radio) << "a read changed the radio";

  const ProcessResult convert =
      RunCli(dir, {"convert", (dir / "out.hex").string(), (dir / "converted.dat").string()});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  const std::string settings = ReadText(dir / "radio.dat");
  EXPECT_FALSE(settings.empty());
  EXPECT_EQ(settings, ReadText(dir / "converted.dat"));
}

// A session as File > New leaves it.
struct NewSession {
  NewSession() {
    session.programDir = KV508_PROGRAM_DIR;
    NewData(session, true);
  }
  testing::FakeHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
};

TEST(CliWrite, WriteThenReadBackReproducesEveryWrittenRange) {
  TempDir dir;
  {
    NewSession s;
    s.session.data.DscBasic.UserMmsi = "3669990010";
    ASSERT_FALSE(PrepareOutgoingImage(s.session.data, s.session.model.ModelVariant, false));
    WriteImage(dir / "in.hex", s.session.data.Image);
  }
  // The image the write sends: opened as File > Open does, prepared as Program to Radio does.
  NewSession opened;
  ASSERT_TRUE(ReadHexFile(opened.session, dir / "in.hex"));
  ASSERT_FALSE(PrepareOutgoingImage(opened.session.data, opened.session.model.ModelVariant, true));
  const MemoryImage sent = opened.session.data.Image;
  // Noise in the radio shows every byte that a write misses or strays into.
  const MemoryImage radio = NoiseRadioMemory(21);
  RadioSim sim(dir, radio);

  const ProcessResult write =
      RunCli(dir, {"write", "--port", sim.Device(), (dir / "in.hex").string()});
  ASSERT_EQ(write.exitCode, 0) << write.err;
  EXPECT_EQ(write.err, "Complete!!\n");
  const ProcessResult read =
      RunCli(dir, {"read", "--port", sim.Device(), "-o", (dir / "back.hex").string(), "--base",
                   (dir / "in.hex").string()});
  ASSERT_EQ(read.exitCode, 0) << read.err;

  const MemoryImage after = sim.StopAndSave();
  ExpectSameIn(kWritten, after, sent, "radio after the write");
  ExpectSameIn(kNeverWritten, after, radio, "radio outside the written ranges");

  const MemoryImage back = ReadImage(dir / "back.hex");
  for (int i = 0; i < kImageSize; ++i) {
    if (!In(kWritten, i) || In(kKeptOnRead, i))
      continue;
    ASSERT_EQ(back[static_cast<std::size_t>(i)], sent[static_cast<std::size_t>(i)])
        << "read back differs at " << i;
  }
}

TEST(CliPorts, ListsThePortsAndTheSimulator) {
  TempDir dir;
  const ProcessResult run = RunCli(dir, {"ports"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("sim "), std::string::npos) << run.out;
}

} // namespace
} // namespace kv508::e2e
