#include "dat_fixture.h"

#include "files/dat_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace kv508::testing {
namespace {

// What a text field becomes after a write and a read. A marked text is written
// behind '#', so only its trailing blanks are lost; a plain text loses both
// ends' blanks and then one leading '#'.
std::string Marked(const std::string &text) {
  return std::string(text.substr(0, text.find_last_not_of(" \t") + 1));
}
std::string Plain(const std::string &text) {
  std::string_view t = TrimDatBlanks(text);
  if (!t.empty() && t.front() == '#')
    t.remove_prefix(1);
  return std::string(t);
}

void ExpectSameFrequency(double expected, double actual, const std::string &where) {
  EXPECT_EQ(FormatDatFrequency(actual), FormatDatFrequency(expected)) << where;
  EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-14) << where;
}

// Every field that the settings file carries, compared after a write and a read.
void ExpectCarriedFields(const RadioData &src, const RadioData &dst, bool atis) {
  for (int g = 0; g < 4; ++g) {
    EXPECT_EQ(dst.ChannelGroups[g].Enable, src.ChannelGroups[g].Enable) << g;
    EXPECT_EQ(dst.ChannelGroups[g].PriorityCh,
              src.ChannelGroups[g].PriorityCh < 0 ? 65535 : src.ChannelGroups[g].PriorityCh)
        << g;
    EXPECT_EQ(dst.ChannelGroups[g].StatusName, Plain(src.ChannelGroups[g].StatusName)) << g;
  }
  EXPECT_EQ(dst.ChannelGroups[3].ExpChGroup, src.ChannelGroups[3].ExpChGroup);
  EXPECT_EQ(dst.Common, src.Common);
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(dst.DscBasic.DscGroup[k], src.DscBasic.DscGroup[k]);
  EXPECT_EQ(dst.DscBasic.UserMmsi, Marked(src.DscBasic.UserMmsi));
  EXPECT_EQ(dst.DscBasic.PosRequest, src.DscBasic.PosRequest);
  EXPECT_EQ(dst.DscBasic.PosRequestTx, src.DscBasic.PosRequestTx);
  EXPECT_EQ(dst.DscBasic.BeepOut, src.DscBasic.BeepOut);
  EXPECT_EQ(dst.DscAdvanced, src.DscAdvanced);
  EXPECT_EQ(dst.DscDisplay, src.DscDisplay);
  if (atis) {
    EXPECT_EQ(dst.Atis.UsableAtisChGroup, src.Atis.UsableAtisChGroup);
    EXPECT_EQ(dst.Atis.AtisCode, Marked(src.Atis.AtisCode));
    EXPECT_EQ(dst.Atis.UsableAtisKikkerChGroup, src.Atis.UsableAtisKikkerChGroup);
    for (int i = 1; i <= kCallSignCount; ++i) {
      EXPECT_EQ(dst.AtisCallSigns[i].Mid, Plain(src.AtisCallSigns[i].Mid)) << i;
      EXPECT_EQ(dst.AtisCallSigns[i].Disp, Plain(src.AtisCallSigns[i].Disp)) << i;
    }
  }
  using Flags = std::initializer_list<bool ChannelRecord::*>;
  auto expectRecord = [](const ChannelRecord &a, const ChannelRecord &b, Flags flags,
                         const std::string &where) {
    for (bool ChannelRecord::*flag : flags)
      EXPECT_EQ(b.*flag, a.*flag) << where;
    EXPECT_EQ(b.ChTag, Marked(a.ChTag)) << where;
  };
  for (auto bank : {&RadioData::CHUSA, &RadioData::CHINT, &RadioData::CHCAN}) {
    for (int i = 0; i < kPlanBankSize; ++i) {
      const ChannelRecord &a = (src.*bank)[i];
      const ChannelRecord &b = (dst.*bank)[i];
      ASSERT_EQ(a.Position, i);
      const std::string where = "plan record " + std::to_string(i);
      EXPECT_EQ(b.Position, a.Position) << where;
      EXPECT_EQ(b.Duplex, a.Duplex && b.DuplexAllowed) << where;
      expectRecord(a, b,
                   Flags{&ChannelRecord::Enable, &ChannelRecord::LowPower, &ChannelRecord::PowUp,
                         &ChannelRecord::TxEnable, &ChannelRecord::DispayA,
                         &ChannelRecord::ScanMemory},
                   where);
    }
  }
  for (int i = 0; i < kWxBankSize; ++i)
    expectRecord(src.CHWX[i], dst.CHWX[i],
                 Flags{&ChannelRecord::Enable, &ChannelRecord::ScanMemory},
                 "CHWX " + std::to_string(i));
  for (auto dir : {&RadioData::CHMMSID, &RadioData::CHGRPID}) {
    for (int i = (src.*dir).Lower(); i <= (src.*dir).Upper(); ++i) {
      EXPECT_EQ((dst.*dir)[i].Enable, (src.*dir)[i].Enable) << i;
      EXPECT_EQ((dst.*dir)[i].TagName, Marked((src.*dir)[i].TagName)) << i;
      EXPECT_EQ((dst.*dir)[i].Mmsid, Plain((src.*dir)[i].Mmsid)) << i;
    }
  }
  for (int i = kExpLower; i <= kExpUpper; ++i) {
    const ChannelRecord &a = src.CHEXP[i];
    const ChannelRecord &b = dst.CHEXP[i];
    const std::string where = "CHEXP " + std::to_string(i);
    EXPECT_EQ(b.CHDisplayL, Plain(a.CHDisplayL)) << where;
    EXPECT_EQ(b.CHDisplayR, Plain(a.CHDisplayR)) << where;
    ExpectSameFrequency(a.Rxfreq, b.Rxfreq, where);
    ExpectSameFrequency(a.Txfreq, b.Txfreq, where);
    expectRecord(a, b,
                 Flags{&ChannelRecord::Enable, &ChannelRecord::LowPower, &ChannelRecord::PowUp,
                       &ChannelRecord::ScanMemory},
                 where);
  }
}

TEST(DatRoundTrip, RandomImageDataSurvivesSaveAndOpen) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    auto src = MakeSession(1, true);
    RandomizeData(src->data(), rng);
    ASSERT_TRUE(SaveFileAs(src->session, src->File("a.dat")));

    auto dst = MakeSession(1, true);
    ASSERT_TRUE(FileRead2(dst->session, src->File("a.dat")));
    ExpectCarriedFields(src->data(), dst->data(), true);
  }
}

TEST(DatRoundTrip, FileTextIsReproducedExactly) {
  std::mt19937 rng(508);
  auto src = MakeSession(11, false);
  RandomizeData(src->data(), rng, false);
  for (auto *bank : {&src->data().CHUSA, &src->data().CHINT, &src->data().CHCAN})
    for (auto &ch : *bank)
      ch.Duplex = ch.Duplex && ch.DuplexAllowed;
  const std::string text = BuildDatText(src->data(), src->session.model);

  auto dst = MakeSession(11, false);
  WriteBytes(dst->File("b.dat"), text);
  ASSERT_TRUE(FileRead2(dst->session, dst->File("b.dat")));
  ASSERT_TRUE(SaveFileAs(dst->session, dst->File("c.dat")));
  EXPECT_EQ(ReadBytes(dst->File("c.dat")), text);
}

// Small edits of a valid file: cut, insert, repeat, truncate, odd values.
std::string Mutate(std::string text, std::mt19937 &rng) {
  static const std::string kBytes = std::string("[]=#\r\n \t0123456789.,-+eEaZ\xFF", 27) + '\0';
  static const char *kValues[] = {"1e999", "-32769", "65535", "nan", "inf",
                                  "0x10",  "",       "#",     "1,5", "99999999999999999999",
                                  "-1",    "240",    "True",  "  "};
  auto pick = [&](std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  };
  int edits = 1 + static_cast<int>(pick(4));
  for (int e = 0; e < edits && !text.empty(); ++e) {
    std::size_t at = pick(text.size());
    switch (pick(6)) {
    case 0:
      text.erase(at, pick(48));
      break;
    case 1:
      for (std::size_t n = 1 + pick(8); n > 0; --n)
        text.insert(at, 1, kBytes[pick(kBytes.size())]);
      break;
    case 2:
      text.insert(at, text.substr(pick(text.size()), pick(400)));
      break;
    case 3:
      text.resize(at);
      break;
    case 4: {
      std::size_t eq = text.find('=', at);
      std::size_t end = eq == std::string::npos ? eq : text.find('\r', eq);
      if (end != std::string::npos)
        text.replace(eq + 1, end - eq - 1, kValues[pick(std::size(kValues))]);
      break;
    }
    default: {
      std::size_t p = text.find("Position=", at);
      if (p != std::string::npos)
        text.insert(p + 9, std::to_string(static_cast<int>(pick(300)) - 20));
      break;
    }
    }
  }
  return text;
}

TEST(DatRoundTrip, MutatedFilesNeverBreakReadingOrSaving) {
  std::mt19937 rng(20240508);
  auto s = MakeSession(1, true);
  s->session.model.ScrambleCapable = true;
  RandomizeData(s->data(), rng);
  const std::string base = BuildDatText(s->data(), s->session.model);
  const std::vector<std::string> sections = SectionNames(base);
  auto pristine = std::make_unique<RadioData>(s->data());

  for (int round = 0; round < 300; ++round) {
    const std::string text = Mutate(base, rng);
    s->data() = *pristine;
    ApplyDatFile(s->session, ParseDatText(text));
    const std::string out = BuildDatText(s->data(), s->session.model);
    ASSERT_EQ(SectionNames(out), sections) << round;
    ASSERT_TRUE(s->data().Image == pristine->Image) << round;
    for (int i = 0; i < kPlanBankSize; ++i)
      ASSERT_EQ(s->data().CHCAN[i].Position, i) << round;

    if (round % 100 == 0) {
      WriteBytes(s->File("fuzz.dat"), text);
      FileRead2(s->session, s->File("fuzz.dat"));
      ASSERT_TRUE(SaveFileAs(s->session, s->File("fuzz-out.dat"))) << round;
    }
  }
}

} // namespace
} // namespace kv508::testing
