#pragma once

// The frames of one transfer, for a bug report: every byte sent and received
// with its time and the step under way. A TracingPort puts a Port's traffic
// into a SerialTrace; the trace is started afresh for each transfer, so it
// never holds more than the last one, and stops taking bytes at kMaxBytes.

#include "app/host.h"
#include "link/port.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kv508 {

class SerialTrace {
public:
  static constexpr std::size_t kMaxBytes = 4u << 20;

  enum class Kind { Step, Note, Sent, Received };
  struct Entry {
    Kind kind;
    std::int64_t ms; // from the start of the transfer
    std::string bytes;
  };

  // Forgets everything: a new transfer, named in the heading ("Read from
  // Radio on /dev/ttyUSB0"), starting at `nowMs`.
  void Start(const std::string &title, std::int64_t nowMs);
  // The step under way ("Checking the radio's model..."); recorded when it changes.
  void Step(const std::string &text, std::int64_t nowMs);
  void Note(const std::string &text, std::int64_t nowMs); // the port opened, closed
  // Bytes in one direction; bytes following others of the same kind join their entry.
  void Add(Kind kind, const std::vector<std::uint8_t> &bytes, std::int64_t nowMs);

  bool Empty() const { return entries_.empty(); }
  const std::vector<Entry> &Entries() const { return entries_; }
  // The trace as text: a heading, then one line per entry
  //   "   1234 PC> #CEPRD<TAB>0000<TAB>40<TAB>5A<CR><LF>"
  // (PC> sent, <RX received, == a step, -- a note); bytes outside printable
  // ASCII, and "<", as <TAB> <CR> <LF> or <xx>.
  std::string Text() const;

private:
  std::string title_;
  std::int64_t startMs_ = 0;
  std::string step_;
  std::size_t bytes_ = 0;
  bool truncated_ = false;
  std::vector<Entry> entries_;
};

// A Port that records into a trace what passes through it.
class TracingPort : public Port {
public:
  TracingPort(Port &inner, SerialTrace &trace, Host &clock)
      : inner_(inner), trace_(trace), clock_(clock) {}

  bool Open(const std::string &settings) override;
  void Close() override;
  bool IsOpen() const override { return inner_.IsOpen(); }
  std::size_t BytesWaiting() override { return inner_.BytesWaiting(); }
  bool WaitForBytes(int timeoutMs) override { return inner_.WaitForBytes(timeoutMs); }
  std::vector<std::uint8_t> Read(std::size_t maxBytes) override;
  bool Write(const std::vector<std::uint8_t> &bytes) override;
  void Purge() override;
  std::string ErrorText() const override { return inner_.ErrorText(); }
  int ErrorNumber() const override { return inner_.ErrorNumber(); }
  bool LineLost() const override { return inner_.LineLost(); }
  PortProblem Problem() const override { return inner_.Problem(); }
  std::string DeviceGroup() const override { return inner_.DeviceGroup(); }

private:
  Port &inner_;
  SerialTrace &trace_;
  Host &clock_;
};

} // namespace kv508
