#pragma once

// Automatic backups of radio images: every image read from a radio and every
// image about to be programmed is kept as a .hex file in a folder of the user's,
// named after the local time, the model and the kind:
//
//   2024-05-01_093015_TR4100M_read.hex
//   2024-05-01_093015-2_TR4100-TR4300_program.hex   (the second one in that second,
//                                                   then -3, -4 ... without end)
//
// Only files named so are listed and ever deleted; anything else in the
// folder is left alone.

#include "model/radio_data.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kv508 {

struct Session;

enum class BackupKind { Read, Program };

// Where and when backups are made. An empty folder turns them off.
struct BackupOptions {
  std::filesystem::path folder;
  // Wall-clock seconds, for names and for the age of old backups.
  std::function<std::time_t()> now = [] { return std::time(nullptr); };
};

inline constexpr int kBackupsKept = 200;
inline constexpr std::time_t kBackupKeptSeconds = 365LL * 24 * 60 * 60;

// <per-user data folder>/backups; empty when there is no per-user data folder.
std::filesystem::path DefaultBackupFolder();

struct BackupEntry {
  std::filesystem::path file;
  std::time_t time = 0;
  BackupKind kind = BackupKind::Read;
  std::string model; // as written in the name
  int sequence = 1;  // 2, 3 … for later backups of the same second
};

// "read" / "program".
const char *BackupKindText(BackupKind kind);
// The entry a file name stands for; false for any other name.
bool ParseBackupName(const std::string &fileName, BackupEntry &entry);
// Every backup of the folder, newest first. A missing folder has none.
std::vector<BackupEntry> ListBackups(const std::filesystem::path &folder);
// "2024-05-01 09:30:15" in local time.
std::string BackupTimeText(std::time_t time);

// What the backup lists show of one backup, in their column order.
struct BackupColumns {
  std::string time;  // "2024-05-01 09:30:15"
  std::string kind;  // "read" / "program"
  std::string model; // as written in the name
  std::string mmsi;  // the radio's own MMSI in the image; "-" when none or unreadable
};
BackupColumns DescribeBackup(const BackupEntry &entry);
// The own MMSI stored in a backup image (9 digits); empty when the file is no
// image or holds none.
std::string BackupOwnMmsi(const std::filesystem::path &file);

// Deletes the backups that are neither among the newest kBackupsKept nor
// younger than kBackupKeptSeconds. Returns how many were deleted.
int PruneBackups(const std::filesystem::path &folder, std::time_t now);

// Writes the image as a new backup through the safe-save helper, then prunes.
// Nothing happens when backups are off. Returns why it failed ("The backup
// could not be saved in FOLDER: REASON."), empty when it did not.
std::string WriteBackup(Session &session, const MemoryImage &image, BackupKind kind);
// WriteBackup, a failure told to the user (titled `title`) and returning
// false; the caller goes on with its work.
bool SaveBackup(Session &session, const MemoryImage &image, BackupKind kind,
                const std::string &title);

} // namespace kv508
