#include "cli/commands.h"

#include "sim/sim_port.h"

namespace kv508::cli {

std::unique_ptr<Port> MakeSimulatedRadioPort(bool lowSpeedLink) {
  auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::LineRate);
  // The radio follows the PC: a low-speed PC stays at the handshake speed.
  if (lowSpeedLink)
    port->Engine().SetWorkingBaud(sim::RadioEngine::kHandshakeBaud);
  return port;
}

} // namespace kv508::cli
