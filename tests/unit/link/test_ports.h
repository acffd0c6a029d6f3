#pragma once

// Ports for the link tests: a scripted port whose answers the test writes,
// and a spy that records what the PC sent through another port.

#include "link/port.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kv508::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(const std::string &text) { return Bytes(text.begin(), text.end()); }
inline std::string ToText(const Bytes &bytes) { return std::string(bytes.begin(), bytes.end()); }

// What the PC opened and wrote.
struct PcSide {
  std::vector<std::string> opens;
  std::vector<Bytes> writes;
  std::string Written() const {
    std::string all;
    for (const Bytes &w : writes)
      all += ToText(w);
    return all;
  }
  long CountWrites(const std::string &text) const {
    return std::count(writes.begin(), writes.end(), ToBytes(text));
  }
};

// Every answer is readable at once; WaitForBytes never blocks, so the link's
// waits run on the FakeHost clock alone.
class ScriptedPort : public Port, public PcSide {
public:
  bool Open(const std::string &settings) override {
    opens.push_back(settings);
    return open = true;
  }
  void Close() override { open = false; }
  bool IsOpen() const override { return open; }
  std::size_t BytesWaiting() override { return input.size(); }
  bool WaitForBytes(int) override { return !input.empty(); }
  Bytes Read(std::size_t maxBytes) override {
    const std::size_t n = std::min(maxBytes, input.size());
    Bytes out(input.begin(), input.begin() + static_cast<long>(n));
    input.erase(input.begin(), input.begin() + static_cast<long>(n));
    return out;
  }
  bool Write(const Bytes &bytes) override {
    writes.push_back(bytes);
    if (respond)
      Feed(respond(ToText(bytes)));
    return true;
  }
  void Purge() override { input.clear(); }
  void Feed(const std::string &text) { input.insert(input.end(), text.begin(), text.end()); }

  bool open = false;
  std::function<std::string(const std::string &)> respond; // the radio's answer to each write
  std::deque<std::uint8_t> input;
};

// Passes everything to another port and records the PC's side of it.
class SpyPort : public Port, public PcSide {
public:
  explicit SpyPort(Port &inner) : inner_(inner) {}
  bool Open(const std::string &settings) override {
    opens.push_back(settings);
    return inner_.Open(settings);
  }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  std::size_t BytesWaiting() override { return inner_.BytesWaiting(); }
  bool WaitForBytes(int timeoutMs) override { return inner_.WaitForBytes(timeoutMs); }
  Bytes Read(std::size_t maxBytes) override {
    Bytes got = inner_.Read(maxBytes);
    readSinceWrite += got.size();
    if (onRead && !got.empty())
      onRead();
    return got;
  }
  bool Write(const Bytes &bytes) override {
    writes.push_back(bytes);
    readSinceWrite = 0;
    return inner_.Write(bytes);
  }
  void Purge() override { inner_.Purge(); }
  std::string ErrorText() const override { return lost ? "Lost /dev/ttyUSB0" : inner_.ErrorText(); }
  int ErrorNumber() const override { return inner_.ErrorNumber(); }
  bool LineLost() const override { return lost; }

  bool lost = false; // the device reported a hang-up
  std::size_t readSinceWrite = 0;
  std::function<void()> onRead;

private:
  Port &inner_;
};

} // namespace kv508::testing
