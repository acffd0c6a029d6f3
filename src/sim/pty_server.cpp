#include "sim/pty_server.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace kv508::sim {
namespace {

constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr std::int64_t kMinWakeUs = 500;
constexpr std::int64_t kIdlePollUs = 100'000;
constexpr std::int64_t kLogGapUs = 5'000;
// A client that died without closing keeps the device exclusive; after this
// long without traffic the server lifts that so the next client can open it.
constexpr std::int64_t kExclusiveIdleUs = 2'000'000;

std::string SystemError(const char *what) {
  return std::string(what) + ": " + std::strerror(errno);
}

void AppendEscaped(std::string &out, std::uint8_t byte) {
  static const char *const kNames[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                         "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                         "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                         "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
  if (byte < 32) {
    out += '<';
    out += kNames[byte];
    out += '>';
  } else if (byte < 127 && byte != '<') {
    out += static_cast<char>(byte);
  } else {
    char hex[8];
    std::snprintf(hex, sizeof hex, "<%02X>", byte);
    out += hex;
  }
}

} // namespace

std::int64_t MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

std::int64_t MonotonicUs() { return MonotonicNs() / 1000; }

PtyServer::PtyServer(PtyServerOptions options) : options_(std::move(options)) {}

PtyServer::~PtyServer() {
  FlushLog(false);
  FlushLog(true);
  if (!options_.linkPath.empty() && !devicePath_.empty()) {
    // Only remove the link when it still points at this server's device.
    char target[256] = {};
    const ssize_t n = readlink(options_.linkPath.c_str(), target, sizeof target - 1);
    if (n > 0 && devicePath_ == std::string(target, static_cast<std::size_t>(n)))
      unlink(options_.linkPath.c_str());
  }
  if (slave_ >= 0)
    close(slave_);
  if (master_ >= 0)
    close(master_);
}

bool PtyServer::Open(std::string &error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) {
    error = SystemError("posix_openpt");
    return false;
  }
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = SystemError("grantpt");
    return false;
  }
  const char *name = ptsname(master_);
  if (name == nullptr) {
    error = SystemError("ptsname");
    return false;
  }
  devicePath_ = name;
  slave_ = open(devicePath_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    error = SystemError(devicePath_.c_str());
    return false;
  }
  // Raw until the PC sets its own modes: no echo, no line editing, no CR/LF
  // translation, so every byte passes untouched.
  termios modes{};
  if (tcgetattr(slave_, &modes) == 0) {
    cfmakeraw(&modes);
    cfsetispeed(&modes, B19200);
    cfsetospeed(&modes, B19200);
    tcsetattr(slave_, TCSANOW, &modes);
  }
  const int flags = fcntl(master_, F_GETFL);
  fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  if (!options_.linkPath.empty()) {
    unlink(options_.linkPath.c_str());
    if (symlink(devicePath_.c_str(), options_.linkPath.c_str()) != 0) {
      error = SystemError(options_.linkPath.c_str());
      return false;
    }
  }
  startUs_ = lastTrafficUs_ = MonotonicUs();
  return true;
}

void PtyServer::Serve(LineRadio &radio, const volatile std::sig_atomic_t &stop) {
  while (stop == 0 && logError_ == 0) {
    TakeFromRadio(radio);
    const std::int64_t nextByteNs = SendDue();
    const std::int64_t nowNs = MonotonicNs();
    const std::int64_t now = nowNs / 1000;
    std::int64_t waitUs = kIdlePollUs;
    if (nextByteNs >= 0)
      waitUs = std::clamp((nextByteNs - nowNs) / 1000, kMinWakeUs, kIdlePollUs);
    if (nextByteNs < 0 && now - lastTrafficUs_ > kLogGapUs) {
      // The line went quiet: close any partial log lines.
      FlushLog(false);
      FlushLog(true);
    }
    ReleaseExclusiveWhenIdle();

    pollfd fd{master_, POLLIN, 0};
    // Waiting for room on the line only matters when bytes are due now.
    if (nextByteNs >= 0 && nextByteNs <= nowNs) {
      fd.events |= POLLOUT;
      waitUs = kMinWakeUs;
    }
    const timespec timeout{static_cast<time_t>(waitUs / 1'000'000),
                           static_cast<long>(waitUs % 1'000'000) * 1000};
    const int ready = ppoll(&fd, 1, &timeout, nullptr);
    if (ready < 0) {
      if (errno == EINTR)
        continue;
      return;
    }
    if (ready > 0 && (fd.revents & POLLIN) != 0)
      ReadFromPc(radio);
  }
  FlushLog(false);
  FlushLog(true);
}

void PtyServer::ReadFromPc(LineRadio &radio) {
  std::uint8_t buffer[4096];
  const ssize_t n = read(master_, buffer, sizeof buffer);
  if (n <= 0)
    return;
  const std::int64_t now = MonotonicUs();
  lastTrafficUs_ = now;
  exclusiveReleased_ = false;
  LogBytes(false, buffer, static_cast<std::size_t>(n));
  radio.FromPc(std::vector<std::uint8_t>(buffer, buffer + n), PortBaud());
}

void PtyServer::TakeFromRadio(LineRadio &radio) {
  Chunk chunk;
  while (radio.TakeToPc(chunk.bytes, chunk.baud)) {
    if (options_.baud)
      chunk.baud = *options_.baud;
    chunk.queuedAtNs = MonotonicNs();
    if (!chunk.bytes.empty())
      queue_.push_back(std::move(chunk));
    chunk = Chunk{};
  }
}

std::int64_t PtyServer::SendDue() {
  const std::int64_t now = MonotonicNs();
  std::vector<std::uint8_t> due;
  std::vector<std::int64_t> ends; // when each due byte has left the line
  std::int64_t nextEnd = -1;
  std::int64_t lineFree = lineFreeAtNs_;
  std::size_t offset = sentOfFront_;
  for (const Chunk &chunk : queue_) {
    for (; offset < chunk.bytes.size(); ++offset) {
      // A line that was idle starts the chunk when the radio produced it.
      const std::int64_t start = std::max(lineFree, chunk.queuedAtNs);
      const std::int64_t end =
          chunk.baud > 0 ? start + kBitsPerByte * 1'000'000'000LL / chunk.baud : start;
      if (end > now) {
        nextEnd = end;
        break;
      }
      due.push_back(chunk.bytes[offset]);
      ends.push_back(end);
      lineFree = end;
    }
    if (nextEnd >= 0)
      break;
    offset = 0;
  }
  if (due.empty())
    return nextEnd;

  const ssize_t written = write(master_, due.data(), due.size());
  if (written <= 0)
    return now; // the PC's side is full: retry when there is room
  const auto sent = static_cast<std::size_t>(written);
  LogBytes(true, due.data(), sent);
  lastTrafficUs_ = now / 1000;
  lineFreeAtNs_ = ends[sent - 1];
  for (std::size_t left = sent; left > 0;) {
    Chunk &first = queue_.front();
    const std::size_t take = std::min(left, first.bytes.size() - sentOfFront_);
    sentOfFront_ += take;
    left -= take;
    if (sentOfFront_ == first.bytes.size()) {
      queue_.pop_front();
      sentOfFront_ = 0;
    }
  }
  if (sent < due.size())
    return now;
  return nextEnd;
}

int PtyServer::PortBaud() const {
  static const std::pair<speed_t, int> kRates[] = {
      {B1200, 1200},     {B2400, 2400},     {B4800, 4800},    {B9600, 9600},
      {B19200, 19200},   {B38400, 38400},   {B57600, 57600},  {B115200, 115200},
      {B230400, 230400}, {B460800, 460800}, {B921600, 921600}};
  termios modes{};
  if (tcgetattr(slave_, &modes) != 0)
    return 0;
  const speed_t speed = cfgetospeed(&modes);
  for (const auto &[code, rate] : kRates)
    if (code == speed)
      return rate;
  return 0;
}

void PtyServer::ReleaseExclusiveWhenIdle() {
  if (exclusiveReleased_ || MonotonicUs() - lastTrafficUs_ < kExclusiveIdleUs)
    return;
  ioctl(slave_, TIOCNXCL);
  exclusiveReleased_ = true;
}

void PtyServer::LogBytes(bool toPc, const std::uint8_t *data, std::size_t size) {
  if (options_.log == nullptr)
    return;
  FlushLog(!toPc);
  // Bytes after a pause belong to a new line (the PC's "0" before "ACMD:002").
  const std::int64_t now = MonotonicUs();
  if (now - lastLogUs_[toPc ? 1 : 0] > kLogGapUs)
    FlushLog(toPc);
  lastLogUs_[toPc ? 1 : 0] = now;
  std::string &line = logLine_[toPc ? 1 : 0];
  for (std::size_t i = 0; i < size; ++i) {
    AppendEscaped(line, data[i]);
    if (data[i] == '\n')
      FlushLog(toPc);
  }
}

void PtyServer::FlushLog(bool toPc) {
  std::string &line = logLine_[toPc ? 1 : 0];
  if (options_.log == nullptr || line.empty())
    return;
  errno = 0;
  const bool written = std::fprintf(options_.log, "%10.3f %s %s\n",
                                    static_cast<double>(MonotonicUs() - startUs_) / 1000.0,
                                    toPc ? "radio>" : "pc>   ", line.c_str()) >= 0 &&
                       std::fflush(options_.log) == 0;
  if (!written && logError_ == 0)
    logError_ = errno != 0 ? errno : EIO;
  line.clear();
}

bool LinkPathFree(const std::string &path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0)
    return errno == ENOENT;
  if (!S_ISLNK(info.st_mode))
    return false;
  char target[256] = {};
  const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
  return n > 0 && std::string(target, static_cast<std::size_t>(n)).rfind("/dev/pts/", 0) == 0;
}

} // namespace kv508::sim
