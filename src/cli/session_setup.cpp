// The model and program folder of a command line session.

#include "cli/commands.h"

#include "app/backups.h"
#include "app/config.h"
#include "app/platform.h"
#include "app/user_prefs.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace kv508::cli {

bool PrepareSession(Session &session, const Options &options) {
  session.state.DebugMode = options.debug;
  session.state.LowSpeedLink = options.lowSpeed;
  session.programDir =
      options.programDir.empty()
          ? LocateProgramFolder(platform::ExecutablePath("kv508-cli").parent_path())
          : fs::path(options.programDir);
  fs::path globalIni = session.programDir / "global.ini";
  ModelSelection selection = SelectModelAtStartup(globalIni, prefs::LastModel(session.settings));
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
    session.host.Reason(UnknownModelReason(globalIni));
    return false;
  }
  if (options.atis)
    selection.AtisCapable = *options.atis;
  ApplyModelSelection(session, selection);
  session.ComPort = StoredComPort(session.settings);
  if (!options.noBackup)
    session.backups.folder = DefaultBackupFolder();
  return true;
}

} // namespace kv508::cli
