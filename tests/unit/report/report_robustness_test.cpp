// Any image a radio or a file can hand us must report and compare without harm.

#include "image/decode.h"
#include "image/default_image.h"
#include "report/diff.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace kv508::testing {
namespace {

TEST(ReportRobustness, RandomImagesAndDamagedRecordsReportAndCompare) {
  DefaultSession reference(true);
  std::mt19937 rng(508);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    DefaultSession subject(round % 2 == 0);
    RadioData &data = subject.Data();
    for (auto &b : data.Image)
      b = static_cast<std::uint8_t>(byte(rng));
    DecodeImage(data);
    // Values no decoder yields but a settings file or an edit could.
    data.CHUSA[byte(rng) % kPlanBankSize].Position = static_cast<std::int16_t>(byte(rng) * 300);
    data.ChannelGroups[byte(rng) % 3].PriorityCh = byte(rng) * 1000 - 100000;
    data.Common.OffsetTime = static_cast<std::int16_t>(byte(rng) - 128);
    data.CHEXP[1].Rxfreq = round % 3 == 0 ? -1.0 : 1e300;

    const Report report = BuildReport(data, subject.Model());
    const std::string text = RenderTextImage(report);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos) << "round " << round;
    EXPECT_EQ(ReportFileText(report), text + "\r\n");
    const auto differences = DiffSettings(reference.Data(), data, subject.Model());
    EXPECT_FALSE(differences.empty()) << "round " << round;
  }
}

} // namespace
} // namespace kv508::testing
