#include "report/report.h"

#include "report_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

TEST(ReportLayout, PagesPositionsAndEveryPaperTextThatDiffers) {
  EditedSession s;
  const Report report = BuildReport(s.Data(), s.Model());
  std::vector<int> pageSections; // a page with header: its first section; without: minus it
  std::map<int, std::set<std::vector<int>>> xs;            // the field positions of each line shape
  std::set<std::pair<std::string, std::string>> differing; // image text -> paper text
  std::set<std::string> imageOnly;
  int paperOnly = 0;
  for (std::size_t i = 0; i < report.lines.size(); ++i) {
    const ReportLine &line = report.lines[i];
    EXPECT_TRUE(line.printed);
    if (i == 0 || line.newPage)
      pageSections.push_back(line.pageHeader ? report.lines[i + 2].section : -line.section);
    paperOnly += !line.inTextImage;
    if (line.pageHeader) { // paper only, and so is the empty line after it
      ASSERT_EQ(line.fields.size(), 1u);
      EXPECT_EQ(line.fields[0].printText, "TR4100/TR4300 Velmora");
      EXPECT_FALSE(line.inTextImage || report.lines[i + 1].inTextImage);
      EXPECT_TRUE(report.lines[i + 1].fields.empty());
    }
    std::vector<int> placed;
    for (const ReportField &f : line.fields) {
      if (!f.printed) {
        imageOnly.insert(f.imageText);
        continue;
      }
      placed.push_back(static_cast<int>(f.xMm));
      if (f.printText != f.imageText)
        differing.insert({f.imageText, f.printText});
    }
    xs[line.section].insert(placed);
  }
  EXPECT_THAT(pageSections, ElementsAre(1, -6, 7, 8, 9, 10, 11, 12, 13));
  EXPECT_FALSE(report.lines.front().newPage);
  EXPECT_EQ(paperOnly, 2 * 8); // eight page headers, each with its empty line
  std::string positions;
  for (const auto &[section, shapes] : xs) {
    positions += std::to_string(section) + ":";
    for (const std::vector<int> &shape : shapes) {
      positions += " [";
      for (int x : shape)
        positions += (positions.back() == '[' ? "" : ",") + std::to_string(x);
      positions += "]";
    }
    positions += "\n";
  }
  EXPECT_EQ(positions, "0: [] [0]\n"
                       "1: [0] [0,50,80,110] [0,50,80,110,140]\n"
                       "2: [] [0] [0,50]\n"
                       "3: [] [0] [0,50] [0,50,80,110]\n"
                       "4: [] [0] [0,50,80]\n"
                       "5: [] [0] [0,50]\n"
                       "6: [] [0] [0,50] [0,50,80,110,140]\n"
                       "7: [] [0] [0,12,29,46,54,63,71,80,89]\n"
                       "8: [] [0] [0,12,29,46,54,63,71,80,89]\n"
                       "9: [] [0] [0,12,29,46,54,63,71,80,89]\n"
                       "10: [] [0] [0,9,28,40]\n"
                       "11: [] [0] [0,19,50]\n"
                       "12: [] [0] [0,19,50]\n"
                       "13: [] [0] [0,7,17,34,53,72,82,89,99]\n");
  EXPECT_THAT(imageOnly, ElementsAre(" 0", " 1", "--")); // the scramble column
  EXPECT_THAT(
      differing,
      ElementsAre(
          Pair("##### Group ID Setting #####", "##### Group ID #####"),
          Pair("##### Memory ID Setting #####", "##### Memory ID #####"),
          Pair("##### Programable Exp Channel #####", "##### Programable EXP Channel #####"),
          Pair("##### Programable Wx Channel #####", "##### Programable WX Channel #####"),
          Pair("---", "--"), Pair("----- Count : ", "----- Count"), Pair("------", "-----"),
          Pair("3669990020", "366999002"), Pair("ABCDEFGHIJKLMN", "ABCDEFGHIJKL"),
          Pair("EXP CH", "Exp CH"), Pair("Received Geografic:", "Received Geographic:"),
          Pair("Status Name", "Status name")));
}

} // namespace
} // namespace kv508::testing
