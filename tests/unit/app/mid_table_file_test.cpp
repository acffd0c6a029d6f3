#include "app/config_fixtures.h"
#include "app/mid_table_file.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

// The table shipped beside the programs: every allocated MID, 201 to 775.
TEST(MidTableFile, TheShippedTableHoldsTheAllocatedMids) {
  const char *dataDir = std::getenv("KV508_TEST_DATA");
  if (!dataDir || !std::filesystem::exists(std::filesystem::path(dataDir) / kMidTableFileName))
    GTEST_SKIP() << "program folder not built";
  std::string problem = "stale";
  const MidTable mids = LoadMidTable(dataDir, problem);
  EXPECT_EQ(problem, "");
  int allocated = 0;
  for (int mid = kFirstMid; mid <= kLastMid; ++mid)
    allocated += mids.Status(mid) == MidStatus::Allocated ? 1 : 0;
  EXPECT_EQ(allocated, 292);
  EXPECT_EQ(mids.Country(201), "Albania");
  EXPECT_EQ(mids.Country(232), "United Kingdom");
  EXPECT_EQ(mids.Country(775), "Venezuela");
  EXPECT_EQ(mids.Status(217), MidStatus::Unallocated);
}

TEST(MidTableFile, AMissingOrDamagedTableSaysWhereItWasLookedFor) {
  TempFolder folder;
  const std::string lead =
      "MID table not used, countries are unknown: " + (folder / kMidTableFileName).string() + ": ";
  std::string problem;
  EXPECT_FALSE(LoadMidTable(folder.path(), problem).Loaded());
  EXPECT_EQ(problem, lead + "No such file or directory");

  WriteBytes(folder / kMidTableFileName, "201,Albania\n201,Albania\n");
  EXPECT_FALSE(LoadMidTable(folder.path(), problem).Loaded());
  EXPECT_EQ(problem, lead + "line 2: MID 201 given twice");

  WriteBytes(folder / kMidTableFileName, std::string(300 * 1024, '#'));
  EXPECT_FALSE(LoadMidTable(folder.path(), problem).Loaded());
  EXPECT_EQ(problem, lead + "File too large");
}

} // namespace
} // namespace kv508::testing
