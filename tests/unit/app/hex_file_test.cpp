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

struct HexFileTest : SessionFixture {
  std::vector<std::string> hooks;
  HexFileTest() {
    NewData(session, false);
    session.editor.SelectGeneral = [this] { hooks.push_back("SelectGeneral"); };
    session.editor.RefillScreens = [this] { hooks.push_back("RefillScreens"); };
  }
  // The one message shown, as "icon|title|text"; clears it.
  std::string OnlyMessage() {
    std::string out =
        host.messages.size() == 1 ? "" : "(" + std::to_string(host.messages.size()) + ")";
    for (const RecordedMessage &m : host.messages)
      out += std::to_string(static_cast<int>(m.icon)) + "|" + m.title + "|" + m.text;
    host.messages.clear();
    return out;
  }
};

TEST_F(HexFileTest, RefusedFilesChangeNothing) {
  const RadioData before = session.data;
  const std::string critical = std::to_string(static_cast<int>(Icon::Critical)) + "|";
  const std::string title = session.state.TitleText;
  const std::pair<std::string, std::string> cases[] = {
      {ImageBytes(2, 0x07D0, 0x07D0, kImageSize - 1), critical + title + "|bad file!!"},
      {ImageBytes(2, 0x07D0, 0x07D0, kImageSize + 1), critical + title + "|bad file!!"},
      {ImageBytes(2, 0x07D0, 0x07D1), critical + "Read from Radio|ModelType Error !!"},
  };
  for (const auto &[bytes, message] : cases) {
    WriteBytes(folder / "x.hex", bytes);
    EXPECT_FALSE(ReadHexFile(session, folder / "x.hex"));
    EXPECT_EQ(OnlyMessage(), message);
    EXPECT_TRUE(session.state.OperationFailed);
    EXPECT_FALSE(session.state.Busy);
    EXPECT_TRUE(session.data == before);
  }
  EXPECT_FALSE(ReadHexFile(session, folder / "missing.hex"));
  EXPECT_EQ(OnlyMessage(), std::to_string(static_cast<int>(Icon::Exclamation)) + "|" + title +
                               "|FileRead Error!!");
  EXPECT_TRUE(session.data == before);
  EXPECT_TRUE(hooks.empty());
}

TEST_F(HexFileTest, SavedImageOpensByteIdentical) {
  session.data.Common.ResumeTime = 2;
  session.data.CHUSA[16].ChTag = "DISTRESS";
  ASSERT_TRUE(SaveHexFile(session, folder / "a.hex"));
  const std::string saved = ReadBytes(folder / "a.hex");
  EXPECT_EQ(saved, ImageText(session.data.Image));

  FakeHost otherHost;
  Session other(otherHost, settings);
  other.model.ModelVariant = 1;
  NewData(other, false);
  other.editor = session.editor;
  ASSERT_TRUE(ReadHexFile(other, folder / "a.hex"));
  EXPECT_FALSE(other.state.OperationFailed);
  EXPECT_EQ(ImageText(other.data.Image), saved);
  EXPECT_EQ(other.data.Common, session.data.Common);
  EXPECT_EQ(other.data.CHUSA[16].ChTag, "DISTRESS");
  EXPECT_THAT(hooks, ElementsAre("SelectGeneral", "RefillScreens"));
  EXPECT_TRUE(otherHost.messages.empty());
}

TEST_F(HexFileTest, FailedSavesKeepWhatWasThere) {
  const std::string failed =
      std::to_string(static_cast<int>(Icon::Exclamation)) + "|" + session.state.TitleText + "|";
  session.data.Common.Weater = 300; // does not fit its byte
  EXPECT_FALSE(SaveHexFile(session, folder / "a.hex"));
  EXPECT_EQ(OnlyMessage(), failed + "Data Error!!\r\nCommonSetup Weater = 300");
  EXPECT_FALSE(std::filesystem::exists(folder / "a.hex"));
  session.data.Common.Weater = 0;

  // A file size limit makes the write fail half-way, even for root.
  WriteBytes(folder / "old.hex", "old");
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
  EXPECT_EQ(OnlyMessage(), failed + "FileSave Error!!");
  EXPECT_EQ(ReadBytes(folder / "old.hex"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

  // Over a folder, in debug mode: logged too.
  session.state.DebugMode = true;
  std::filesystem::create_directories(folder / "target.hex");
  WriteBytes(folder / "target.hex" / "inside", "old");
  EXPECT_FALSE(SaveHexFile(session, folder / "target.hex"));
  EXPECT_EQ(OnlyMessage(), failed + "FileSave Error!!");
  EXPECT_TRUE(session.state.OperationFailed);
  EXPECT_EQ(ReadBytes(folder / "target.hex" / "inside"), "old");
  EXPECT_EQ(ReadBytes(folder / "err.log").substr(19),
            ":frmMain.SaveHexFileAs -> 21Is a directory\n");
}

} // namespace
} // namespace kv508::testing
