#include "dat_fixture.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

// A reader that drops or misplaces a field writes it back as its default, so the
// text written after a read must be the text that was read. The blank and '#'
// rules of texts are pinned by the parser's tests; here the texts are tidy.
TEST(DatRoundTrip, FileTextIsReproducedExactly) {
  for (const auto &[variant, extras] : {std::pair{1, true}, std::pair{11, false}}) {
    SCOPED_TRACE(variant);
    std::mt19937 rng(508 + static_cast<unsigned>(variant));
    auto src = MakeSession(variant, extras);
    src->session.model.ScrambleCapable = extras;
    RandomizeData(src->data(), rng, false);
    for (auto *bank : {&src->data().CHUSA, &src->data().CHINT, &src->data().CHCAN})
      for (auto &ch : *bank)
        ch.Duplex = ch.Duplex && ch.DuplexAllowed;
    const std::string text = BuildDatText(src->data(), src->session.model);

    auto dst = MakeSession(variant, extras);
    dst->session.model.ScrambleCapable = extras;
    WriteBytes(dst->File("b.dat"), text);
    ASSERT_TRUE(FileRead2(dst->session, dst->File("b.dat")));
    ASSERT_TRUE(SaveFileAs(dst->session, dst->File("c.dat")));
    EXPECT_EQ(ReadBytes(dst->File("c.dat")), text);
  }
}

// Small edits of a valid file: cut, insert odd bytes, repeat a stretch, truncate,
// put an odd value after an '=' or an odd number after "Position=".
std::string Mutate(std::string text, std::mt19937 &rng) {
  static const std::string kBytes = std::string("[]=#\r\n \t0123456789.,-+eEaZ\xFF", 27) + '\0';
  static const char *kValues[] = {"1e999", "-32769", "65535", "nan", "inf",
                                  "0x10",  "",       "#",     "1,5", "99999999999999999999",
                                  "-1",    "240",    "True",  "  "};
  auto pick = [&](std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
  };
  for (std::size_t e = 1 + pick(4); e > 0 && !text.empty(); --e) {
    const std::size_t at = pick(text.size());
    const std::size_t eq = text.find('=', at);
    const std::size_t end = eq == std::string::npos ? eq : text.find('\r', eq);
    const std::size_t position = text.find("Position=", at);
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
    case 4:
      if (end != std::string::npos)
        text.replace(eq + 1, end - eq - 1, kValues[pick(std::size(kValues))]);
      break;
    default:
      if (position != std::string::npos)
        text.insert(position + 9, std::to_string(static_cast<int>(pick(300)) - 20));
    }
  }
  return text;
}

// Invariants only: nothing crashes, every section is still written, the image and the
// record positions are untouched; through the whole read, a file of another model is
// refused whatever else it holds, and a refused file changes nothing.
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
    std::string text = Mutate(base, rng);
    s->data() = *pristine;
    ApplyDatFile(s->session, ParseDatText(text));
    ASSERT_EQ(SectionNames(BuildDatText(s->data(), s->session.model)), sections) << round;
    ASSERT_TRUE(s->data().Image == pristine->Image) << round;
    for (int i = 0; i < kPlanBankSize; ++i)
      ASSERT_EQ(s->data().CHCAN[i].Position, i) << round;
    if (round % 20 != 0)
      continue;
    const std::size_t model = text.find("MODELTYPE=");
    const bool otherModel = round % 40 == 20 && model != std::string::npos;
    if (otherModel)
      text.insert(model + 10, "9");
    WriteBytes(s->File("fuzz.dat"), text);
    auto before = std::make_unique<RadioData>(s->data());
    const bool read = FileRead2(s->session, s->File("fuzz.dat"));
    ASSERT_FALSE(read && otherModel) << round;
    if (!read) {
      ++refused;
      ASSERT_TRUE(s->data() == *before) << round;
    }
    ASSERT_TRUE(SaveFileAs(s->session, s->File("fuzz-out.dat"))) << round;
  }
  EXPECT_GT(refused, 0); // the refusal above was reached
}

} // namespace
} // namespace kv508::testing
