#pragma once

// Link test ports: one whose answers the test scripts, and a spy on the simulated radio.

#include "fake_host.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "link/port.h"
#include "link/transfer.h"
#include "sim/sim_port.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <numeric>

namespace kv508::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(const std::string &text) { return Bytes(text.begin(), text.end()); }
inline std::string ToText(const Bytes &bytes) { return std::string(bytes.begin(), bytes.end()); }

// A line with its checksum and CR LF, as the radio frames its replies.
inline std::string Framed(const std::string &body) {
  std::uint8_t sum = 0;
  for (char c : body)
    sum ^= static_cast<std::uint8_t>(c);
  return body + "0123456789ABCDEF"[sum >> 4] + "0123456789ABCDEF"[sum & 15] + "\r\n";
}

struct PcSide {
  std::vector<std::string> writes;
  std::string Written() const {
    return std::accumulate(writes.begin(), writes.end(), std::string());
  }
};

// Every answer is readable at once, so the link's waits run on the fake clock alone.
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
    const auto end = input.begin() + static_cast<long>(std::min(maxBytes, input.size()));
    Bytes out(input.begin(), end);
    input.erase(input.begin(), end);
    return out;
  }
  bool Write(const Bytes &bytes) override {
    writes.push_back(ToText(bytes));
    if (respond)
      Feed(respond(writes.back()));
    return true;
  }
  void Purge() override { input.clear(); }
  void Feed(const std::string &text) { input.insert(input.end(), text.begin(), text.end()); }

  bool open = false;
  std::vector<std::string> opens;
  std::function<std::string(const std::string &)> respond; // the radio's answer to each write
  std::deque<std::uint8_t> input;
};

// The simulated radio; `lost` makes the device report a hang-up.
class SpyPort : public sim::SimPort, public PcSide {
public:
  using SimPort::SimPort;
  Bytes Read(std::size_t maxBytes) override {
    Bytes got = SimPort::Read(maxBytes);
    readSinceWrite += got.size();
    if (onRead && !got.empty())
      onRead();
    return got;
  }
  bool Write(const Bytes &bytes) override {
    writes.push_back(ToText(bytes));
    readSinceWrite = 0;
    return SimPort::Write(bytes);
  }
  std::string ErrorText() const override {
    return lost ? "Lost /dev/ttyUSB0" : SimPort::ErrorText();
  }
  bool LineLost() const override { return lost; }

  bool lost = false;
  std::size_t readSinceWrite = 0;
  std::function<void()> onRead;
};

// The radio's memory: a pattern everywhere but the model identifier and the
// product code, which the checks look for.
inline MemoryImage RadioPattern() {
  MemoryImage memory = sim::RadioEngine::DefaultMemory();
  for (int i = 2; i < 32766; ++i)
    if (i < 112 || i >= 118)
      memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
  return memory;
}

// The default image of model 1 against a radio holding RadioPattern().
struct TransferFixture : ::testing::Test {
  TransferFixture() {
    BuildDefaultImage(session.data, 1);
    DecodeImage(session.data);
  }
  sim::RadioEngine &Radio() { return port.Engine(); }
  // A fresh host and radio for the next row of a table.
  void Reset() {
    host = FakeHost{};
    static_cast<sim::SimPort &>(port) = sim::SimPort(sim::RadioEngine(RadioPattern()), kUnpaced);
    port.lost = false;
  }
  // "title: text" of each message.
  std::vector<std::string> Shown() const {
    std::vector<std::string> out;
    for (const auto &m : host.messages)
      out.push_back(m.title + ": " + m.text);
    return out;
  }
  // Runs `arm` once, on the first pass of a wait after `when` holds.
  void Arm(std::function<bool()> when, std::function<void()> arm) {
    host.onYield = [when, arm, armed = false]() mutable {
      if (!armed && when()) {
        armed = true;
        arm();
      }
    };
  }

  FakeHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
  static constexpr auto kUnpaced = sim::SimPort::Pacing::Unpaced;
  SpyPort port{sim::RadioEngine(RadioPattern()), kUnpaced};
  TransferSession transfer{session, port};
};

} // namespace kv508::testing
