#include "link/protocol.h"

#include <algorithm>
#include <cctype>

namespace kv508 {

namespace {

// How long one pass of a wait loop may block in the port when nothing is
// waiting: short enough that Cancel and the window system stay responsive.
constexpr int kPollMs = 5;

bool EqualsIgnoringCase(const std::string &text, std::string_view word) {
  return text.size() == word.size() &&
         std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) ==
                  std::toupper(static_cast<unsigned char>(b));
         });
}

} // namespace

std::uint8_t FrameChecksum(const Bytes &bytes) {
  std::uint8_t sum = 0;
  for (std::uint8_t b : bytes)
    sum ^= b;
  return sum;
}

std::string HexField(unsigned value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    value >>= 4;
  }
  return text;
}

bool ParseHex(std::string_view text, unsigned &value) {
  if (text.empty() || text.size() > 8)
    return false;
  unsigned result = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else
      return false;
    result = result * 16 + static_cast<unsigned>(digit);
  }
  value = result;
  return true;
}

Bytes BuildFrame(std::string_view command, std::string_view address, std::string_view length,
                 std::string_view data) {
  Bytes frame(command.begin(), command.end());
  frame.push_back(kTab);
  for (std::string_view field : {address, length, data}) {
    if (field.empty())
      continue;
    frame.insert(frame.end(), field.begin(), field.end());
    frame.push_back(kTab);
  }
  const std::string sum = HexField(FrameChecksum(frame), 2);
  frame.insert(frame.end(), sum.begin(), sum.end());
  frame.push_back(kCr);
  frame.push_back(kLf);
  return frame;
}

bool VerifyChecksum(std::string_view line) {
  if (line.size() < 3)
    return false;
  unsigned expected = 0;
  if (!ParseHex(line.substr(line.size() - 2), expected))
    return false;
  std::uint8_t sum = 0;
  for (char c : line.substr(0, line.size() - 2))
    sum ^= static_cast<std::uint8_t>(c);
  return sum == expected;
}

Link::Link(Session &session, Port &port) : session_(session), port_(port) {}

void Link::Monitor(const std::string &text) {
  if (!session_.state.DebugMode)
    return;
  session_.host.Monitor(text);
  session_.host.Pause(500);
}

void Link::Error(const std::string &text, const std::string &title) {
  ++ErrorsShown;
  session_.host.Message(Icon::Critical, title.empty() ? caption_ : title, text);
  if (LineLost)
    session_.host.Reason(port_.ErrorText());
}

// ---- waiting -------------------------------------------------------------

std::int64_t Link::Deadline(int ms) { return session_.host.NowMs() + ms; }

bool Link::Expired(std::int64_t deadline) { return session_.host.NowMs() > deadline; }

bool Link::PollByte(std::int64_t deadline, std::uint8_t &byte) {
  session_.host.Yield();
  ShowSilence();
  if (port_.LineLost()) {
    LineLost = true;
    return false;
  }
  if (port_.BytesWaiting() == 0) {
    // The loop ends one tick after the deadline, so block at most until then.
    const std::int64_t remaining = deadline + 1 - session_.host.NowMs();
    const int wait = static_cast<int>(std::clamp<std::int64_t>(remaining, 0, kPollMs));
    if (wait == 0 || !port_.WaitForBytes(wait))
      return false;
  }
  const Bytes got = port_.Read(1);
  if (got.empty())
    return false;
  byte = got.front();
  lastHeardMs_ = session_.host.NowMs();
  return true;
}

void Link::ShowSilence() {
  if (connectStartMs_ < 0)
    return;
  const std::int64_t now = session_.host.NowMs();
  if (now - lastHeardMs_ < 1000)
    return;
  std::string text = "No answer yet: attempt " + std::to_string(attempt_) + ", " +
                     std::to_string((now - connectStartMs_) / 1000) + " s";
  if (text == silenceStatus_)
    return;
  silenceStatus_ = std::move(text);
  session_.host.Status(silenceStatus_);
}

void Link::DiscardEcho(int count) {
  ExchangeFailed = true;
  CancelRequested = false;
  int taken = -1;
  const std::int64_t deadline = Deadline(1000);
  for (;;) {
    std::uint8_t byte;
    if (PollByte(deadline, byte))
      ++taken;
    if (CancelRequested || LineLost)
      return;
    if (Expired(deadline))
      return;
    if (taken == count) {
      ExchangeFailed = false;
      return;
    }
  }
}

WaitOutcome Link::WaitByte(std::uint8_t expected, int seconds) {
  const std::int64_t deadline = Deadline(seconds * 1000);
  std::uint8_t last = 0;
  for (;;) {
    std::uint8_t byte;
    if (PollByte(deadline, byte))
      last = byte;
    if (CancelRequested)
      return WaitOutcome::Cancelled;
    if (LineLost)
      return WaitOutcome::LineLost;
    if (Expired(deadline))
      return WaitOutcome::TimedOut;
    if (last == expected)
      return WaitOutcome::Done;
  }
}

WaitOutcome Link::ReceiveText(int count, int seconds, std::string &text) {
  text.clear();
  const std::int64_t deadline = Deadline(seconds * 1000);
  int received = 0;
  for (;;) {
    std::uint8_t byte;
    if (PollByte(deadline, byte)) {
      text += static_cast<char>(byte);
      ++received;
    }
    if (CancelRequested)
      return WaitOutcome::Cancelled;
    if (LineLost)
      return WaitOutcome::LineLost;
    if (Expired(deadline))
      return WaitOutcome::TimedOut;
    if (EqualsIgnoringCase(text, "ERROR"))
      return WaitOutcome::RadioError;
    if (received >= count)
      return WaitOutcome::Done;
  }
}

WaitOutcome Link::ReceiveLine(int seconds, std::string &text) {
  return ReceiveUntilCrLf(seconds, text, true);
}

WaitOutcome Link::ReceiveLineText(int seconds, std::string &text) {
  return ReceiveUntilCrLf(seconds, text, false);
}

WaitOutcome Link::ReceiveUntilCrLf(int seconds, std::string &text, bool lfRightAfterCr) {
  text.clear();
  const std::int64_t deadline = Deadline(seconds * 1000);
  bool afterCr = false;
  for (;;) {
    std::uint8_t byte;
    if (PollByte(deadline, byte)) {
      if (afterCr) {
        if (byte == kLf)
          return WaitOutcome::Done;
        if (lfRightAfterCr)
          return WaitOutcome::WrongReply;
      } else if (byte == kCr) {
        afterCr = true;
      } else {
        if (text.size() >= kMaxReplyLine)
          return WaitOutcome::WrongReply;
        text += static_cast<char>(byte);
      }
    }
    if (CancelRequested)
      return WaitOutcome::Cancelled;
    if (LineLost)
      return WaitOutcome::LineLost;
    if (Expired(deadline))
      return WaitOutcome::TimedOut;
  }
}

WaitOutcome Link::ReceiveAck() {
  std::string text;
  const WaitOutcome outcome = ReceiveText(6, 10, text);
  if (outcome != WaitOutcome::Done)
    return outcome;
  if (text == "#CMDOK" && WaitByte(kCr, 1) == WaitOutcome::Done &&
      WaitByte(kLf, 1) == WaitOutcome::Done) {
    ExchangeFailed = false;
    return WaitOutcome::Done;
  }
  return WaitOutcome::WrongReply;
}

// ---- sending -------------------------------------------------------------

void Link::Write(const Bytes &bytes) {
  // A failed write shows up as the missing echo that follows it.
  port_.Write(bytes);
  lastHeardMs_ = session_.host.NowMs();
}

void Link::Purge() { port_.Purge(); }

void Link::SendByte(std::uint8_t byte) {
  Purge();
  session_.host.Pause(10);
  Write(Bytes{byte});
}

void Link::SendLine(std::string_view text) {
  Bytes bytes(text.begin(), text.end());
  bytes.push_back(kCr);
  bytes.push_back(kLf);
  session_.host.Pause(10);
  Write(bytes);
  DiscardEcho(static_cast<int>(bytes.size()) - 1);
}

void Link::SendAcmd(std::string_view text) {
  if (text.size() != 8)
    return;
  Bytes bytes(text.begin(), text.end());
  bytes.push_back(kCr);
  bytes.push_back(kLf);
  session_.host.Pause(10);
  Write(bytes);
  DiscardEcho(9);
}

void Link::SendFrame(const Bytes &frame) {
  session_.host.Pause(10);
  Write(frame);
  DiscardEcho(static_cast<int>(frame.size()));
}

// ---- the port ------------------------------------------------------------

const char *Link::WorkingSettings() const {
  return session_.state.LowSpeedLink ? kLowSpeedSettings : kWorkingSettings;
}

bool Link::OpenPort(const char *settings) {
  ClosePort();
  if (!port_.Open(settings))
    return false;
  Monitor(settings);
  return true;
}

bool Link::OpenHandshakePort() { return OpenPort(kHandshakeSettings); }

bool Link::OpenWorkingPort() { return OpenPort(WorkingSettings()); }

bool Link::EnsurePortOpen() {
  if (port_.IsOpen())
    return true;
  if (port_.Open(WorkingSettings()))
    return true;
  ErrLog(session_.state, session_.programDir, "frmRadio.PortOpen",
         std::to_string(port_.ErrorNumber()) + port_.ErrorText());
  return false;
}

void Link::ClosePort() {
  if (port_.IsOpen())
    port_.Close();
}

} // namespace kv508
