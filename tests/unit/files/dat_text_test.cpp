#include "files/dat_file.h"
#include "files/dat_index.h"
#include "files/dat_values.h"

#include "dat_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kv508::testing {
namespace {

// A parsed file as NAME{KEY=value;...}, for exact comparison.
std::string Render(const DatFile &file) {
  std::string out;
  for (const DatSection &s : file) {
    out += s.name + "{";
    for (const DatEntry &e : s.entries)
      out += e.key + "=" + e.value + ";";
    out += "}";
  }
  return out;
}

// Keys and names trimmed and upper-cased, values lose one leading '#'; a section line
// that is the last line is dropped; lines without '=' are skipped unless they hold '['.
TEST(DatParser, OddRules) {
  const std::pair<std::string, std::string> cases[] = {
      {"[ chusa0 ]junk\r\n  position =  3 \r\n\tChTag\t=\t# Ab #\t\r\n",
       "CHUSA0{POSITION=3;CHTAG= Ab #;}"},
      {"[A]\r\nx=##y\r\ny=a  b\r\nz=#\r\n[B]\r\nk=v\r\n", "A{X=#y;Y=a  b;Z=;}B{K=v;}"},
      {"k=1\r\n[A]\r\nk=2\r\nend=1", "A{K=2;END=1;}"},
      {"[A]\r\nk=1\r\n[B]", "A{K=1;}"},
      {"[A]\r\nk=1\r\n x[B]\r\nk2=2\r\n[C]\r\nk=3\r\nend=1\r\n", "A{K=1;}C{K=3;END=1;}"},
      {"[A]\r\nk=1\r\n=[x\r\nk=2\r\n[B]\r\nk=3\r\ne=1", "A{K=1;}B{K=3;E=1;}"},
      {"[]\r\nk=1\r\n[A\r\nk=2\r\n[ ]\r\nk=3\r\ne=1", "{K=3;E=1;}"}, // empty or unclosed names
      {"[A]\r\n[B=C]\r\ne=1", "A{[B=C];E=1;}"},                      // '=' before ']'
      {"[A]\rk=1\nj=2\r\n\n\ri=3\n\r[B]\rk=4\re=5", "A{K=1;J=2;I=3;}B{K=4;E=5;}"},
      {std::string("[\xE9t\xE9]\r\nk\xE9=\x01\xFF\0z\r\ne=1", 19),
       std::string("\xE9T\xE9{K\xE9=\x01\xFF\0z;E=1;}", 17)}, // bytes beyond ASCII kept as they are
      {"", ""}};
  for (const auto &[text, parsed] : cases)
    EXPECT_EQ(Render(ParseDatText(text)), parsed) << text;
}

// Sections and keys in any case; the first section of a name holding the key wins,
// then its first entry.
TEST(DatParser, LookupTakesFirstSectionHoldingTheKey) {
  const DatFile file =
      ParseDatText("[A]\r\nx=1\r\nx=9\r\n[B]\r\nx=2\r\n[a]\r\ny=3\r\nx=4\r\n[C]\r\n");
  const DatIndex index(file);
  const std::tuple<const char *, const char *, const char *> cases[] = {
      {"a", "X", "1"}, {"A", "y", "3"}, {"A", "z", ""}, {" A", "x", ""}, {"C", "x", ""}};
  for (const auto &[section, key, value] : cases)
    EXPECT_EQ(index.Value(section, key), value) << section << key;
}

// Whole numbers round half to even; booleans are True/False in any case or a number.
TEST(DatValues, NumbersAndBooleans) {
  const std::pair<const char *, std::int16_t> ints[] = {
      {"+7", 7},     {"2.5", 2}, {"3.5", 4},        {"-2.5", -2},
      {"1.5E1", 15}, {".5", 0},  {"-32768", -32768}};
  for (const auto &[text, value] : ints)
    EXPECT_EQ(ParseDatInt16(text), value) << text;
  for (const char *text : {"32767.5", "-32769", "", "1 2", "1,5", "1e", ".", "1e999", "0x10"})
    EXPECT_EQ(ParseDatInt16(text), std::nullopt) << text;
  EXPECT_EQ(ParseDatInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseDatInt32("2147483648"), std::nullopt);

  const std::pair<const char *, std::optional<bool>> booleans[] = {
      {"-1", true},     {"0.01", true},     {"tRUE", true},      {"0.0", false},
      {"FALSE", false}, {"", std::nullopt}, {"T", std::nullopt}, {"1a", std::nullopt}};
  for (const auto &[text, value] : booleans)
    EXPECT_EQ(ParseDatBoolean(text), value) << text;

  const std::pair<const char *, std::optional<double>> leading[] = {
      {"-3.5x", -3.5}, {"abc", 0.0}, {"1e2z", 100.0}, {"5e", 5.0}, {"1e999", std::nullopt}};
  for (const auto &[text, value] : leading)
    EXPECT_EQ(LeadingDatNumber(text), value) << text;
}

TEST(DatValues, FrequenciesReadWithPointOrCommaAndWriteInShortestForm) {
  EXPECT_EQ(ParseDatFrequency("156,025"), 156.025);
  EXPECT_EQ(ParseDatFrequency("1,2.3"), std::nullopt);
  EXPECT_EQ(ParseDatNumber("156,025"), std::nullopt);
  const std::pair<double, const char *> texts[] = {{100.52590000000001, "100.5259"},
                                                   {-0.0, "0"},
                                                   {0.00001, "0.00001"},
                                                   {123456789012345678.0, "123456789012346000"},
                                                   {1.0 / 3.0, "0.333333333333333"},
                                                   {std::numeric_limits<double>::quiet_NaN(), ""}};
  for (const auto &[value, text] : texts)
    EXPECT_EQ(FormatDatFrequency(value), text) << text;
  // Every value written reads back to a value that is written the same way.
  for (double f = 100.0; f < 200.0; f += 0.0037)
    EXPECT_EQ(FormatDatFrequency(*ParseDatFrequency(FormatDatFrequency(f))), FormatDatFrequency(f));
}

std::string Text(NewSession &s) { return BuildDatText(s.data(), s.session.model); }

TEST(DatWriter, MainBlockAndSectionsInFileOrder) {
  auto s = MakeSession(1, true);
  const std::string text = Text(*s);
  EXPECT_EQ(SectionText(text, "MAIN"),
            "[MAIN]\r\nMODEL=#TR4100/TR4300\r\nTYPE=#KMT\r\nVERSION=#1.00\r\nMODELTYPE=1\r\n");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
  std::vector<std::string> expected = {"MAIN",
                                       "Usable CH Group Setup",
                                       "Common Setup",
                                       "DSC Setup (Basic Setup)",
                                       "DSC Setup (Advanced Setup)",
                                       "DSC Setup (Display Setup)",
                                       "ATIS Setup (Common)",
                                       "ATIS Setup (Call Sign)"};
  const std::tuple<const char *, int, int> numbered[] = {
      {"CHUSA", 0, 239},  {"CHINT", 0, 239},  {"CHCAN", 0, 239}, {"CHWX", 0, 9},
      {"CHMMSID", 1, 80}, {"CHGRPID", 1, 32}, {"CHEXP", 1, 64}};
  for (const auto &[name, first, last] : numbered)
    for (int n = first; n <= last; ++n)
      expected.push_back(name + std::to_string(n));
  EXPECT_EQ(SectionNames(text), expected);
  // Without ATIS the two ATIS sections are left out and nothing else changes.
  s->session.model.AtisCapable = false;
  expected.erase(expected.begin() + 6, expected.begin() + 8);
  EXPECT_EQ(SectionNames(Text(*s)), expected);

  auto m = MakeSession(11);
  EXPECT_EQ(SectionText(Text(*m), "MAIN"),
            "[MAIN]\r\nMODEL=#TR4100M\r\nTYPE=#KMT\r\nVERSION=#1.00\r\nMODELTYPE=11\r\n");
}

TEST(DatWriter, SetupSections) {
  auto s = MakeSession(1, true);
  RadioData &d = s->data();
  auto &g = d.ChannelGroups;
  g[0] = {true, 239, "USA", {}};
  g[1] = {false, -1, " #x", {}}; // no priority channel is written as 65535
  g[2] = {true, 70000, "", {}};
  g[3] = {true, 0, "EXP", {true, false, true}};
  d.Common = {2, true, false, true, 3, false, true, -5, 1, 2, 0};
  d.DscBasic.DscGroup = {true, false, true, true};
  d.DscBasic.UserMmsi = "1234567890";
  d.DscBasic.PosRequest = {true, false, false, true};
  d.DscBasic.PosRequestTx = {false, true, false, false};
  d.DscBasic.BeepOut = {true, false, false, false, false, false, true, true};
  d.DscAdvanced = {};
  d.DscAdvanced.PositionReportCallTx[3] = true;
  d.DscAdvanced.AllShipsCall[0] = true;
  d.DscDisplay = {false, true, false};
  d.Atis.UsableAtisChGroup = {true, false, false, true};
  d.Atis.AtisCode = "9123456789";
  d.Atis.UsableAtisKikkerChGroup = {false, true, false, false};
  d.AtisCallSigns[1] = {"244", "PH"};
  d.AtisCallSigns[32] = {"", "LAST"};
  const std::string text = Text(*s);
  EXPECT_EQ(SectionText(text, "Usable CH Group Setup"),
            "[Usable CH Group Setup]\r\nGroup1=1\r\nGroup2=0\r\nGroup3=1\r\nExp CH=1\r\n"
            "Priority CH 0=239\r\nPriority CH 1=65535\r\nPriority CH 2=70000\r\n"
            "Priority CH 3=0\r\n"
            "Status name 0=USA\r\nStatus name 1= #x\r\nStatus name 2=\r\nStatus name 3=EXP\r\n"
            "Exp Ch Group 0=True\r\nExp Ch Group 1=False\r\nExp Ch Group 2=True\r\n");
  EXPECT_EQ(SectionText(text, "Common Setup"),
            "[Common Setup]\r\nTX Po Display=2\r\nSCAN=1\r\nResume Time=3\r\nPTT SCAN Clear=0\r\n"
            "Dual Watch=1\r\nOffset Time=-5\r\nTime Display=0\r\nFormat=1\r\nWeater=1\r\n"
            "SOG=2\r\nDistance=0\r\n");
  EXPECT_EQ(SectionText(text, "DSC Setup (Basic Setup)"),
            "[DSC Setup (Basic Setup)]\r\nGroup1=1\r\nGroup2=0\r\nGroup3=1\r\n"
            "User MMSI=#1234567890\r\n"
            "PosRequest0=1\r\nPosRequestTX0=0\r\nPosRequest1=0\r\nPosRequestTX1=1\r\n"
            "PosRequest2=0\r\nPosRequestTX2=0\r\nPosRequest3=1\r\nPosRequestTX3=0\r\n"
            "BeepOut0=1\r\nBeepOut1=0\r\nBeepOut2=0\r\nBeepOut3=0\r\nBeepOut4=0\r\n"
            "BeepOut5=0\r\nBeepOut6=1\r\nBeepOut7=1\r\n");
  // Five call kinds, each receive then TX for elements 0..3.
  const std::string advanced = SectionText(text, "DSC Setup (Advanced Setup)");
  EXPECT_EQ(advanced.substr(0, 70),
            "[DSC Setup (Advanced Setup)]\r\nAll Ships Call0=1\r\nAll Ships CallTX0=0\r\n");
  EXPECT_NE(advanced.find("\r\nPositionRequest CallTX3=0\r\nPositionReport Call0=0\r\n"),
            std::string::npos);
  EXPECT_EQ(advanced.substr(advanced.size() - 26), "PositionReport CallTX3=1\r\n");
  EXPECT_EQ(std::count(advanced.begin(), advanced.end(), '\n'), 41);
  EXPECT_EQ(SectionText(text, "DSC Setup (Display Setup)"),
            "[DSC Setup (Display Setup)]\r\nIndividual ACK Menu=0\r\n"
            "Individual ACK Message Menu=1\r\nPOS Request ACK Menu=0\r\n");
  EXPECT_EQ(SectionText(text, "ATIS Setup (Common)"),
            "[ATIS Setup (Common)]\r\nUsable ATIS CH Group0=1\r\nUsable ATIS CH Group1=0\r\n"
            "Usable ATIS CH Group2=0\r\nUsable ATIS CH Group3=1\r\nAtis Code=#9123456789\r\n"
            "Usable ATIS Kikker CH Group0=0\r\nUsable ATIS Kikker CH Group1=1\r\n"
            "Usable ATIS Kikker CH Group2=0\r\nUsable ATIS Kikker CH Group3=0\r\n");
  const std::string signs = SectionText(text, "ATIS Setup (Call Sign)");
  EXPECT_EQ(signs.substr(0, 53), "[ATIS Setup (Call Sign)]\r\nMID1=244\r\nDISP1=PH\r\nMID2=\r\n");
  EXPECT_EQ(signs.substr(signs.size() - 23), "\r\nMID32=\r\nDISP32=LAST\r\n");
}

TEST(DatWriter, ChannelDirectoryAndExpansionSections) {
  auto s = MakeSession(1);
  RadioData &d = s->data();
  ChannelRecord &ch = d.CHUSA[16];
  ch.Enable = ch.LowPower = ch.TxEnable = ch.DispayA = true;
  ch.PowUp = ch.Duplex = ch.ScanMemory = false;
  ch.Scramble = 5;
  ch.ChTag = "CALLING";
  const std::string usa16 = "[CHUSA16]\r\nPosition=16\r\nEnable=1\r\nLowPower=1\r\nPowUp=0\r\n"
                            "Duplex=0\r\nTxEnable=1\r\nDispayA=1\r\nScanMemory=0\r\n";
  EXPECT_EQ(SectionText(Text(*s), "CHUSA16"), usa16 + "ChTag=#CALLING\r\n"); // no scrambler

  // Sections are numbered by place; Position is the record's own field.
  d.CHINT[3].Position = 77;
  s->session.model.ScrambleCapable = true;
  d.CHWX[9].Enable = d.CHWX[9].ScanMemory = true;
  d.CHWX[9].ChTag = "WX10";
  d.CHMMSID[80] = {true, "HARBOUR", "2441234560", {}};
  ChannelRecord &exp = d.CHEXP[1];
  exp.Enable = exp.PowUp = exp.ScanMemory = true;
  exp.LowPower = false;
  exp.CHDisplayL = "10";
  exp.CHDisplayR = "A";
  exp.Rxfreq = 100.52590000000001;
  exp.Txfreq = 157.42500000000032;
  exp.ChTag = "EXP ONE";
  exp.Scramble = 2;
  const std::string text = Text(*s);
  EXPECT_EQ(SectionText(text, "CHUSA16"), usa16 + "Scramble=5\r\nChTag=#CALLING\r\n");
  EXPECT_EQ(SectionText(text, "CHINT3").substr(0, 23), "[CHINT3]\r\nPosition=77\r\n");
  EXPECT_EQ(SectionText(text, "CHWX9"), "[CHWX9]\r\nEnable=1\r\nScanMemory=1\r\nChTag=#WX10\r\n");
  EXPECT_EQ(SectionText(text, "CHMMSID80"),
            "[CHMMSID80]\r\nEnable=1\r\nTagName=#HARBOUR\r\nMmsid=2441234560\r\n");
  EXPECT_EQ(SectionText(text, "CHEXP1"),
            "[CHEXP1]\r\nEnable=1\r\nCHDisplayL=10\r\nCHDisplayR=A\r\nRxfreq=100.5259\r\n"
            "Txfreq=157.425\r\nLowPower=0\r\nPowUp=1\r\nScanMemory=1\r\nScramble=2\r\nChTag=#EXP "
            "ONE\r\n");
}

} // namespace
} // namespace kv508::testing
