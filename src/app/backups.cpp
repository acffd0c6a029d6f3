#include "app/backups.h"

#include "app/platform.h"
#include "app/safe_save.h"
#include "app/session.h"
#include "image/fields.h"
#include "image/layout.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

namespace kv508 {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSuffix = ".hex";
// A name taken in the same second gets "-2", "-3" ... after the time; the
// count has room for far more backups than a second can make.
constexpr std::size_t kMaxSequenceDigits = 6;
// Names another program takes while this one looks for a free one.
constexpr int kMaxNameTries = 1000;

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits)
    value = value * 10 + (c - '0');
  return value;
}

bool ModelTagChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-'; }

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  for (;;) {
    const std::size_t cut = text.find(separator);
    pieces.push_back(text.substr(0, cut));
    if (cut == std::string_view::npos)
      return pieces;
    text.remove_prefix(cut + 1);
  }
}

// "YYYY-MM-DD_HHMMSS" of the local time; empty when the time cannot be shown.
std::string Stamp(std::time_t time) {
  std::tm local{};
  char text[32];
  if (!platform::LocalTime(time, local) ||
      std::strftime(text, sizeof text, "%Y-%m-%d_%H%M%S", &local) == 0)
    return {};
  return text;
}

// Within one second the sequence orders them; newest first.
struct NewestFirst {
  bool operator()(const BackupEntry &a, const BackupEntry &b) const {
    if (a.time != b.time)
      return a.time > b.time;
    if (a.sequence != b.sequence)
      return a.sequence > b.sequence;
    return a.file.filename().string() > b.file.filename().string();
  }
};

std::string BackupModelTag(int variant) {
  std::string tag = ModelName(variant);
  for (char &c : tag) {
    if (!ModelTagChar(c))
      c = '-';
  }
  return tag;
}
} // namespace

fs::path DefaultBackupFolder() {
  const fs::path user = UserDataFolder();
  return user.empty() ? fs::path{} : user / "backups";
}

const char *BackupKindText(BackupKind kind) {
  return kind == BackupKind::Read ? "read" : "program";
}

bool ParseBackupName(const std::string &fileName, BackupEntry &entry) {
  std::string_view name = fileName;
  if (name.size() <= kSuffix.size() || !name.ends_with(kSuffix))
    return false;
  name.remove_suffix(kSuffix.size());
  const std::vector<std::string_view> parts = SplitAt(name, '_');
  if (parts.size() != 4)
    return false;

  const std::vector<std::string_view> date = SplitAt(parts[0], '-');
  const std::vector<std::string_view> clock = SplitAt(parts[1], '-');
  if (date.size() != 3 || date[0].size() != 4 || date[1].size() != 2 || date[2].size() != 2 ||
      !AllDigits(date[0]) || !AllDigits(date[1]) || !AllDigits(date[2]))
    return false;
  if (clock.size() > 2 || clock[0].size() != 6 || !AllDigits(clock[0]) ||
      (clock.size() == 2 && (clock[1].size() > kMaxSequenceDigits || !AllDigits(clock[1]))))
    return false;
  if (parts[2].empty() || !std::all_of(parts[2].begin(), parts[2].end(), ModelTagChar))
    return false;

  BackupKind kind;
  if (parts[3] == "read")
    kind = BackupKind::Read;
  else if (parts[3] == "program")
    kind = BackupKind::Program;
  else
    return false;

  std::tm local{};
  local.tm_year = Number(date[0]) - 1900;
  local.tm_mon = Number(date[1]) - 1;
  local.tm_mday = Number(date[2]);
  local.tm_hour = Number(clock[0].substr(0, 2));
  local.tm_min = Number(clock[0].substr(2, 2));
  local.tm_sec = Number(clock[0].substr(4, 2));
  local.tm_isdst = -1;
  if (local.tm_mon > 11 || local.tm_mday < 1 || local.tm_mday > 31 || local.tm_hour > 23 ||
      local.tm_min > 59 || local.tm_sec > 60)
    return false;
  const std::time_t time = std::mktime(&local);
  if (time == static_cast<std::time_t>(-1))
    return false;

  entry.time = time;
  entry.sequence = clock.size() == 2 ? Number(clock[1]) : 1;
  entry.kind = kind;
  entry.model = std::string(parts[2]);
  return true;
}

std::vector<BackupEntry> ListBackups(const fs::path &folder) {
  std::vector<BackupEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code statusError;
    if (!it->is_regular_file(statusError))
      continue;
    BackupEntry entry;
    if (!ParseBackupName(it->path().filename().string(), entry))
      continue;
    entry.file = it->path();
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), NewestFirst{});
  return entries;
}

std::string BackupTimeText(std::time_t time) {
  std::tm local{};
  char text[32];
  if (!platform::LocalTime(time, local) ||
      std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) == 0)
    return "?";
  return text;
}

std::string BackupOwnMmsi(const fs::path &file) {
  std::ifstream in(file, std::ios::binary);
  std::error_code ec;
  if (!in || fs::file_size(file, ec) != static_cast<std::uintmax_t>(kImageSize) || ec)
    return {};
  MemoryImage image{};
  in.read(reinterpret_cast<char *>(image.data()), kImageSize);
  if (in.gcount() != kImageSize)
    return {};
  const std::string digits = Bcd5Read(image, layout::kUserMmsi).substr(0, 9);
  // Erased (0xFF) or never set (zeroes): no MMSI of the radio's own.
  if (digits.size() < 9 || digits == "000000000")
    return {};
  return digits;
}

BackupColumns DescribeBackup(const BackupEntry &entry) {
  std::string mmsi = BackupOwnMmsi(entry.file);
  return {BackupTimeText(entry.time), BackupKindText(entry.kind), entry.model,
          mmsi.empty() ? "-" : mmsi};
}

int PruneBackups(const fs::path &folder, std::time_t now) {
  const std::vector<BackupEntry> entries = ListBackups(folder);
  int deleted = 0;
  for (std::size_t i = kBackupsKept; i < entries.size(); ++i) {
    if (now - entries[i].time < kBackupKeptSeconds)
      continue;
    std::error_code ec;
    if (fs::remove(entries[i].file, ec))
      ++deleted;
  }
  return deleted;
}

std::string WriteBackup(Session &session, const MemoryImage &image, BackupKind kind) {
  const BackupOptions &options = session.backups;
  if (options.folder.empty())
    return {};
  const std::time_t now = options.now();
  const std::string stem = Stamp(now);
  const std::string tail =
      "_" + BackupModelTag(session.model.ModelVariant) + "_" + BackupKindText(kind) + ".hex";
  const std::string_view bytes(reinterpret_cast<const char *>(image.data()), image.size());

  std::error_code ec;
  fs::create_directories(options.folder, ec);
  if (!ec && stem.empty())
    ec = std::make_error_code(std::errc::invalid_argument);
  // Numbered across kinds and models, so that the list keeps the order they
  // were made in; a name another program takes meanwhile moves this one on.
  int sequence = 0;
  for (const BackupEntry &entry : ListBackups(options.folder)) {
    if (entry.time == now)
      sequence = std::max(sequence, entry.sequence);
  }
  for (int tries = 1; !ec; ++tries) {
    ++sequence;
    const std::string name =
        sequence == 1 ? stem + tail : stem + "-" + std::to_string(sequence) + tail;
    ec = SafeCreateFile(options.folder / name, bytes);
    if (ec != std::errc::file_exists || tries == kMaxNameTries)
      break;
    ec.clear();
  }
  if (ec) {
    ErrLog(session.state, session.programDir, "SaveBackup", ErrorText(ec.value()));
    return "The backup could not be saved in " + options.folder.string() + ": " + ec.message() +
           ".";
  }
  PruneBackups(options.folder, now);
  return {};
}

bool SaveBackup(Session &session, const MemoryImage &image, BackupKind kind,
                const std::string &title) {
  const std::string failure = WriteBackup(session, image, kind);
  if (failure.empty())
    return true;
  session.host.Message(Icon::Exclamation, title, failure);
  return false;
}

} // namespace kv508
