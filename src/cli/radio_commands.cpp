// The commands that talk to a radio: read, write, clear, compare, doctor, ports.

#include "cli/commands.h"
#include "cli/file_io.h"
#include "cli/transfer_run.h"

#include "app/backups.h"
#include "app/new_data.h"
#include "app/safe_save.h"
#include "diff/radio_compare.h"
#include "image/decode.h"
#include "link/connection_test.h"
#include "link/qt_serial_port.h"

#include <cstdio>
#include <map>
#include <memory>

namespace kv508::cli {

namespace {

// The image a transfer starts from: the default image, or the base image.
bool PrepareBase(Context &ctx) {
  NewData(ctx.session, true);
  if (ctx.options.base.empty())
    return true;
  if (!LoadBaseImage(ctx.session, ctx.options.base))
    return false;
  DecodeImage(ctx.session.data);
  return true;
}

} // namespace

int RunRead(Context &ctx) {
  if (ctx.options.output.empty() || !ctx.options.arguments.empty()) {
    throw UsageError{"read needs --port P -o OUT.hex or -o OUT.dat"};
  }
  RequireKind(ctx.options.output, {FileKind::Hex, FileKind::Dat});
  // A read takes half a minute; what it read must not be lost for an output
  // that could never be written.
  if (std::error_code ec = CheckSaveTarget(ctx.options.output)) {
    ctx.session.host.Message(Icon::Exclamation, ctx.session.state.TitleText, "FileSave Error!!");
    FileErrorReason(ctx.session.host, ctx.options.output, ec);
    return kFailed;
  }
  if (!PrepareBase(ctx) || !Transfer(ctx, kTransferRead))
    return kFailed;
  bool saved = KindOf(ctx.options.output) == FileKind::Hex
                   ? SaveRawImage(ctx.session, ctx.options.output)
                   : SaveSettingsOrImage(ctx.session, ctx.options.output);
  return saved ? kSuccess : kFailed;
}

int RunWrite(Context &ctx) {
  if (ctx.options.arguments.size() != 1)
    throw UsageError{"write needs --port P IN"};
  RequireKind(ctx.options.arguments[0], {FileKind::Hex, FileKind::Dat});
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[0], ctx.options.base)) {
    return kFailed;
  }
  const int mode = ctx.options.changesOnly ? kTransferProgramChanges : kTransferProgram;
  return Transfer(ctx, mode) ? kSuccess : kFailed;
}

int RunCompare(Context &ctx) {
  if (ctx.options.arguments.size() != 1)
    throw UsageError{"compare needs --port P IN"};
  RequireKind(ctx.options.arguments[0], {FileKind::Hex, FileKind::Dat});
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[0], ctx.options.base))
    return kTrouble;
  RadioComparison comparison;
  const bool read = Transfer(ctx, kTransferCompare, [&ctx, &comparison](TransferSession &t) {
    comparison = CompareWithRadio(ctx.session.data, t.RadioImage(), ctx.session.model);
  });
  if (!read)
    return kTrouble;
  if (comparison.error) {
    ctx.session.host.Message(Icon::Exclamation, TransferCaption(kTransferCompare),
                             EncodeErrorMessage(*comparison.error));
    return kTrouble;
  }
  if (!WriteStandardOutput(ctx.session, ComparisonText(comparison)))
    return kTrouble;
  return comparison.Same() ? kSame : kDifferent;
}

int RunDoctor(Context &ctx) {
  if (!ctx.options.arguments.empty())
    throw UsageError{"doctor takes --port P and no arguments"};
  if (!CheckTraceTarget(ctx))
    return kFailed;
  std::unique_ptr<Port> port = OpenNamedPort(ctx);
  if (!port)
    return kFailed;
  ConnectionTest test(ctx.session, *port, PortName(ctx.options.port));
  ctx.host.SetCancelHandler([&test] { test.RequestCancel(); });
  // Each step is printed when it is done: a silent radio takes half a minute.
  std::size_t printed = 0;
  const ConnectionDiagnosis diagnosis = test.Run([&printed](const ConnectionDiagnosis &d) {
    for (; printed < d.steps.size() && d.steps[printed].state != StepState::NotRun; ++printed)
      std::printf("%s: %s\n", d.steps[printed].name.c_str(), d.steps[printed].result.c_str());
    std::fflush(stdout);
  });
  ctx.host.SetCancelHandler({});
  port->Close();
  const std::string text = DiagnosisText(diagnosis);
  std::size_t skip = 0;
  for (std::size_t i = 0; i < printed; ++i)
    skip = text.find('\n', skip) + 1;
  const bool traced = WriteTrace(ctx, test.Trace());
  if (!WriteStandardOutput(ctx.session, text.substr(skip)))
    return kFailed;
  return diagnosis.passed && traced ? kSuccess : kFailed;
}

int RunClear(Context &ctx) {
  static const std::map<std::string, int> kAreas = {{"mmsi", kClearMmsi},
                                                    {"dsc-log", kClearDscLog},
                                                    {"distress-log", kClearDistressLog},
                                                    {"individual", kClearIndividual},
                                                    {"group", kClearGroup},
                                                    {"waypoint", kClearWaypoint},
                                                    {"dsc-tx-log", kClearDscTxLog},
                                                    {"all", kClearAll}};
  if (ctx.options.arguments.size() != 1)
    throw UsageError{"clear needs --port P AREA"};
  auto area = kAreas.find(ctx.options.arguments[0]);
  if (area == kAreas.end())
    throw UsageError{"unknown area " + ctx.options.arguments[0]};
  if (!PrepareBase(ctx))
    return kFailed;
  return Transfer(ctx, area->second) ? kSuccess : kFailed;
}

int RunBackups(Context &ctx) {
  if (!ctx.options.arguments.empty())
    throw UsageError{"backups takes no arguments"};
  const std::filesystem::path folder = DefaultBackupFolder();
  const std::vector<BackupEntry> entries = ListBackups(folder);
  if (entries.empty())
    std::printf("No backups in %s\n", folder.c_str());
  for (const BackupEntry &entry : entries) {
    const BackupColumns shown = DescribeBackup(entry);
    std::printf("%s  %-7s  %-13s  %-9s  %s\n", shown.time.c_str(), shown.kind.c_str(),
                shown.model.c_str(), shown.mmsi.c_str(), entry.file.c_str());
  }
  return kSuccess;
}

int RunPorts(Context &) {
  const std::vector<SerialPortInfo> ports = ListSerialPorts();
  if (ports.empty())
    std::printf("No serial ports found.\n");
  else
    std::printf("%s", PortTableText(ports).c_str());
  std::printf("sim: the built-in simulated radio\n");
  return kSuccess;
}

} // namespace kv508::cli
