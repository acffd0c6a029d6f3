#include "sim/sim_port.h"

#include <cerrno>
#include <charconv>
#include <system_error>
#include <thread>

namespace kv508::sim {

namespace {

// The baud rate at the head of a settings string such as "57600,N,8,1".
int ParseBaud(const std::string &settings) {
  int baud = 0;
  const char *end = settings.data() + settings.size();
  auto [ptr, ec] = std::from_chars(settings.data(), end, baud);
  if (ec != std::errc() || baud <= 0 || (ptr != end && *ptr != ','))
    return 0;
  return baud;
}

} // namespace

SimPort::SimPort(Pacing pacing) : pacing_(pacing) {}

SimPort::SimPort(const RadioEngine &engine, Pacing pacing) : engine_(engine), pacing_(pacing) {}

bool SimPort::Open(const std::string &settings) {
  if (open_)
    Close();
  const int baud = ParseBaud(settings);
  if (openFails_ || baud == 0) {
    errorNumber_ = openFails_ ? ENOENT : EINVAL;
    errorText_ = std::generic_category().message(errorNumber_);
    return false;
  }
  open_ = true;
  baud_ = baud;
  byteTime_ = std::chrono::duration_cast<Clock::duration>(
      std::chrono::nanoseconds(static_cast<std::int64_t>(10'000'000'000LL / baud)));
  DropAll();
  return true;
}

void SimPort::Close() {
  open_ = false;
  DropAll();
}

void SimPort::DropAll() {
  onLine_.clear();
  arrived_.clear();
  lineFree_ = Clock::time_point{};
}

void SimPort::Arrive() {
  if (onLine_.empty())
    return;
  if (pacing_ == Pacing::Unpaced) {
    arrived_.insert(arrived_.end(), onLine_.begin(), onLine_.end());
    onLine_.clear();
    return;
  }
  const Clock::time_point now = Clock::now();
  while (!onLine_.empty() && nextDue_ <= now) {
    arrived_.push_back(onLine_.front());
    onLine_.pop_front();
    nextDue_ += byteTime_;
  }
}

std::size_t SimPort::BytesWaiting() {
  Arrive();
  return arrived_.size();
}

bool SimPort::WaitForBytes(int timeoutMs) {
  Arrive();
  if (!arrived_.empty())
    return true;
  if (pacing_ == Pacing::Unpaced || timeoutMs <= 0)
    return false;
  const Clock::time_point limit = Clock::now() + std::chrono::milliseconds(timeoutMs);
  // Bytes are handed over in bursts, as a USB adapter does: wake when all that
  // is on the line has arrived or the time-out ends, not once per byte. The
  // last byte of an answer is still readable the moment it arrives. Nothing
  // reaches a port but the answers to its own writes, so with an empty line the
  // whole time-out passes in silence.
  std::this_thread::sleep_until(!onLine_.empty() && lineFree_ < limit ? lineFree_ : limit);
  Arrive();
  return !arrived_.empty();
}

std::vector<std::uint8_t> SimPort::Read(std::size_t maxBytes) {
  Arrive();
  const std::size_t count = std::min(maxBytes, arrived_.size());
  std::vector<std::uint8_t> bytes(arrived_.begin(),
                                  arrived_.begin() + static_cast<std::ptrdiff_t>(count));
  arrived_.erase(arrived_.begin(), arrived_.begin() + static_cast<std::ptrdiff_t>(count));
  return bytes;
}

bool SimPort::Write(const std::vector<std::uint8_t> &bytes) {
  if (!open_) {
    errorNumber_ = EBADF;
    errorText_ = std::generic_category().message(errorNumber_);
    return false;
  }
  const std::vector<std::uint8_t> answer = engine_.OnBytesFromPc(bytes);
  if (answer.empty())
    return true;
  Arrive();
  // The echo leaves as the PC's bytes go out, so the answer starts now, or
  // behind whatever is still on the line.
  const Clock::time_point start = std::max(Clock::now(), lineFree_);
  if (onLine_.empty())
    nextDue_ = start + byteTime_;
  onLine_.insert(onLine_.end(), answer.begin(), answer.end());
  lineFree_ = start + byteTime_ * static_cast<std::int64_t>(answer.size());
  return true;
}

void SimPort::Purge() {
  Arrive();
  arrived_.clear();
}

} // namespace kv508::sim
