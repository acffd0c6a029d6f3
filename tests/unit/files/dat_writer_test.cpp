#include "dat_fixture.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

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
