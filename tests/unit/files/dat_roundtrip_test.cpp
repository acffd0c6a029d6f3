#include "dat_fixture.h"

#include "files/dat_values.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

// A reader that drops or misplaces a field writes it back as its default, so the
// text written after a read must be the text that was read. The blank and '#'
// rules of texts are pinned by the parser's tests; here the texts are tidy.
TEST(DatRoundTrip, FileTextIsReproducedExactly) {
  struct Case {
    int variant;
    bool atis, scramble;
  };
  for (const Case &c : {Case{1, true, true}, Case{11, false, false}}) {
    SCOPED_TRACE(c.variant);
    std::mt19937 rng(508 + static_cast<unsigned>(c.variant));
    auto src = MakeSession(c.variant, c.atis);
    src->session.model.ScrambleCapable = c.scramble;
    RandomizeData(src->data(), rng, false);
    for (auto *bank : {&src->data().CHUSA, &src->data().CHINT, &src->data().CHCAN})
      for (auto &ch : *bank)
        ch.Duplex = ch.Duplex && ch.DuplexAllowed;
    const std::string text = BuildDatText(src->data(), src->session.model);

    auto dst = MakeSession(c.variant, c.atis);
    dst->session.model.ScrambleCapable = c.scramble;
    WriteBytes(dst->File("b.dat"), text);
    ASSERT_TRUE(FileRead2(dst->session, dst->File("b.dat")));
    ASSERT_TRUE(SaveFileAs(dst->session, dst->File("c.dat")));
    EXPECT_EQ(ReadBytes(dst->File("c.dat")), text);
  }
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

  int refused = 0;
  for (int round = 0; round < 300; ++round) {
    const std::string text = Mutate(base, rng);
    s->data() = *pristine;
    ApplyDatFile(s->session, ParseDatText(text));
    const std::string out = BuildDatText(s->data(), s->session.model);
    ASSERT_EQ(SectionNames(out), sections) << round;
    ASSERT_TRUE(s->data().Image == pristine->Image) << round;
    for (int i = 0; i < kPlanBankSize; ++i)
      ASSERT_EQ(s->data().CHCAN[i].Position, i) << round;

    // Through the whole read: a file of another model is refused whatever else
    // it holds, and a refused file changes nothing.
    if (round % 20 == 0) {
      std::string file = text;
      const std::size_t model = file.find("MODELTYPE=");
      const bool otherModel = round % 40 == 20 && model != std::string::npos;
      if (otherModel)
        file.insert(model + 10, "9");
      WriteBytes(s->File("fuzz.dat"), file);
      auto before = std::make_unique<RadioData>(s->data());
      const bool read = FileRead2(s->session, s->File("fuzz.dat"));
      if (otherModel) {
        ASSERT_FALSE(read) << round;
      }
      if (!read) {
        ++refused;
        ASSERT_TRUE(s->data() == *before) << round;
      }
      ASSERT_TRUE(SaveFileAs(s->session, s->File("fuzz-out.dat"))) << round;
    }
  }
  EXPECT_GT(refused, 0); // the refusal above was reached
}

} // namespace
} // namespace kv508::testing
