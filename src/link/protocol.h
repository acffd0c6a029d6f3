#pragma once

// The radio's programming protocol over one serial port: the handshake at
// 19200 baud, the speed switch, the synchronisation command, framed status,
// read and write commands with their XOR checksum, acknowledgements, time-outs,
// retries and the cancel byte.
//
// Every wait is a polling loop that calls Host::Yield once per pass (so the
// dialog's Cancel button can set CancelRequested) and blocks briefly in the
// port when no byte is waiting, so it never spins. Time comes from Host::NowMs
// and pauses from Host::Pause, which lets tests run every time-out on a fake clock.

#include "app/session.h"
#include "link/port.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv508 {

using Bytes = std::vector<std::uint8_t>;

enum class WaitOutcome : int {
  Done = 0,
  Cancelled = 1,
  TimedOut = 3,
  RadioError = 8,  // the text received so far is "ERROR", in any case
  WrongReply = -1, // a reply arrived but not the expected one
  LineLost = -2,   // the port reported that the line is gone
};

inline constexpr const char *kHandshakeSettings = "19200,N,8,1";
inline constexpr const char *kWorkingSettings = "57600,N,8,1";
inline constexpr const char *kLowSpeedSettings = "19200,N,8,1";

inline constexpr std::uint8_t kCr = 13;
inline constexpr std::uint8_t kLf = 10;
inline constexpr std::uint8_t kTab = 9;
inline constexpr std::uint8_t kCan = 24;
inline constexpr std::uint8_t kAck = 6;

inline constexpr int kBlockSize = 64;
// A reply line longer than this before its CR is no reply of the radio's.
inline constexpr std::size_t kMaxReplyLine = 4096;

// XOR of every byte.
std::uint8_t FrameChecksum(const Bytes &bytes);
// command TAB [address TAB] [length TAB] [data TAB] checksum CR LF; empty
// fields are left out together with their TAB.
Bytes BuildFrame(std::string_view command, std::string_view address, std::string_view length,
                 std::string_view data);
// A reply line without its CR LF: the last two characters, read as hexadecimal,
// equal the XOR of everything before them. Lines under three characters fail.
bool VerifyChecksum(std::string_view line);
// Upper-case hexadecimal, zero-padded on the left to `digits` (the last digits kept).
std::string HexField(unsigned value, int digits);
// Strict hexadecimal: at least one character, every one a hex digit, at most 8.
bool ParseHex(std::string_view text, unsigned &value);

// The link state of one transfer dialog: the flags shared with the transfer
// operations, and every exchange with the radio.
class Link {
public:
  Link(Session &session, Port &port);

  // The dialog caption: the title of every message of the link.
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  const std::string &Caption() const { return caption_; }

  bool ExchangeFailed = false;
  bool CancelRequested = false;
  // Set when the port reports the line gone: every wait ends at once, no retry.
  bool LineLost = false;
  // Set when the last block write failed because the radio did not answer its
  // last try at all: the next write cannot succeed either.
  bool Unanswered = false;
  // Set when the last synchronisation failed because the radio answered "ERROR".
  bool SyncRefused = false;
  int RetryCount = 3;
  // Messages shown through Error, so that a caller can tell a failure that
  // already explained itself from one that did not.
  int ErrorsShown = 0;

  // The dialog's monitor line: shown and held 500 ms in DebugMode, else nothing.
  void Monitor(const std::string &text);
  // A critical message titled with the caption unless another title is given;
  // after a lost line, followed by the port's reason.
  void Error(const std::string &text, const std::string &title = {});

  // Port handling.
  bool OpenHandshakePort();
  bool OpenWorkingPort();
  // Opens at the working speed when closed; a failure goes to the error log as
  // "frmRadio.PortOpen". Already open: true, nothing changes.
  bool EnsurePortOpen();
  void ClosePort();
  void Purge();

  // Sending.
  void SendByte(std::uint8_t byte);
  void SendLine(std::string_view text);
  void SendAcmd(std::string_view text);
  void SendFrame(const Bytes &frame);
  // Reads away count + 1 bytes within 1 s; only ExchangeFailed tells the outcome.
  void DiscardEcho(int count);

  // Receiving.
  WaitOutcome WaitByte(std::uint8_t expected, int seconds);
  WaitOutcome ReceiveText(int count, int seconds, std::string &text);
  WaitOutcome ReceiveLine(int seconds, std::string &text);
  WaitOutcome ReceiveLineText(int seconds, std::string &text);
  WaitOutcome ReceiveAck();

  // Exchanges. While Connect waits on a silent radio the status line says so
  // ("No answer yet: attempt 2, 14 s"); a cancel ends it before the next step.
  bool Connect();
  bool SyncCommand();
  bool StatusCheck();
  // Fills buffer[address .. address+length-1]; the outcome is ExchangeFailed.
  void ReadBlock(std::uint8_t *buffer, int address, int length);
  void ReceiveData(std::uint8_t *buffer, int address, int length);
  // Sends the session image's bytes address .. address+length-1; the outcome is ExchangeFailed.
  void WriteBlock(int address, int length);
  void CancelRead();

  Session &session() { return session_; }
  Port &port() { return port_; }

private:
  // One pass of a wait loop: yields, and takes one byte when one is waiting
  // (blocking in the port for at most a few ms, never past the deadline).
  bool PollByte(std::int64_t deadline, std::uint8_t &byte);
  bool Expired(std::int64_t deadline);
  std::int64_t Deadline(int ms);
  // A line up to CR LF; with lfRightAfterCr any other byte after the CR is a wrong
  // reply, else such bytes are passed over.
  WaitOutcome ReceiveUntilCrLf(int seconds, std::string &text, bool lfRightAfterCr);
  // True when the wait got its reply; a cancel or a time-out is told to the user.
  bool Arrived(WaitOutcome outcome);
  void Write(const Bytes &bytes);
  bool OpenPort(const char *settings);
  // "port inicialize error!!" and the port's reason.
  void PortOpenFailed();
  const char *WorkingSettings() const;
  // "confirm the synchronization of the communication": true when the user
  // agreed and the re-synchronisation succeeded.
  bool ConfirmResync();
  enum class TryResult { Done, Retry, Failed };
  // What an acknowledgement outcome means for a command with tries left.
  TryResult AfterAck(WaitOutcome outcome, int &tries);
  enum class StatusReply { Ready, Busy, Failed };
  // Steps after the acknowledgement of a status request: the "#CEPSD" line.
  StatusReply ReceiveStatus();

  bool ConnectSteps();
  // During Connect: the status line once nothing came for a second.
  void ShowSilence();

  Session &session_;
  Port &port_;
  std::string caption_;
  std::int64_t connectStartMs_ = -1; // -1: not connecting
  std::int64_t lastHeardMs_ = 0;     // the last byte sent or received while connecting
  int attempt_ = 1;                  // the synchronisation try under way
  std::string silenceStatus_;
};

} // namespace kv508
