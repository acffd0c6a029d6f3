#include "report/report.h"

#include "report_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;

// What a painter places: the printed fields of the printed lines.
struct PaperLine {
  const ReportLine *line;
  std::vector<std::string> texts;
  std::vector<double> xs;
};

std::vector<PaperLine> Paper(const Report &report) {
  std::vector<PaperLine> out;
  for (const ReportLine &line : report.lines) {
    if (!line.printed)
      continue;
    PaperLine p{&line, {}, {}};
    for (const ReportField &f : line.fields) {
      if (!f.printed)
        continue;
      p.texts.push_back(f.printText);
      p.xs.push_back(f.xMm);
    }
    out.push_back(std::move(p));
  }
  return out;
}

const PaperLine *FindLine(const std::vector<PaperLine> &lines, const std::string &firstText,
                          int nth = 0) {
  for (const PaperLine &p : lines) {
    if (!p.texts.empty() && p.texts.front() == firstText && nth-- == 0)
      return &p;
  }
  return nullptr;
}

struct ReportLayout : ::testing::Test {
  DefaultSession s{true};
  Report report;
  std::vector<PaperLine> paper;

  void Build() {
    report = BuildReport(s.Data(), s.Model());
    paper = Paper(report);
  }
};

TEST_F(ReportLayout, PagesStartWithTheHeaderExceptTheAtisPage) {
  Build();
  std::vector<int> pageSections;
  for (std::size_t i = 0; i < paper.size(); ++i) {
    const ReportLine &line = *paper[i].line;
    if (i == 0 || line.newPage) {
      pageSections.push_back(line.pageHeader ? paper[i + 2].line->section : -line.section);
    }
    if (line.pageHeader) {
      EXPECT_THAT(paper[i].texts, ElementsAre("TR4100/TR4300 Velmora"));
      EXPECT_THAT(paper[i].xs, ElementsAre(0.0));
      EXPECT_FALSE(line.inTextImage);
      EXPECT_TRUE(paper[i + 1].texts.empty());
      EXPECT_FALSE(paper[i + 1].line->inTextImage);
    }
  }
  // Positive: a page with header whose first report line is of that section;
  // negative: a page without header.
  EXPECT_THAT(pageSections, ElementsAre(1, -6, 7, 8, 9, 10, 11, 12, 13));
  EXPECT_TRUE(paper.front().line->pageHeader);
  EXPECT_FALSE(paper.front().line->newPage);
}

TEST_F(ReportLayout, TableColumnsAndBanners) {
  s.Data().CHUSA[32].ChTag = "ABCDEFGHIJKLMN";
  s.Data().CHUSA[32].Scramble = 4;
  Build();
  const PaperLine *usa = FindLine(paper, "CH");
  ASSERT_NE(usa, nullptr);
  EXPECT_THAT(usa->xs, ElementsAre(0, 12, 29, 46, 54, 63, 71, 80, 89));
  const PaperLine *row = FindLine(paper, "16");
  ASSERT_NE(row, nullptr);
  EXPECT_THAT(row->texts, ElementsAre("16", "156.800", "156.800", "TX", "---", "--", "---", "---",
                                      "ABCDEFGHIJKL"));
  EXPECT_THAT(row->xs, ElementsAre(0, 12, 29, 46, 54, 63, 71, 80, 89));

  const PaperLine *wx = FindLine(paper, "CH", 3);
  ASSERT_NE(wx, nullptr);
  EXPECT_THAT(wx->xs, ElementsAre(0, 9, 28, 40));
  EXPECT_THAT(FindLine(paper, "--")->texts, ElementsAre("--", "-----", "---", "------------"));

  const PaperLine *memoryId = FindLine(paper, "No.");
  ASSERT_NE(memoryId, nullptr);
  EXPECT_THAT(memoryId->texts, ElementsAre("No.", "Station Name", "MMSI"));
  EXPECT_THAT(memoryId->xs, ElementsAre(0, 19, 50));
  EXPECT_THAT(FindLine(paper, "--", 1)->texts, ElementsAre("--", "------------", "---------"));

  const PaperLine *exp = FindLine(paper, "CH", 4);
  ASSERT_NE(exp, nullptr);
  EXPECT_THAT(exp->texts, ElementsAre("CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP",
                                      "MEM", "CH Name"));
  EXPECT_THAT(exp->xs, ElementsAre(0, 7, 17, 34, 53, 72, 82, 89, 99));
  EXPECT_THAT(paper.back().xs, ElementsAre(0, 7, 17, 34, 53, 72, 82, 89, 99));

  for (const char *banner :
       {"##### Programable USA Channel #####", "##### Programable WX Channel #####",
        "##### Memory ID #####", "##### Group ID #####", "##### Programable EXP Channel #####"})
    EXPECT_NE(FindLine(paper, banner), nullptr) << banner;
  EXPECT_EQ(FindLine(paper, "##### Programable Wx Channel #####"), nullptr);
}

TEST_F(ReportLayout, SettingsSectionsPlaceLabelsAndValues) {
  s.Data().DscBasic.UserMmsi = "3669990010";
  s.Data().Image[421] = 7;
  Build();
  const PaperLine *titles = FindLine(paper, "", 0);
  ASSERT_NE(titles, nullptr);
  EXPECT_THAT(titles->texts, ElementsAre("", "Group1", "Group2", "Group3", "Exp CH"));
  EXPECT_THAT(titles->xs, ElementsAre(0, 50, 80, 110, 140));
  EXPECT_NE(FindLine(paper, "Status name"), nullptr);
  EXPECT_EQ(FindLine(paper, "Status Name"), nullptr);
  EXPECT_THAT(FindLine(paper, "EXP CH")->xs, ElementsAre(0, 50, 80, 110));

  const PaperLine *mmsi = FindLine(paper, "User MMSI:");
  ASSERT_NE(mmsi, nullptr);
  EXPECT_THAT(mmsi->texts, ElementsAre("User MMSI:", "3669990010", "----- Count", "7"));
  EXPECT_THAT(mmsi->xs, ElementsAre(0, 50, 80, 110));

  EXPECT_NE(FindLine(paper, "Received Geographic:"), nullptr);
  EXPECT_EQ(FindLine(paper, "Received Geografic:"), nullptr);
  EXPECT_THAT(FindLine(paper, "Distress:")->xs, ElementsAre(0, 50, 80));
  EXPECT_THAT(FindLine(paper, "Usable ATIS CH Group:")->xs, ElementsAre(0, 50, 80, 110, 140));
  EXPECT_THAT(FindLine(paper, "TX Po Display:")->xs, ElementsAre(0, 50));
}

TEST_F(ReportLayout, PaperFollowsTheTextImageLineForLine) {
  Build();
  std::size_t imageLines = 0, paperOnly = 0;
  for (const ReportLine &line : report.lines) {
    imageLines += line.inTextImage;
    paperOnly += !line.inTextImage;
    EXPECT_TRUE(line.printed);
  }
  EXPECT_EQ(paperOnly, 2u * 8u); // eight page headers, each with its empty line
  EXPECT_EQ(imageLines, ImageLines(report).size());
}

} // namespace
} // namespace kv508::testing
