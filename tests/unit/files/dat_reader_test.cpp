#include "dat_fixture.h"

#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

const std::string kMain = "[MAIN]\r\nMODELTYPE=1\r\n";

// Applies a file text to a session as FileRead2 does after NewData.
void Apply(DatSession &s, const std::string &text) { ApplyDatFile(s.session, ParseDatText(text)); }

int FirstWithDuplexAllowed(const ChannelBank &bank, bool allowed) {
  for (int i = bank.Lower(); i <= bank.Upper(); ++i)
    if (bank[i].DuplexAllowed == allowed)
      return i;
  return -1;
}

TEST(DatReader, PlanBankIsReadByPositionUntilTheFirstMissingSection) {
  auto s = MakeSession();
  auto defaults = std::make_unique<RadioData>(s->data());
  std::string text = kMain;
  // Sections 0..4 and 6: [CHUSA5] is missing, so [CHUSA6] is never read.
  const char *positions[] = {"20", "240", "-1", "abc", "7.5x"};
  for (int n = 0; n < 5; ++n)
    text += "[CHUSA" + std::to_string(n) + "]\r\nPosition=" + positions[n] +
            "\r\nEnable=1\r\nScanMemory=1\r\nChTag=#T" + std::to_string(n) + "\r\n";
  text += "[CHUSA6]\r\nPosition=30\r\nChTag=#SIX\r\n[END]\r\n";
  Apply(*s, text);

  const ChannelBank &usa = s->data().CHUSA;
  EXPECT_EQ(usa[20].ChTag, "T0");
  EXPECT_TRUE(usa[20].Enable);
  EXPECT_TRUE(usa[20].ScanMemory);
  EXPECT_EQ(usa[0].ChTag, "T3"); // no leading number reads as position 0
  EXPECT_EQ(usa[8].ChTag, "T4"); // 7.5 rounds to the even 8
  EXPECT_EQ(usa[8].Position, 8);
  EXPECT_EQ(usa[30], defaults->CHUSA[30]);
  for (int i : {1, 7, 9, 239})
    EXPECT_EQ(usa[i], defaults->CHUSA[i]) << i;
  // Flags missing from a section keep their defaults.
  EXPECT_EQ(usa[20].LowPower, defaults->CHUSA[20].LowPower);
  EXPECT_EQ(usa[20].TxEnable, defaults->CHUSA[20].TxEnable);
}

TEST(DatReader, DuplexNeedsDuplexAllowed) {
  auto s = MakeSession();
  int allowed = FirstWithDuplexAllowed(s->data().CHINT, true);
  int refused = FirstWithDuplexAllowed(s->data().CHINT, false);
  ASSERT_GE(allowed, 0);
  ASSERT_GE(refused, 0);
  Apply(*s, kMain + "[CHINT0]\r\nPosition=" + std::to_string(allowed) + "\r\nDuplex=1\r\n" +
                "[CHINT1]\r\nposition = " + std::to_string(refused) + "\r\nDUPLEX=True\r\n[X]");
  EXPECT_TRUE(s->data().CHINT[allowed].Duplex);
  EXPECT_FALSE(s->data().CHINT[refused].Duplex);
}

TEST(DatReader, SettingsValuesAndUnconvertibleOnes) {
  auto s = MakeSession();
  RadioData &d = s->data();
  auto defaults = std::make_unique<RadioData>(d);
  Apply(*s, kMain + "[usable ch group setup]\r\nGroup1 = 0\r\nExp CH=-1\r\nPriority CH 0=70000\r\n"
                    "Priority CH 1=abc\r\nStatus name 0=#SEA \r\n"
                    "Exp Ch Group 0=1\r\nExp Ch Group 1=True\r\nExp Ch Group 2=no\r\n"
                    "[Common Setup]\r\nTX Po Display=2.5\r\nOffset Time=-24\r\nSOG=40000\r\n"
                    "Weater=x\r\nSCAN=tRue\r\n"
                    "[DSC Setup (Basic Setup)]\r\nBeepOut7=1\r\nPosRequestTX2=1\r\n"
                    "[DSC Setup (Advanced Setup)]\r\nPositionReport CallTX3=1\r\n"
                    "[DSC Setup (Display Setup)]\r\nPOS Request ACK Menu=1\r\n[END]\r\n");
  EXPECT_FALSE(d.ChannelGroups[0].Enable);
  EXPECT_TRUE(d.ChannelGroups[3].Enable);
  EXPECT_EQ(d.ChannelGroups[0].PriorityCh, 70000);
  EXPECT_EQ(d.ChannelGroups[1].PriorityCh, defaults->ChannelGroups[1].PriorityCh);
  EXPECT_EQ(d.ChannelGroups[2].PriorityCh, defaults->ChannelGroups[2].PriorityCh);
  EXPECT_EQ(d.ChannelGroups[0].StatusName, "SEA");
  EXPECT_EQ(d.ChannelGroups[1].StatusName, ""); // a missing text key empties the field
  EXPECT_TRUE(d.ChannelGroups[3].ExpChGroup[0]);
  EXPECT_TRUE(d.ChannelGroups[3].ExpChGroup[1]);
  EXPECT_EQ(d.ChannelGroups[3].ExpChGroup[2], defaults->ChannelGroups[3].ExpChGroup[2]);
  EXPECT_EQ(d.Common.TxPoDisplay, 2);
  EXPECT_EQ(d.Common.OffsetTime, -24);
  EXPECT_EQ(d.Common.Sog, defaults->Common.Sog);
  EXPECT_EQ(d.Common.Weater, defaults->Common.Weater);
  EXPECT_TRUE(d.Common.Scan);
  EXPECT_EQ(d.Common.Distance, defaults->Common.Distance);
  EXPECT_TRUE(d.DscBasic.BeepOut[7]);
  EXPECT_TRUE(d.DscBasic.PosRequestTx[2]);
  EXPECT_EQ(d.DscBasic.UserMmsi, "");
  EXPECT_TRUE(d.DscAdvanced.PositionReportCallTx[3]);
  EXPECT_TRUE(d.DscDisplay[PosRequestAckMenu]);
}

TEST(DatReader, DirectoriesWeatherAndExpansion) {
  auto s = MakeSession();
  RadioData &d = s->data();
  d.CHMMSID[7] = {true, "OLD", "1111111110", d.CHMMSID[7].Member};
  d.CHGRPID[2].TagName = "KEEP?";
  auto defaults = std::make_unique<RadioData>(d);
  Apply(*s, kMain + "[CHMMSID7]\r\nEnable=0\r\nMmsid=2442442440\r\n"
                    "[CHWX3]\r\nEnable=1\r\nScanMemory=0\r\nChTag=#WX4\r\n"
                    "[CHEXP2]\r\nEnable=1\r\nCHDisplayL=#12\r\nCHDisplayR=B\r\nRxfreq=156,025\r\n"
                    "Txfreq=1.5e2\r\nChTag=#E2\r\n"
                    "[CHEXP3]\r\nRxfreq=abc\r\nTxfreq=\r\n[END]\r\n");
  EXPECT_FALSE(d.CHMMSID[7].Enable);
  EXPECT_EQ(d.CHMMSID[7].TagName, ""); // a section without TagName empties the name
  EXPECT_EQ(d.CHMMSID[7].Mmsid, "2442442440");
  EXPECT_EQ(d.CHGRPID[2].TagName, ""); // a missing section empties its texts
  EXPECT_TRUE(d.CHWX[3].Enable);
  EXPECT_EQ(d.CHWX[3].ChTag, "WX4");
  EXPECT_EQ(d.CHEXP[2].CHDisplayL, "12");
  EXPECT_EQ(d.CHEXP[2].CHDisplayR, "B");
  EXPECT_EQ(d.CHEXP[2].Rxfreq, 156.025);
  EXPECT_EQ(d.CHEXP[2].Txfreq, 150.0);
  EXPECT_EQ(d.CHEXP[2].ChTag, "E2");
  EXPECT_EQ(d.CHEXP[3].Rxfreq, defaults->CHEXP[3].Rxfreq);
  EXPECT_EQ(d.CHEXP[3].Txfreq, defaults->CHEXP[3].Txfreq);
}

TEST(DatReader, AtisAndScrambleOnlyWhenTheModelHasThem) {
  const std::string text =
      kMain + "[ATIS Setup (Common)]\r\nUsable ATIS CH Group1=1\r\nAtis Code=#9211234567\r\n"
              "[ATIS Setup (Call Sign)]\r\nMID3=244\r\nDISP3=NL\r\n"
              "[CHCAN0]\r\nPosition=5\r\nScramble=6\r\n[END]\r\n";
  auto plain = MakeSession(1, false);
  auto defaults = std::make_unique<RadioData>(plain->data());
  Apply(*plain, text);
  EXPECT_EQ(plain->data().Atis, defaults->Atis);
  EXPECT_EQ(plain->data().AtisCallSigns, defaults->AtisCallSigns);
  EXPECT_EQ(plain->data().CHCAN[5].Scramble, defaults->CHCAN[5].Scramble);

  auto atis = MakeSession(1, true);
  atis->session.model.ScrambleCapable = true;
  Apply(*atis, text);
  EXPECT_TRUE(atis->data().Atis.UsableAtisChGroup[1]);
  EXPECT_EQ(atis->data().Atis.AtisCode, "9211234567");
  EXPECT_EQ(atis->data().AtisCallSigns[3].Mid, "244");
  EXPECT_EQ(atis->data().AtisCallSigns[3].Disp, "NL");
  EXPECT_EQ(atis->data().CHCAN[5].Scramble, 6);
}

// The user's data before a refused read: edited, with a file name and unsaved changes.
std::unique_ptr<DatSession> EditedSession(bool debug = false) {
  auto s = MakeSession();
  s->session.state.DebugMode = debug;
  s->data().CHUSA[16].ChTag = "EDITED";
  s->data().Image[500] ^= 0xFF;
  s->session.state.CurrentFilePath = "/somewhere/before.dat";
  s->session.state.DataChanged = true;
  return s;
}

void ExpectUnchanged(DatSession &s, const RadioData &before) {
  EXPECT_TRUE(s.data() == before);
  EXPECT_EQ(s.session.state.CurrentFilePath, "/somewhere/before.dat");
  EXPECT_TRUE(s.session.state.DataChanged);
  EXPECT_TRUE(s.session.state.OperationFailed);
  EXPECT_TRUE(s.session.state.OperationIncomplete);
  EXPECT_FALSE(s.session.state.Busy);
}

TEST(DatFileRead, RefusedFilesChangeNothing) {
  std::string manyLines = kMain;
  for (std::size_t i = 0; i < kDatMaxLines; ++i)
    manyLines += "k=1\n";
  struct Case {
    const char *what;
    std::string text;
    const char *message;
    Icon icon;
    bool debug; // only then is the failure logged
  } cases[] = {
      {"other model", "[MAIN]\r\nMODELTYPE=11\r\n[CHUSA0]\r\nPosition=16\r\nChTag=#NEW\r\n",
       "ModelType Error !!", Icon::Critical, false},
      {"no MAIN", "[CHUSA0]\r\nPosition=16\r\nChTag=#NEW\r\n", "ModelType Error !!", Icon::Critical,
       false},
      {"not a number", "[MAIN]\r\nMODELTYPE=one\r\n", "ModelType Error !!", Icon::Critical, false},
      {"empty", "", "ModelType Error !!", Icon::Critical, false},
      {"long line", kMain + "X=" + std::string(kDatMaxLineBytes, 'a'), "FileRead Error!!",
       Icon::Exclamation, true},
      {"too many lines", manyLines, "FileRead Error!!", Icon::Exclamation, true},
      {"too large", kMain + std::string(kDatMaxFileBytes, '\n'), "FileRead Error!!",
       Icon::Exclamation, true},
  };
  for (const Case &c : cases) {
    auto s = EditedSession(c.debug);
    auto before = std::make_unique<RadioData>(s->data());
    WriteBytes(s->File("x.dat"), c.text);
    EXPECT_FALSE(FileRead2(s->session, s->File("x.dat"))) << c.what;
    EXPECT_EQ(s->host.Texts(), std::vector<std::string>{c.message}) << c.what;
    EXPECT_EQ(s->host.messages[0].icon, c.icon);
    EXPECT_EQ(s->host.messages[0].title, "PC Program for TR4100/TR4300");
    ExpectUnchanged(*s, *before);
    if (c.debug) {
      std::string log = ReadBytes(s->File("err.log"));
      EXPECT_NE(log.find(":frmMain.FileRead2 -> 27File too large"), std::string::npos) << log;
    }
  }

  auto s = EditedSession();
  auto before = std::make_unique<RadioData>(s->data());
  EXPECT_FALSE(FileRead2(s->session, s->File("missing.dat")));
  EXPECT_EQ(s->host.Texts(), std::vector<std::string>{"FileRead Error!!"});
  ExpectUnchanged(*s, *before);
}

TEST(DatFileRead, AcceptedFileReplacesDataAndNamesTheFile) {
  auto s = EditedSession();
  auto defaults = MakeSession();
  // Binary bytes are carried like any other; only line ends and blanks are special.
  std::string tag("\x01\xFF\0Z", 4);
  WriteBytes(s->File("in.dat"), kMain + "[CHUSA0]\nPosition=3\r\nChTag=#" + tag + "\n[END]\n");
  EXPECT_TRUE(FileRead2(s->session, s->File("in.dat")));
  EXPECT_TRUE(s->host.messages.empty());
  EXPECT_EQ(s->data().CHUSA[3].ChTag, tag);
  EXPECT_EQ(s->data().CHUSA[16], defaults->data().CHUSA[16]); // NewData ran first
  EXPECT_EQ(s->session.state.CurrentFilePath, s->File("in.dat").string());
  EXPECT_TRUE(s->session.state.DataChanged); // a read leaves it as it was
  EXPECT_FALSE(s->session.state.OperationFailed);
  EXPECT_FALSE(s->session.state.OperationIncomplete);
  EXPECT_FALSE(s->session.state.Busy);
}

TEST(DatFileRead, ResetsAsFileNewDoesWithTheStoredDestination) {
  auto s = MakeSession();
  RadioData destination = s->data();
  BuildDefaultImage(destination, 1);
  destination.Image[20000] = 0x5A;
  WriteBytes(s->File("USAA_07D0.ini"),
             std::string(destination.Image.begin(), destination.Image.end()));
  s->data().Image[20000] = 0;
  WriteBytes(s->File("in.dat"), kMain + "[CHUSA0]\r\nPosition=3\r\nChTag=#X\r\n[END]\r\n");
  ASSERT_TRUE(FileRead2(s->session, s->File("in.dat")));
  EXPECT_EQ(s->data().Image[20000], 0x5A); // the image comes from the destination, not the file
  EXPECT_EQ(s->data().CHUSA[3].ChTag, "X");
}

TEST(DatSaveFileAs, WritesTheTextAndReportsFailure) {
  auto s = MakeSession(1, true);
  s->session.state.CurrentFilePath = "/somewhere/before.dat";
  s->session.state.DataChanged = true;
  ASSERT_TRUE(SaveFileAs(s->session, s->File("out.dat")));
  EXPECT_EQ(ReadBytes(s->File("out.dat")), BuildDatText(s->data(), s->session.model));
  EXPECT_FALSE(s->session.state.OperationFailed);
  EXPECT_FALSE(s->session.state.Busy);
  // Leaving the file name and the change flag to the caller.
  EXPECT_EQ(s->session.state.CurrentFilePath, "/somewhere/before.dat");
  EXPECT_TRUE(s->session.state.DataChanged);

  s->session.state.DebugMode = true;
  std::filesystem::create_directory(s->File("folder.dat"));
  EXPECT_FALSE(SaveFileAs(s->session, s->File("folder.dat")));
  EXPECT_EQ(s->host.Texts(), std::vector<std::string>{"FileSave Error!!"});
  EXPECT_EQ(s->host.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(s->host.messages[0].title, "PC Program for TR4100/TR4300");
  EXPECT_TRUE(s->session.state.OperationFailed);
  EXPECT_TRUE(s->session.state.OperationIncomplete);
  EXPECT_FALSE(s->session.state.Busy);
  EXPECT_EQ(s->session.state.CurrentFilePath, "/somewhere/before.dat");
  EXPECT_TRUE(s->session.state.DataChanged);
  EXPECT_NE(ReadBytes(s->File("err.log")).find(":frmMain.SaveFileAs -> 21Is a directory"),
            std::string::npos);
}

} // namespace
} // namespace kv508::testing
