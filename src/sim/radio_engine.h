#pragma once

// The simulated radio in its PC CONTROL mode, independent of any clock or port:
// feed it the bytes the PC sent, get back the bytes the radio side (the radio
// plus the programming cable's echo) sends in return, in order. Whoever serves
// it (SimPort in-process, kv508-radiosim on a pseudo-terminal) paces those
// bytes at the line rate.
//
// What it answers, derived from what the PC's link reads away (N = the bytes of
// the PC's line or frame, X = a filler byte without meaning):
//
//   PC sends                          radio side sends
//   "P"                               "P" (the probe is not echoed)
//   "0"                               nothing
//   "ACMD:002" CR LF                  the 10-byte echo, "OK" CR LF, then the working speed
//   "#CMDSY" CR LF                    the 8-byte echo, "#CMDOK" CR LF
//   status frame "#CEPSR" (14 bytes)  echo, 1 X, "#CMDOK" CR LF, "#CEPSD" TAB st TAB cs CR LF
//   read frame "#CEPRD" (19 bytes)    echo, N + 2 X, "#CMDOK" CR LF, the "#CEPDT" data reply
//   write frame "#CEPWR"              echo, N + 2 X, "#CMDOK" CR LF (the data is stored)
//   "#CMDOK"/"#CMDER"/"#CMDSM"/"#CMDUN" CR LF   the 8-byte echo only
//   CAN (24)                          ACK (6)
//   a frame it refuses                echo and X as above, then a bare "ERROR" (no CR LF)
//
// A frame is refused when its checksum or a field is wrong or the range lies
// outside the memory. A probe "P" also takes the radio back to the handshake
// speed, so the PC can connect again after an abandoned session.

#include "model/radio_data.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kv508::sim {

// Faults to inject. Counts apply to the next N occasions and count down.
struct FaultOptions {
  int busyStatus = 0;            // status replies say "01" (busy)
  int errorAnswers = 0;          // framed commands are answered "ERROR"
  int errorOnSync = 0;           // "#CMDSY" is answered "ERROR"
  int badChecksums = 0;          // data and status replies carry a wrong checksum
  int wrongReplyToken = 0;       // data and status replies begin "#CEPXX"
  int wrongAddress = 0;          // data replies name another address
  int wrongLength = 0;           // data replies carry another length field
  int shortData = 0;             // data replies carry one byte of data too few
  int silenceAfterFrames = -1;   // after this many framed commands the radio and
                                 // cable go quiet, as if unplugged (-1: never)
  bool wrongModelId = false;     // the identifier at 32766-32767 reads 2001
  bool wrongProductCode = false; // byte 117 of the product code reads 'X'
  bool noWakeUpAnswer = false;   // the probe "P" is not answered
  bool noCancelAck = false;      // CAN is not answered
  int corruptStoredByte = -1;    // a write to this address stores the byte inverted,
                                 // yet is acknowledged (-1: none)
  std::string acmdAnswer = "OK"; // answer to "ACMD:002"; "" for none; "ERROR" keeps the speed
};

// What crossed the line, for tests and the benchmark.
struct LineCounters {
  std::uint64_t bytesFromPc = 0;
  std::uint64_t bytesToPc = 0; // echo, filler and replies
  std::uint64_t frames = 0;    // framed commands received, refused ones included
  std::uint64_t statusRequests = 0;
  std::uint64_t blockReads = 0;  // answered with data
  std::uint64_t blockWrites = 0; // stored
  std::uint64_t refusals = 0;    // "ERROR" answers to frames
  std::uint64_t syncs = 0;
  std::uint64_t probes = 0;
  std::uint64_t cancels = 0;
  // Seconds the line needs for this traffic at the speeds in use: every byte
  // the radio side sent (an echo stands for the PC byte it repeats) plus the
  // PC bytes that were not echoed, 10 bits each.
  double lineSeconds = 0.0;
};

class RadioEngine {
public:
  static constexpr int kHandshakeBaud = 19200;
  static constexpr int kDefaultWorkingBaud = 57600;
  static constexpr std::uint8_t kFiller = 0x00;

  // The memory of a radio in use (DemoRadioMemory) with the product code
  // "QZ318R" at 112-117.
  RadioEngine();
  explicit RadioEngine(const MemoryImage &memory);
  static MemoryImage DefaultMemory();

  // The radio side's answer to bytes from the PC (possibly empty). Bytes of
  // one call go out at the speed in effect when the call began.
  std::vector<std::uint8_t> OnBytesFromPc(const std::uint8_t *bytes, std::size_t count);
  std::vector<std::uint8_t> OnBytesFromPc(const std::vector<std::uint8_t> &bytes) {
    return OnBytesFromPc(bytes.data(), bytes.size());
  }

  // 19200 until "ACMD:002" is accepted, then the working speed.
  int CurrentBaud() const { return baud_; }
  // The speed "ACMD:002" switches to: 57600, or 19200 for a PC on the low-speed link.
  void SetWorkingBaud(int baud) { workingBaud_ = baud; }

  const MemoryImage &Memory() const { return memory_; }
  MemoryImage &Memory() { return memory_; }
  FaultOptions &Faults() { return faults_; }
  const LineCounters &Counters() const { return counters_; }

  // Power cycle: handshake speed, no partial line, no silence. Memory, faults
  // and counters stay.
  void Reset();

private:
  void OnByte(std::uint8_t byte, std::vector<std::uint8_t> &out);
  void OnLine(std::vector<std::uint8_t> &out);
  void OnFrame(const std::string &text, std::vector<std::uint8_t> &out);
  void Emit(std::vector<std::uint8_t> &out, const std::string &text);
  void EmitReply(std::vector<std::uint8_t> &out, const std::string &command,
                 const std::string &address, const std::string &length, const std::string &data);
  std::string ReadData(int address, int length) const;

  MemoryImage memory_{};
  FaultOptions faults_;
  LineCounters counters_;
  std::vector<std::uint8_t> line_;
  int baud_ = kHandshakeBaud;
  int workingBaud_ = kDefaultWorkingBaud;
  bool silent_ = false;
};

} // namespace kv508::sim
