#pragma once

// What the system says of a serial port, and how the menu and `kv508-cli ports` show it.

#include <string>
#include <vector>

namespace kv508 {

struct SerialPortInfo {
  std::string systemLocation; // /dev/ttyUSB0, COM3
  std::string portName;       // ttyUSB0, COM3
  std::string description;
  std::string manufacturer;
  int vendorId = -1; // USB ids, -1 when the system knows none
  int productId = -1;
  std::string serialNumber;
};

// "0403:6001"; empty when the ids are unknown.
std::string UsbIdText(const SerialPortInfo &port);
// What is known of the port beyond its device, joined by ", ":
// "FT232R USB UART, FTDI, USB 0403:6001, serial A50285BI".
std::string PortDetailsText(const SerialPortInfo &port);
// One line per port under a heading, in columns: entry (COMn: the port's own
// name on Windows, else its place in the list), device,
// description, manufacturer, USB id, serial number; "-" where nothing is known.
std::string PortTableText(const std::vector<SerialPortInfo> &ports);

} // namespace kv508
