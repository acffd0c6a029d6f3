#include "model/directory_rules.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

// Entries 1..used are in use, each with a name, an MMSI and the member flag of
// its own number set.
Directory WithEntries(int used, int size = kMemoryIdCount) {
  Directory dir{1, size};
  for (int n = 1; n <= used; ++n) {
    dir[n].Enable = true;
    dir[n].TagName = "SHIP" + std::to_string(n);
    dir[n].Mmsid = std::to_string(n) + "111111110";
    dir[n].Member[n] = 1;
  }
  return dir;
}

TEST(DirectoryUsedCount, StopsAtTheFirstEntryNotInUse) {
  EXPECT_EQ(UsedCount(Directory{1, kGroupIdCount}), 0);
  EXPECT_EQ(UsedCount(WithEntries(3)), 3);
  EXPECT_EQ(UsedCount(WithEntries(kGroupIdCount, kGroupIdCount)), kGroupIdCount);
  Directory gap = WithEntries(5);
  gap[3].Enable = false;
  EXPECT_EQ(UsedCount(gap), 2);
}

TEST(DirectoryEntryState, InUseFirstFreeAndBeyond) {
  const Directory dir = WithEntries(3);
  EXPECT_EQ(DirectoryEntryState(dir, 1), EntryState::InUse);
  EXPECT_EQ(DirectoryEntryState(dir, 3), EntryState::InUse);
  EXPECT_EQ(DirectoryEntryState(dir, 4), EntryState::FirstFree);
  EXPECT_EQ(DirectoryEntryState(dir, 5), EntryState::Beyond);
  EXPECT_EQ(DirectoryEntryState(Directory{1, 80}, 1), EntryState::FirstFree);
}

TEST(DirectoryEntryState, FirstFreeMayBeEnabledOnlyAfterANamedEntryWithAnMmsi) {
  EXPECT_TRUE(MayEnableEntry(Directory{1, kMemoryIdCount}, 1));
  Directory dir = WithEntries(3);
  EXPECT_TRUE(MayEnableEntry(dir, 4));
  EXPECT_FALSE(MayEnableEntry(dir, 5)); // beyond
  EXPECT_FALSE(MayEnableEntry(dir, 3)); // already in use
  dir[3].TagName.clear();
  EXPECT_FALSE(MayEnableEntry(dir, 4));
  dir = WithEntries(3);
  dir[3].Mmsid.clear();
  EXPECT_FALSE(MayEnableEntry(dir, 4));
  // A full directory has no first free entry.
  EXPECT_FALSE(MayEnableEntry(WithEntries(kGroupIdCount, kGroupIdCount), kGroupIdCount + 1));
}

TEST(DeleteDirectoryEntry, LaterEntriesMoveUpAndMemberFlagsStay) {
  Directory dir = WithEntries(5);
  const Directory before = dir;
  DeleteDirectoryEntry(dir, 2);
  for (int n = 2; n <= 4; ++n) {
    EXPECT_EQ(dir[n].TagName, before[n + 1].TagName);
    EXPECT_EQ(dir[n].Mmsid, before[n + 1].Mmsid);
    EXPECT_TRUE(dir[n].Enable);
  }
  EXPECT_EQ(dir[1], before[1]);
  EXPECT_FALSE(dir[5].Enable);
  EXPECT_EQ(dir[5].TagName, "");
  EXPECT_EQ(dir[5].Mmsid, "");
  for (int n = 1; n <= kMemoryIdCount; ++n)
    EXPECT_EQ(dir[n].Member, before[n].Member) << "entry " << n;
  EXPECT_EQ(UsedCount(dir), 4);
}

TEST(DeleteDirectoryEntry, LastEntryAndOutOfRange) {
  Directory full = WithEntries(kGroupIdCount, kGroupIdCount);
  DeleteDirectoryEntry(full, kGroupIdCount);
  EXPECT_EQ(UsedCount(full), kGroupIdCount - 1);
  EXPECT_EQ(full[kGroupIdCount].Mmsid, "");

  Directory dir = WithEntries(2);
  const Directory before = dir;
  DeleteDirectoryEntry(dir, 0);
  DeleteDirectoryEntry(dir, kMemoryIdCount + 1);
  EXPECT_EQ(dir, before);
}

TEST(StoredMmsi, TypedDigitsBecomeTheTenDigitForm) {
  struct Case {
    DirectoryKind kind;
    const char *typed;
    std::optional<std::string> stored;
  };
  const auto M = DirectoryKind::MemoryId;
  const auto G = DirectoryKind::GroupId;
  const Case cases[] = {
      {M, "123456789", "1234567890"},
      {M, " 123456789  ", "1234567890"},
      {G, "12345678", "0123456780"},
      {M, "", ""},
      {G, "   ", ""},
      {M, "12345678", std::nullopt},   // a group's length for a ship
      {M, "1234567890", std::nullopt}, // the stored form typed back
      {G, "123456789", std::nullopt},
      {M, "12345678A", std::nullopt},
      {G, "1234 678", std::nullopt},
  };
  for (const Case &c : cases)
    EXPECT_EQ(StoredMmsi(c.kind, c.typed), c.stored) << c.typed;
}

TEST(StoredMmsi, ShownInTheBoxAsTypedAndInTheListAsNineCharacters) {
  EXPECT_EQ(TypedMmsi(DirectoryKind::MemoryId, "1234567890"), "123456789");
  EXPECT_EQ(TypedMmsi(DirectoryKind::GroupId, "0123456780"), "12345678");
  EXPECT_EQ(TypedMmsi(DirectoryKind::GroupId, "9123456780"), "91234567");
  EXPECT_EQ(TypedMmsi(DirectoryKind::MemoryId, ""), "");
  EXPECT_EQ(ShownMmsi("1234567890"), "123456789");
  EXPECT_EQ(ShownMmsi("0123456780"), "012345678");
  EXPECT_EQ(ShownMmsi("1234"), "1234     ");
  EXPECT_EQ(ShownMmsi(""), "         ");
}

} // namespace
} // namespace kv508
