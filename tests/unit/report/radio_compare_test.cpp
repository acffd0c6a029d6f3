// Compare with Radio's list: the settings diff between what the radio holds
// and what programming its changes would leave there, grouped as the tree is.

#include "app/config_fixtures.h"
#include "diff/radio_compare.h"
#include "image/encode.h"
#include "image/radio_ranges.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

// A radio in use: an own MMSI, a named channel, a directory entry.
MemoryImage RadioMemory(RadioData data) {
  data.DscBasic.UserMmsi = "2320012340";
  data.CHMMSID[1] = {.Enable = true, .TagName = "HARBOUR", .Mmsid = "2320001230"};
  EXPECT_FALSE(PrepareOutgoingImage(data, 1, true));
  return data.Image;
}

struct RadioCompareTest : ::testing::Test {
  RadioCompareTest() : radio(RadioMemory(s.data())) { TakeImageAsRead(s.data(), radio); }
  NewSession s;
  MemoryImage radio;
};

TEST_F(RadioCompareTest, ListsExactlyTheSettingsChangedInTheTreesOrder) {
  EXPECT_TRUE(CompareWithRadio(s.data(), radio, s.session.model).Same());

  RadioData &data = s.data();
  data.CHUSA[32].ChTag = "CALL16";
  data.CHMMSID[2] = {.Enable = true, .TagName = "PILOT", .Mmsid = "2320007770"};
  data.DscBasic.BeepOut[2] = !data.DscBasic.BeepOut[2];
  data.CHMMSID[5].TagName = "GHOST  "; // not in use, no MMSI: the radio keeps no such entry
  const RadioComparison c = CompareWithRadio(data, radio, s.session.model);
  ASSERT_FALSE(c.error);
  EXPECT_EQ(c.Count(), 5);
  EXPECT_EQ(ComparisonText(c), "DSC Setup\n"
                               "  BeepOut[2]: \"On\" -> \"Off\"\n"
                               "Group1\n"
                               "  CH 16 ChTag: \"DISTRESS\" -> \"CALL16\"\n"
                               "Individual Directory\n"
                               "  Memory ID 2 Enable: \"Off\" -> \"On\"\n"
                               "  Memory ID 2 TagName: \"\" -> \"PILOT\"\n"
                               "  Memory ID 2 Mmsid: \"\" -> \"2320007770\"\n");
}

// What the radio could not hold shows as it would be stored; data that do not
// fit the image cannot be compared at all.
TEST_F(RadioCompareTest, ShowsWhatWouldBeStoredAndRefusesWhatCannotBe) {
  RadioData &data = s.data();
  data.CHMMSID[1].TagName = "HARBOUR MASTER";
  RadioComparison c = CompareWithRadio(data, radio, s.session.model);
  EXPECT_EQ(ComparisonText(c),
            "Individual Directory\n  Memory ID 1 TagName: \"HARBOUR\" -> \"HARBOUR MAS\"\n");

  data.Common.ResumeTime = 1000;
  c = CompareWithRadio(data, radio, s.session.model);
  ASSERT_TRUE(c.error);
  EXPECT_EQ(c.error->field, "CommonSetup ResumeTime");
  EXPECT_FALSE(c.Same());
  EXPECT_EQ(ComparisonText(c), "");
}

TEST(GroupDifferences, FollowTheTreeAndKeepTheLinesOrderWithinAGroup) {
  const std::vector<SettingDifference> differences = {
      {"CHEXP", "3", "ChTag", "\"A\"", "\"B\""},
      {"DscAdvanced", "", "AllShipsCallTx[1]", "\"Low\"", "\"Hi\""},
      {"ChannelGroups", "Group2", "Enable", "\"On\"", "\"Off\""},
      {"DscBasic", "", "UserMmsi", "\"\"", "\"2320012340\""},
      {"CHWX", "", "Records", "\"10\"", "\"9\""},
      {"Elsewhere", "", "X", "\"1\"", "\"2\""},
  };
  std::vector<std::string> seen;
  for (const ComparedGroup &group : GroupDifferences(differences)) {
    for (const ComparedSetting &setting : group.settings)
      seen.push_back(group.name + ": " + setting.setting);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"Usable CH Group Setup: Group2 Enable",
                                            "DSC Setup: AllShipsCallTx[1]", "DSC Setup: UserMmsi",
                                            "Weather: Records", "EXP Channel: EXP3 ChTag",
                                            "Elsewhere: X"}));
  for (const SettingDifference &d : differences)
    EXPECT_EQ(DiffLine(d).find(d.scope), 0u);
  EXPECT_EQ(DiffLine(differences[0]), "CHEXP 3 ChTag: \"A\" -> \"B\"");
  EXPECT_EQ(DiffLine(differences[4]), "CHWX Records: \"10\" -> \"9\"");
}

} // namespace
} // namespace kv508::testing
