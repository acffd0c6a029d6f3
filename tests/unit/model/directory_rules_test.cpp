#include "model/directory_rules.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

Directory WithEntries(int used, int size = kMemoryIdCount) {
  Directory dir{1, size};
  for (int n = 1; n <= used; ++n) {
    dir[n].Enable = true;
    dir[n].TagName = "SHIP" + std::to_string(n);
    dir[n].Mmsid = std::to_string(n) + "111111110";
  }
  return dir;
}

// The states, the enabling rule and the delete with the gap closed are driven
// through the entry panel by the directory screen tests; here the edges a user
// cannot reach there.
TEST(DirectoryRules, EdgesOfTheDirectory) {
  Directory gap = WithEntries(5);
  gap[3].Enable = false;
  EXPECT_EQ(UsedCount(gap), 2); // stops at the first entry not in use
  EXPECT_EQ(DirectoryEntryState(Directory{1, 80}, 1), EntryState::FirstFree);
  EXPECT_TRUE(MayEnableEntry(Directory{1, kMemoryIdCount}, 1));
  EXPECT_FALSE(MayEnableEntry(WithEntries(3), 3)); // already in use
  EXPECT_FALSE(MayEnableEntry(WithEntries(kGroupIdCount, kGroupIdCount), kGroupIdCount + 1));

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

TEST(StoredMmsi, TypedStoredAndShownForms) {
  const auto M = DirectoryKind::MemoryId;
  const auto G = DirectoryKind::GroupId;
  const struct {
    DirectoryKind kind;
    const char *typed;
    std::optional<std::string> stored;
  } cases[] = {{M, " 123456789  ", "1234567890"},
               {G, "12345678", "0123456780"},
               {G, "   ", ""},
               {M, "12345678", std::nullopt}, // a group's length for a ship
               {M, "1234567890", std::nullopt},
               {G, "123456789", std::nullopt},
               {M, "12345678A", std::nullopt}};
  for (const auto &c : cases)
    EXPECT_EQ(StoredMmsi(c.kind, c.typed), c.stored) << c.typed;

  EXPECT_EQ(TypedMmsi(M, "1234567890"), "123456789");
  EXPECT_EQ(TypedMmsi(G, "0123456780"), "12345678");
  EXPECT_EQ(TypedMmsi(G, "9123456780"), "91234567");
  EXPECT_EQ(ShownMmsi("0123456780"), "012345678");
  EXPECT_EQ(ShownMmsi("1234"), "1234     ");
}

} // namespace
} // namespace kv508
