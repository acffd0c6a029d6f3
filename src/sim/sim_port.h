#pragma once

// The simulated radio as an in-process Port: what the PC writes goes to a
// RadioEngine at once, and the engine's answer becomes readable byte by byte
// at the line rate of the speed the port is open at (10 bits per byte), against
// the steady clock. WaitForBytes sleeps (never spins) until everything on the
// line has arrived or its time-out ends, so a polling PC takes the bytes in
// bursts of at most its time-out and the last byte of an answer the moment it
// arrives. Reopening the port drops what is in flight, as a real port does.
//
// Pacing::Unpaced makes every answer readable at once and never blocks: for
// tests that run the link on a fake clock.
//
// Not thread-safe: the PC side and the port run on one thread, as the link does.

#include "link/port.h"
#include "sim/radio_engine.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace kv508::sim {

class SimPort : public Port {
public:
  enum class Pacing { LineRate, Unpaced };

  explicit SimPort(Pacing pacing = Pacing::LineRate);
  SimPort(const RadioEngine &engine, Pacing pacing);

  RadioEngine &Engine() { return engine_; }
  // Makes every later Open fail (a port that is missing or taken).
  void SetOpenFails(bool fails) { openFails_ = fails; }

  bool Open(const std::string &settings) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::size_t BytesWaiting() override;
  bool WaitForBytes(int timeoutMs) override;
  std::vector<std::uint8_t> Read(std::size_t maxBytes) override;
  bool Write(const std::vector<std::uint8_t> &bytes) override;
  void Purge() override;
  std::string ErrorText() const override { return errorText_; }
  int ErrorNumber() const override { return errorNumber_; }

private:
  using Clock = std::chrono::steady_clock;
  // Moves the bytes whose time has come from the line to the input buffer.
  void Arrive();
  void DropAll();

  RadioEngine engine_;
  Pacing pacing_;
  bool open_ = false;
  bool openFails_ = false;
  int baud_ = 0;
  Clock::duration byteTime_{};
  std::deque<std::uint8_t> onLine_;  // sent by the radio side, not yet arrived
  std::deque<std::uint8_t> arrived_; // readable
  Clock::time_point nextDue_{};      // arrival of onLine_.front()
  Clock::time_point lineFree_{};     // arrival of the last byte on the line
  std::string errorText_;
  int errorNumber_ = 0;
};

} // namespace kv508::sim
