// kv508-cli: the operations of the desktop application from a shell.

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/options.h"

#include "app/config.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kv508;
using namespace kv508::cli;

namespace {

fs::path ExecutableDir(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

fs::path DefaultSettingsFile() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    return fs::path(config) / "KV508" / "KV508.conf";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return fs::path(home) / ".config" / "KV508" / "KV508.conf";
  }
  return "KV508.conf";
}

int Dispatch(Context& ctx) {
  static const std::map<std::string, int (*)(Context&)> kCommands = {
      {"new", RunNew},   {"convert", RunConvert}, {"report", RunReport}, {"diff", RunDiff},
      {"ports", RunPorts}, {"read", RunRead},     {"write", RunWrite},   {"clear", RunClear},
      {"backups", RunBackups}};
  auto command = kCommands.find(ctx.options.command);
  if (command == kCommands.end()) throw UsageError{"unknown command " + ctx.options.command};
  if (ctx.options.verify && ctx.options.command != "write") {
    throw UsageError{"--verify goes with write"};
  }
  return command->second(ctx);
}

} // namespace

namespace kv508::cli {

bool PrepareSession(Session& session, const Options& options) {
  session.state.DebugMode = options.debug;
  session.state.LowSpeedLink = options.lowSpeed;
  session.programDir = options.programDir.empty() ? LocateProgramFolder(ExecutableDir("kv508-cli"))
                                                  : fs::path(options.programDir);
  fs::path globalIni = session.programDir / "global.ini";
  ModelSelection selection =
      SelectModelAtStartup(globalIni, session.settings.Get("Settings", "lastmodel", "1"));
  if (options.model) {
    if (*options.model != 1 && *options.model != 11) {
      throw UsageError{"--model must be 1 or 11"};
    }
    selection.UnknownModel = false;
    selection.ModelVariant = static_cast<std::int16_t>(*options.model);
    selection.AtisCapable = ReadAtisCapable(globalIni, *options.model);
    selection.TitleText = TitleTextFor(*options.model);
  }
  if (selection.UnknownModel) {
    session.host.Message(Icon::Critical, kApplicationTitle, "Unknown model!!");
    return false;
  }
  if (options.atis) selection.AtisCapable = *options.atis;
  ApplyModelSelection(session, selection);
  session.ComPort = StoredComPort(session.settings);
  if (!options.noBackup) session.backups.folder = DefaultBackupFolder();
  return true;
}

} // namespace kv508::cli

int main(int argc, char** argv) {
  Options options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "kv508-cli: %s\n\n%s", e.reason.c_str(), UsageText());
    return kUsage;
  }
  if (options.help) {
    std::printf("%s", UsageText());
    return kSuccess;
  }
  if (options.version) {
    std::printf("kv508-cli %s\n", KV508_VERSION);
    return kSuccess;
  }
  if (options.command.empty()) {
    std::fprintf(stderr, "kv508-cli: no command given\n\n%s", UsageText());
    return kUsage;
  }

  InstallInterruptHandler();
  CliHost host(Answers{options.retryBusy, options.resync}, options.debug);
  IniFileUserSettings settings(options.settingsFile.empty() ? DefaultSettingsFile()
                                                            : fs::path(options.settingsFile));
  Session session(host, settings);
  Context ctx{options, host, settings, session};
  try {
    if (!PrepareSession(session, options)) return kFailed;
    return Dispatch(ctx);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "kv508-cli: %s\n\n%s", e.reason.c_str(), UsageText());
    return kUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kv508-cli: %s\n", e.what());
    return kFailed;
  }
}
