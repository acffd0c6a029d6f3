#include "app/app_state.h"

#include "app/platform.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>

namespace kv508 {

RunFlags ParseRunFlags(const std::string &argumentText) {
  std::size_t first = argumentText.find_first_not_of(' ');
  std::string text;
  if (first != std::string::npos) {
    std::size_t last = argumentText.find_last_not_of(' ');
    text = argumentText.substr(first, last - first + 1);
  }
  for (char &c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

  RunFlags flags;
  if (text == "/DE" || text == "/ED") {
    flags.DebugMode = true;
    flags.LowSpeedLink = true;
  } else if (text == "/D") {
    flags.DebugMode = true;
  } else if (text == "/E") {
    flags.LowSpeedLink = true;
  }
  return flags;
}

void ErrLog(const AppState &state, const std::filesystem::path &folder,
            const std::string &procedure, const std::string &errorText) {
  if (!state.DebugMode)
    return;

  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!platform::LocalTime(now, local))
    return;
  char stamp[32];
  if (std::strftime(stamp, sizeof stamp, "%d/%m/%Y,%H:%M:%S", &local) == 0)
    return;
  std::string line = std::string(stamp) + ":" + procedure + " -> " + errorText + "\n";

  // The log must never turn into a second failure for the caller. A program
  // folder installed read-only sends it to the per-user data folder instead.
  std::FILE *file = std::fopen((folder / "err.log").string().c_str(), "ab");
  if (file == nullptr) {
    std::filesystem::path userFolder = UserDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(userFolder, ec);
    if (userFolder.empty() || ec)
      return;
    file = std::fopen((userFolder / "err.log").string().c_str(), "ab");
    if (file == nullptr)
      return;
  }
  std::fwrite(line.data(), 1, line.size(), file);
  std::fclose(file);
}

std::filesystem::path UserDataFolder() {
  if (const char *data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0')
    return std::filesystem::path(data) / kApplicationTitle;
  if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::filesystem::path(home) / ".local" / "share" / kApplicationTitle;
  return {};
}

std::string ErrorText(int errorNumber) {
  return std::to_string(errorNumber) + std::generic_category().message(errorNumber);
}

} // namespace kv508
