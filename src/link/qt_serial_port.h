#pragma once

// The Port on a real serial device, through QSerialPort. Bytes are delivered
// without an event loop (waitForReadyRead with a short timeout), so the same
// code serves the GUI and the command line.

#include "link/port.h"
#include "link/port_info.h"

#include <memory>
#include <string>
#include <vector>

namespace kv508 {

// The ports the system reports, sorted by system location. A list read less
// than a second before is given again without asking the system.
std::vector<SerialPortInfo> ListSerialPorts();

// The device of menu entry COMn: on Windows "COMn"; elsewhere the n-th port of
// ListSerialPorts() (1-based). Empty when there is no such port.
std::string DeviceForComNumber(int comNumber);

// What a port name opens: a path as given, a name that exists in the working
// folder as that file, any other bare name under /dev (Windows: as given).
std::string SerialDevicePath(const std::string &name);

// A port for a device path or name (see SerialDevicePath); nothing is opened
// until Port::Open. The program must have created its QCoreApplication
// (QSerialPort's notifiers need the thread's event dispatcher).
std::unique_ptr<Port> MakeQtSerialPort(const std::string &device);

} // namespace kv508
