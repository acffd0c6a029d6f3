#include "model/directory_rules.h"

#include "model/mmsi_rules.h"

namespace kv508 {

namespace {

constexpr std::size_t kShownMmsiLength = 9;

} // namespace

int UsedCount(const Directory &directory) {
  int count = 0;
  for (const DirectoryEntry &entry : directory) {
    if (!entry.Enable)
      break;
    ++count;
  }
  return count;
}

EntryState DirectoryEntryState(const Directory &directory, int n) {
  const int firstFree = directory.Lower() + UsedCount(directory);
  if (n < firstFree)
    return EntryState::InUse;
  return n == firstFree ? EntryState::FirstFree : EntryState::Beyond;
}

bool MayEnableEntry(const Directory &directory, int n) {
  if (DirectoryEntryState(directory, n) != EntryState::FirstFree || !directory.Contains(n))
    return false;
  if (n == directory.Lower())
    return true;
  const DirectoryEntry &previous = directory[n - 1];
  return !previous.TagName.empty() && !previous.Mmsid.empty();
}

void DeleteDirectoryEntry(Directory &directory, int n) {
  if (!directory.Contains(n))
    return;
  for (int k = n; k < directory.Upper(); ++k) {
    DirectoryEntry &entry = directory[k];
    DirectoryEntry &next = directory[k + 1];
    entry.Enable = next.Enable;
    entry.Mmsid = next.Mmsid;
    entry.TagName = next.TagName;
  }
  DirectoryEntry &last = directory[directory.Upper()];
  last.Enable = false;
  last.Mmsid.clear();
  last.TagName.clear();
}

int TypedMmsiLength(DirectoryKind kind) { return kind == DirectoryKind::MemoryId ? 9 : 8; }

std::optional<std::string> StoredMmsi(DirectoryKind kind, std::string_view typed) {
  return StoreTypedMmsi(std::string(typed), TypedMmsiLength(kind), kind == DirectoryKind::GroupId);
}

std::string TypedMmsi(DirectoryKind kind, const std::string &mmsid) {
  if (kind == DirectoryKind::GroupId && !mmsid.empty() && mmsid.front() == '0')
    return mmsid.substr(1, 8);
  return mmsid.substr(0, static_cast<std::size_t>(TypedMmsiLength(kind)));
}

std::string ShownMmsi(const std::string &mmsid) {
  std::string shown = mmsid.substr(0, kShownMmsiLength);
  shown.resize(kShownMmsiLength, ' ');
  return shown;
}

} // namespace kv508
