#include "app/journal.h"

#include "app/app_state.h"
#include "app/safe_save.h"

#include <random>
#include <vector>

namespace kv508 {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "unsaved-";
constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::string_view kLockSuffix = ".lock";
// A real journal is about 100 KB; anything far larger is not one.
constexpr std::size_t kMaxJournalBytes = 16u << 20;
constexpr int kNameTries = 16;

fs::path LockFileOf(const fs::path &journal) {
  fs::path lock = journal;
  return lock.replace_extension(kLockSuffix);
}

// The journals' and locks' names in the folder, by kind.
void ListFolder(const fs::path &folder, std::vector<fs::path> &journals,
                std::vector<fs::path> &locks) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(kPrefix))
      continue;
    if (name.ends_with(kJournalSuffix))
      journals.push_back(it->path());
    else if (name.ends_with(kLockSuffix))
      locks.push_back(it->path());
  }
}

std::string Stamp(std::time_t time, const char *format) {
  std::tm local{};
  char text[32];
  if (!platform::LocalTime(time, local) || std::strftime(text, sizeof text, format, &local) == 0)
    return "?";
  return text;
}

} // namespace

fs::path DefaultJournalFolder() {
  const fs::path user = UserDataFolder();
  return user.empty() ? fs::path{} : user / "journal";
}

Journal::Journal(fs::path folder) : folder_(std::move(folder)) {}

Journal::~Journal() {
  if (!lock_.Held())
    return;
  std::error_code ec;
  const bool left = fs::exists(file_, ec);
  lock_.Release();
  // A program that discarded its journal leaves nothing behind.
  if (!left)
    fs::remove(lockFile_, ec);
}

std::error_code Journal::Claim() {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec)
    return ec;
  std::random_device random;
  for (int tries = 0; tries < kNameTries; ++tries) {
    const std::string id =
        std::to_string(platform::ProcessId()) + "-" + std::to_string(random() % 1000000);
    const fs::path file = folder_ / (std::string(kPrefix) + id + std::string(kJournalSuffix));
    if (fs::exists(file, ec) || !lock_.Create(LockFileOf(file)))
      continue;
    file_ = file;
    lockFile_ = LockFileOf(file);
    return {};
  }
  return std::make_error_code(std::errc::file_exists);
}

std::error_code Journal::Write(const Session &session, std::time_t now) {
  if (!lock_.Held()) {
    if (std::error_code ec = Claim())
      return ec;
  }
  Snapshot snapshot{now, session.model.ModelVariant, session.state.CurrentFilePath, session.data};
  return SafeWriteFile(file_, EncodeSnapshot(snapshot));
}

void Journal::Discard() {
  std::error_code ec;
  if (!file_.empty())
    fs::remove(file_, ec);
}

std::optional<LeftoverJournal> LeftoverJournal::Find(const fs::path &folder) {
  std::vector<fs::path> journals;
  std::vector<fs::path> locks;
  ListFolder(folder, journals, locks);
  std::error_code ec;
  for (const fs::path &lock : locks) {
    fs::path journal = lock;
    journal.replace_extension(kJournalSuffix);
    platform::FileLock stale;
    if (!fs::exists(journal, ec) && stale.Acquire(lock))
      fs::remove(lock, ec);
  }

  std::optional<LeftoverJournal> newest;
  for (const fs::path &journal : journals) {
    LeftoverJournal found;
    found.file_ = journal;
    found.lockFile_ = LockFileOf(journal);
    // A journal without its lock file lost its program before the first write
    // ended; one whose lock is held belongs to a running program.
    if (!found.lock_.Create(found.lockFile_) && !found.lock_.Acquire(found.lockFile_))
      continue;
    std::string bytes;
    std::optional<Snapshot> snapshot;
    if (!platform::ReadRegularFile(journal, bytes, kMaxJournalBytes))
      snapshot = DecodeSnapshot(bytes);
    if (!snapshot) {
      found.Remove();
      continue;
    }
    found.snapshot_ = std::move(*snapshot);
    if (!newest || found.SavedAt() > newest->SavedAt())
      newest = std::move(found);
  }
  return newest;
}

std::string LeftoverJournal::TimeText(std::time_t now) const {
  const bool today = Stamp(snapshot_.savedAt, "%Y-%m-%d") == Stamp(now, "%Y-%m-%d");
  return Stamp(snapshot_.savedAt, today ? "%H:%M" : "%Y-%m-%d %H:%M");
}

bool LeftoverJournal::Restore(Session &session) const {
  if (snapshot_.modelVariant != session.model.ModelVariant)
    return false;
  // One undo step, so the start-up data are one Undo away.
  session.edits.Apply(
      {"Restore Unsaved Changes", "General", ""},
      [this](RadioData &data) { data = snapshot_.data; }, StepKind::Bulk);
  session.state.CurrentFilePath = snapshot_.filePath;
  return true;
}

void LeftoverJournal::Remove() {
  std::error_code ec;
  fs::remove(file_, ec);
  fs::remove(lockFile_, ec);
  lock_.Release();
}

} // namespace kv508
