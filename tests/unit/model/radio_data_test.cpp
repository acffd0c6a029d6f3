#include "model/radio_data.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

TEST(RadioData, FirstEnabledChannelCountsFromTheLowerBound) {
  RadioData data;
  EXPECT_EQ(FirstEnabledChannel(data.CHEXP), -1);
  data.CHEXP[1].Enable = true;
  EXPECT_EQ(FirstEnabledChannel(data.CHEXP), 1);
  data.CHUSA[200].Enable = true;
  data.CHUSA[17].Enable = true;
  EXPECT_EQ(FirstEnabledChannel(data.CHUSA), 17);
  EXPECT_EQ(FirstEnabledChannel(ChannelBank(0, -1)), -1);
}

TEST(RadioData, DisableEmptyGroupsOnlyEverClears) {
  RadioData data;
  for (auto &g : data.ChannelGroups)
    g.Enable = true;
  data.ChannelGroups[2].Enable = false;
  data.CHUSA[0].Enable = true;
  data.CHCAN[5].Enable = true;

  EXPECT_FALSE(GroupIsEmpty(data, 0));
  EXPECT_TRUE(GroupIsEmpty(data, 1));
  EXPECT_TRUE(GroupIsEmpty(data, 3));
  EXPECT_FALSE(GroupIsEmpty(data, 4));
  EXPECT_FALSE(GroupIsEmpty(data, -1));

  DisableEmptyGroups(data);
  EXPECT_TRUE(data.ChannelGroups[0].Enable);
  EXPECT_FALSE(data.ChannelGroups[1].Enable);
  EXPECT_FALSE(data.ChannelGroups[2].Enable); // has channels, stays as it was
  EXPECT_FALSE(data.ChannelGroups[3].Enable);
}

TEST(RadioData, ClearDirectoryResetsEveryEntry) {
  RadioData data;
  DirectoryEntry used;
  used.Enable = true;
  used.TagName = "BOAT";
  used.Mmsid = "0123456780";
  used.Member[40] = -1;
  data.CHGRPID[1] = used;
  data.CHGRPID[32] = used;
  ClearDirectory(data.CHGRPID);
  EXPECT_EQ(data.CHGRPID, Directory(1, kGroupIdCount));
}

} // namespace
} // namespace kv508
