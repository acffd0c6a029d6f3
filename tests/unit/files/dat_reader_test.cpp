

#include "dat_fixture.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

const std::string kMain = "[MAIN]\r\nMODELTYPE=1\r\n";

// Applies a file text to a session as FileRead2 does after NewData.
void Apply(NewSession &s, const std::string &text) { ApplyDatFile(s.session, ParseDatText(text)); }

// Position is a leading number rounded half to even; a position outside the bank is
// skipped; [CHUSA6] is missing, so [CHUSA7] is never read. Duplex needs DuplexAllowed.
TEST(DatReader, PlanBankIsReadByPositionUntilTheFirstMissingSection) {
  auto s = MakeSession();
  auto defaults = std::make_unique<RadioData>(s->data());
  std::string text = kMain;
  const char *positions[] = {"20", "240", "-1", "abc", "7.5x", "21"};
  for (int n = 0; n < 6; ++n)
    text += "[CHUSA" + std::to_string(n) + "]\r\nPosition=" + positions[n] +
            "\r\nEnable=1\r\nDuplex=1\r\nScanMemory=1\r\nChTag=#T" + std::to_string(n) + "\r\n";
  text += "[CHUSA7]\r\nPosition=30\r\nChTag=#SEVEN\r\n[END]\r\n";
  Apply(*s, text);

  const ChannelBank &usa = s->data().CHUSA;
  EXPECT_EQ(usa[0].ChTag + usa[8].ChTag + usa[20].ChTag + usa[21].ChTag, "T3T4T0T5");
  EXPECT_TRUE(usa[20].Enable && usa[20].ScanMemory && usa[20].Duplex && !usa[21].Duplex);
  EXPECT_EQ(usa[8].Position, 8);
  for (int i : {7, 30})
    EXPECT_EQ(usa[i], defaults->CHUSA[i]) << i;
  // Flags missing from a section keep their defaults.
  EXPECT_EQ(usa[20].LowPower, defaults->CHUSA[20].LowPower);
}

// Sections and keys in any case; an unconvertible or out-of-range value keeps the
// default; a missing text key or section empties the text.
TEST(DatReader, UnconvertibleValuesKeepTheDefaultMissingTextsAreEmptied) {
  auto s = MakeSession();
  RadioData &d = s->data();
  d.CHMMSID[7] = {true, "OLD", "1111111110", d.CHMMSID[7].Member};
  d.CHGRPID[2].TagName = "KEEP?";
  auto defaults = std::make_unique<RadioData>(d);
  Apply(*s, kMain + "[usable ch group setup]\r\nPriority CH 0=70000\r\nPriority CH 1=abc\r\n"
                    "Status name 0=#SEA \r\nExp Ch Group 1=True\r\nExp Ch Group 2=no\r\n"
                    "[Common Setup]\r\nTX Po Display=2.5\r\nSOG=40000\r\nWeater=x\r\n"
                    "[CHMMSID7]\r\nEnable=0\r\nMmsid=2442442440\r\n"
                    "[CHEXP2]\r\nRxfreq=156,025\r\nTxfreq=1.5e2\r\n"
                    "[CHEXP3]\r\nRxfreq=abc\r\nTxfreq=\r\n[END]\r\n");
  const auto &g = d.ChannelGroups;
  EXPECT_EQ(std::tuple(g[0].PriorityCh, g[1].PriorityCh, g[0].StatusName, g[1].StatusName),
            std::tuple(70000, defaults->ChannelGroups[1].PriorityCh, "SEA", ""));
  EXPECT_TRUE(g[3].ExpChGroup[1]);
  EXPECT_EQ(g[3].ExpChGroup[2], defaults->ChannelGroups[3].ExpChGroup[2]);
  EXPECT_EQ(d.Common.TxPoDisplay, 2);
  d.Common.TxPoDisplay = defaults->Common.TxPoDisplay;
  EXPECT_TRUE(d.Common == defaults->Common); // SOG, Weater and the rest unchanged
  EXPECT_EQ(d.CHMMSID[7], (DirectoryEntry{false, "", "2442442440", d.CHMMSID[7].Member}));
  EXPECT_EQ(d.CHGRPID[2].TagName, "");
  EXPECT_EQ(std::pair(d.CHEXP[2].Rxfreq, d.CHEXP[2].Txfreq), std::pair(156.025, 150.0));
  EXPECT_EQ(d.CHEXP[3], defaults->CHEXP[3]);
}

TEST(DatReader, AtisAndScrambleOnlyWhenTheModelHasThem) {
  const std::string text =
      kMain + "[ATIS Setup (Common)]\r\nUsable ATIS CH Group1=1\r\nAtis Code=#9211234567\r\n"
              "[ATIS Setup (Call Sign)]\r\nMID3=244\r\nDISP3=NL\r\n"
              "[CHCAN0]\r\nPosition=5\r\nScramble=6\r\n[END]\r\n";
  auto plain = MakeSession(1, false);
  auto defaults = std::make_unique<RadioData>(plain->data());
  Apply(*plain, text);
  const RadioData &p = plain->data();
  EXPECT_EQ(std::tie(p.Atis, p.AtisCallSigns, p.CHCAN[5].Scramble),
            std::tie(defaults->Atis, defaults->AtisCallSigns, defaults->CHCAN[5].Scramble));

  auto atis = MakeSession(1, true);
  atis->session.model.ScrambleCapable = true;
  Apply(*atis, text);
  const RadioData &d = atis->data();
  EXPECT_TRUE(d.Atis.UsableAtisChGroup[1] && d.CHCAN[5].Scramble == 6);
  EXPECT_EQ(d.Atis.AtisCode + d.AtisCallSigns[3].Mid + d.AtisCallSigns[3].Disp, "9211234567244NL");
}

// The user's data before a read: edited, with a file name and unsaved changes.
std::unique_ptr<NewSession> EditedSession(bool debug = false) {
  auto s = MakeSession();
  s->session.state.DebugMode = debug;
  s->data().CHUSA[16].ChTag = "EDITED";
  s->data().Image[500] ^= 0xFF;
  s->session.state.CurrentFilePath = "/somewhere/before.dat";
  s->session.state.DataChanged = true;
  return s;
}

// A failed read or save: one message, the data, file name and change flag as they were.
void ExpectRefused(NewSession &s, const RadioData &before, const std::string &message, Icon icon) {
  EXPECT_EQ(s.host.Texts(), std::vector<std::string>{message});
  EXPECT_EQ(s.host.messages[0].icon, icon);
  EXPECT_EQ(s.host.messages[0].title, "PC Program for TR4100/TR4300");
  EXPECT_TRUE(s.data() == before);
  EXPECT_EQ(s.session.state.CurrentFilePath, "/somewhere/before.dat");
  EXPECT_TRUE(s.session.state.DataChanged);
  EXPECT_TRUE(s.session.state.OperationFailed && s.session.state.OperationIncomplete);
  EXPECT_FALSE(s.session.state.Busy);
}

TEST(DatFileRead, RefusedFilesChangeNothing) {
  std::string manyLines = kMain;
  for (std::size_t i = 0; i < kDatMaxLines; ++i)
    manyLines += "k=1\n";
  const std::string modelType = "ModelType Error !!", fileRead = "FileRead Error!!";
  const struct {
    std::string text, message;
    bool debug; // only then is the failure logged
  } cases[] = {
      {"[MAIN]\r\nMODELTYPE=11\r\n[CHUSA0]\r\nPosition=16\r\nChTag=#NEW\r\n", modelType, false},
      {"[MAIN]\r\nMODELTYPE=one\r\n", modelType, false},
      {kMain + "X=" + std::string(kDatMaxLineBytes, 'a'), fileRead, true},
      {manyLines, fileRead, true},
      {kMain + std::string(kDatMaxFileBytes, '\n'), fileRead, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    auto s = EditedSession(c.debug);
    auto before = std::make_unique<RadioData>(s->data());
    WriteBytes(s->File("x.dat"), c.text);
    EXPECT_FALSE(FileRead2(s->session, s->File("x.dat")));
    ExpectRefused(*s, *before, c.message, c.debug ? Icon::Exclamation : Icon::Critical);
    if (c.debug) {
      EXPECT_NE(ReadBytes(s->File("err.log")).find(":frmMain.FileRead2 -> 27File too large"),
                std::string::npos);
    }
  }
  auto s = EditedSession();
  auto before = std::make_unique<RadioData>(s->data());
  EXPECT_FALSE(FileRead2(s->session, s->File("missing.dat")));
  ExpectRefused(*s, *before, fileRead, Icon::Exclamation);
}

// Binary bytes are carried like any other; only line ends and blanks are special.
// NewData runs first and loads the stored destination image, which no file holds.
TEST(DatFileRead, AcceptedFileReplacesDataAndNamesTheFile) {
  auto s = EditedSession();
  auto defaults = MakeSession();
  const std::string tag("\x01\xFF\0Z", 4);
  WriteBytes(s->File("in.dat"), kMain + "[CHUSA0]\nPosition=3\r\nChTag=#" + tag + "\n[END]\n");
  MemoryImage destination = defaults->data().Image;
  destination[20000] = 0x5A;
  WriteBytes(s->File("USAA_07D0.ini"), std::string(destination.begin(), destination.end()));
  EXPECT_TRUE(FileRead2(s->session, s->File("in.dat")));
  EXPECT_TRUE(s->host.messages.empty());
  EXPECT_EQ(s->data().CHUSA[3].ChTag, tag);
  EXPECT_EQ(s->data().CHUSA[16], defaults->data().CHUSA[16]);
  EXPECT_EQ(s->data().Image[20000], 0x5A);
  EXPECT_EQ(s->session.state.CurrentFilePath, s->File("in.dat").string());
  EXPECT_TRUE(s->session.state.DataChanged); // a read leaves it as it was
  EXPECT_FALSE(s->session.state.OperationFailed || s->session.state.OperationIncomplete ||
               s->session.state.Busy);
}

TEST(DatSaveFileAs, WritesTheTextAndReportsFailure) {
  auto s = EditedSession(true);
  ASSERT_TRUE(SaveFileAs(s->session, s->File("out.dat")));
  EXPECT_EQ(ReadBytes(s->File("out.dat")), BuildDatText(s->data(), s->session.model));
  EXPECT_FALSE(s->session.state.OperationFailed || s->session.state.Busy);
  // The file name and the change flag are the caller's.
  EXPECT_EQ(s->session.state.CurrentFilePath, "/somewhere/before.dat");
  EXPECT_TRUE(s->session.state.DataChanged);

  std::filesystem::create_directory(s->File("folder.dat"));
  auto before = std::make_unique<RadioData>(s->data());
  EXPECT_FALSE(SaveFileAs(s->session, s->File("folder.dat")));
  ExpectRefused(*s, *before, "FileSave Error!!", Icon::Exclamation);
  EXPECT_NE(ReadBytes(s->File("err.log")).find(":frmMain.SaveFileAs -> 21Is a directory"),
            std::string::npos);
}

// A field the reader drops or misplaces is written back as its default (texts tidy here).
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

// Small edits: cut, odd bytes, truncation, odd values after '=' or "Position=".
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
    switch (pick(5)) {
    case 0:
      text.erase(at, pick(48));
      break;
    case 1:
      for (std::size_t n = 1 + pick(8); n > 0; --n)
        text.insert(at, 1, kBytes[pick(kBytes.size())]);
      break;
    case 2:
      text.resize(at);
      break;
    case 3:
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

// Invariants only: nothing crashes, every section is still written, image and positions
// stay; a file of another model is always refused, and a refused file changes nothing.
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
