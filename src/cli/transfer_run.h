#pragma once

// What the commands that talk to a radio share: the port named by --port, one
// transfer run with the options' answers, and the trace file of --trace.

#include "cli/commands.h"
#include "link/serial_trace.h"
#include "link/transfer.h"

#include <functional>
#include <memory>
#include <string>

namespace kv508::cli {

// COMn, a device path, or the built-in simulated radio; null (after its
// message) for a COMn the computer does not have.
std::unique_ptr<Port> OpenNamedPort(Context &ctx);
// How messages name the port: "COM3 (/dev/ttyS2)", a device path, or the simulator.
std::string PortName(const std::string &name);

// Runs one transfer mode on the session's data; true when it succeeded.
// `after` runs on a transfer that succeeded, before the port closes.
bool Transfer(Context &ctx, int mode, const std::function<void(TransferSession &)> &after = {});

// --trace FILE: false (after its message) when the file cannot be written.
bool CheckTraceTarget(Context &ctx);
bool WriteTrace(Context &ctx, const SerialTrace &trace);

} // namespace kv508::cli
