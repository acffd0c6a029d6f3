// The commands that talk to a radio: read, write, clear, ports.

#include "cli/commands.h"
#include "cli/file_io.h"

#include "app/backups.h"
#include "app/new_data.h"
#include "app/safe_save.h"
#include "image/decode.h"
#include "link/qt_serial_port.h"
#include "link/transfer.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace kv508::cli {

namespace {

// COMn, a device path, or the built-in simulated radio.
std::unique_ptr<Port> OpenNamedPort(Context &ctx) {
  const std::string &name = ctx.options.port;
  if (name.empty())
    throw UsageError{ctx.options.command + " needs --port P"};
  if (name == "sim")
    return MakeSimulatedRadioPort(ctx.options.lowSpeed);
  if (name.size() > 3 && name.compare(0, 3, "COM") == 0) {
    int number = 0;
    for (char c : name.substr(3)) {
      if (c < '0' || c > '9')
        throw UsageError{"bad port name " + name};
      number = number * 10 + (c - '0');
    }
    std::string device = DeviceForComNumber(number);
    if (device.empty()) {
      std::fprintf(stderr, "There is no serial port %s (see kv508-cli ports).\n", name.c_str());
      return nullptr;
    }
    ctx.session.ComPort = static_cast<std::int16_t>(number);
    return MakeQtSerialPort(device);
  }
  return MakeQtSerialPort(name);
}

// How messages name the port: "COM3 (/dev/ttyS2)", a device path, or the simulator.
std::string PortName(const std::string &name) {
  if (name == "sim")
    return "the simulated radio";
  if (name.compare(0, 3, "COM") == 0) {
    const std::string device = DeviceForComNumber(std::atoi(name.c_str() + 3));
    if (!device.empty())
      return name + " (" + device + ")";
  }
  return name;
}

// Runs one transfer mode on the session's data; true when it succeeded.
bool Transfer(Context &ctx, int mode) {
  std::unique_ptr<Port> port = OpenNamedPort(ctx);
  if (!port)
    return false;
  TransferSession transfer(ctx.session, *port);
  transfer.SetVerifyAfterProgram(ctx.options.verify);
  transfer.SetPortName(PortName(ctx.options.port));
  ctx.host.SetCancelHandler([&transfer] { transfer.RequestCancel(); });
  TransferResult result = transfer.Run(mode);
  ctx.host.SetCancelHandler({});
  ctx.host.EndProgress();
  port->Close();
  if (result.succeeded)
    return true;
  if (ctx.host.ShowedFailure())
    return false; // the radio's own "cancel!!" or failure message said it
  if (result.cancelled) {
    std::fprintf(stderr, "Cancelled.\n");
  } else {
    // Connection failures show only on the monitor line; say so here.
    std::fprintf(stderr, "%s\n", result.connected ? "Communication Error!!" : "can not syncing!!");
  }
  return false;
}

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
  return Transfer(ctx, kTransferProgram) ? kSuccess : kFailed;
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
  auto ports = ListSerialPorts();
  if (ports.empty())
    std::printf("No serial ports found.\n");
  int number = 1;
  for (const auto &port : ports) {
    std::printf("COM%-3d %-20s %s\n", number++, port.systemLocation.c_str(),
                port.description.c_str());
  }
  std::printf("sim    built-in simulated radio\n");
  return kSuccess;
}

} // namespace kv508::cli
