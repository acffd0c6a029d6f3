#include "app/new_data.h"

#include "config_fixtures.h"
#include "image/decode.h"
#include "image/encode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
  EXPECT_EQ(ImageText(fresh.Image).substr(0, 2) + ImageText(fresh.Image).substr(32766),
            "\x07\xD0\x07\xD0");
  // Decoding the image and encoding it again changes nothing: image and settings agree.
  RadioData copy = fresh;
  DecodeImage(copy);
  ASSERT_FALSE(EncodeImage(copy, 1).has_value());
  EXPECT_EQ(copy.Image, fresh.Image);

  session.data.CHMMSID[3].Mmsid = "1234567890";
  session.data.CHUSA[32].ChTag = "EDITED";
  session.data.CHWX[2].Enable = false;
  session.data.Common.Sog = 1;
  session.state.CurrentFilePath = "/tmp/x.dat";
  WriteBytes(folder / "USAA_07D0.ini", ImageBytes(2)); // not looked at
  hooks.clear();
  NewData(session, false);
  EXPECT_TRUE(session.data == fresh);
  EXPECT_EQ(session.state.CurrentFilePath, "");
  EXPECT_EQ(session.destinations.Checked, -1);
  EXPECT_THAT(hooks, ElementsAre("Refill", "Tree", "General", "Hint", "Caption", "Nodes"));

  hooks.clear();
  NewData(session, true);
  EXPECT_EQ(ImageText(session.data.Image), ImageBytes(2));
  EXPECT_EQ(session.destinations.Checked, 0);
  EXPECT_FALSE(session.state.Busy);
  EXPECT_THAT(
      hooks, ElementsAre("Refill", "Tree", "Nodes", "Tree", "General", "Hint", "Caption", "Nodes"));
}

} // namespace
} // namespace kv508::testing
