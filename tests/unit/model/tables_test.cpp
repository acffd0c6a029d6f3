#include "model/tables.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

// Counts and spot rows at the edges of the plans, not a copy of them.
TEST(ChannelPlans, EnabledCountsAndRowsAtTheEdges) {
  RadioData data;
  ApplyUsaPlan(data);
  ApplyIntlPlan(data);
  ApplyCanadaPlan(data);
  const int enabled[] = {51, 57, 59};
  for (int plan = 0; plan < 3; ++plan) {
    const ChannelBank &bank = data.GroupBank(plan);
    ASSERT_EQ(bank.Size(), 240);
    int count = 0;
    for (int i = 0; i < 240; ++i) {
      const ChannelRecord &r = bank[i];
      count += r.Enable ? 1 : 0;
      ASSERT_EQ(r.Position, i);
      ASSERT_FALSE(r.PowUp || r.DispayA || r.ScanMemory || r.Scramble != 0) << i;
      if (!r.Enable) {
        ASSERT_TRUE(r.TxEnable && r.ChTag.empty()) << i;
      }
    }
    EXPECT_EQ(count, enabled[plan]) << plan;
  }
  // Plan, index, tag, then low power, duplex, receive only; a disabled row has no tag.
  const std::tuple<int, int, const char *, bool, bool, bool> rows[] = {
      {0, 2, "", false, false, false},           {1, 2, "TELEPHONE", false, true, false},
      {0, 30, "COMMERCIAL", false, false, true}, {1, 30, "COMMERCIAL", true, false, false},
      {0, 12, "SAFTY", false, false, false},     {2, 40, "PORT OPR", true, true, false}};
  for (const auto &[plan, index, tag, lowPower, duplex, rxOnly] : rows) {
    const ChannelRecord &r = data.GroupBank(plan)[index];
    EXPECT_EQ(
        std::tuple(r.Enable, r.ChTag, r.LowPower, r.Duplex, r.RxOnly, r.TxEnable, r.DuplexAllowed),
        std::tuple(*tag != '\0', tag, lowPower, duplex, rxOnly, !rxOnly, !rxOnly && index % 2 == 0))
        << plan << "/" << index;
  }
}

TEST(ChannelTable, RowsAtTheEdges) {
  const ChannelTableArray &t = ChannelTable();
  ASSERT_EQ(t.Size(), 240);
  const std::tuple<int, const char *, double, double> rows[] = {
      {0, "00", 156.000, 160.600}, {177, "88A", 157.425, 0.0}, {239, "119A", 158.975, 0.0}};
  for (const auto &[index, label, freq, dup] : rows) {
    const ChannelTableEntry &e = t[index];
    EXPECT_EQ(std::tuple(e.Label, e.DuplexAllowed), std::tuple(label, index % 2 == 0));
    EXPECT_NEAR(e.TxFreq, freq, 1e-9) << index;
    EXPECT_EQ(e.RxFreq, e.TxFreq);
    EXPECT_NEAR(e.RxDupFreq, dup, 1e-9) << index;
  }
  // The running sum, not 156.025 + 28 * 0.05.
  EXPECT_EQ(t[177].TxFreq, 157.42500000000032);
}

TEST(WxTable, BuildsTenReceiveOnlyRecordsNumberedFromOne) {
  const ChannelTableArray &wx = WxTable();
  ASSERT_EQ(wx.Size(), 10);
  EXPECT_EQ(wx[10].Label, "WX10[163.275MHz]");
  ChannelBank bank(0, 9);
  BuildBankFromTable(bank, wx, false);
  const ChannelRecord &r = bank[9];
  EXPECT_EQ(std::to_string(r.Position) + r.ChTag, "10163.275MHZ");
  EXPECT_TRUE(r.Enable && r.Duplex && r.DuplexAllowed);
  EXPECT_FALSE(r.TxEnable || r.DispayA || r.ScanMemory || r.LowPower || r.PowUp);
  BuildBankFromTable(bank, wx, true);
  EXPECT_FALSE(bank[0].DuplexAllowed);
}

} // namespace
} // namespace kv508
