#pragma once

// Run flags, application-wide state and the error log.

#include <filesystem>
#include <string>

namespace kv508 {

inline constexpr const char *kApplicationTitle = "KV508";

struct RunFlags {
  bool DebugMode = false;
  bool LowSpeedLink = false;
};

// The whole argument text, trimmed and upper-cased, must be one of
// "/D", "/E", "/DE", "/ED"; anything else sets neither flag.
RunFlags ParseRunFlags(const std::string &argumentText);

struct AppState {
  bool DebugMode = false;
  bool LowSpeedLink = false;
  bool Busy = false;
  bool DataChanged = false;
  bool OperationFailed = false;
  bool OperationIncomplete = false;
  std::string CurrentFilePath;
  std::string TitleText;
};

// Appends "date,time:procedure -> errorText" to err.log in the folder (or, when
// the folder is not writable, in UserDataFolder()), only in DebugMode. Failures
// to write the log are ignored.
void ErrLog(const AppState &state, const std::filesystem::path &folder,
            const std::string &procedure, const std::string &errorText);

// $XDG_DATA_HOME/KV508 or ~/.local/share/KV508; empty when neither is known.
std::filesystem::path UserDataFolder();

// "<number><description>" as the log wants it, from an errno value.
std::string ErrorText(int errorNumber);

} // namespace kv508
