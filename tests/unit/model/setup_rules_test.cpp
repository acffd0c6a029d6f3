#include "model/mmsi_rules.h"
#include "model/setup_rules.h"

#include <gtest/gtest.h>

#include <optional>

namespace kv508 {
namespace {

TEST(TypedMmsi, StoresTheTenDigitFormOrRefuses) {
  const struct {
    const char *typed;
    int digits;
    bool group;
    std::optional<std::string> stored;
  } cases[] = {{" 211234567 ", 9, false, "2112345670"},
               {"   ", 9, false, ""},
               {"21123456", 9, false, std::nullopt},
               {"2112345678", 9, false, std::nullopt},
               {"2112 4567", 9, false, std::nullopt},
               {"21123456a", 9, false, std::nullopt},
               {"21123456", 8, true, "0211234560"},
               {"0123456789", 10, false, "0123456789"},
               {"1", 0, false, std::nullopt}};
  for (const auto &c : cases)
    EXPECT_EQ(StoreTypedMmsi(c.typed, c.digits, c.group), c.stored) << c.typed;
}

TEST(TypedStatusName, BlankIsEmptyLongIsCutElseAsTyped) {
  EXPECT_EQ(StoreTypedStatusName("USCG12"), "USCG");
  EXPECT_EQ(StoreTypedStatusName("  ab  "), "  ab");
  EXPECT_EQ(StoreTypedStatusName("    "), "");
}

TEST(PriorityChoices, EnabledPlanChannelsInBankOrder) {
  ChannelBank bank{0, 4};
  const std::pair<int, bool> records[] = {
      {32, true}, {5, false}, {240, true}, {-1, true}, {1, true}};
  for (int i = 0; i < 5; ++i) {
    bank[i].Position = static_cast<std::int16_t>(records[i].first);
    bank[i].Enable = records[i].second;
  }
  const std::vector<PriorityChoice> choices = PriorityChoices(bank);
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[0].label, "16");
  EXPECT_EQ(choices[0].position, 32);
  EXPECT_EQ(choices[1].label, "00A");
  EXPECT_EQ(choices[1].position, 1);
}

TEST(GroupCaptions, NameInBracketsWhenSet) {
  RadioData data;
  data.ChannelGroups[1].StatusName = "INTL";
  data.ChannelGroups[3].StatusName = "X";
  EXPECT_EQ(GroupCaption(data, 0), "Group1");
  EXPECT_EQ(GroupCaption(data, 1), "Group2[INTL]");
  EXPECT_EQ(GroupCaption(data, 3), "EXP CH Group[X]");
  EXPECT_EQ(GroupCaption(data, 4), "");
  EXPECT_EQ(BracketedStatusName(data, 0), "[]");
  EXPECT_EQ(BracketedStatusName(data, 1), "[INTL]");
  EXPECT_EQ(BracketedStatusName(data, -1), "");
}

TEST(GroupCaptions, DisableEmptyGroupsOnlyEverClears) {
  RadioData data;
  for (auto &g : data.ChannelGroups)
    g.Enable = true;
  data.ChannelGroups[2].Enable = false;
  data.CHUSA[0].Enable = true;
  data.CHCAN[5].Enable = true;
  EXPECT_FALSE(GroupIsEmpty(data, 4));
  EXPECT_FALSE(GroupIsEmpty(data, -1));
  DisableEmptyGroups(data);
  // Group 2 has channels and stays as it was; the expansion group has none.
  const bool enabled[] = {true, false, false, false};
  for (int g = 0; g < 4; ++g)
    EXPECT_EQ(data.ChannelGroups[g].Enable, enabled[g]) << g;
}

} // namespace
} // namespace kv508
