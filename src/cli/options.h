#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kv508::cli {

struct Options {
  std::string programDir;
  std::string settingsFile;
  std::optional<int> model;
  std::optional<bool> atis;
  bool debug = false;
  bool lowSpeed = false;
  bool resync = false;
  bool noBackup = false;
  bool verify = false;
  bool changesOnly = false;
  bool keepIdentity = false;
  bool replaceIdentity = false;
  std::string trace;
  bool merge = false;
  bool skipRefused = false;
  std::string paper = "a4";
  int retryBusy = 0;
  std::string port;
  std::string output;
  std::string base;
  bool help = false;
  bool version = false;
  std::string command;
  std::vector<std::string> arguments;
};

// Throws UsageError with a one-line reason.
struct UsageError {
  std::string reason;
};

Options ParseOptions(int argc, char **argv);
const char *UsageText();

} // namespace kv508::cli
