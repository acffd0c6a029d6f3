#include "app/config_fixtures.h"
#include "diff/diff.h"
#include "image/decode.h"
#include "report/report.h"
#include "report/report_values.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <set>

namespace kv508::testing {
namespace {

// An ATIS model whose every section holds edited values and whose tables are cut
// to a few rows, so that a whole report stays short.
struct EditedSession : NewSession {
  EditedSession() : NewSession(1, true) {
    RadioData &d = data();
    d.ChannelGroups[0].PriorityCh = 245;
    d.ChannelGroups[1].StatusName = "ABCD";
    d.ChannelGroups[2].StatusName = "CAN";
    d.ChannelGroups[3].Enable = true;
    d.ChannelGroups[3].ExpChGroup[1] = false;
    d.Common.Sog = 1;
    d.Common.Weater = 3;
    d.Common.OffsetTime = -5;
    d.DscBasic.UserMmsi = "3669990010";
    d.Image[421] = 123; // the user MMSI count
    d.DscBasic.DscGroup[1] = false;
    d.DscBasic.BeepOut[4] = false;
    d.DscAdvanced.GroupCallTx[1] = true;
    d.Atis.AtisCode = "1234567890";
    d.Atis.UsableAtisChGroup[3] = false;
    auto keep = [](ChannelBank &bank, std::initializer_list<std::string> labels) {
      for (ChannelRecord &r : bank)
        r.Enable = r.Enable && std::find(labels.begin(), labels.end(), ChannelLabel(r.Position)) !=
                                   labels.end();
    };
    keep(d.CHUSA, {"15", "16", "24"}); // receive only, plain, duplex
    keep(d.CHINT, {});
    keep(d.CHCAN, {});
    ChannelRecord &c16 = d.CHUSA[32];
    c16.ChTag = "ABCDEFGHIJKLMN";
    c16.Scramble = 5;
    c16.ScanMemory = c16.PowUp = true;
    const ChannelRecord wx1 = d.CHWX[0];
    d.CHWX.Reset(0, 1);
    d.CHWX[0] = wx1;
    d.CHWX[1].ScanMemory = true;
    d.CHMMSID.Reset(1, 1);
    d.CHMMSID[1].TagName = "HARBOUR";
    d.CHMMSID[1].Mmsid = "3669990020";
    d.CHGRPID.Reset(1, 1);
    d.CHEXP.Reset(1, 1);
    ChannelRecord &exp = d.CHEXP[1];
    exp.Enable = exp.LowPower = exp.ScanMemory = true;
    exp.CHDisplayL = "12";
    exp.CHDisplayR = "AB";
    exp.Rxfreq = 156.0125;
    exp.Scramble = 4;
  }
};

using ::testing::ElementsAre;
using ::testing::Pair;

TEST(ReportValues, TextsAtTheirEdges) {
  const std::pair<int, const char *> priorities[] = {
      {239, "119A"}, {240, "EXP1"}, {279, "EXP40"}, {280, "Off"}, {-1, "Off"}};
  for (const auto &[p, text] : priorities)
    EXPECT_EQ(PriorityChText(p), text) << p;
  for (const auto &[v, text] : {std::pair{3, "--"}, {4, " 0"}, {7, " 3"}})
    EXPECT_EQ(ScrambleText(v), text) << v;
}

// Lines end in '|' here so that their trailing blanks show; the file has CR LF.
std::string Golden(std::string text) {
  std::string out;
  for (char c : text)
    out += c == '|' ? "" : c == '\n' ? "\r\n" : std::string(1, c);
  return out;
}

const std::string kAtisSection = "##### ATIS Setup (Common) #####|\n"
                                 "                                                     ABCD  "
                                 "            CAN                                 |\n"
                                 "Usable ATIS CH Group:              On                On    "
                                 "            On                Off               |\n"
                                 "ATIS Code:                         1234567890        |\n"
                                 "|\n";

TEST(ReportText, WholeReportOfEditedData) {
  EditedSession s;
  const std::string head = R"(##### Usable CH Group Setup #####|
                                   Group1            Group2            Group3            EXP CH            |
Enable                             On                On                On                On                |
Priority CH                        EXP6              16                16                |
Status Name                        ----              ABCD              CAN               ----              |
EXP CH                             On                Off               On                |
|
##### Common Setup #####|
[Starting TX Mode]|
TX Po Display:                     Lo Po Only                         |
|
[Scanning Function]|
SCAN:                              On                |
Resume Time:                       3Sec              |
PTT SCAN Clear:                    On                |
Dual Watch:                        On                |
|
[Time Setup]|
Time Display:                      Local             |
Offset Time:                       -2:30             |
Format:                            24H               |
|
[Weather CH Function]|
Weather Alert:                     WX and SCAN                        |
|
[Units of Measure]|
SOG:                               MPH                                |
Distance:                                                             |
|
##### DSC Setup (Basic Setup) #####|
[Usable DSC CH Group]|
:                                  On                  |
ABCD:                              Off                 |
CAN:                               On                  |
|
User MMSI:                         3669990010  ----- Count : 123|
Distress Cancel Call:              On                |
|
[DSC Beep Output]|
Send Distress Alert:               On                |
Received All Ships:                On                |
Received Individual:               On                |
Received Group:                    On                |
Received Geografic:                Off               |
Received POS Request:              On                |
Received POS Reporting:            On                |
|
##### DSC Setup (Advanced Setup) #####|
[All Ships Call]|
Distress:                          Off               Low               |
Urgency:                           On                Low               |
Safty:                             On                Low               |
Routine:                           Off               Low               |
|
[Group Call]|
Distress:                          Off               Low               |
Urgency:                           Off               Hi                |
Safty:                             Off               Low               |
Routine:                           On                Low               |
|
[Individual Call]|
Distress:                          Off               Low               |
Urgency:                           Off               Low               |
Safty:                             Off               Low               |
Routine:                           On                Low               |
|
[PositionRequest Call]|
Distress:                          On                Hi                |
Urgency:                           On                Hi                |
Safty:                             On                Hi                |
Routine:                           On                Hi                |
|
[PositionReport Call]|
Distress:                          On                Hi                |
Urgency:                           On                Hi                |
Safty:                             On                Hi                |
Routine:                           On                Hi                |
|
##### DSC Setup (Display Setup) #####|
Individual ACK Menu:               On                |
Individual ACK Message Menu:       On                |
POS Request ACK Menu:              Off               |
|
)";
  const std::string tables = R"(##### Programable USA Channel #####|
CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  CH Name|
---  -------  -------  --  ---  --  ---  ---  ------------|
15   156.750  ---.---  --  ---  --  ---  ---  --  COMMERCIAL  |
16   156.800  156.800  TX  ---  UP  ---  MEM   1  ABCDEFGHIJKL|
24   161.800  157.200  TX  ---  --  DUP  ---  --  TELEPHONE   |
|
##### Programable International Channel #####|
CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  CH Name|
---  -------  -------  --  ---  --  ---  ---  ------------|
|
##### Programable Canada Channel #####|
CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  CH Name|
---  -------  -------  --  ---  --  ---  ---  ------------|
|
##### Programable Wx Channel #####|
CH  ENABLE  MEM  CH Name|
--  ------  ---  ------------|
1   ENABLE  ---  162.550MHZ  |
2   ------  MEM              |
|
##### Memory ID Setting #####|
No.  Station Name  MMSI|
---  ------------  ---------|
1    HARBOUR       366999002|
|
##### Group ID Setting #####|
No.  Group Name    MMSI|
---  ------------  ---------|
1    ------------  ---------|
|
##### Programable Exp Channel #####|
CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  CH Name|
--  ---  ------  --------  --------  ---  --  ---  ------------|
1   12B  ENABLE  156.0125  ---.----  LOW  --  MEM   0  ------------|)";
  const Report report = BuildReport(s.data(), s.session.model);
  EXPECT_EQ(RenderTextImage(report), Golden(head + kAtisSection + tables));
  EXPECT_EQ(ReportFileText(report), Golden(head + kAtisSection + tables) + "\r\n");

  // Without ATIS the section and its blank line are all that go.
  s.session.model.AtisCapable = false;
  EXPECT_EQ(RenderTextImage(BuildReport(s.data(), s.session.model)), Golden(head + tables));
}

// Pages and the texts the paper shows otherwise than the text image.
TEST(ReportLayout, PagesAndEveryPaperTextThatDiffers) {
  EditedSession s;
  const Report report = BuildReport(s.data(), s.session.model);
  std::vector<int> pageSections; // a page with header: its first section; without: minus it
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
      EXPECT_EQ(line.fields.at(0).printText, "TR4100/TR4300 Velmora");
      EXPECT_TRUE(!report.lines[i + 1].inTextImage && report.lines[i + 1].fields.empty());
    }
    for (const ReportField &f : line.fields) {
      if (!f.printed)
        imageOnly.insert(f.imageText);
      else if (f.printText != f.imageText)
        differing.insert({f.imageText, f.printText});
    }
  }
  EXPECT_THAT(pageSections, ElementsAre(1, -6, 7, 8, 9, 10, 11, 12, 13));
  EXPECT_FALSE(report.lines.front().newPage);
  EXPECT_EQ(paperOnly, 2 * 8); // eight page headers, each with its empty line
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

using ::testing::IsEmpty;

struct DiffTest : ::testing::Test {
  NewSession before, after;
  RadioData &a = before.data();
  RadioData &b = after.data();
  ModelInfo model = before.session.model;
};

TEST_F(DiffTest, ChangedFieldsInReportOrder) {
  b.CHEXP[2].Rxfreq = 156.05;
  b.CHMMSID[7].TagName = "HARBOUR";
  b.CHUSA[32].ChTag = "CALL16";
  b.CHUSA[200].DispayA = true; // a disabled record counts too
  b.Common.Sog = 1;
  // Values that read the same show the stored values.
  a.ChannelGroups[0].PriorityCh = -1;
  b.ChannelGroups[0].PriorityCh = 65535;
  a.CHEXP[1].Txfreq = 156.0130;
  b.CHEXP[1].Txfreq = 156.0110;
  EXPECT_THAT(
      DiffSettings(a, b, model),
      ElementsAre("ChannelGroups Group1 PriorityCh: \"Off\" (-1) -> \"Off\" (65535)",
                  "Common Sog: \"\" (255) -> \"MPH\"", "CHUSA 16 ChTag: \"DISTRESS\" -> \"CALL16\"",
                  "CHUSA 100 DispayA: \"Off\" -> \"On\"", "CHMMSID 7 TagName: \"\" -> \"HARBOUR\"",
                  "CHEXP 1 Txfreq: \"156.0100\" (156.013) -> \"156.0100\" (156.011)",
                  "CHEXP 2 Rxfreq: \"---.----\" -> \"156.0500\""));
}

TEST_F(DiffTest, ModelDecidesAtisAndScrambleAndTextsAreEscaped) {
  b.Atis.AtisCode = "1234567890";
  b.AtisCallSigns[3].Disp = "A\"B\\C\t";
  b.CHCAN[0].Scramble = 4;
  EXPECT_THAT(DiffSettings(a, b, model), IsEmpty());
  model.AtisCapable = true;
  model.ScrambleCapable = true;
  EXPECT_THAT(DiffSettings(a, b, model),
              ElementsAre("Atis AtisCode: \"\" -> \"1234567890\"",
                          "AtisCallSign 3 Disp: \"\" -> \"A\\\"B\\\\C\\x09\"",
                          "CHCAN 00 Scramble: \"--\" -> \" 0\""));

  b = a; // a record count that differs is one line
  b.CHWX.Reset(0, 8);
  for (int i = 0; i < 9; ++i)
    b.CHWX[i] = a.CHWX[i];
  EXPECT_THAT(DiffSettings(a, b, model), ElementsAre("CHWX Records: \"10\" -> \"9\""));
}

// Any image a radio or a file can hand us must report and compare without harm.
TEST(ReportRobustness, RandomImagesAndDamagedRecordsReportAndCompare) {
  NewSession reference(1, true);
  std::mt19937 rng(508);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    NewSession subject(1, round % 2 == 0);
    RadioData &data = subject.data();
    for (auto &b : data.Image)
      b = static_cast<std::uint8_t>(byte(rng));
    DecodeImage(data);
    // Values no decoder yields but a settings file or an edit could.
    data.CHUSA[byte(rng) % kPlanBankSize].Position = static_cast<std::int16_t>(byte(rng) * 300);
    data.ChannelGroups[byte(rng) % 3].PriorityCh = byte(rng) * 1000 - 100000;
    data.Common.OffsetTime = static_cast<std::int16_t>(byte(rng) - 128);
    data.CHEXP[1].Rxfreq = round % 3 == 0 ? -1.0 : 1e300;

    const Report report = BuildReport(data, subject.session.model);
    const std::string text = RenderTextImage(report);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos) << "round " << round;
    EXPECT_EQ(ReportFileText(report), text + "\r\n");
    const auto differences = DiffSettings(reference.data(), data, subject.session.model);
    EXPECT_FALSE(differences.empty()) << "round " << round;
  }
}

} // namespace
} // namespace kv508::testing
