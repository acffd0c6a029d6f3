#include "report/channel_grid_text.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

TEST(ChannelGridText, DamagedPositionShowsNoLabelNorFrequency) {
  for (int position : {-1, 240, 32767}) {
    ChannelRecord r;
    r.Position = static_cast<std::int16_t>(position);
    r.TxEnable = true;
    EXPECT_EQ(GroupGridCell(r, 0), "") << position;
    EXPECT_EQ(GroupGridCell(r, 1), "---.---") << position;
    EXPECT_EQ(GroupGridCell(r, 2), "---.---") << position;
    EXPECT_EQ(GroupGridCell(r, 3), "TX") << position;
  }
  EXPECT_EQ(GroupGridCell(ChannelRecord{}, 9), "");
  EXPECT_EQ(ExpGridCell(1, ChannelRecord{}, -1), "");
}

TEST(ChannelGridText, EnabledRecordsInBankOrderFromTheLowerBound) {
  ChannelBank bank(1, 5);
  bank[2].Enable = bank[5].Enable = true;
  EXPECT_EQ(EnabledRecords(bank), (std::vector<int>{2, 5}));
}

TEST(ChannelGridText, WeatherRecordsAreWxOneToTen) {
  EXPECT_EQ(WxChannelLabel(0), "WX01[162.550MHz]");
  EXPECT_EQ(WxChannelLabel(7), "WX08[161.650MHz]");
  EXPECT_EQ(WxChannelLabel(9), "WX10[163.275MHz]");
  EXPECT_EQ(WxChannelLabel(10), "");
  EXPECT_EQ(WxChannelLabel(-1), "");
}

} // namespace
} // namespace kv508
