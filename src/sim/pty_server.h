#pragma once

// Serves a simulated radio on a pseudo-terminal: the PC side opens the slave
// device like any serial port; the server feeds what it writes to the radio and
// sends the radio's answer back paced at the line rate, as a real cable would.

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kv508::sim {

// The radio behind the line, as the server sees it.
class LineRadio {
public:
  virtual ~LineRadio() = default;
  // Bytes the PC wrote, in order; portBaud is the speed the PC's port is set
  // to (0 when it is not a standard rate).
  virtual void FromPc(const std::vector<std::uint8_t> &bytes, int portBaud) = 0;
  // Moves what the radio (and the cable's echo) sends next into `bytes`; `baud`
  // is the line rate those bytes go out at. False when there is nothing.
  virtual bool TakeToPc(std::vector<std::uint8_t> &bytes, int &baud) = 0;
};

struct PtyServerOptions {
  std::string linkPath;     // a symbolic link to the device (see LinkPathFree)
  std::optional<int> baud;  // pacing rate instead of the radio's; 0 sends at once
  std::FILE *log = nullptr; // one line per frame each way
};

class PtyServer {
public:
  explicit PtyServer(PtyServerOptions options);
  ~PtyServer();
  PtyServer(const PtyServer &) = delete;
  PtyServer &operator=(const PtyServer &) = delete;

  // Creates the pseudo-terminal (raw mode) and the link; false with `error` set.
  bool Open(std::string &error);
  const std::string &DevicePath() const { return devicePath_; }

  // Serves until `stop` becomes non-zero (a signal handler sets it) or the
  // log cannot be written.
  void Serve(LineRadio &radio, const volatile std::sig_atomic_t &stop);
  // The system's error number of the first log write that failed, else 0.
  int LogError() const { return logError_; }

private:
  struct Chunk {
    std::vector<std::uint8_t> bytes;
    int baud = 0;
    std::int64_t queuedAtNs = 0;
  };
  void ReadFromPc(LineRadio &radio);
  void TakeFromRadio(LineRadio &radio);
  // Writes every byte whose last bit has left the line by now; returns the
  // time (ns) of the next byte's end, or -1 when nothing is queued.
  std::int64_t SendDue();
  void LogBytes(bool toPc, const std::uint8_t *data, std::size_t size);
  void FlushLog(bool toPc);
  void ReleaseExclusiveWhenIdle();
  int PortBaud() const;

  PtyServerOptions options_;
  int master_ = -1;
  int slave_ = -1; // held open so that the PC closing its side is no hang-up
  std::string devicePath_;
  std::deque<Chunk> queue_;
  std::size_t sentOfFront_ = 0;
  std::int64_t lineFreeAtNs_ = 0; // when the bytes written so far have left the line
  std::int64_t lastTrafficUs_ = 0;
  bool exclusiveReleased_ = true;
  std::int64_t startUs_ = 0;
  std::string logLine_[2]; // partial log lines: from the PC, to the PC
  std::int64_t lastLogUs_[2] = {};
  int logError_ = 0;
};

// True when the link may be made at `path`: nothing is there, or a symbolic
// link into /dev/pts/ that an earlier server left. Anything else is someone's
// file and is refused.
bool LinkPathFree(const std::string &path);

// Monotonic clock.
std::int64_t MonotonicNs();
std::int64_t MonotonicUs();

} // namespace kv508::sim
