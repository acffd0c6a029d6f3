#include "ui/port_provider.h"

#include "link/qt_serial_port.h"
#include "sim/sim_port.h"

namespace kv508::ui {

namespace {

// A numbered entry with no port behind it: opening fails and says why.
class MissingPort : public Port {
public:
  explicit MissingPort(int number) : number_(number) {}
  bool Open(const std::string &) override { return false; }
  void Close() override {}
  bool IsOpen() const override { return false; }
  std::size_t BytesWaiting() override { return 0; }
  bool WaitForBytes(int) override { return false; }
  std::vector<std::uint8_t> Read(std::size_t) override { return {}; }
  bool Write(const std::vector<std::uint8_t> &) override { return false; }
  void Purge() override {}
  std::string ErrorText() const override {
    return "There is no serial port COM" + std::to_string(number_) +
           " on this computer.\r\nChoose another entry of Options > SerialPort, or the "
           "simulated radio to try the program without one.";
  }

private:
  int number_;
};

} // namespace

PortProvider::PortProvider(bool lowSpeedLink) : lowSpeedLink_(lowSpeedLink) {}
PortProvider::~PortProvider() = default;

void PortProvider::SetSimulatedRadio(std::unique_ptr<Port> port) { simulated_ = std::move(port); }

Port &PortProvider::SimulatedRadio() {
  if (!simulated_) {
    auto sim = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::LineRate);
    if (lowSpeedLink_)
      sim->Engine().SetWorkingBaud(sim::RadioEngine::kHandshakeBaud);
    simulated_ = std::move(sim);
  }
  return *simulated_;
}

Port &PortProvider::Acquire(const PortChoice &choice) {
  if (current_ && current_->IsOpen())
    current_->Close();
  current_.reset();
  switch (choice.source) {
  case PortSource::Simulated:
    return SimulatedRadio();
  case PortSource::Device:
    current_ = MakeQtSerialPort(choice.device);
    break;
  case PortSource::Numbered: {
    const std::string device = DeviceForComNumber(choice.number);
    if (device.empty())
      current_ = std::make_unique<MissingPort>(choice.number);
    else
      current_ = MakeQtSerialPort(device);
    break;
  }
  }
  return *current_;
}

} // namespace kv508::ui
