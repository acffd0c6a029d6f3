#pragma once

// How the editor keeps the two MMSI directories: entries run unbroken from
// entry 1, only the entry after the last used one may be added, and a deleted
// entry's successors move up.

#include "model/radio_data.h"

#include <optional>
#include <string>
#include <string_view>

namespace kv508 {

enum class DirectoryKind { MemoryId, GroupId };

// The number of leading entries whose Enable is true.
int UsedCount(const Directory &directory);

enum class EntryState {
  InUse,     // n <= used count
  FirstFree, // n = used count + 1
  Beyond,    // further on; cannot be added yet
};
EntryState DirectoryEntryState(const Directory &directory, int n);

// The first free entry may be enabled when it is the first entry or when its
// predecessor has both a name and an MMSI.
bool MayEnableEntry(const Directory &directory, int n);

// Removes entry n: the later entries move up one place (Enable, TagName, Mmsid)
// and the last one is cleared. Member flags stay where they are. An n outside
// the directory changes nothing.
void DeleteDirectoryEntry(Directory &directory, int n);

// Digits the user types: 9 for an individual MMSI, 8 for a group MMSI.
int TypedMmsiLength(DirectoryKind kind);

// The stored ten-digit form of a typed MMSI (surrounding blanks ignored): an
// individual MMSI gets "0" appended, a group MMSI "0" in front and behind. An
// empty text gives an empty MMSI; a wrong length or a non-digit gives nothing.
std::optional<std::string> StoredMmsi(DirectoryKind kind, std::string_view typed);

// The digits of a stored MMSI as the user types them (the inverse of
// StoredMmsi for a well-formed value).
std::string TypedMmsi(DirectoryKind kind, const std::string &mmsid);

// The list's MMSI cell: the first 9 characters, padded with blanks to 9.
std::string ShownMmsi(const std::string &mmsid);

} // namespace kv508
