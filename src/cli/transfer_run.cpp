#include "cli/transfer_run.h"

#include "app/safe_save.h"
#include "link/qt_serial_port.h"

#include <cstdio>
#include <cstdlib>

namespace kv508::cli {

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

namespace {

IdentityAnswer IdentityAnswerOf(const Options &options) {
  if (options.keepIdentity)
    return IdentityAnswer::Keep;
  return options.replaceIdentity ? IdentityAnswer::WriteNew : IdentityAnswer::Refuse;
}

// Why a run failed, when no message of the radio's said it.
void TellFailure(Context &ctx, const TransferResult &result) {
  if (result.identityRefused) {
    std::fprintf(stderr, "--keep-identity programs the radio's own MMSI and ATIS code instead; "
                         "--replace-identity writes those of the file.\n");
    return;
  }
  if (ctx.host.ShowedFailure())
    return; // the radio's own "cancel!!" or failure message said it
  if (result.cancelled) {
    std::fprintf(stderr, "Cancelled.\n");
  } else {
    // Connection failures show only on the monitor line; say so here.
    std::fprintf(stderr, "%s\n", result.connected ? "Communication Error!!" : "can not syncing!!");
  }
}

} // namespace

bool Transfer(Context &ctx, int mode, const std::function<void(TransferSession &)> &after) {
  if (!CheckTraceTarget(ctx))
    return false;
  std::unique_ptr<Port> port = OpenNamedPort(ctx);
  if (!port)
    return false;
  TransferSession transfer(ctx.session, *port);
  transfer.SetVerifyAfterProgram(ctx.options.verify);
  transfer.SetPortName(PortName(ctx.options.port));
  transfer.SetIdentityAnswer(IdentityAnswerOf(ctx.options));
  ctx.host.SetCancelHandler([&transfer] { transfer.RequestCancel(); });
  const TransferResult result = transfer.Run(mode);
  ctx.host.SetCancelHandler({});
  ctx.host.EndProgress();
  if (result.succeeded && after)
    after(transfer);
  port->Close();
  const bool traced = WriteTrace(ctx, transfer.Trace());
  if (!result.succeeded)
    TellFailure(ctx, result);
  return result.succeeded && traced;
}

bool CheckTraceTarget(Context &ctx) {
  if (ctx.options.trace.empty())
    return true;
  // A transfer takes half a minute; its trace must have somewhere to go.
  if (std::error_code ec = CheckSaveTarget(ctx.options.trace)) {
    ctx.session.host.Message(Icon::Exclamation, ctx.session.state.TitleText, "FileSave Error!!");
    FileErrorReason(ctx.session.host, ctx.options.trace, ec);
    return false;
  }
  return true;
}

bool WriteTrace(Context &ctx, const SerialTrace &trace) {
  if (ctx.options.trace.empty())
    return true;
  if (std::error_code ec = SafeWriteFile(ctx.options.trace, trace.Text())) {
    ctx.session.host.Message(Icon::Exclamation, ctx.session.state.TitleText, "FileSave Error!!");
    FileErrorReason(ctx.session.host, ctx.options.trace, ec);
    return false;
  }
  return true;
}

} // namespace kv508::cli
