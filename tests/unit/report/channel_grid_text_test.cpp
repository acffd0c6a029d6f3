#include "report/channel_grid_text.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

TEST(ChannelGridText, DamagedPositionsAndRecordsOutsideTheListsShowNoText) {
  for (int position : {-1, 240, 32767}) {
    ChannelRecord r;
    r.Position = static_cast<std::int16_t>(position);
    r.TxEnable = true;
    EXPECT_EQ(GroupGridCell(r, 0) + "|" + GroupGridCell(r, 1) + "|" + GroupGridCell(r, 2) + "|" +
                  GroupGridCell(r, 3),
              "|---.---|---.---|TX")
        << position;
  }
  EXPECT_EQ(GroupGridCell(ChannelRecord{}, 9), "");
  EXPECT_EQ(ExpGridCell(1, ChannelRecord{}, -1), "");
  EXPECT_EQ(WxChannelLabel(0), "WX01[162.550MHz]");
  EXPECT_EQ(WxChannelLabel(9), "WX10[163.275MHz]");
  EXPECT_EQ(WxChannelLabel(10), "");
  EXPECT_EQ(WxChannelLabel(-1), "");
}

} // namespace
} // namespace kv508
