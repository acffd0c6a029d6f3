#include "report/report.h"

#include "report/report_values.h"
#include "report_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;

TEST(ReportValues, TextsAtTheirEdges) {
  const std::pair<int, const char *> priorities[] = {{0, "00"},     {32, "16"},    {239, "119A"},
                                                     {240, "EXP1"}, {245, "EXP6"}, {279, "EXP40"},
                                                     {280, "Off"},  {-1, "Off"},   {65535, "Off"}};
  for (const auto &[p, text] : priorities)
    EXPECT_EQ(PriorityChText(p), text) << p;
  const std::pair<int, const char *> scrambles[] = {{0, "--"}, {3, "--"}, {4, " 0"}, {7, " 3"}};
  for (const auto &[v, text] : scrambles)
    EXPECT_EQ(ScrambleText(v), text) << v;
  // Blank names print as hyphens, others as they are.
  for (const auto &[name, text] :
       {std::pair<const char *, const char *>{"", "----"}, {"   ", "----"}, {" AB", " AB"}})
    EXPECT_EQ(StatusNameReportText(name), text) << name;
}

TEST(ReportText, DefaultDataSectionsOneAndTwo) {
  DefaultSession s;
  const std::vector<std::string> lines = ImageLines(BuildReport(s.Data(), s.Model()));
  ASSERT_GT(lines.size(), 28u);
  EXPECT_THAT(
      std::vector<std::string>(lines.begin(), lines.begin() + 28),
      ElementsAre("##### Usable CH Group Setup #####",
                  "                                   Group1            Group2 "
                  "           Group3            EXP CH            ",
                  "Enable                             On                On     "
                  "           On                Off               ",
                  "Priority CH                        16                16     "
                  "           16                ",
                  "Status Name                        ----              ----   "
                  "           ----              ----              ",
                  "EXP CH                             ---               ---    "
                  "           ---               ",
                  "", "##### Common Setup #####", "[Starting TX Mode]",
                  "TX Po Display:                     Lo Po Only                         ", "",
                  "[Scanning Function]", "SCAN:                              On                ",
                  "Resume Time:                       3Sec              ",
                  "PTT SCAN Clear:                    On                ",
                  "Dual Watch:                        On                ", "", "[Time Setup]",
                  "Time Display:                      Local             ",
                  "Offset Time:                       +12:00            ",
                  "Format:                            24H               ", "",
                  "[Weather CH Function]",
                  "Weather Alert:                                                        ", "",
                  "[Units of Measure]",
                  "SOG:                                                                  ",
                  "Distance:                                                             "));
}

// The lines of the text image from the given banner up to the next blank line.
std::vector<std::string> Block(const std::vector<std::string> &lines, const std::string &banner) {
  auto begin = std::find(lines.begin(), lines.end(), banner);
  if (begin == lines.end())
    return {};
  return {begin, std::find(begin, lines.end(), std::string())};
}

TEST(ReportText, BankRowsShowDuplexAndReceiveOnlyChannels) {
  DefaultSession s;
  const auto usa =
      Block(ImageLines(BuildReport(s.Data(), s.Model())), "##### Programable USA Channel #####");
  ASSERT_EQ(usa.size(), 3u + 51u); // banner, heading, rule, the 51 plan channels
  EXPECT_EQ(usa[1], "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  CH Name");
  EXPECT_EQ(usa[2], "---  -------  -------  --  ---  --  ---  ---  ------------");
  auto row = [&](const std::string &label) {
    auto it = std::find_if(usa.begin() + 3, usa.end(),
                           [&](const std::string &l) { return l.rfind(label + " ", 0) == 0; });
    return it == usa.end() ? std::string() : *it;
  };
  EXPECT_EQ(row("16"), "16   156.800  156.800  TX  ---  --  ---  ---  --  DISTRESS    ");
  EXPECT_EQ(row("24"), "24   161.800  157.200  TX  ---  --  DUP  ---  --  TELEPHONE   ");
  EXPECT_EQ(row("15"), "15   156.750  ---.---  --  ---  --  ---  ---  --  COMMERCIAL  ");
  EXPECT_EQ(row("13"), "13   156.650  156.650  TX  LOW  --  ---  ---  --  BRG/BRG     ");
}

TEST(ReportText, EditedValuesAreFittedAndCut) {
  DefaultSession s;
  RadioData &d = s.Data();
  d.CHUSA[32].ChTag = "ABCDEFGHIJKLMN";
  d.CHUSA[32].Scramble = 5;
  d.CHUSA[32].ScanMemory = true;
  d.CHUSA[32].PowUp = true;
  d.ChannelGroups[0].PriorityCh = 245;
  d.ChannelGroups[1].StatusName = "ABCD";
  d.DscBasic.UserMmsi = "3669990010";
  d.Image[421] = 123;
  ChannelRecord &exp = d.CHEXP[3];
  exp = ChannelRecord{};
  exp.Enable = exp.LowPower = exp.ScanMemory = true;
  exp.CHDisplayL = "12";
  exp.CHDisplayR = "AB";
  exp.Rxfreq = 156.0125;
  exp.Scramble = 4;
  d.CHMMSID[2].TagName = "HARBOUR";
  d.CHMMSID[2].Mmsid = "3669990020";

  const std::vector<std::string> lines = ImageLines(BuildReport(d, s.Model()));
  auto has = [&](const std::string &line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("Priority CH                        EXP6              16     "
                  "           16                "));
  EXPECT_TRUE(has("Status Name                        ----              ABCD   "
                  "           ----              ----              "));
  // Section 3 prints the raw names with a colon.
  EXPECT_TRUE(has(":                                  On                  "));
  EXPECT_TRUE(has("ABCD:                              On                  "));
  EXPECT_TRUE(has("User MMSI:                         3669990010  ----- Count : 123"));
  EXPECT_TRUE(has("16   156.800  156.800  TX  ---  UP  ---  MEM   1  ABCDEFGHIJKL"));
  EXPECT_TRUE(has("3   12B  ENABLE  156.0125  ---.----  LOW  --  MEM   0  ------------"));
  EXPECT_TRUE(has("1    ------------  ---------"));
  EXPECT_TRUE(has("2    HARBOUR       366999002"));
}

TEST(ReportText, ListsShowEveryEntry) {
  DefaultSession s;
  const auto lines = ImageLines(BuildReport(s.Data(), s.Model()));
  const auto wx = Block(lines, "##### Programable Wx Channel #####");
  ASSERT_EQ(wx.size(), 3u + 10u);
  EXPECT_EQ(wx[1], "CH  ENABLE  MEM  CH Name");
  EXPECT_EQ(wx[3], "1   ENABLE  ---  162.550MHZ  ");
  EXPECT_EQ(wx[12], "10  ENABLE  ---  163.275MHZ  ");
  const auto memoryId = Block(lines, "##### Memory ID Setting #####");
  ASSERT_EQ(memoryId.size(), 3u + 80u);
  EXPECT_EQ(memoryId[1], "No.  Station Name  MMSI");
  EXPECT_EQ(memoryId[82], "80   ------------  ---------");
  const auto groupId = Block(lines, "##### Group ID Setting #####");
  ASSERT_EQ(groupId.size(), 3u + 32u);
  EXPECT_EQ(groupId[1], "No.  Group Name    MMSI");
  const auto exp = Block(lines, "##### Programable Exp Channel #####");
  ASSERT_EQ(exp.size(), 3u + 64u);
  EXPECT_EQ(exp[1], "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  CH Name");
  EXPECT_EQ(exp[2], "--  ---  ------  --------  --------  ---  --  ---  ------------");
  EXPECT_EQ(exp[66].substr(0, 4), "64  ");
  EXPECT_EQ(lines.back(), exp[66]); // the report ends with the last expansion channel
}

TEST(ReportText, AtisSectionOnlyForAtisModels) {
  const std::string banner = "##### ATIS Setup (Common) #####";
  DefaultSession plain(false);
  const auto without = ImageLines(BuildReport(plain.Data(), plain.Model()));
  EXPECT_EQ(std::find(without.begin(), without.end(), banner), without.end());

  DefaultSession atis(true);
  atis.Data().Atis.AtisCode = "1234567890";
  atis.Data().ChannelGroups[2].StatusName = "CAN";
  const auto with = ImageLines(BuildReport(atis.Data(), atis.Model()));
  auto it = std::find(with.begin(), with.end(), banner);
  ASSERT_NE(it, with.end());
  EXPECT_EQ(*(it - 2), "POS Request ACK Menu:              Off               ");
  EXPECT_EQ(*(it - 1), "");
  EXPECT_EQ(*(it + 1), std::string(71, ' ') + "CAN" + std::string(33, ' '));
  EXPECT_EQ(*(it + 3), "ATIS Code:                         1234567890        ");
  EXPECT_EQ(*(it + 5), "##### Programable USA Channel #####");
  EXPECT_EQ(with.size(), without.size() + 5);
}

TEST(ReportText, LinesJoinedByCrLfWithOneMoreInTheFile) {
  DefaultSession s;
  const Report report = BuildReport(s.Data(), s.Model());
  const std::string image = RenderTextImage(report);
  EXPECT_EQ(image.substr(0, 35), "##### Usable CH Group Setup #####\r\n");
  EXPECT_NE(image.back(), '\n');
  EXPECT_NE(image.find("   \r\n\r\n##### Common Setup #####\r\n"), std::string::npos);
  EXPECT_EQ(std::count(image.begin(), image.end(), '\n'),
            static_cast<long>(ImageLines(report).size()) - 1);
  const std::string file = ReportFileText(report);
  EXPECT_EQ(file, image + "\r\n");
  EXPECT_NE(file.substr(file.size() - 4), "\r\n\r\n");
}

} // namespace
} // namespace kv508::testing
