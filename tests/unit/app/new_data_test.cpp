#include "app/new_data.h"

#include "config_fixtures.h"
#include "image/decode.h"
#include "image/encode.h"
#include "model/tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kv508::testing {
namespace {

using ::testing::ElementsAre;

struct NewDataTest : SessionFixture {
  std::vector<std::string> hooks;
  NewDataTest() {
    auto record = [this](const char *name) {
      return [this, name] { hooks.push_back(name + std::string(session.state.Busy ? "" : "!")); };
    };
    EditorHooks &e = session.editor;
    e.RefillScreens = record("RefillScreens");
    e.RebuildTree = record("RebuildTree");
    e.SelectGeneral = record("SelectGeneral");
    e.ClearStatusHint = record("ClearStatusHint");
    e.UpdateCaption = record("UpdateCaption");
    e.RefreshNodeTexts = record("RefreshNodeTexts"); // "!": called while not busy
  }
};

TEST_F(NewDataTest, ResetsBanksAndLeavesAConsistentImage) {
  session.data.CHMMSID[3].Mmsid = "1234567890";
  session.data.CHUSA[16].ChTag = "EDITED";
  session.state.CurrentFilePath = "/tmp/x.dat";
  NewData(session, false);

  RadioData plans;
  ApplyUsaPlan(plans);
  ApplyIntlPlan(plans);
  ApplyCanadaPlan(plans);
  BuildBankFromTable(plans.CHWX, WxTable(), false);
  EXPECT_EQ(session.data.CHUSA, plans.CHUSA);
  EXPECT_EQ(session.data.CHINT, plans.CHINT);
  EXPECT_EQ(session.data.CHCAN, plans.CHCAN);
  EXPECT_EQ(session.data.CHWX, plans.CHWX);
  EXPECT_EQ(session.data.CHMMSID[3], DirectoryEntry{});
  const MemoryImage &image = session.data.Image;
  EXPECT_THAT(std::vector<int>({image[0], image[1], image[32766], image[32767]}),
              ElementsAre(0x07, 0xD0, 0x07, 0xD0));
  // Decoding the image and encoding it again changes nothing: image and settings agree.
  RadioData copy = session.data;
  DecodeImage(copy);
  ASSERT_FALSE(EncodeImage(copy, 1).has_value());
  EXPECT_EQ(copy.Image, image);

  EXPECT_EQ(session.state.CurrentFilePath, "");
  EXPECT_FALSE(session.state.Busy);
  EXPECT_THAT(hooks, ElementsAre("RefillScreens", "RebuildTree", "SelectGeneral", "ClearStatusHint",
                                 "UpdateCaption", "RefreshNodeTexts"));
}

TEST_F(NewDataTest, LoadsTheStoredDestination) {
  WriteBytes(folder / "USAA_07D0.ini", ImageBytes(2));
  NewData(session, false);
  EXPECT_NE(ImageText(session.data.Image), ImageBytes(2));
  EXPECT_EQ(session.destinations.Checked, -1);
  hooks.clear();
  NewData(session, true);
  EXPECT_EQ(ImageText(session.data.Image), ImageBytes(2));
  EXPECT_EQ(session.destinations.Checked, 0);
  EXPECT_THAT(hooks,
              ElementsAre("RefillScreens", "RebuildTree", "RefreshNodeTexts", "RebuildTree",
                          "SelectGeneral", "ClearStatusHint", "UpdateCaption", "RefreshNodeTexts"));
}

} // namespace
} // namespace kv508::testing
