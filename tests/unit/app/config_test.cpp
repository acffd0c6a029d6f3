#include "app/config.h"
#include "app/hex_file.h"
#include "app/new_data.h"
#include "app/platform.h"
#include "image/decode.h"
#include "image/encode.h"

#include "config_fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/resource.h>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;

TEST(IniRead, FollowsPrivateProfileRules) {
  TempFolder folder;
  const std::array<std::string, 4> cases[] = {
      {"[Model1]\r\n  USE = 1 \r\n", "model1", "use", "1"},
      {"[a]\nx=1\n[a]\nk=2\n", "a", "k", ""}, // only the first section of a name
      {"[a]\nk=" + std::string(200, 'x') + "\n", "a", "k", std::string(127, 'x')},
      {std::string("[a]\nk=ab\0cd\n", 12), "a", "k", "ab"},
      {"\xEF\xBB\xBF[a]\rk=v\r", "a", "k", "v"},
  };
  for (const auto &[content, section, key, expected] : cases) {
    WriteBytes(folder / "t.ini", content);
    EXPECT_EQ(IniRead(folder / "t.ini", section, key), expected) << content;
  }
}

TEST(IniRead, UnreadableOrHostileFilesReadAsAbsent) {
  TempFolder folder;
  EXPECT_EQ(IniRead(folder / "missing.ini", "a", "k"), "");
  EXPECT_EQ(IniRead(folder.path(), "a", "k"), "");
  std::mt19937 random(7);
  std::string garbage(200000, '\0');
  for (char &c : garbage)
    c = static_cast<char>(random());
  WriteBytes(folder / "garbage.ini", garbage + "\n[a]\nk=found\n");
  EXPECT_EQ(IniRead(folder / "garbage.ini", "a", "k"), "found");
  // Only the first megabytes of a file are read.
  WriteBytes(folder / "huge.ini", std::string(9u << 20, '\n') + "[a]\nk=1\n");
  EXPECT_EQ(IniRead(folder / "huge.ini", "a", "k"), "");
}

// What the file holds, up to one byte past the limit, in a buffer the size of
// the file rather than the size of the limit.
TEST(ReadRegularFile, ReadsWhatTheFileHoldsUpToOnePastTheLimit) {
  TempFolder folder;
  constexpr std::size_t kLimit = 200000;
  std::mt19937 random(3);
  std::string content(3 * kLimit, '\0');
  for (char &c : content)
    c = static_cast<char>(random());
  for (std::size_t size : {std::size_t{0}, std::size_t{28}, kLimit, kLimit + 1, 3 * kLimit}) {
    WriteBytes(folder / "f", content.substr(0, size));
    std::string bytes = "stale";
    EXPECT_FALSE(platform::ReadRegularFile(folder / "f", bytes, kLimit)) << size;
    EXPECT_EQ(bytes, content.substr(0, std::min(size, kLimit + 1))) << size;
  }
  WriteBytes(folder / "global.ini", "[model1]\nuse=1\natis=True\n");
  std::string small;
  EXPECT_FALSE(platform::ReadRegularFile(folder / "global.ini", small, 8u << 20));
  EXPECT_LT(small.capacity(), 4096u);
}

TEST(SelectModelAtStartup, CountsOfferedModelsAndRestoresLastModel) {
  const std::array<std::string, 3> cases[] = {
      // global.ini, stored last model, offered -> chosen [atis] [edit menu]
      {"[model1]\nuse=1\natis= tRuE \n[model2]\nuse=1\n", "1", "12 -> 1 atis menu"},
      {"[model1]\nuse=1\n[model2]\nuse=1\n", "10", "12 -> 2 menu"},
      {"[model1]\nuse=1\n[model2]\nuse=0\n[model3]\nuse=1\natis=-1\n", "2", "13 -> 3 atis menu"},
      {"[model1]\nuse=1\n[model2]\nuse=1\n[model3]\nuse=1\natis=yes\n", "abc", "123 -> 3 menu"},
      {"[model1]\nuse=abc\n[model2]\nuse=1.0\n", "1", "2 -> 2"},
      {"[model1]\nuse=2\n", "1", "unknown"},
  };
  for (const auto &[ini, last, expected] : cases) {
    const ModelSelection s = SelectModelAtStartup(GlobalIni(ini), last);
    std::string got;
    for (int m : s.OfferedModels)
      got += std::to_string(m);
    got += " -> " + std::to_string(s.ModelVariant) + (s.AtisCapable ? " atis" : "") +
           (s.ShowEditMenu ? " menu" : "");
    EXPECT_EQ(s.UnknownModel ? "unknown" : got, expected) << ini;
  }
  EXPECT_EQ(SelectModelAtStartup(GlobalIni("[model1]\nuse=1\n"), "1").TitleText,
            "PC Program for TR4100/TR4300");
}

// Read at the first question and kept: the start-up and a later model change
// see the same file, and a session of another program folder sees its own.
TEST(SelectModelAtStartup, ReadsGlobalIniOncePerProgramFolder) {
  TempFolder first;
  TempFolder second;
  WriteBytes(first / "global.ini", "[model1]\nuse=1\natis=True\n");
  WriteBytes(second / "global.ini", "[model1]\nuse=1\n[model2]\nuse=1\n");
  EXPECT_EQ(SelectModelAtStartup(first / "global.ini", "1").OfferedModels, std::vector<int>{1});
  WriteBytes(first / "global.ini", "[model1]\nuse=0\n");
  std::filesystem::remove(second / "global.ini"); // not asked for yet
  EXPECT_EQ(SelectModelAtStartup(first.path() / "." / "global.ini", "1").OfferedModels,
            std::vector<int>{1});
  EXPECT_TRUE(ReadAtisCapable(first / "global.ini", 1));
  EXPECT_TRUE(SelectModelAtStartup(second / "global.ini", "1").UnknownModel);
}

TEST(DestinationNames, FirstTenMatchingFilesSortedWithoutCase) {
  std::vector<std::string> files = {"global.ini", "usaa_07D0.ini", "X_Y_07D0.ini", "Old_07D1.ini",
                                    "cana_07d0.INI"};
  for (char c = 'K'; c >= 'C'; --c)
    files.push_back(std::string(1, c) + "_07D0.ini");
  EXPECT_THAT(DestinationNames(files, "_07D0"),
              ElementsAre("CANA", "E", "F", "G", "H", "I", "J", "K", "USAA", "X"));
  EXPECT_TRUE(DestinationNames(files, "").empty());
}

// Records what the session tells its front end.
struct HeardObserver : DataObserver {
  std::vector<std::string> heard;
  void DataReplaced() override { heard.push_back("DataReplaced"); }
  void DestinationsChanged() override { heard.push_back("DestinationsChanged"); }
};

struct DestinationTest : SessionFixture {
  HeardObserver observer;
  std::vector<std::string> &hooks = observer.heard;
  DestinationTest() { session.observer = &observer; }
};

TEST_F(DestinationTest, StoredDefaultLoadsOnlyWhenListedAndRefusedImagesChangeNothing) {
  const MemoryImage initial = session.data.Image;
  RebuildDestinationList(session);
  EXPECT_FALSE(session.destinations.Enabled);
  WriteBytes(folder / "INTL_07D0.ini", ImageBytes(1));
  RebuildDestinationList(session); // stored default "usaa" names no file
  EXPECT_TRUE(session.destinations.Enabled);
  EXPECT_EQ(session.destinations.Checked, -1);
  EXPECT_EQ(session.data.Image, initial);
  EXPECT_THAT(hooks, ElementsAre("DestinationsChanged"));
  hooks.clear();

  WriteBytes(folder / "usaa_07D0.ini", ImageBytes(2));
  RebuildDestinationList(session);
  EXPECT_EQ(session.destinations.Captions[1] + session.destinations.Captions[2], "USAA");
  EXPECT_EQ(session.destinations.Checked, 1);
  EXPECT_EQ(session.data.Common.TxPoDisplay, 2);
  EXPECT_THAT(hooks, ElementsAre("DestinationsChanged", "DataReplaced"));

  const MemoryImage before = session.data.Image;
  for (const std::string &bytes :
       {ImageBytes(1, 0x07D0, 0x1234), ImageBytes(1, 0x07D0, 0x07D0, kImageSize + 1)}) {
    WriteBytes(folder / "CANA_07D0.ini", bytes);
    RebuildDestinationList(session);
    LoadDestination(session, 0);
    EXPECT_EQ(session.destinations.Checked, 2);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(std::tuple(host.messages[0].icon, host.messages[0].title, host.messages[0].text),
              std::tuple(Icon::Exclamation, "PC Program for TR4100/TR4300", "IniFileRead Error!!"));
    EXPECT_EQ(session.data.Image, before);
    EXPECT_TRUE(settings.Values().empty());
    EXPECT_FALSE(session.state.Busy);
    host.messages.clear();
  }
  EXPECT_FALSE(LoadDestinationFile(session, folder / "missing_07D0.ini"));

  WriteBytes(folder / "CANA_07D0.ini", ImageBytes(0));
  LoadDestination(session, 0);
  EXPECT_EQ(session.destinations.Checked, 0);
  EXPECT_EQ(settings.Get("IniFilePath", "IniFileName_1", ""), "CANA");
  EXPECT_EQ(ImageText(session.data.Image), ImageBytes(0));
}

TEST_F(DestinationTest, PortAndProgramFolder) {
  for (auto [stored, port] : {std::pair{"99999", 1}, {" 20 ", 20}}) {
    settings.Set("ComPath", "ComNum", stored);
    EXPECT_EQ(StoredComPort(settings), port) << stored;
  }
  SelectPort(session, 6, true);
  EXPECT_EQ(session.ComPort, 7);
  EXPECT_EQ(settings.Get("ComPath", "ComNum", ""), "7");

  EXPECT_NE(LocateProgramFolder(folder.path()), folder.path());
  WriteBytes(folder / "global.ini", "[model1]\nuse=1\n");
  EXPECT_EQ(LocateProgramFolder(folder.path()), folder.path());
}

// The images generated at build time: factory choices, and the groups each destination offers.
TEST_F(DestinationTest, ShippedImagesLoadWithFactoryChoices) {
  const char *dataDir = std::getenv("KV508_TEST_DATA");
  if (!dataDir || !std::filesystem::exists(std::filesystem::path(dataDir) / "USAA_07D0.ini"))
    GTEST_SKIP() << "destination images not built";
  session.programDir = dataDir;
  RebuildDestinationList(session);
  std::string loaded;
  for (int index = 0; index < 3; ++index) {
    LoadDestination(session, index);
    const RadioData &d = session.data;
    loaded += session.destinations.Captions[index] + ":";
    for (const ChannelGroupSetup &group : d.ChannelGroups)
      loaded += group.Enable ? "1" : "0";
    const bool factory = d.Common.Weater == 0 && d.Common.OffsetTime == 0;
    loaded += factory && d.AutoPos.Entry[1] == AutoPosEntry{} ? " " : "! ";
  }
  EXPECT_EQ(loaded, "CANA:1010 INTL:0100 USAA:1110 ");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SessionFixture, NewDataResetsEverythingAndLoadsTheStoredDestinationOnRequest) {
  NewData(session, false);
  const RadioData fresh = session.data;
  EXPECT_EQ(fresh.CHUSA[32].ChTag + fresh.CHINT[32].ChTag + fresh.CHCAN[32].ChTag +
                fresh.CHWX[0].ChTag,
            "DISTRESSDISTRESSDISTRESS162.550MHZ"); // every plan applied
  // Decoding the image and encoding it again changes nothing: image and settings agree.
  RadioData copy = fresh;
  DecodeImage(copy);
  ASSERT_FALSE(EncodeImage(copy, 1).has_value());
  EXPECT_EQ(copy.Image, fresh.Image);

  session.data.CHMMSID[3].Mmsid = "1234567890";
  session.data.Common.Sog = 1;
  session.state.CurrentFilePath = "/tmp/x.dat";
  WriteBytes(folder / "USAA_07D0.ini", ImageBytes(2)); // not looked at
  NewData(session, false);
  EXPECT_TRUE(session.data == fresh);
  EXPECT_EQ(session.state.CurrentFilePath + std::to_string(session.destinations.Checked), "-1");

  NewData(session, true);
  EXPECT_EQ(ImageText(session.data.Image), ImageBytes(2));
  EXPECT_EQ(session.destinations.Checked, 0);
}

struct HexFileTest : SessionFixture {
  HeardObserver observer;
  std::vector<std::string> &hooks = observer.heard;
  HexFileTest() {
    NewData(session, false);
    session.observer = &observer;
  }
  // Every message shown as "icon|title|text" (2: exclamation, 3: critical); clears them.
  std::string Messages() {
    std::string out;
    for (const RecordedMessage &m : host.messages)
      out += std::to_string(static_cast<int>(m.icon)) + "|" + m.title + "|" + m.text + "\n";
    host.messages.clear();
    return out;
  }
};

TEST_F(HexFileTest, RefusedFilesChangeNothing) {
  const RadioData before = session.data;
  const std::string title = session.state.TitleText;
  const std::pair<std::string, std::string> cases[] = {
      {ImageBytes(2, 0x07D0, 0x07D0, kImageSize + 1), "3|" + title + "|bad file!!\n"},
      {ImageBytes(2, 0x07D0, 0x07D1), "3|Read from Radio|ModelType Error !!\n"},
      {"", "2|" + title + "|FileRead Error!!\n"}, // no file
  };
  for (const auto &[bytes, message] : cases) {
    std::filesystem::remove(folder / "x.hex");
    if (!bytes.empty())
      WriteBytes(folder / "x.hex", bytes);
    EXPECT_FALSE(ReadHexFile(session, folder / "x.hex"));
    EXPECT_EQ(Messages(), message);
    EXPECT_TRUE(session.state.OperationFailed);
    EXPECT_FALSE(session.state.Busy);
    EXPECT_TRUE(session.data == before);
  }
  EXPECT_TRUE(hooks.empty());
}

TEST_F(HexFileTest, SavedImageOpensByteIdenticalAndFailedSavesKeepTheOldFile) {
  session.data.CHUSA[16].ChTag = "HARBOUR";
  ASSERT_TRUE(SaveHexFile(session, folder / "a.hex"));
  EXPECT_EQ(ReadBytes(folder / "a.hex"), ImageText(session.data.Image));
  const RadioData saved = session.data;
  NewData(session, false);
  hooks.clear();
  ASSERT_TRUE(ReadHexFile(session, folder / "a.hex"));
  EXPECT_FALSE(session.state.OperationFailed);
  EXPECT_TRUE(session.data == saved);
  EXPECT_THAT(hooks, ElementsAre("DataReplaced"));

  session.data.Common.Weater = 300; // does not fit its byte
  EXPECT_FALSE(SaveHexFile(session, folder / "b.hex"));
  EXPECT_EQ(Messages(),
            "2|" + session.state.TitleText + "|Data Error!!\r\nCommonSetup Weater = 300\n");
  session.data.Common.Weater = 0;

  // A file size limit makes the write fail half-way, even for root; failures are logged.
  session.state.DebugMode = true;
  rlimit normal{};
  ::getrlimit(RLIMIT_FSIZE, &normal);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = normal;
  small.rlim_cur = 1000;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool savedOk = SaveHexFile(session, folder / "a.hex");
  ::setrlimit(RLIMIT_FSIZE, &normal);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(savedOk);
  EXPECT_TRUE(session.state.OperationFailed);
  EXPECT_EQ(Messages(), "2|" + session.state.TitleText + "|FileSave Error!!\n");
  EXPECT_EQ(ReadBytes(folder / "a.hex"), ImageText(saved.Image));
  EXPECT_EQ(ReadBytes(folder / "err.log").substr(19),
            ":frmMain.SaveHexFileAs -> 27File too large\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

} // namespace
} // namespace kv508::testing
