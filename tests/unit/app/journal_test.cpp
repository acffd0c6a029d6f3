// The journal of unsaved edits: a snapshot gives back exactly what it took,
// a journal left by a program that ended without discarding it is found by
// the next start (and by one start only), and a running program's journal
// is never anybody else's.

#include "app/journal.h"

#include "config_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace kv508::testing {
namespace {

namespace fs = std::filesystem;

// Every field away from its default, each to a value of its own, so that a
// field the snapshot left out would come back different.
RadioData EveryFieldSet() {
  RadioData d;
  int n = 0;
  auto next = [&n] { return ++n; };
  auto text = [&n] { return "t" + std::to_string(++n) + std::string("\xE9\0x", 3); };
  for (ChannelBank *bank : {&d.CHUSA, &d.CHINT, &d.CHCAN, &d.CHWX, &d.CHEXP}) {
    bank->Reset(-2, 5 + next() % 7);
    for (ChannelRecord &r : *bank) {
      r = {static_cast<std::int16_t>(next()),
           true,
           true,
           true,
           true,
           true,
           true,
           true,
           true,
           text(),
           static_cast<std::int16_t>(-next()),
           true,
           true,
           {static_cast<std::int16_t>(next()), static_cast<std::int16_t>(next())},
           {static_cast<std::int16_t>(next()), static_cast<std::int16_t>(next())},
           true,
           text(),
           text(),
           156.025 + next() * 1e-9,
           -0.0};
    }
  }
  for (Directory *directory : {&d.CHMMSID, &d.CHGRPID, &d.MultiStation}) {
    for (DirectoryEntry &e : *directory) {
      e.Enable = true;
      e.TagName = text();
      e.Mmsid = text();
      for (std::int16_t &m : e.Member)
        m = static_cast<std::int16_t>(next());
    }
  }
  for (ChannelGroupSetup &g : d.ChannelGroups)
    g = {true, -next(), text(), {true, false, true}};
  d.Common = {1, true, true, true, 2, true, true, 3, 4, 5, 6};
  d.DscBasic.UserMmsi = text();
  for (auto *flags :
       {&d.DscBasic.DscGroup, &d.DscBasic.PosRequest, &d.DscBasic.PosRequestTx,
        &d.DscAdvanced.AllShipsCall, &d.DscAdvanced.AllShipsCallTx, &d.DscAdvanced.GroupCall,
        &d.DscAdvanced.GroupCallTx, &d.DscAdvanced.IndividualCall, &d.DscAdvanced.IndividualCallTx,
        &d.DscAdvanced.PositionRequestCall, &d.DscAdvanced.PositionRequestCallTx,
        &d.DscAdvanced.PositionReportCall, &d.DscAdvanced.PositionReportCallTx,
        &d.Atis.UsableAtisChGroup, &d.Atis.UsableAtisKikkerChGroup})
    *flags = {true, false, true, true};
  d.DscBasic.BeepOut = {true, false, true, true, false, true, true, true};
  d.DscDisplay = {true, true, true};
  d.AutoPos.MenuDisplay = true;
  for (AutoPosEntry &e : d.AutoPos.Entry)
    e = {text(), true, true, next(), next(), static_cast<std::int16_t>(next()), next(), 7};
  d.Atis.AtisCode = text();
  for (AtisCallSign &c : d.AtisCallSigns)
    c = {text(), text()};
  for (std::size_t i = 0; i < d.Image.size(); ++i)
    d.Image[i] = static_cast<std::uint8_t>(i * 31 + 7);
  return d;
}

TEST(Snapshot, GivesBackExactlyWhatItTookAndRefusesDamage) {
  const Snapshot taken{1718443805, 11, "/home/me/boat.dat", EveryFieldSet()};
  const std::string bytes = EncodeSnapshot(taken);
  const std::optional<Snapshot> back = DecodeSnapshot(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(std::tuple(back->savedAt, back->modelVariant, back->filePath),
            std::tuple(taken.savedAt, taken.modelVariant, taken.filePath));
  EXPECT_TRUE(back->data == taken.data);
  EXPECT_TRUE(std::signbit(back->data.CHUSA[0].Rxfreq)); // -0.0 stays -0.0

  std::string flipped = bytes;
  flipped[bytes.size() / 2] ^= 1;
  for (const std::string &damaged : {bytes.substr(0, bytes.size() - 1), bytes + "x", flipped,
                                     std::string(), std::string("KV508")})
    EXPECT_FALSE(DecodeSnapshot(damaged)) << damaged.size();
}

struct JournalTest : ::testing::Test, NewSession {
  JournalTest() {
    ::setenv("TZ", "UTC", 1);
    tzset();
    session.data.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
    session.data.Image[5000] = 0x42;
    session.state.CurrentFilePath = "/home/me/boat.dat";
  }
  fs::path folder = dir / "journal";
  std::time_t now = 1718443805; // 2024-06-15 09:30:05 UTC
};

// A window dropped without closing leaves its edits; the next start restores
// them exactly, and a third window starting meanwhile is not offered them.
TEST_F(JournalTest, AJournalLeftBehindIsOfferedOnceAndRestoresTheEdits) {
  const RadioData edited = session.data;
  {
    Journal journal(folder);
    ASSERT_FALSE(journal.Write(session, now - 60));
    ASSERT_FALSE(journal.Write(session, now));
    // Its program still runs: nobody else may take it.
    EXPECT_FALSE(LeftoverJournal::Find(folder));
  }
  std::optional<LeftoverJournal> left = LeftoverJournal::Find(folder);
  ASSERT_TRUE(left);
  EXPECT_FALSE(LeftoverJournal::Find(folder)) << "offered to two windows";
  EXPECT_EQ(left->TimeText(now + 3600), "09:30");
  EXPECT_EQ(left->TimeText(now + 86400), "2024-06-15 09:30");

  NewSession next;
  EXPECT_FALSE(next.session.state.DataChanged);
  ASSERT_TRUE(left->Restore(next.session));
  EXPECT_TRUE(next.session.data == edited);
  EXPECT_EQ(next.session.state.CurrentFilePath, "/home/me/boat.dat");
  EXPECT_TRUE(next.session.state.DataChanged);

  left->Remove();
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_FALSE(LeftoverJournal::Find(folder));
}

TEST_F(JournalTest, ADiscardedJournalLeavesNothingAndTwoWindowsKeepTheirOwn) {
  {
    Journal first(folder);
    Journal second(folder);
    ASSERT_FALSE(first.Write(session, now));
    ASSERT_FALSE(second.Write(session, now));
    EXPECT_NE(first.File(), second.File());
    first.Discard();
    second.Discard();
    ASSERT_FALSE(second.Write(session, now)); // edited again after a save
    second.Discard();
  }
  EXPECT_TRUE(fs::is_empty(folder));

  // Another model's edits are not put into this model's data.
  {
    Journal journal(folder);
    session.model.ModelVariant = 11;
    ASSERT_FALSE(journal.Write(session, now));
  }
  NewSession other;
  const RadioData before = other.session.data;
  std::optional<LeftoverJournal> left = LeftoverJournal::Find(folder);
  ASSERT_TRUE(left);
  EXPECT_FALSE(left->Restore(other.session));
  EXPECT_TRUE(other.session.data == before);
}

// The lock goes with the process, however it ends.
TEST_F(JournalTest, AKilledProgramsJournalIsFound) {
  const pid_t child = ::fork();
  if (child == 0) {
    Journal journal(folder);
    if (!journal.Write(session, now))
      ::raise(SIGKILL);
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  std::optional<LeftoverJournal> left = LeftoverJournal::Find(folder);
  ASSERT_TRUE(left);
  NewSession next;
  ASSERT_TRUE(left->Restore(next.session));
  EXPECT_EQ(next.session.data.CHMMSID[1].TagName, "PILOT");
}

TEST_F(JournalTest, WhatCannotBeReadIsClearedAway) {
  fs::create_directories(folder);
  WriteBytes(folder / "unsaved-1-2.journal", "KV508 snapshot 1\n damaged");
  WriteBytes(folder / "unsaved-3-4.lock", "");
  WriteBytes(folder / "notes.txt", "mine");
  EXPECT_FALSE(LeftoverJournal::Find(folder));
  EXPECT_FALSE(fs::exists(folder / "unsaved-1-2.journal"));
  EXPECT_FALSE(fs::exists(folder / "unsaved-3-4.lock"));
  EXPECT_TRUE(fs::exists(folder / "notes.txt"));
}

} // namespace
} // namespace kv508::testing
