#pragma once

// The serial port operations the link needs. Implementations: the QSerialPort
// adapter and the in-process simulated radio.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kv508 {

// Why a port would not open, as far as the system tells.
enum class PortProblem {
  None,
  NotFound,   // no such device
  Permission, // this user may not open it
  Busy,       // another program holds it
  Other,
};

class Port {
public:
  virtual ~Port() = default;

  // settings is "19200,N,8,1" or "57600,N,8,1". On failure error() says why.
  virtual bool Open(const std::string &settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual std::size_t BytesWaiting() = 0;
  // Blocks up to timeoutMs for at least one byte to arrive; returns BytesWaiting() > 0.
  virtual bool WaitForBytes(int timeoutMs) = 0;
  // Takes up to maxBytes of the waiting bytes.
  virtual std::vector<std::uint8_t> Read(std::size_t maxBytes) = 0;
  virtual bool Write(const std::vector<std::uint8_t> &bytes) = 0;
  // Drops everything waiting.
  virtual void Purge() = 0;

  // Why the last Open or Write failed, or why the line was lost, and its error
  // number (0 when unknown).
  virtual std::string ErrorText() const { return {}; }
  virtual int ErrorNumber() const { return 0; }
  // True once the open port reported that the line is gone (the device removed,
  // the other end closed); a silent line is not lost. Open clears it.
  virtual bool LineLost() const { return false; }
  // Why the last Open failed.
  virtual PortProblem Problem() const { return PortProblem::Other; }
  // The group that may open the device, when the system names one ("dialout").
  virtual std::string DeviceGroup() const { return {}; }
};

} // namespace kv508
