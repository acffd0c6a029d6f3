#include "model/tables.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

int EnabledCount(const ChannelBank &bank) {
  int count = 0;
  for (const ChannelRecord &r : bank)
    count += r.Enable ? 1 : 0;
  return count;
}

RadioData PlannedData() {
  RadioData data;
  ApplyUsaPlan(data);
  ApplyIntlPlan(data);
  ApplyCanadaPlan(data);
  return data;
}

TEST(ChannelPlans, EachPlanEnablesItsChannelsOnAFullBank) {
  RadioData data = PlannedData();
  const std::pair<const ChannelBank *, int> plans[] = {
      {&data.CHUSA, 51}, {&data.CHINT, 57}, {&data.CHCAN, 59}};
  for (const auto &[bank, expected] : plans) {
    ASSERT_EQ(bank->Lower(), 0);
    ASSERT_EQ(bank->Size(), 240);
    EXPECT_EQ(EnabledCount(*bank), expected);
    for (int i = 0; i < 240; ++i) {
      const ChannelRecord &r = (*bank)[i];
      EXPECT_EQ(r.Position, i);
      if (i % 2 == 1) {
        EXPECT_FALSE(r.DuplexAllowed) << i;
      }
      if (!r.Enable) {
        EXPECT_TRUE(r.TxEnable) << i;
        EXPECT_TRUE(r.ChTag.empty()) << i;
        EXPECT_EQ(r.DuplexAllowed, ChannelTable()[i].DuplexAllowed) << i;
      }
      EXPECT_FALSE(r.PowUp || r.DispayA || r.ScanMemory || r.Scramble != 0) << i;
    }
  }
}

struct PlanCase {
  int plan; // 0 USA, 1 INTL, 2 Canada
  int index;
  const char *tag;
  bool lowPower;
  bool duplex;
  bool rxOnly;
};

class PlanRows : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanRows, CarryTagAndMarks) {
  static const RadioData data = PlannedData();
  const PlanCase &c = GetParam();
  const ChannelRecord &r = data.GroupBank(c.plan)[c.index];
  EXPECT_TRUE(r.Enable);
  EXPECT_EQ(r.ChTag, c.tag);
  EXPECT_EQ(r.LowPower, c.lowPower);
  EXPECT_EQ(r.Duplex, c.duplex);
  EXPECT_EQ(r.RxOnly, c.rxOnly);
  EXPECT_EQ(r.TxEnable, !c.rxOnly);
  EXPECT_EQ(r.DuplexAllowed, !c.rxOnly && c.index % 2 == 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PlanRows,
                         ::testing::Values(PlanCase{0, 30, "COMMERCIAL", false, false, true},
                                           PlanCase{1, 30, "COMMERCIAL", true, false, false},
                                           PlanCase{2, 30, "COMMERCIAL", true, false, false},
                                           PlanCase{0, 140, "DSC", false, false, true},
                                           PlanCase{1, 140, "DSC", false, false, true},
                                           PlanCase{2, 140, "DSC", false, false, true},
                                           PlanCase{0, 12, "SAFTY", false, false, false},
                                           PlanCase{1, 12, "SAFTY", false, false, false},
                                           PlanCase{2, 12, "SAFETY", false, false, false},
                                           PlanCase{0, 26, "BRG/BRG", true, false, false},
                                           PlanCase{1, 26, "BRG/BRG", false, false, false},
                                           PlanCase{2, 26, "BRG/BRG", true, false, false},
                                           PlanCase{0, 154, "PORT OPR", true, false, false},
                                           PlanCase{1, 154, "PORT OPR", false, false, false},
                                           PlanCase{2, 154, "PORT OPR", true, false, false},
                                           PlanCase{2, 40, "PORT OPR", true, true, false},
                                           PlanCase{2, 166, "CCG", false, true, false},
                                           PlanCase{1, 2, "TELEPHONE", false, true, false},
                                           PlanCase{0, 177, "COMMERCIAL", false, false, false},
                                           PlanCase{2, 127, "SHIP-SHIP", false, false, false}));

TEST(ChannelTable, TellingRows) {
  const ChannelTableArray &t = ChannelTable();
  ASSERT_EQ(t.Lower(), 0);
  ASSERT_EQ(t.Size(), 240);
  struct Row {
    int index;
    const char *label;
    double freq;
    double dup;
  };
  const Row rows[] = {{0, "00", 156.000, 160.600},   {32, "16", 156.800, 161.400},
                      {120, "60", 156.025, 160.625}, {140, "70", 156.525, 161.125},
                      {177, "88A", 157.425, 0.0},    {178, "89", 157.475, 162.075},
                      {239, "119A", 158.975, 0.0}};
  for (const Row &r : rows) {
    const ChannelTableEntry &e = t[r.index];
    EXPECT_EQ(e.Label, r.label);
    EXPECT_NEAR(e.TxFreq, r.freq, 1e-9) << r.index;
    EXPECT_EQ(e.RxFreq, e.TxFreq);
    EXPECT_NEAR(e.RxDupFreq, r.dup, 1e-9) << r.index;
    EXPECT_EQ(e.DuplexAllowed, r.index % 2 == 0);
    EXPECT_FALSE(e.InUse || e.LowPower);
    EXPECT_TRUE(e.Tag.empty());
  }
  // The running sum, not 156.025 + 28 * 0.05.
  EXPECT_EQ(t[176].TxFreq, 157.42500000000032);
  EXPECT_EQ(t[177].TxFreq, 157.42500000000032);
}

TEST(WxTable, BuildsTenReceiveOnlyRecordsNumberedFromOne) {
  const ChannelTableArray &wx = WxTable();
  ASSERT_EQ(wx.Lower(), 1);
  ASSERT_EQ(wx.Size(), 10);
  EXPECT_EQ(wx[1].Label, "WX01[162.550MHz]");
  EXPECT_EQ(wx[10].Label, "WX10[163.275MHz]");
  EXPECT_DOUBLE_EQ(wx[8].RxDupFreq, 161.650);

  ChannelBank bank(0, 9);
  BuildBankFromTable(bank, wx, false);
  ASSERT_EQ(bank.Lower(), 0);
  ASSERT_EQ(bank.Size(), 10);
  const char *tags[] = {"162.550MHZ", "162.400MHZ", "162.475MHZ", "162.425MHZ", "162.450MHZ",
                        "162.500MHZ", "162.525MHZ", "161.650MHZ", "161.775MHZ", "163.275MHZ"};
  for (int i = 0; i < 10; ++i) {
    const ChannelRecord &r = bank[i];
    EXPECT_EQ(r.Position, i + 1);
    EXPECT_EQ(r.ChTag, tags[i]);
    EXPECT_TRUE(r.Enable);
    EXPECT_FALSE(r.TxEnable);
    EXPECT_TRUE(r.Duplex && r.DuplexAllowed);
    EXPECT_FALSE(r.DispayA || r.ScanMemory || r.LowPower || r.PowUp);
  }
  BuildBankFromTable(bank, wx, true);
  EXPECT_FALSE(bank[0].DuplexAllowed);
}

// The tone choosers' lists: neither radio model stores a tone, so their ends
// and sizes are what matters.
TEST(ChoiceLists, CtcssAndDcsAfterOff) {
  std::vector<std::string> ctcss{"stale"};
  BuildCtcssList(ctcss);
  ASSERT_EQ(ctcss.size(), 51u);
  EXPECT_EQ(ctcss[0], "Off");
  EXPECT_EQ(ctcss[1], "67.0Hz");
  EXPECT_EQ(ctcss[13], "100.0Hz");
  EXPECT_EQ(ctcss[50], "254.1Hz");
  std::vector<std::string> dcs;
  BuildDcsList(dcs);
  ASSERT_EQ(dcs.size(), 105u);
  EXPECT_EQ(dcs[0], "Off");
  EXPECT_EQ(dcs[1], "023");
  EXPECT_EQ(dcs[104], "754");
}

} // namespace
} // namespace kv508
