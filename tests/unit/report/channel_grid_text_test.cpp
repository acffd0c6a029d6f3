#include "report/channel_grid_text.h"

#include "model/tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv508 {
namespace {

std::vector<std::string> GroupRow(const ChannelRecord &r) {
  std::vector<std::string> cells;
  for (int c = 0; c <= kGroupGridColumns; ++c)
    cells.push_back(GroupGridCell(r, c));
  return cells;
}

std::vector<std::string> ExpRow(int number, const ChannelRecord &r) {
  std::vector<std::string> cells;
  for (int c = 0; c <= kExpGridColumns; ++c)
    cells.push_back(ExpGridCell(number, r, c));
  return cells;
}

TEST(ChannelGridText, GroupRowsOfPlanChannels) {
  RadioData data;
  ApplyUsaPlan(data);
  EXPECT_EQ(GroupRow(data.CHUSA[30]),
            (std::vector<std::string>{"15", "156.750", "---.---", "--", "---", "--", "---", "---",
                                      "COMMERCIAL", ""}));
  ChannelRecord &r = data.CHUSA[48];
  r.PowUp = true;
  r.ScanMemory = true;
  r.LowPower = true;
  EXPECT_EQ(GroupRow(r), (std::vector<std::string>{"24", "161.800", "157.200", "TX", "LOW", "UP",
                                                   "DUP", "MEM", "TELEPHONE", ""}));
}

TEST(ChannelGridText, DamagedPositionShowsNoLabelNorFrequency) {
  ChannelRecord r;
  r.Position = 240;
  r.TxEnable = true;
  EXPECT_EQ(GroupGridCell(r, 0), "");
  EXPECT_EQ(GroupGridCell(r, 1), "---.---");
  EXPECT_EQ(GroupGridCell(r, 2), "---.---");
  r.Position = -1;
  EXPECT_EQ(GroupGridCell(r, 0), "");
  EXPECT_EQ(GroupGridCell(r, -1), "");
}

TEST(ChannelGridText, ExpansionRows) {
  ChannelRecord r;
  EXPECT_EQ(ExpRow(64, r), (std::vector<std::string>{"64", "", "", "---.----", "---.----", "---",
                                                     "--", "---", "", ""}));
  r.Enable = true;
  r.CHDisplayL = "o1";
  r.CHDisplayR = "A";
  r.Rxfreq = 156.013; // not on a 5 kHz step: shown snapped down
  r.Txfreq = 156.0125;
  r.LowPower = r.PowUp = r.ScanMemory = true;
  r.ChTag = "HARBOUR";
  EXPECT_EQ(ExpRow(3, r), (std::vector<std::string>{"3", "[Enable]", "o1A", "156.0100", "156.0125",
                                                    "LOW", "UP", "MEM", "HARBOUR", ""}));
}

TEST(ChannelGridText, EnabledRecordsInBankOrder) {
  ChannelBank bank(1, 5);
  bank[2].Enable = bank[5].Enable = true;
  EXPECT_EQ(EnabledRecords(bank), (std::vector<int>{2, 5}));
  EXPECT_TRUE(EnabledRecords(ChannelBank(0, 3)).empty());
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
