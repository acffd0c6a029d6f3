#include "report/report.h"

#include "report_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;

// What a painter places on one line: "x:text" of each printed field.
std::string Paper(const ReportLine &line) {
  std::string out;
  for (const ReportField &f : line.fields) {
    if (f.printed)
      out += (out.empty() ? "" : "|") + std::to_string(static_cast<int>(f.xMm)) + ":" + f.printText;
  }
  return out;
}

TEST(ReportLayout, PagesStartWithTheHeaderExceptTheAtisPage) {
  EditedSession s;
  const Report report = BuildReport(s.Data(), s.Model());
  std::vector<int> pageSections; // a page with header: its first section; without: minus it
  std::size_t paperOnly = 0;
  for (std::size_t i = 0; i < report.lines.size(); ++i) {
    const ReportLine &line = report.lines[i];
    EXPECT_TRUE(line.printed);
    paperOnly += !line.inTextImage;
    if (i == 0 || line.newPage)
      pageSections.push_back(line.pageHeader ? report.lines[i + 2].section : -line.section);
    if (line.pageHeader) {
      EXPECT_EQ(Paper(line), "0:TR4100/TR4300 Velmora");
      EXPECT_FALSE(line.inTextImage);
      EXPECT_EQ(Paper(report.lines[i + 1]), "");
      EXPECT_FALSE(report.lines[i + 1].inTextImage);
    }
  }
  EXPECT_THAT(pageSections, ElementsAre(1, -6, 7, 8, 9, 10, 11, 12, 13));
  EXPECT_FALSE(report.lines.front().newPage);
  EXPECT_EQ(paperOnly, 2u * 8u); // eight page headers, each with its empty line
}

TEST(ReportLayout, FieldsPlacedWithTheirPaperTexts) {
  EditedSession s;
  const Report report = BuildReport(s.Data(), s.Model());
  auto find = [&](const std::string &first, int nth) {
    for (const ReportLine &line : report.lines) {
      if (!line.fields.empty() && line.fields[0].printText == first && nth-- == 0)
        return Paper(line);
    }
    return std::string("(none)");
  };
  struct Case {
    const char *first;
    int nth;
    const char *paper;
  } cases[] = {
      {"", 0, "0:|50:Group1|80:Group2|110:Group3|140:Exp CH"},
      {"Status name", 0, "0:Status name|50:----|80:ABCD|110:CAN|140:----"},
      {"EXP CH", 0, "0:EXP CH|50:On|80:Off|110:On"},
      {"TX Po Display:", 0, "0:TX Po Display:|50:Lo Po Only"},
      {"User MMSI:", 0, "0:User MMSI:|50:3669990010|80:----- Count|110:123"},
      {"Received Geographic:", 0, "0:Received Geographic:|50:Off"},
      {"Distress:", 0, "0:Distress:|50:Off|80:Low"},
      {"Usable ATIS CH Group:", 0, "0:Usable ATIS CH Group:|50:On|80:On|110:On|140:Off"},
      {"CH", 0, "0:CH|12:RX(MHz)|29:TX(MHz)|46:TX|54:LOW|63:UP|71:DUP|80:MEM|89:CH Name"},
      {"16", 0, "0:16|12:156.800|29:156.800|46:TX|54:---|63:UP|71:---|80:MEM|89:ABCDEFGHIJKL"},
      {"CH", 3, "0:CH|9:ENABLE|28:MEM|40:CH Name"},
      {"--", 0, "0:--|9:-----|28:---|40:------------"},
      {"No.", 0, "0:No.|19:Station Name|50:MMSI"},
      {"--", 1, "0:--|19:------------|50:---------"},
      {"2", 1, "0:2|19:HARBOUR|50:366999002"},
      {"CH", 4, "0:CH|7:CHD|17:ENABLE|34:RX(MHz)|53:TX(MHz)|72:LOW|82:UP|89:MEM|99:CH Name"},
      {"2", 2, "0:2|7:12B|17:ENABLE|34:156.0125|53:---.----|72:LOW|82:--|89:MEM|99:------------"},
      {"##### Programable WX Channel #####", 0, "0:##### Programable WX Channel #####"},
      {"##### Memory ID #####", 0, "0:##### Memory ID #####"},
      {"##### Group ID #####", 0, "0:##### Group ID #####"},
      {"##### Programable EXP Channel #####", 0, "0:##### Programable EXP Channel #####"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(find(c.first, c.nth), c.paper) << c.first << " #" << c.nth;
}

} // namespace
} // namespace kv508::testing
