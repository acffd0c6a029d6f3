#include "sim/radio_engine.h"

#include "image/default_image.h"
#include "sim/demo_image.h"

#include <algorithm>

// The engine frames its replies with its own small helpers rather than the PC
// side's, so that the simulator stays an independent check of the link.

namespace kv508::sim {

namespace {

constexpr std::uint8_t kCr = 13;
constexpr std::uint8_t kLf = 10;
constexpr char kTab = '\t';
constexpr std::uint8_t kCan = 24;
constexpr std::uint8_t kAck = 6;
constexpr std::size_t kMaxLine = 1024; // longer than any frame; beyond it is noise
constexpr int kProductCodeAddress = 112;

std::string Hex(unsigned value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4)
    text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
  return text;
}

// Exactly `digits` hexadecimal digits, either case.
bool ParseField(const std::string &text, std::size_t digits, unsigned &value) {
  if (text.size() != digits)
    return false;
  value = 0;
  for (char c : text) {
    unsigned d;
    if (c >= '0' && c <= '9')
      d = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F')
      d = static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      d = static_cast<unsigned>(c - 'a' + 10);
    else
      return false;
    value = value * 16 + d;
  }
  return true;
}

std::uint8_t Xor(const std::string &text) {
  std::uint8_t sum = 0;
  for (char c : text)
    sum ^= static_cast<std::uint8_t>(c);
  return sum;
}

std::vector<std::string> SplitAtTab(const std::string &text) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == kTab)
      pieces.emplace_back();
    else
      pieces.back() += c;
  }
  return pieces;
}

bool TakeOne(int &count) {
  if (count <= 0)
    return false;
  --count;
  return true;
}

} // namespace

MemoryImage RadioEngine::DefaultMemory() { return DemoRadioMemory(); }

RadioEngine::RadioEngine() : memory_(DefaultMemory()) {}

RadioEngine::RadioEngine(const MemoryImage &memory) : memory_(memory) {}

void RadioEngine::Reset() {
  baud_ = kHandshakeBaud;
  line_.clear();
  silent_ = false;
}

std::vector<std::uint8_t> RadioEngine::OnBytesFromPc(const std::uint8_t *bytes, std::size_t count) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i < count; ++i)
    OnByte(bytes[i], out);
  return out;
}

void RadioEngine::Emit(std::vector<std::uint8_t> &out, const std::string &text) {
  out.insert(out.end(), text.begin(), text.end());
  counters_.bytesToPc += text.size();
  counters_.lineSeconds += 10.0 * static_cast<double>(text.size()) / baud_;
}

void RadioEngine::OnByte(std::uint8_t byte, std::vector<std::uint8_t> &out) {
  ++counters_.bytesFromPc;
  if (silent_) {
    counters_.lineSeconds += 10.0 / baud_;
    return;
  }
  if (line_.empty()) {
    // Single-byte tokens come between lines, never inside one.
    switch (byte) {
    case 'P':
      counters_.lineSeconds += 10.0 / baud_;
      ++counters_.probes;
      baud_ = kHandshakeBaud;
      if (!faults_.noWakeUpAnswer)
        Emit(out, "P");
      return;
    case '0':
      counters_.lineSeconds += 10.0 / baud_;
      return;
    case kCan:
      counters_.lineSeconds += 10.0 / baud_;
      ++counters_.cancels;
      if (!faults_.noCancelAck)
        Emit(out, std::string(1, static_cast<char>(kAck)));
      return;
    default:
      break;
    }
  }
  line_.push_back(byte);
  if (byte == kLf) {
    OnLine(out);
    line_.clear();
  } else if (line_.size() > kMaxLine) {
    counters_.lineSeconds += 10.0 * static_cast<double>(line_.size()) / baud_;
    line_.clear();
  }
}

void RadioEngine::OnLine(std::vector<std::uint8_t> &out) {
  std::size_t end = line_.size() - 1;
  if (end > 0 && line_[end - 1] == kCr)
    --end;
  const std::string text(line_.begin(), line_.begin() + static_cast<std::ptrdiff_t>(end));
  const std::string echo(line_.begin(), line_.end());

  if (text.rfind("#CEP", 0) == 0) {
    OnFrame(text, out);
    return;
  }
  Emit(out, echo);
  if (text == "ACMD:002") {
    if (!faults_.acmdAnswer.empty())
      Emit(out, faults_.acmdAnswer + "\r\n");
    if (faults_.acmdAnswer != "ERROR")
      baud_ = workingBaud_;
  } else if (text == "#CMDSY") {
    ++counters_.syncs;
    Emit(out, TakeOne(faults_.errorOnSync) ? "ERROR" : "#CMDOK\r\n");
  }
  // The PC's own acknowledgements ("#CMDOK", "#CMDER", "#CMDSM", "#CMDUN") and
  // anything unknown are only echoed.
}

void RadioEngine::OnFrame(const std::string &text, std::vector<std::uint8_t> &out) {
  ++counters_.frames;
  if (faults_.silenceAfterFrames >= 0 &&
      counters_.frames > static_cast<std::uint64_t>(faults_.silenceAfterFrames)) {
    silent_ = true;
    counters_.lineSeconds += 10.0 * static_cast<double>(line_.size()) / baud_;
    return;
  }
  Emit(out, std::string(line_.begin(), line_.end()));

  const std::vector<std::string> pieces = SplitAtTab(text);
  const std::string &command = pieces.front();
  // The PC reads away one byte after the status frame's echo and a whole
  // frame's length plus two after a read or write frame's.
  const std::size_t filler = command == "#CEPSR" ? 1 : line_.size() + 2;
  Emit(out, std::string(filler, static_cast<char>(kFiller)));

  unsigned sum = 0;
  bool valid = pieces.size() >= 2 && ParseField(pieces.back(), 2, sum) &&
               Xor(text.substr(0, text.size() - 2)) == sum;
  unsigned address = 0;
  unsigned length = 0;
  if (valid && command == "#CEPSR") {
    valid = pieces.size() == 3 && pieces[1] == "00";
  } else if (valid && (command == "#CEPRD" || command == "#CEPWR")) {
    const std::size_t fields = command == "#CEPRD" ? 4 : 5;
    valid = pieces.size() == fields && ParseField(pieces[1], 4, address) &&
            ParseField(pieces[2], 2, length) && length >= 1 && address + length <= kImageSize;
    if (valid && command == "#CEPWR") {
      const std::string &data = pieces[3];
      valid = data.size() == 2 * length;
      for (unsigned i = 0; valid && i < length; ++i) {
        unsigned value = 0;
        valid = ParseField(data.substr(2 * i, 2), 2, value);
      }
    }
  } else {
    valid = false;
  }
  if (!valid || TakeOne(faults_.errorAnswers)) {
    ++counters_.refusals;
    Emit(out, "ERROR");
    return;
  }

  Emit(out, "#CMDOK\r\n");
  if (command == "#CEPSR") {
    ++counters_.statusRequests;
    EmitReply(out, "#CEPSD", TakeOne(faults_.busyStatus) ? "01" : "00", "", "");
  } else if (command == "#CEPRD") {
    ++counters_.blockReads;
    const unsigned replyAddress =
        TakeOne(faults_.wrongAddress) ? (address + 1) % kImageSize : address;
    const unsigned replyLength = TakeOne(faults_.wrongLength) ? (length % 255) + 1 : length;
    std::string data = ReadData(static_cast<int>(address), static_cast<int>(length));
    if (TakeOne(faults_.shortData))
      data.resize(data.size() - 2);
    EmitReply(out, "#CEPDT", Hex(replyAddress, 4), Hex(replyLength, 2), data);
  } else {
    ++counters_.blockWrites;
    const std::string &data = pieces[3];
    for (unsigned i = 0; i < length; ++i) {
      unsigned value = 0;
      ParseField(data.substr(2 * i, 2), 2, value);
      if (static_cast<int>(address + i) == faults_.corruptStoredByte)
        value ^= 0xFF;
      memory_[address + i] = static_cast<std::uint8_t>(value);
    }
  }
}

std::string RadioEngine::ReadData(int address, int length) const {
  std::string data;
  for (int a = address; a < address + length; ++a) {
    std::uint8_t byte = memory_[static_cast<std::size_t>(a)];
    if (faults_.wrongModelId && a == ImageLastIndex)
      byte = static_cast<std::uint8_t>(kModelId + 1);
    if (faults_.wrongProductCode && a == kProductCodeAddress + 5)
      byte = 'X';
    data += Hex(byte, 2);
  }
  return data;
}

void RadioEngine::EmitReply(std::vector<std::uint8_t> &out, const std::string &command,
                            const std::string &address, const std::string &length,
                            const std::string &data) {
  std::string reply = TakeOne(faults_.wrongReplyToken) ? std::string("#CEPXX") : command;
  reply += kTab;
  for (const std::string *field : {&address, &length, &data}) {
    if (field->empty())
      continue;
    reply += *field;
    reply += kTab;
  }
  std::uint8_t sum = Xor(reply);
  if (TakeOne(faults_.badChecksums))
    sum ^= 0x5A;
  Emit(out, reply + Hex(sum, 2) + "\r\n");
}

} // namespace kv508::sim
