#pragma once

// The unsaved edits of a running program, kept in a folder of the user's so
// that they outlive a crash of the program or of the machine.
//
// Each running program writes its own journal, "unsaved-ID.journal", through
// the safe save, and holds a lock on "unsaved-ID.lock" while it runs; the
// system drops that lock however the program ends. A journal whose lock can be
// taken was left by a program that ended without discarding it:
// LeftoverJournal::Find hands it to the next start, holding its lock so that a
// second window starting meanwhile does not offer it too. Two running windows
// never share a journal.

#include "app/platform.h"
#include "app/session.h"
#include "app/settings_snapshot.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace kv508 {

// <per-user data folder>/journal; empty when there is no per-user data folder.
std::filesystem::path DefaultJournalFolder();

class Journal {
public:
  explicit Journal(std::filesystem::path folder);
  // The lock goes; a journal that was not discarded stays for the next start,
  // as after a crash.
  ~Journal();
  Journal(const Journal &) = delete;
  Journal &operator=(const Journal &) = delete;

  // Writes the session's data, its image and file name as this program's
  // journal, taking a name and its lock on first use.
  std::error_code Write(const Session &session, std::time_t now);
  // Removes this program's journal: the data was saved, the user chose not to
  // save it, or New, Open or a read replaced it.
  void Discard();
  // This program's journal; empty before the first write.
  const std::filesystem::path &File() const { return file_; }

private:
  std::error_code Claim();

  std::filesystem::path folder_;
  std::filesystem::path file_;
  std::filesystem::path lockFile_;
  platform::FileLock lock_;
};

class LeftoverJournal {
public:
  // The newest journal of a program that ended without discarding it,
  // claimed; nothing when there is none. On the way, lock files without a
  // journal and journals that cannot be read are removed.
  static std::optional<LeftoverJournal> Find(const std::filesystem::path &folder);

  std::time_t SavedAt() const { return snapshot_.savedAt; }
  // When it was written, for the start-up question: "14:32" in local time, or
  // "2024-06-14 14:32" when `now` is another day.
  std::string TimeText(std::time_t now) const;
  // Puts the journal's settings, image and file name into the session, as one
  // undo step; false, and nothing changed, for another model.
  bool Restore(Session &session) const;
  // Deletes the journal and its lock file.
  void Remove();

private:
  std::filesystem::path file_;
  std::filesystem::path lockFile_;
  Snapshot snapshot_;
  platform::FileLock lock_;
};

} // namespace kv508
