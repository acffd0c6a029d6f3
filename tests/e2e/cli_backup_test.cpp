// The safety net of the command line: backups of what was read and programmed,
// their list, and the read-back after writing.

#include "e2e_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>

namespace kv508::e2e {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> BackupFiles(const TempDir &dir) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(dir / "user-data/KV508/backups", ec), end; !ec && it != end; ++it)
    files.push_back(it->path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(CliBackups, ReadAndWriteKeepTheirImagesAndAreListedNewestFirst) {
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(21);
  RadioSim sim(dir, radio);

  ProcessResult run = RunCli(dir, {"read", "--port", sim.Device(), "-o", (dir / "a.hex").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<fs::path> files = BackupFiles(dir);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_TRUE(std::regex_match(files[0].filename().string(),
                               std::regex(R"(\d{4}-\d\d-\d\d_\d{6}_TR4100-TR4300_read\.hex)")))
      << files[0];
  EXPECT_EQ(ReadImage(files[0]), radio);

  run = RunCli(dir, {"write", "--port", sim.Device(), (dir / "a.hex").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  files = BackupFiles(dir);
  ASSERT_EQ(files.size(), 2u);

  run = RunCli(dir, {"backups"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::regex line(R"((\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)  (read   |program)  (.*))");
  std::vector<std::string> kinds, listed;
  std::istringstream out(run.out);
  for (std::string text; std::getline(out, text);) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, line)) << text;
    kinds.push_back(m[2]);
    listed.push_back(m[3]);
  }
  EXPECT_EQ(kinds, (std::vector<std::string>{"program", "read   "}));
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_NE(listed[0].find("_program.hex"), std::string::npos);
  std::vector<fs::path> listedFiles(listed.begin(), listed.end());
  std::sort(listedFiles.begin(), listedFiles.end());
  EXPECT_EQ(listedFiles, files);

  // --no-backup leaves the folder as it was.
  run =
      RunCli(dir, {"--no-backup", "read", "--port", sim.Device(), "-o", (dir / "b.hex").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(BackupFiles(dir).size(), 2u);
}

TEST(CliBackups, ListWithoutBackups) {
  TempDir dir;
  const ProcessResult run = RunCli(dir, {"backups"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "No backups in " + (dir / "user-data/KV508/backups").string() + "\n");
}

TEST(CliVerify, PassesAndFindsTheByteTheRadioStoredWrong) {
  TempDir dir;
  WriteImage(dir / "in.hex", NoiseRadioMemory(31));
  MemoryImage written{}; // what a good write leaves: the image as the program sends it
  {
    RadioSim sim(dir, NoiseRadioMemory(32));
    const ProcessResult run =
        RunCli(dir, {"write", "--verify", "--port", sim.Device(), (dir / "in.hex").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "Complete!!\n");
    written = sim.StopAndSave();
  }
  RadioSim sim(dir, NoiseRadioMemory(32), {"--corrupt-byte", "5000"});
  const ProcessResult run =
      RunCli(dir, {"write", "--verify", "--port", sim.Device(), (dir / "in.hex").string()});
  EXPECT_EQ(run.exitCode, 1);
  char expected[80];
  std::snprintf(expected, sizeof expected,
                "Verify Error!!\naddress 0x1388: written 0x%02X, read 0x%02X\n", written[5000],
                written[5000] ^ 0xFF);
  EXPECT_EQ(run.err, expected);
  EXPECT_EQ(sim.StopAndSave()[5000], written[5000] ^ 0xFF);

  EXPECT_EQ(RunCli(dir, {"read", "--verify", "--port", "sim", "-o", "x.hex"}).exitCode, 2);
}

} // namespace
} // namespace kv508::e2e
