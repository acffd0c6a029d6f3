#include "app/hex_file.h"

#include "app/new_data.h"
#include "config_fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct HexFileTest : SessionFixture {
  std::vector<std::string> hooks;
  HexFileTest() {
    NewData(session, false);
    session.editor.SelectGeneral = [this] { hooks.push_back("SelectGeneral"); };
    session.editor.RefillScreens = [this] { hooks.push_back("RefillScreens"); };
  }
  void ExpectOnlyMessage(Icon icon, const std::string &title, const std::string &text) {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, icon);
    EXPECT_EQ(host.messages[0].title, title);
    EXPECT_EQ(host.messages[0].text, text);
    host.messages.clear();
  }
};

TEST_F(HexFileTest, RefusedFilesChangeNothing) {
  const RadioData before = session.data;
  const std::string title = session.state.TitleText;
  struct Case {
    std::string bytes;
    Icon icon;
    std::string title, text;
  } cases[] = {
      {ImageBytes(2, 0x07D0, 0x07D0, kImageSize - 1), Icon::Critical, title, "bad file!!"},
      {ImageBytes(2, 0x07D0, 0x07D0, kImageSize + 1), Icon::Critical, title, "bad file!!"},
      {ImageBytes(2, 0x07D0, 0x07D1), Icon::Critical, "Read from Radio", "ModelType Error !!"},
      {ImageBytes(2, 0x07D1, 0x07D1), Icon::Critical, "Read from Radio", "ModelType Error !!"},
  };
  for (const Case &c : cases) {
    WriteBytes(folder / "x.hex", c.bytes);
    EXPECT_FALSE(ReadHexFile(session, folder / "x.hex"));
    ExpectOnlyMessage(c.icon, c.title, c.text);
    EXPECT_TRUE(session.state.OperationFailed);
    EXPECT_FALSE(session.state.Busy);
    EXPECT_TRUE(session.data == before);
  }
  EXPECT_FALSE(ReadHexFile(session, folder / "missing.hex"));
  ExpectOnlyMessage(Icon::Exclamation, title, "FileRead Error!!");
  EXPECT_TRUE(session.data == before);
  EXPECT_TRUE(hooks.empty());
}

TEST_F(HexFileTest, SavedImageOpensByteIdentical) {
  session.data.Common.ResumeTime = 2;
  session.data.CHUSA[16].ChTag = "DISTRESS";
  session.data.ChannelGroups[1].StatusName = "INTL";
  ASSERT_TRUE(SaveHexFile(session, folder / "a.hex"));
  EXPECT_FALSE(session.state.OperationFailed);
  const std::string saved = ReadBytes(folder / "a.hex");
  EXPECT_EQ(saved, ImageText(session.data.Image));

  FakeHost otherHost;
  Session other(otherHost, settings);
  other.model.ModelVariant = 1;
  NewData(other, false);
  other.editor = session.editor;
  ASSERT_TRUE(ReadHexFile(other, folder / "a.hex"));
  EXPECT_EQ(ImageText(other.data.Image), saved);
  EXPECT_EQ(other.data.Common, session.data.Common);
  EXPECT_EQ(other.data.ChannelGroups, session.data.ChannelGroups);
  EXPECT_EQ(other.data.CHUSA[16].ChTag, "DISTRESS");
  EXPECT_THAT(hooks, ElementsAre("SelectGeneral", "RefillScreens"));
  EXPECT_EQ(otherHost.pausedMs, 500);
  EXPECT_TRUE(otherHost.messages.empty());
}

TEST_F(HexFileTest, SaveOverAFolderFailsAndLogs) {
  session.state.DebugMode = true;
  std::filesystem::create_directories(folder / "target.hex");
  WriteBytes(folder / "target.hex" / "inside", "old");
  EXPECT_FALSE(SaveHexFile(session, folder / "target.hex"));
  ExpectOnlyMessage(Icon::Exclamation, session.state.TitleText, "FileSave Error!!");
  EXPECT_TRUE(session.state.OperationFailed);
  EXPECT_EQ(ReadBytes(folder / "target.hex" / "inside"), "old");
  EXPECT_THAT(ReadBytes(folder / "err.log"), HasSubstr("frmMain.SaveHexFileAs -> 21"));
}

TEST_F(HexFileTest, WriteFailureKeepsTheOldFile) {
  WriteBytes(folder / "old.hex", "old");
  // A file size limit makes the write fail half-way, even for root.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool savedOk = SaveHexFile(session, folder / "old.hex");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(savedOk);
  ExpectOnlyMessage(Icon::Exclamation, session.state.TitleText, "FileSave Error!!");
  EXPECT_EQ(ReadBytes(folder / "old.hex"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_FALSE(std::filesystem::exists(folder / "err.log"));
}

TEST_F(HexFileTest, ValueThatDoesNotFitIsNotSaved) {
  session.data.Common.Weater = 300;
  EXPECT_FALSE(SaveHexFile(session, folder / "a.hex"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, Icon::Exclamation);
  EXPECT_THAT(host.messages[0].text, HasSubstr("Data Error!!"));
  EXPECT_FALSE(std::filesystem::exists(folder / "a.hex"));
}

} // namespace
} // namespace kv508::testing
