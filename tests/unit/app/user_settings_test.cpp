#include "app/user_settings.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

struct IniSettingsTest : ::testing::Test {
  void WriteFile(const std::string &bytes) {
    std::filesystem::create_directories(path_.parent_path());
    testing::WriteBytes(path_, bytes);
  }
  std::string FileText() const { return testing::ReadBytes(path_); }

  testing::TempFolder folder_;
  std::filesystem::path path_ = folder_ / "sub" / "kv508.ini";
};

TEST_F(IniSettingsTest, RoundTripThroughAFreshStore) {
  IniFileUserSettings settings(path_);
  EXPECT_EQ(settings.Get("Settings", "lastmodel", "1"), "1"); // no file yet
  settings.Set("Settings", "lastmodel", "11");
  settings.Set("Settings", "ComNum", "3");
  settings.Set("ComPath", "ComDevice", "/dev/ttyUSB0");
  settings.Set("Settings", "lastmodel", "1");

  EXPECT_EQ(FileText(), "[Settings]\nlastmodel=1\nComNum=3\n[ComPath]\nComDevice=/dev/ttyUSB0\n");
  IniFileUserSettings reopened(path_);
  EXPECT_EQ(reopened.Get("Settings", "lastmodel", "x"), "1");
  EXPECT_EQ(reopened.Get("ComPath", "ComDevice", "x"), "/dev/ttyUSB0");
  EXPECT_EQ(reopened.Get("settings", "lastmodel", "x"), "x"); // exact compare
  EXPECT_EQ(reopened.Get("Settings", "LastModel", "x"), "x");
}

TEST_F(IniSettingsTest, ValuesKeepEqualsSignsAndLoseLineBreaks) {
  IniFileUserSettings settings(path_);
  settings.Set("S", "k", "a=b");
  settings.Set("S", "multi", "one\ntwo");
  EXPECT_EQ(settings.Get("S", "k", ""), "a=b");
  EXPECT_EQ(settings.Get("S", "multi", ""), "one two");
}

TEST_F(IniSettingsTest, GarbageReadsAsEmptyAndIsReplacedOnSet) {
  WriteFile(std::string("\xFF\x00garbage=1\nno section line\r\n[\n=\n", 33));
  IniFileUserSettings settings(path_);
  EXPECT_EQ(settings.Get("", "garbage", "d"), "d");
  EXPECT_EQ(settings.Get("Settings", "lastmodel", "d"), "d");
  settings.Set("Settings", "lastmodel", "1");
  EXPECT_EQ(FileText(), "[Settings]\nlastmodel=1\n");
}

TEST_F(IniSettingsTest, HandEditedFileWithCrLfIsRead) {
  WriteFile("[Settings]\r\nlastmodel=11\r\nlastmodel=5\r\n[Other]\r\nkey=\r\n");
  IniFileUserSettings settings(path_);
  EXPECT_EQ(settings.Get("Settings", "lastmodel", ""), "11"); // first occurrence wins
  EXPECT_EQ(settings.Get("Other", "key", "d"), "");
}

} // namespace
} // namespace kv508
