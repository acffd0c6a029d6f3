#include "link/port_info.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kv508 {

namespace {

std::string Hex4(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(value) & 0xFFFFu);
  return text;
}

} // namespace

std::string UsbIdText(const SerialPortInfo &port) {
  if (port.vendorId < 0 || port.productId < 0)
    return {};
  return Hex4(port.vendorId) + ":" + Hex4(port.productId);
}

std::string PortDetailsText(const SerialPortInfo &port) {
  std::string text;
  auto add = [&text](const std::string &part) {
    if (!part.empty())
      text += (text.empty() ? "" : ", ") + part;
  };
  add(port.description);
  add(port.manufacturer);
  const std::string usb = UsbIdText(port);
  add(usb.empty() ? usb : "USB " + usb);
  add(port.serialNumber.empty() ? port.serialNumber : "serial " + port.serialNumber);
  return text;
}

std::string PortTableText(const std::vector<SerialPortInfo> &ports) {
  using Row = std::array<std::string, 6>;
  std::vector<Row> rows = {{"PORT", "DEVICE", "DESCRIPTION", "MANUFACTURER", "USB ID", "SERIAL"}};
  auto known = [](const std::string &text) { return text.empty() ? std::string("-") : text; };
  for (std::size_t i = 0; i < ports.size(); ++i) {
    const SerialPortInfo &p = ports[i];
    // On Windows a port is its COM name; elsewhere COMn is the n-th port listed.
    const std::string entry =
        p.portName.rfind("COM", 0) == 0 ? p.portName : "COM" + std::to_string(i + 1);
    rows.push_back({entry, p.systemLocation, known(p.description), known(p.manufacturer),
                    known(UsbIdText(p)), known(p.serialNumber)});
  }
  std::array<std::size_t, 6> width{};
  for (const Row &row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c)
      width[c] = std::max(width[c], row[c].size());
  }
  std::string text;
  for (const Row &row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size())
        line += std::string(width[c] - row[c].size() + 2, ' ');
    }
    text += line + "\n";
  }
  return text;
}

} // namespace kv508
