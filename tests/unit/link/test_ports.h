#pragma once

// Ports for the link tests: a scripted port whose answers the test writes,
// and a spy that records what the PC sent through another port.

#include "link/port.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kv508::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(const std::string &text) { return Bytes(text.begin(), text.end()); }
inline std::string ToText(const Bytes &bytes) { return std::string(bytes.begin(), bytes.end()); }

// Every answer is readable at once; WaitForBytes never blocks, so the link's
// waits run on the FakeHost clock alone.
class ScriptedPort : public Port {
public:
  bool Open(const std::string &settings) override {
    opens.push_back(settings);
    open = openSucceeds;
    return open;
  }
  void Close() override { open = false; }
  bool IsOpen() const override { return open; }
  std::size_t BytesWaiting() override { return input.size(); }
  bool WaitForBytes(int) override { return !input.empty(); }
  Bytes Read(std::size_t maxBytes) override {
    Bytes out;
    while (!input.empty() && out.size() < maxBytes) {
      out.push_back(input.front());
      input.pop_front();
    }
    return out;
  }
  bool Write(const Bytes &bytes) override {
    writes.push_back(bytes);
    if (respond) {
      Feed(respond(ToText(bytes)));
    } else if (!answers.empty()) {
      Feed(answers.front());
      answers.pop_front();
    }
    return true;
  }
  void Purge() override { input.clear(); }

  void Feed(const std::string &text) { input.insert(input.end(), text.begin(), text.end()); }
  std::string Written() const {
    std::string all;
    for (const Bytes &w : writes)
      all += ToText(w);
    return all;
  }

  bool open = false;
  bool openSucceeds = true;
  std::vector<std::string> opens;
  std::vector<Bytes> writes;
  std::deque<std::string> answers;                         // one per write, in order
  std::function<std::string(const std::string &)> respond; // instead of answers
  std::deque<std::uint8_t> input;
};

// Passes everything to another port and records the PC's side of it.
class SpyPort : public Port {
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
  std::string ErrorText() const override { return inner_.ErrorText(); }
  int ErrorNumber() const override { return inner_.ErrorNumber(); }

  int CountWrites(const std::string &text) const {
    int n = 0;
    for (const Bytes &w : writes)
      n += ToText(w) == text;
    return n;
  }

  std::vector<std::string> opens;
  std::vector<Bytes> writes;
  std::size_t readSinceWrite = 0;
  std::function<void()> onRead;

private:
  Port &inner_;
};

} // namespace kv508::testing
