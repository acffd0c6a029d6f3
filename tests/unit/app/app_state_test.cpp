#include "app/app_state.h"
#include "app/backups.h"
#include "app/edit_log.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <set>

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
  // An empty file holds nothing; one beyond a megabyte is not a settings file.
  for (const std::string &text :
       {std::string(), "[Settings]\nlastmodel=5\n" + std::string(1 << 20, '\n')}) {
    WriteBytes(file, text);
    EXPECT_EQ(settings.Get("Settings", "lastmodel", "d"), "d") << text.size();
  }
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

  EXPECT_EQ(h.Undo(now), (EditPlace{"CH Name", "US 3", "txtChName"}));
  EXPECT_TRUE(now.Common.DualWatch && now.CHUSA[3].ChTag.empty());
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
  while (h.Undo(now)) {
  }
  EXPECT_EQ(now.Common.ResumeTime, 5); // the five oldest steps are gone
  EXPECT_TRUE(h.Changed(now));

  h.Redo(now);
  h.Reset(now, true);
  EXPECT_FALSE(h.CanUndo(now) || h.CanRedo() || h.Changed(now));
}

namespace fs = std::filesystem;

constexpr std::time_t kDay = 24 * 60 * 60;

std::set<std::string> FileNames(const fs::path &folder) {
  std::set<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

struct BackupsTest : SessionFixture {
  BackupsTest() {
    ::setenv("TZ", "UTC", 1);
    tzset();
    session.backups.folder = folder / "backups";
    session.backups.now = [this] { return now; };
    image.fill(0x5A);
    image[0] = 0x07;
    image[1] = 0xD0;
  }
  std::time_t now = 1718443805; // 2024-06-15 09:30:05 UTC
  MemoryImage image{};
};

TEST_F(BackupsTest, NamesCarryTimeModelAndKindAndNeverOverwrite) {
  ASSERT_TRUE(SaveBackup(session, image, BackupKind::Read, "Read from Radio"));
  ASSERT_TRUE(SaveBackup(session, image, BackupKind::Read, "Read from Radio"));
  const std::string firstImage = ImageText(image);
  session.model.ModelVariant = 11;
  image[5] = 0x01;
  ASSERT_TRUE(SaveBackup(session, image, BackupKind::Program, "Program to Radio"));
  EXPECT_TRUE(host.messages.empty());

  const fs::path dir = session.backups.folder;
  EXPECT_EQ(ReadBytes(dir / "2024-06-15_093005-3_TR4100M_program.hex"), ImageText(image));
  EXPECT_EQ(ReadBytes(dir / "2024-06-15_093005_TR4100-TR4300_read.hex"), firstImage);

  const std::vector<BackupEntry> listed = ListBackups(dir); // newest first
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0].file.filename(), "2024-06-15_093005-3_TR4100M_program.hex");
  EXPECT_EQ(listed[2].file.filename(), "2024-06-15_093005_TR4100-TR4300_read.hex");
  EXPECT_EQ(std::tuple(listed[0].kind, listed[0].model, listed[0].time),
            std::tuple(BackupKind::Program, "TR4100M", now));
  EXPECT_EQ(BackupTimeText(listed[0].time), "2024-06-15 09:30:05");
}

// However many backups one second makes, and whatever takes a name meanwhile,
// each gets a name of its own.
TEST_F(BackupsTest, ANameTakenGoesToTheNextNumberWithoutEnd) {
  const fs::path dir = session.backups.folder;
  fs::create_directories(dir);
  WriteBytes(dir / "2024-06-15_093005-99_TR4100M_read.hex", "older");
  // Not a backup, so not counted: as if another program had just taken the name.
  fs::create_directories(dir / "2024-06-15_093005-100_TR4100-TR4300_read.hex");
  ASSERT_TRUE(SaveBackup(session, image, BackupKind::Read, "Read from Radio"));
  EXPECT_EQ(ReadBytes(dir / "2024-06-15_093005-101_TR4100-TR4300_read.hex"), ImageText(image));
  EXPECT_EQ(ReadBytes(dir / "2024-06-15_093005-99_TR4100M_read.hex"), "older");
  EXPECT_EQ(ListBackups(dir).front().sequence, 101);
}

TEST_F(BackupsTest, OnlyBackupNamesAreListed) {
  const std::pair<const char *, bool> cases[] = {
      {"2023-12-31_235959-12_TR4100M_program.hex", true},
      {"2023-13-01_000000_TR4100M_read.hex", false},
      {"2023-12-31_235959-123_TR4100M_read.hex", true},
      {"2023-12-31_235959-1234567_TR4100M_read.hex", false},
  };
  for (const auto &[name, listed] : cases) {
    BackupEntry entry;
    EXPECT_EQ(ParseBackupName(name, entry), listed) << name;
  }
  // A folder named like a backup is not one.
  fs::create_directories(folder / "b" / "2023-12-31_235959_TR4100M_read.hex");
  WriteBytes(folder / "b" / "notes.txt", "x");
  EXPECT_TRUE(ListBackups(folder / "b").empty());
  EXPECT_TRUE(ListBackups(folder / "missing").empty());
}

// Kept: the newest 200, and every one younger than a year. Other files stay.
TEST_F(BackupsTest, RetentionDeletesExactlyTheOldOnesBeyondTheNewest200) {
  const fs::path dir = folder / "b";
  fs::create_directories(dir);
  std::set<std::string> expectedLeft;
  auto add = [&](std::time_t time, bool kept) {
    char name[48];
    std::strftime(name, sizeof name, "%Y-%m-%d_%H%M%S_TR4100M_read.hex", std::gmtime(&time));
    WriteBytes(dir / name, "");
    if (kept)
      expectedLeft.insert(name);
  };
  // 190 young ones, then 15 of more than a year: 10 of the old ones make up the
  // newest 200, the 5 oldest go.
  for (int i = 0; i < 190; ++i)
    add(now - 10 * kDay + i * 60, true);
  for (int i = 0; i < 15; ++i)
    add(now - 366 * kDay - i * 60, i < 10);
  WriteBytes(dir / "notes.txt", "mine");
  WriteBytes(dir / "1999-01-01_000000_TR4100M_read.hex.txt", "");
  expectedLeft.insert({"notes.txt", "1999-01-01_000000_TR4100M_read.hex.txt"});

  EXPECT_EQ(PruneBackups(dir, now), 5);
  EXPECT_EQ(FileNames(dir), expectedLeft);

  // Beyond 200 but young: kept.
  for (int i = 0; i < 20; ++i)
    add(now - 20 * kDay + i, true);
  EXPECT_EQ(PruneBackups(dir, now), 10); // the 10 old ones are now beyond the newest 200
  EXPECT_EQ(ListBackups(dir).size(), 210u);
}

TEST_F(BackupsTest, AFolderThatCannotBeWrittenIsReportedAndBackupsOffWriteNothing) {
  WriteBytes(folder / "plain-file", "x");
  session.backups.folder = folder / "plain-file" / "backups";
  EXPECT_FALSE(SaveBackup(session, image, BackupKind::Program, "Program to Radio"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(std::tuple(host.messages[0].icon, host.messages[0].title, host.messages[0].text),
            std::tuple(Icon::Exclamation, "Program to Radio",
                       "The backup could not be saved in " + session.backups.folder.string() +
                           ": Not a directory."));
  EXPECT_EQ(ReadBytes(folder / "plain-file"), "x");

  // Backups off: nothing is written and nothing said.
  host.messages.clear();
  session.backups.folder.clear();
  EXPECT_TRUE(SaveBackup(session, image, BackupKind::Read, "Read from Radio"));
  EXPECT_TRUE(host.messages.empty());

  ::setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(DefaultBackupFolder(), fs::path("/srv/data/KV508/backups"));
  ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace kv508::testing

namespace kv508::testing {
namespace {

// DataChanged follows the edit log: an edit, its undo, a save, a typed text
// not yet stored, keystrokes joined into one step and a bulk change that takes
// the image along.
TEST(EditLog, OneStepPerActionAndDataChangedExactlyWhileTheDataDiffer) {
  RadioData data;
  AppState state;
  EditLog log(data, state);
  log.Loaded();
  EXPECT_FALSE(log.Apply({"Dual Watch", "Common", "w"}, [](RadioData &) {}));
  EXPECT_FALSE(state.DataChanged);
  EXPECT_TRUE(
      log.Apply({"Dual Watch", "Common", "w"}, [](RadioData &d) { d.Common.DualWatch = true; }));
  EXPECT_TRUE(state.DataChanged);
  log.Undo();
  EXPECT_FALSE(state.DataChanged || data.Common.DualWatch);
  log.Redo();
  log.Saved();
  EXPECT_FALSE(state.DataChanged);
  log.SetPending(true);
  EXPECT_TRUE(state.DataChanged && !log.CanRedo());

  const EditPlace name{"CH Name", "PW", "txtWxName_0"};
  for (const char *typed : {"W", "WX", "WX1"})
    log.Apply(
        name, [typed](RadioData &d) { d.CHWX[0].ChTag = typed; }, StepKind::Typing);
  log.FinishTyping();
  log.Apply(
      name, [](RadioData &d) { d.CHWX[0].ChTag = "WX12"; }, StepKind::Typing);
  EXPECT_EQ(log.Undo(), name);
  EXPECT_EQ(data.CHWX[0].ChTag, "WX1");
  log.Undo();
  EXPECT_EQ(data.CHWX[0].ChTag, "");
  EXPECT_FALSE(state.DataChanged);

  // A bulk step keeps the image; the changed image stays "changed" until saved.
  const EditPlace restore{"Restore Backup", "General", ""};
  log.Apply(
      restore,
      [](RadioData &d) {
        d.Image[300] = 0x5A;
        d.CHMMSID[1].TagName = "HARBOUR";
      },
      StepKind::Bulk);
  EXPECT_EQ(log.NextUndo()->name, "Restore Backup");
  log.Undo();
  EXPECT_TRUE(data.Image[300] == 0 && data.CHMMSID[1].TagName.empty() && state.DataChanged);
  log.Redo();
  EXPECT_EQ(data.Image[300], 0x5A);
  log.Loaded();
  EXPECT_FALSE(state.DataChanged || log.CanUndo() || log.CanRedo());
}

} // namespace
} // namespace kv508::testing
