#include "link/serial_trace.h"

#include <cstdio>

namespace kv508 {

namespace {

std::string Shown(const std::string &bytes) {
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 9) {
      text += "<TAB>";
    } else if (byte == 13) {
      text += "<CR>";
    } else if (byte == 10) {
      text += "<LF>";
    } else if (byte < 0x20 || byte >= 0x7F || c == '<') {
      char hex[8];
      std::snprintf(hex, sizeof hex, "<%02X>", byte);
      text += hex;
    } else {
      text += c;
    }
  }
  return text;
}

const char *Mark(SerialTrace::Kind kind) {
  switch (kind) {
  case SerialTrace::Kind::Step:
    return "==";
  case SerialTrace::Kind::Note:
    return "--";
  case SerialTrace::Kind::Sent:
    return "PC>";
  case SerialTrace::Kind::Received:
    return "<RX";
  }
  return "";
}

} // namespace

void SerialTrace::Start(const std::string &title, std::int64_t nowMs) {
  title_ = title;
  startMs_ = nowMs;
  step_.clear();
  bytes_ = 0;
  truncated_ = false;
  entries_.clear();
}

void SerialTrace::Step(const std::string &text, std::int64_t nowMs) {
  if (text == step_ || truncated_)
    return;
  step_ = text;
  entries_.push_back({Kind::Step, nowMs - startMs_, text});
}

void SerialTrace::Note(const std::string &text, std::int64_t nowMs) {
  if (!truncated_)
    entries_.push_back({Kind::Note, nowMs - startMs_, text});
}

void SerialTrace::Add(Kind kind, const std::vector<std::uint8_t> &bytes, std::int64_t nowMs) {
  if (bytes.empty() || truncated_)
    return;
  if (bytes_ + bytes.size() > kMaxBytes) {
    truncated_ = true;
    entries_.push_back({Kind::Note, nowMs - startMs_, "trace full: later bytes left out"});
    return;
  }
  bytes_ += bytes.size();
  // Received bytes arrive one at a time: they join until the PC sends again.
  if (kind != Kind::Sent && !entries_.empty() && entries_.back().kind == kind) {
    entries_.back().bytes.append(bytes.begin(), bytes.end());
    return;
  }
  entries_.push_back({kind, nowMs - startMs_, std::string(bytes.begin(), bytes.end())});
}

std::string SerialTrace::Text() const {
  std::string text = "KV508 serial trace: " + title_ + "\n" +
                     "Milliseconds from the start; PC> sent to the radio, <RX received, "
                     "== the step under way, -- the port.\n";
  for (const Entry &entry : entries_) {
    char time[32];
    std::snprintf(time, sizeof time, "%8lld ", static_cast<long long>(entry.ms));
    const bool bytes = entry.kind != Kind::Step && entry.kind != Kind::Note;
    text += time + std::string(Mark(entry.kind)) + " " +
            (bytes ? Shown(entry.bytes) : entry.bytes) + "\n";
  }
  return text;
}

bool TracingPort::Open(const std::string &settings) {
  const bool opened = inner_.Open(settings);
  trace_.Note(opened ? "open " + settings : "cannot open (" + inner_.ErrorText() + ")",
              clock_.NowMs());
  return opened;
}

void TracingPort::Close() {
  if (inner_.IsOpen())
    trace_.Note("close", clock_.NowMs());
  inner_.Close();
}

std::vector<std::uint8_t> TracingPort::Read(std::size_t maxBytes) {
  std::vector<std::uint8_t> bytes = inner_.Read(maxBytes);
  trace_.Add(SerialTrace::Kind::Received, bytes, clock_.NowMs());
  return bytes;
}

bool TracingPort::Write(const std::vector<std::uint8_t> &bytes) {
  trace_.Add(SerialTrace::Kind::Sent, bytes, clock_.NowMs());
  return inner_.Write(bytes);
}

void TracingPort::Purge() { inner_.Purge(); }

} // namespace kv508
