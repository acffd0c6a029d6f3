#include "report/diff.h"

#include "image/decode.h"
#include "report_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;
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
  b.ChannelGroups[1].PriorityCh = 241;
  // Values that read the same show the stored values.
  a.ChannelGroups[0].PriorityCh = -1;
  b.ChannelGroups[0].PriorityCh = 65535;
  a.CHEXP[1].Txfreq = 156.0130;
  b.CHEXP[1].Txfreq = 156.0110;
  EXPECT_THAT(
      DiffSettings(a, b, model),
      ElementsAre("ChannelGroups Group1 PriorityCh: \"Off\" (-1) -> \"Off\" (65535)",
                  "ChannelGroups Group2 PriorityCh: \"16\" -> \"EXP2\"",
                  "Common Sog: \"\" (255) -> \"MPH\"", "CHUSA 16 ChTag: \"DISTRESS\" -> \"CALL16\"",
                  "CHUSA 100 DispayA: \"Off\" -> \"On\"", "CHMMSID 7 TagName: \"\" -> \"HARBOUR\"",
                  "CHEXP 1 Txfreq: \"156.0100\" (156.013) -> \"156.0100\" (156.011)",
                  "CHEXP 2 Rxfreq: \"---.----\" -> \"156.0500\""));
}

TEST_F(DiffTest, ModelDecidesAtisAndScrambleAndTextsAreEscaped) {
  EXPECT_THAT(DiffSettings(a, b, model), IsEmpty());
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
