#pragma once

// The port behind Options > SerialPort: a numbered entry, a device path or the
// built-in simulated radio. The simulated radio lives as long as the window,
// so what is programmed into it can be read back.

#include "link/port.h"

#include <memory>
#include <string>

namespace kv508::ui {

enum class PortSource { Numbered, Device, Simulated };

struct PortChoice {
  PortSource source = PortSource::Numbered;
  int number = 1;     // ComPort for numbered entries
  std::string device; // for PortSource::Device
};

class PortProvider {
public:
  explicit PortProvider(bool lowSpeedLink = false);
  ~PortProvider();
  // A port for one opening of the transfer dialog; valid until the next call.
  Port &Acquire(const PortChoice &choice);
  // The built-in radio, made on first use; tests put in one of their own.
  Port &SimulatedRadio();
  void SetSimulatedRadio(std::unique_ptr<Port> port);

private:
  bool lowSpeedLink_;
  std::unique_ptr<Port> simulated_;
  std::unique_ptr<Port> current_;
};

} // namespace kv508::ui
