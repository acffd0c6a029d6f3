// kv508-cli: the operations of the desktop application from a shell.

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/options.h"

#include "app/config.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kv508;
using namespace kv508::cli;

namespace {

fs::path DefaultSettingsFile() {
  if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    return fs::path(config) / "KV508" / "KV508.conf";
  }
  if (const char *home = std::getenv("HOME"); home && *home) {
    return fs::path(home) / ".config" / "KV508" / "KV508.conf";
  }
  return "KV508.conf";
}

bool UsesSerialPorts(const std::string &command) {
  return command == "read" || command == "write" || command == "clear" || command == "ports" ||
         command == "compare" || command == "doctor";
}

// The status of trouble: diff(1)'s 2 for the commands that tell "same" from
// "different", else 1.
int TroubleStatus(const std::string &command) {
  return command == "diff" || command == "compare" || command == "check" ? kUsage : kFailed;
}

// Options that only some commands take.
void CheckOptionsFit(const Options &o) {
  const std::string &c = o.command;
  if (o.verify && c != "write")
    throw UsageError{"--verify goes with write"};
  if ((o.changesOnly || o.keepIdentity || o.replaceIdentity) && c != "write")
    throw UsageError{"--changes-only, --keep-identity and --replace-identity go with write"};
  if (o.keepIdentity && o.replaceIdentity)
    throw UsageError{"--keep-identity and --replace-identity exclude each other"};
  if (o.changesOnly && !o.base.empty())
    throw UsageError{"--changes-only writes over the radio's own memory: --base has no place"};
  const bool transfers =
      c == "read" || c == "write" || c == "clear" || c == "compare" || c == "doctor";
  if (!o.trace.empty() && !transfers)
    throw UsageError{"--trace goes with read, write, clear, compare and doctor"};
  if ((o.merge || o.skipRefused) && c != "import")
    throw UsageError{"--merge and --skip-refused go with import"};
  if (o.paper != "a4" && c != "cards")
    throw UsageError{"--paper goes with cards"};
}

// The offscreen platform warns about the desktop session it does not have;
// a command's own messages are the only ones a script should see.
void QuietQtWarnings(QtMsgType type, const QMessageLogContext &, const QString &message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int Dispatch(Context &ctx) {
  static const std::map<std::string, int (*)(Context &)> kCommands = {
      {"new", RunNew},     {"convert", RunConvert}, {"report", RunReport},
      {"diff", RunDiff},   {"ports", RunPorts},     {"read", RunRead},
      {"write", RunWrite}, {"clear", RunClear},     {"backups", RunBackups},
      {"check", RunCheck}, {"export", RunExport},   {"import", RunImport},
      {"cards", RunCards}, {"compare", RunCompare}, {"doctor", RunDoctor}};
  auto command = kCommands.find(ctx.options.command);
  if (command == kCommands.end())
    throw UsageError{"unknown command " + ctx.options.command};
  CheckOptionsFit(ctx.options);
  return command->second(ctx);
}

} // namespace

int main(int argc, char **argv) {
  Options options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const UsageError &e) {
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

  // The serial ports need the application object's event dispatcher and the
  // cards need fonts (a GUI application, offscreen); the other file commands
  // need neither, and start sooner without. The application's constructor
  // adopts the user's locale, which would change how the core formats and
  // parses numbers, so the previous locale is put back.
  std::unique_ptr<QCoreApplication> application;
  if (options.command == "cards" || UsesSerialPorts(options.command)) {
    const char *current = std::setlocale(LC_ALL, nullptr);
    const std::string locale = current != nullptr ? current : "C";
    if (options.command == "cards") {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
      qInstallMessageHandler(QuietQtWarnings);
      application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
      application = std::make_unique<QCoreApplication>(argc, argv);
    }
    std::setlocale(LC_ALL, locale.c_str());
  }

  InstallInterruptHandler();
  CliHost host(Answers{options.retryBusy, options.resync}, options.debug);
  IniFileUserSettings settings(options.settingsFile.empty() ? DefaultSettingsFile()
                                                            : fs::path(options.settingsFile));
  Session session(host, settings);
  Context ctx{options, host, settings, session};
  try {
    if (!PrepareSession(session, options))
      return TroubleStatus(options.command);
    return Dispatch(ctx);
  } catch (const UsageError &e) {
    std::fprintf(stderr, "kv508-cli: %s\n\n%s", e.reason.c_str(), UsageText());
    return kUsage;
  } catch (const std::exception &e) {
    std::fprintf(stderr, "kv508-cli: %s\n", e.what());
    return TroubleStatus(options.command);
  }
}
