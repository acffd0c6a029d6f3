#include "app/app_state.h"
#include "app/undo_history.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace kv508::testing {
namespace {

// Debug mode and low-speed link as "00".."11".
TEST(RunFlags, OnlyTheFourWholeSwitchesCount) {
  const std::pair<const char *, const char *> cases[] = {
      {" /de ", "11"}, {"/D", "10"}, {"/e", "01"}, {"/D /E", "00"}, {"-D", "00"}, {"/DX", "00"}};
  for (const auto &[text, flags] : cases) {
    const RunFlags f = ParseRunFlags(text);
    EXPECT_EQ(std::to_string(f.DebugMode) + std::to_string(f.LowSpeedLink), flags) << text;
  }
}

TEST(ErrLog, AppendsInDebugModeOnlyAndFallsBackToTheUserFolder) {
  TempFolder folder;
  WriteBytes(folder / "err.log", "earlier line\n");
  AppState state;
  ErrLog(state, folder.path(), "frmMain.Skipped", ErrorText(EACCES)); // not in debug mode
  state.DebugMode = true;
  ErrLog(state, folder.path(), "frmRadio.PortOpen", ErrorText(ENOENT));
  // The stamp is the current date and time; only its shape can be checked.
  std::string masked;
  std::size_t column = 0;
  for (char c : ReadBytes(folder / "err.log")) {
    masked += (column < 19 && c >= '0' && c <= '9') ? '9' : c;
    column = c == '\n' ? 0 : column + 1;
  }
  EXPECT_EQ(masked, "earlier line\n"
                    "99/99/9999,99:99:99:frmRadio.PortOpen -> 2No such file or directory\n");

  WriteBytes(folder / "plain-file", "x");
  ::setenv("XDG_DATA_HOME", (folder / "user").c_str(), 1);
  ErrLog(state, folder / "plain-file", "frmMain.FileRead2", "53File not found");
  EXPECT_EQ(ReadBytes(folder / "user" / "KV508" / "err.log").substr(19),
            ":frmMain.FileRead2 -> 53File not found\n");
  ::unsetenv("XDG_DATA_HOME");
}

TEST(IniFileUserSettings, WritesPlainSectionsAndReadsHandEditedOrDamagedFiles) {
  TempFolder folder;
  const std::filesystem::path file = folder / "sub" / "kv508.ini";
  IniFileUserSettings settings(file);
  EXPECT_EQ(settings.Get("Settings", "lastmodel", "1"), "1"); // no file yet
  settings.Set("Settings", "lastmodel", "11");
  settings.Set("Settings", "ComNum", "a=b");
  settings.Set("ComPath", "ComDevice", "one\ntwo");
  settings.Set("Settings", "lastmodel", "1");
  EXPECT_EQ(ReadBytes(file), "[Settings]\nlastmodel=1\nComNum=a=b\n[ComPath]\nComDevice=one two\n");
  EXPECT_EQ(settings.Get("Settings", "ComNum", "x"), "a=b");
  EXPECT_EQ(settings.Get("settings", "lastmodel", "x"), "x"); // exact compare

  WriteBytes(file, "[Settings]\r\nlastmodel=11\r\nlastmodel=5\r\n[Other]\r\nkey=\r\n");
  EXPECT_EQ(settings.Get("Settings", "lastmodel", "") + settings.Get("Other", "key", "d"), "11");
  WriteBytes(file, std::string("\xFF\x00garbage=1\nno section line\r\n[\n=\n", 33));
  EXPECT_EQ(settings.Get("", "garbage", "d"), "d");
  settings.Set("Settings", "lastmodel", "1");
  EXPECT_EQ(ReadBytes(file), "[Settings]\nlastmodel=1\n");
}

TEST(UndoHistory, StepsUndoAndRedoInOrderAndTrackTheSavedState) {
  UndoHistory h;
  RadioSettings now;
  h.Reset(now, true);
  EXPECT_FALSE(h.CanUndo(now));
  EXPECT_FALSE(h.Record(now, {"Nothing", "", ""})); // no change, no step
  now.Common.DualWatch = true;
  EXPECT_TRUE(h.Record(now, {"Dual Watch", "Common", "cmbDualWatch"}));
  now.CHUSA[3].ChTag = "HARBOUR";
  EXPECT_TRUE(h.Record(now, {"CH Name", "US 3", "txtChName"}));
  EXPECT_EQ(h.NextUndo()->name, "CH Name");

  EXPECT_EQ(h.Undo(now), (EditPlace{"CH Name", "US 3", "txtChName"}));
  EXPECT_TRUE(now.Common.DualWatch && now.CHUSA[3].ChTag.empty());
  EXPECT_EQ(h.NextRedo()->name, "CH Name");
  EXPECT_EQ(h.Undo(now)->name, "Dual Watch");
  EXPECT_FALSE(h.Changed(now)); // back where it was loaded
  EXPECT_FALSE(h.Undo(now));
  EXPECT_EQ(now, RadioSettings{});

  EXPECT_EQ(h.Redo(now)->name, "Dual Watch");
  EXPECT_EQ(h.Redo(now)->name, "CH Name");
  EXPECT_EQ(now.CHUSA[3].ChTag, "HARBOUR");
  EXPECT_FALSE(h.Redo(now));
  h.MarkSaved(now);
  EXPECT_FALSE(h.Changed(now));
  h.Undo(now);
  EXPECT_TRUE(h.Changed(now)); // the saved state is no longer the loaded one

  // A new edit drops what could be redone.
  now.Common.Sog = 2;
  h.Record(now, {"SOG", "Common", "cmbSog"});
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.Redo(now));
  // Typed but not yet recorded: undo takes it back first, then the step before.
  now.Common.Distance = 1;
  EXPECT_EQ(h.Undo(now)->name, "");
  EXPECT_EQ(now.Common.Distance * 10 + now.Common.Sog, 2);
  EXPECT_EQ(h.Undo(now)->name, "SOG");
  EXPECT_EQ(now.Common.Sog, RadioSettings{}.Common.Sog);
}

TEST(UndoHistory, KeepsOnlyTheNewestStepsAndResetForgetsThem) {
  UndoHistory h;
  RadioSettings now;
  now.Common.Scan = true;
  h.Reset(now, false); // a restored backup: no file holds it
  EXPECT_TRUE(h.Changed(now));
  for (std::size_t i = 1; i <= UndoHistory::kMaxSteps + 5; ++i) {
    now.Common.ResumeTime = static_cast<std::int16_t>(i);
    h.Record(now, {"Resume Time", "", ""});
  }
  std::size_t undone = 0;
  while (h.Undo(now))
    ++undone;
  EXPECT_EQ(undone, UndoHistory::kMaxSteps);
  EXPECT_EQ(now.Common.ResumeTime, 5); // the five oldest steps are gone
  EXPECT_TRUE(h.Changed(now));

  h.Redo(now);
  h.Reset(now, true);
  EXPECT_FALSE(h.CanUndo(now) || h.CanRedo() || h.Changed(now));
}

} // namespace
} // namespace kv508::testing
