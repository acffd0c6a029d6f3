// Each clear mode changes exactly its areas of the radio's memory.

#include "e2e_harness.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace kv508::e2e {
namespace {

struct Fill {
  int first;
  int last;
  std::uint8_t value;
};

struct ClearCase {
  std::string area;
  std::vector<Fill> fills;
};

const Fill kDscLog{26880, 30975, 255};
const Fill kDistressLog{30976, 32703, 255};
const Fill kIndividual{18176, 19455, 255};
const Fill kGroup{20224, 20735, 255};
const Fill kWaypointErased{20736, 24191, 255};
const Fill kWaypointStart{20736, 20835, 0};
const Fill kDscTxLog{25344, 26879, 255};

void PrintTo(const ClearCase &c, std::ostream *os) { *os << c.area; }

class CliClear : public ::testing::TestWithParam<ClearCase> {};

TEST_P(CliClear, ChangesExactlyItsAreas) {
  TempDir dir;
  const MemoryImage radio = NoiseRadioMemory(31);
  // The radio's own image as the base, so that whole blocks around an area
  // carry the radio's bytes back to it.
  WriteImage(dir / "base.hex", radio);
  RadioSim sim(dir, radio);

  const ProcessResult run = RunCli(dir, {"clear", "--port", sim.Device(), GetParam().area, "--base",
                                         (dir / "base.hex").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "Complete!!\n");

  MemoryImage expected = radio;
  for (const Fill &fill : GetParam().fills)
    for (int i = fill.first; i <= fill.last; ++i)
      expected[static_cast<std::size_t>(i)] = fill.value;
  const MemoryImage after = sim.StopAndSave();
  const int at = FirstDifference(after, expected, 0, ImageLastIndex);
  EXPECT_EQ(at, -1) << "radio differs at " << at;
}

INSTANTIATE_TEST_SUITE_P(Areas, CliClear,
                         ::testing::Values(ClearCase{"mmsi", {{416, 420, 255}, {421, 421, 0}}},
                                           ClearCase{"dsc-log", {kDscLog}},
                                           ClearCase{"distress-log", {kDistressLog}},
                                           ClearCase{"individual", {kIndividual}},
                                           ClearCase{"group", {kGroup}},
                                           ClearCase{"waypoint", {kWaypointErased, kWaypointStart}},
                                           ClearCase{"dsc-tx-log", {kDscTxLog}},
                                           ClearCase{"all",
                                                     {kDscLog, kDistressLog, kIndividual, kGroup,
                                                      kWaypointErased, kWaypointStart, kDscTxLog}}),
                         [](const ::testing::TestParamInfo<ClearCase> &info) {
                           std::string name = info.param.area;
                           for (char &c : name)
                             if (c == '-')
                               c = '_';
                           return name;
                         });

} // namespace
} // namespace kv508::e2e
