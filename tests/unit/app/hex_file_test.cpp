#include "app/hex_file.h"

#include "app/new_data.h"
#include "config_fixtures.h"
#include "image/decode.h"
#include "image/encode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(SessionFixture, NewDataResetsEverythingAndLoadsTheStoredDestinationOnRequest) {
  std::vector<std::string> hooks; // "!" marks a hook called while not busy
  for (auto [hook, name] : {std::pair{&EditorHooks::RefillScreens, "Refill"},
                            {&EditorHooks::RebuildTree, "Tree"},
                            {&EditorHooks::SelectGeneral, "General"},
                            {&EditorHooks::ClearStatusHint, "Hint"},
                            {&EditorHooks::UpdateCaption, "Caption"},
                            {&EditorHooks::RefreshNodeTexts, "Nodes"}})
    session.editor.*
        hook = [&, name] { hooks.push_back(name + std::string(session.state.Busy ? "" : "!")); };
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

  hooks.clear();
  NewData(session, true);
  EXPECT_EQ(ImageText(session.data.Image), ImageBytes(2));
  EXPECT_EQ(session.destinations.Checked, 0);
  EXPECT_THAT(
      hooks, ElementsAre("Refill", "Tree", "Nodes", "Tree", "General", "Hint", "Caption", "Nodes"));
}

struct HexFileTest : SessionFixture {
  std::string hooks;
  HexFileTest() {
    NewData(session, false);
    session.editor.SelectGeneral = [this] { hooks += "SelectGeneral "; };
    session.editor.RefillScreens = [this] { hooks += "RefillScreens "; };
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
  EXPECT_EQ(hooks, "");
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
  EXPECT_EQ(hooks, "SelectGeneral RefillScreens ");

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
