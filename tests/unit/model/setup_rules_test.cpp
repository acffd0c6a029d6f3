#include "model/mmsi_rules.h"
#include "model/setup_rules.h"
#include "model/tables.h"

#include <gtest/gtest.h>

#include <optional>

namespace kv508 {
namespace {

void Place(ChannelRecord &record, int position, bool enable) {
  record.Position = static_cast<std::int16_t>(position);
  record.Enable = enable;
}

struct MmsiCase {
  const char *typed;
  int digits;
  bool group;
  std::optional<std::string> stored;
};

class TypedMmsi : public ::testing::TestWithParam<MmsiCase> {};

TEST_P(TypedMmsi, StoresTheTenDigitFormOrRefuses) {
  const MmsiCase &c = GetParam();
  EXPECT_EQ(StoreTypedMmsi(c.typed, c.digits, c.group), c.stored) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedMmsi,
                         ::testing::Values(MmsiCase{"211234567", 9, false, "2112345670"},
                                           MmsiCase{" 211234567 ", 9, false, "2112345670"},
                                           MmsiCase{"", 9, false, ""},
                                           MmsiCase{"   ", 9, false, ""},
                                           MmsiCase{"21123456", 9, false, std::nullopt},
                                           MmsiCase{"2112345678", 9, false, std::nullopt},
                                           MmsiCase{"21123456a", 9, false, std::nullopt},
                                           MmsiCase{"2112 4567", 9, false, std::nullopt},
                                           MmsiCase{"21123456", 8, true, "0211234560"},
                                           MmsiCase{"211234567", 8, true, std::nullopt},
                                           MmsiCase{"0123456789", 10, false, "0123456789"},
                                           MmsiCase{"012345678", 10, false, std::nullopt},
                                           MmsiCase{"1", 0, false, std::nullopt}));

TEST(TypedStatusName, BlankIsEmptyLongIsCutElseAsTyped) {
  EXPECT_EQ(StoreTypedStatusName("USCG12"), "USCG");
  EXPECT_EQ(StoreTypedStatusName(" ab "), " ab ");
  EXPECT_EQ(StoreTypedStatusName("  ab  "), "  ab");
  EXPECT_EQ(StoreTypedStatusName("    "), "");
  EXPECT_EQ(StoreTypedStatusName(""), "");
  EXPECT_EQ(StoreTypedStatusName("A.B"), "A.B");
}

TEST(PriorityChoices, EnabledPlanChannelsInBankOrder) {
  ChannelBank bank{0, 4};
  Place(bank[0], 32, true);
  Place(bank[1], 5, false);
  Place(bank[2], 240, true);
  Place(bank[3], -1, true);
  Place(bank[4], 1, true);
  const std::vector<PriorityChoice> choices = PriorityChoices(bank);
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[0].label, "16");
  EXPECT_EQ(choices[0].position, 32);
  EXPECT_EQ(choices[1].label, "00A");
  EXPECT_EQ(choices[1].position, 1);
  EXPECT_TRUE(PriorityChoices(ChannelBank{0, 239}).empty());
}

TEST(GroupCaptions, NameInBracketsWhenSet) {
  RadioData data;
  data.ChannelGroups[1].StatusName = "INTL";
  data.ChannelGroups[3].StatusName = "X";
  EXPECT_EQ(GroupCaption(data, 0), "Group1");
  EXPECT_EQ(GroupCaption(data, 1), "Group2[INTL]");
  EXPECT_EQ(GroupCaption(data, 2), "Group3");
  EXPECT_EQ(GroupCaption(data, 3), "EXP CH Group[X]");
  EXPECT_EQ(GroupCaption(data, 4), "");
  EXPECT_EQ(BracketedStatusName(data, 0), "[]");
  EXPECT_EQ(BracketedStatusName(data, 1), "[INTL]");
  EXPECT_EQ(BracketedStatusName(data, -1), "");
}

} // namespace
} // namespace kv508
