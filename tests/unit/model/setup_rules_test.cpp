#include "model/directory_rules.h"
#include "model/mmsi_rules.h"
#include "model/setup_rules.h"

#include <gtest/gtest.h>

#include <optional>

namespace kv508 {
namespace {

TEST(TypedEntries, MmsiStoredInTenDigitsStatusNameCut) {
  EXPECT_EQ(StoreTypedMmsi(" 211234567 ", 9, false), "2112345670");
  EXPECT_EQ(StoreTypedMmsi("   ", 9, false), "");
  EXPECT_EQ(StoreTypedMmsi("21123456", 8, true), "0211234560");
  EXPECT_EQ(StoreTypedMmsi("1", 0, false), std::nullopt);
  for (const char *typed : {"21123456", "2112345678", "2112 4567"})
    EXPECT_EQ(StoreTypedMmsi(typed, 9, false), std::nullopt) << typed;

  EXPECT_EQ(StoreTypedStatusName("USCG12") + StoreTypedStatusName("    "), "USCG");
  EXPECT_EQ(StoreTypedStatusName("  ab  "), "  ab");
}

// Only ever clears: group 3 (index 2) has channels and stays disabled.
TEST(ChannelGroups, DisablingEmptyGroups) {
  RadioData data;
  for (auto &g : data.ChannelGroups)
    g.Enable = true;
  data.ChannelGroups[2].Enable = false;
  data.CHUSA[0].Enable = true;
  data.CHCAN[5].Enable = true;
  EXPECT_FALSE(GroupIsEmpty(data, 4) || GroupIsEmpty(data, -1));
  DisableEmptyGroups(data);
  const auto &g = data.ChannelGroups;
  EXPECT_EQ(std::tuple(g[0].Enable, g[1].Enable, g[2].Enable, g[3].Enable),
            std::tuple(true, false, false, false));
}

Directory WithEntries(int used, int size = kMemoryIdCount) {
  Directory dir{1, size};
  for (int n = 1; n <= used; ++n)
    dir[n] = {true, "SHIP" + std::to_string(n), std::to_string(n) + "111111110", {}};
  return dir;
}

// The edges a user cannot reach through the directory screen.
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

TEST(DirectoryRules, MmsiTypedStoredAndShown) {
  const auto M = DirectoryKind::MemoryId;
  const auto G = DirectoryKind::GroupId;
  EXPECT_EQ(StoredMmsi(M, " 123456789  "), "1234567890");
  EXPECT_EQ(StoredMmsi(G, "12345678"), "0123456780");
  EXPECT_EQ(StoredMmsi(G, "   "), "");
  // A group's length for a ship, the stored form typed back, a letter.
  for (const auto &[kind, typed] : {std::pair{M, "12345678"}, std::pair{M, "1234567890"},
                                    std::pair{G, "123456789"}, std::pair{M, "12345678A"}})
    EXPECT_EQ(StoredMmsi(kind, typed), std::nullopt) << typed;

  EXPECT_EQ(TypedMmsi(M, "1234567890") + TypedMmsi(G, "9123456780"), "12345678991234567");
  EXPECT_EQ(ShownMmsi("0123456780") + "|" + ShownMmsi("1234"), "012345678|1234     ");
}

} // namespace
} // namespace kv508
