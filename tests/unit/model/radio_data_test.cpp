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

TEST(RadioData, CountMembersNeedsANameAndMembersWithAnMmsi) {
  RadioData data;
  data.CHMMSID[1].Mmsid = "1234567890";
  data.CHMMSID[80].Mmsid = "2345678900";
  DirectoryEntry list;
  list.Member[1] = -1;
  list.Member[2] = 1; // entry 2 has no MMSI
  list.Member[80] = 1;
  EXPECT_EQ(CountMembers(data, list), 0);
  list.TagName = "FLEET";
  EXPECT_EQ(CountMembers(data, list), 2);
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

TEST(RadioData, EnabledChannelsCopiesTheGridFieldsOnly) {
  ChannelBank bank(kExpLower, kExpUpper);
  EXPECT_EQ(EnabledChannels(bank).Size(), 0);

  ChannelRecord full;
  full.Position = 7;
  full.Enable = true;
  full.LowPower = full.PowUp = full.Duplex = full.DuplexAllowed = true;
  full.TxEnable = full.DispayA = full.ScanMemory = full.RxOnly = true;
  full.ChTag = "HARBOUR";
  full.Scramble = 5;
  full.Narrow = full.Cmp = true;
  full.Dcs = {1, 2};
  full.Ctcss = {3, 4};
  full.CHDisplayL = "12";
  full.CHDisplayR = "B";
  full.Txfreq = 156.025;
  full.Rxfreq = 160.625;
  bank[3] = full;
  bank[64].Enable = true;
  bank[64].ChTag = "LAST";

  ChannelBank list = EnabledChannels(bank);
  ASSERT_EQ(list.Lower(), 0);
  ASSERT_EQ(list.Size(), 2);
  ChannelRecord expected;
  CopyChannel(full, expected);
  EXPECT_EQ(list[0], expected);
  EXPECT_EQ(list[0].ChTag, "HARBOUR");
  EXPECT_EQ(list[0].Scramble, 5);
  EXPECT_EQ(list[0].Txfreq, 0.0);
  EXPECT_FALSE(list[0].Narrow);
  EXPECT_TRUE(list[0].CHDisplayL.empty());
  EXPECT_EQ(list[1].ChTag, "LAST");
}

} // namespace
} // namespace kv508
