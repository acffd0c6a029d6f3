#include "link/qt_serial_port.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kv508 {
namespace {

struct LineSettings {
  int baud = 0;
  QSerialPort::Parity parity = QSerialPort::NoParity;
  QSerialPort::DataBits dataBits = QSerialPort::Data8;
  QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

std::vector<std::string> SplitAtComma(const std::string &text) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == ',')
      pieces.emplace_back();
    else if (c != ' ')
      pieces.back() += c;
  }
  return pieces;
}

std::optional<int> ParseInt(const std::string &text) {
  int value = 0;
  const char *end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end)
    return std::nullopt;
  return value;
}

// "19200,N,8,1": baud, parity N/E/O, data bits 5-8, stop bits 1 or 2.
std::optional<LineSettings> ParseSettings(const std::string &text) {
  const std::vector<std::string> p = SplitAtComma(text);
  if (p.size() != 4)
    return std::nullopt;
  LineSettings s;
  const auto baud = ParseInt(p[0]);
  const auto bits = ParseInt(p[2]);
  const auto stop = ParseInt(p[3]);
  if (!baud || *baud <= 0 || !bits || !stop || p[1].size() != 1)
    return std::nullopt;
  s.baud = *baud;
  switch (std::toupper(static_cast<unsigned char>(p[1][0]))) {
  case 'N':
    s.parity = QSerialPort::NoParity;
    break;
  case 'E':
    s.parity = QSerialPort::EvenParity;
    break;
  case 'O':
    s.parity = QSerialPort::OddParity;
    break;
  default:
    return std::nullopt;
  }
  if (*bits < 5 || *bits > 8)
    return std::nullopt;
  s.dataBits = static_cast<QSerialPort::DataBits>(*bits);
  if (*stop == 1)
    s.stopBits = QSerialPort::OneStop;
  else if (*stop == 2)
    s.stopBits = QSerialPort::TwoStop;
  else
    return std::nullopt;
  return s;
}

class QtSerialPort final : public Port {
public:
  explicit QtSerialPort(const std::string &device) : device_(device) {
    port_.setPortName(QString::fromLocal8Bit(device.c_str()));
  }
  ~QtSerialPort() override { Close(); }

  bool Open(const std::string &settings) override {
    Close();
    lost_ = false;
    problem_ = PortProblem::None;
    const auto s = ParseSettings(settings);
    if (!s) {
      problem_ = PortProblem::Other;
      errorNumber_ = 0;
      errorText_ = "Invalid port settings \"" + settings + "\"";
      return false;
    }
    if (!port_.open(QIODevice::ReadWrite))
      return Fail("open");
    baud_ = s->baud;
    const bool configured = port_.setBaudRate(s->baud) && port_.setParity(s->parity) &&
                            port_.setDataBits(s->dataBits) && port_.setStopBits(s->stopBits) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
      Fail("configure");
      port_.close();
      return false;
    }
    return true;
  }

  void Close() override {
    if (port_.isOpen())
      port_.close();
  }

  bool IsOpen() const override { return port_.isOpen(); }

  std::size_t BytesWaiting() override {
    if (!port_.isOpen())
      return 0;
    // Without an event loop the OS buffer is only moved into the port's own
    // buffer by the waitFor calls; a zero wait polls it.
    if (port_.bytesAvailable() == 0)
      Poll(0);
    return static_cast<std::size_t>(std::max<qint64>(port_.bytesAvailable(), 0));
  }

  bool WaitForBytes(int timeoutMs) override {
    if (!port_.isOpen())
      return false;
    if (port_.bytesAvailable() > 0)
      return true;
    Poll(std::max(timeoutMs, 0));
    return port_.bytesAvailable() > 0;
  }

  std::vector<std::uint8_t> Read(std::size_t maxBytes) override {
    std::vector<std::uint8_t> out;
    if (!port_.isOpen() || maxBytes == 0)
      return out;
    if (port_.bytesAvailable() == 0)
      Poll(0);
    const QByteArray bytes = port_.read(static_cast<qint64>(maxBytes));
    out.assign(bytes.begin(), bytes.end());
    return out;
  }

  bool Write(const std::vector<std::uint8_t> &bytes) override {
    if (!port_.isOpen()) {
      errorNumber_ = 0;
      errorText_ = "Port is not open";
      return false;
    }
    if (bytes.empty())
      return true;
    const qint64 size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char *>(bytes.data()), size) != size)
      return Lost("write") ? false : Fail("write");
    // The time the line needs for the bytes, plus a second for the driver.
    const int budgetMs = 1000 + static_cast<int>(size * 10000 / std::max(baud_, 1));
    while (port_.bytesToWrite() > 0) {
      if (!port_.waitForBytesWritten(budgetMs))
        return Lost("write") ? false : Fail("write");
    }
    return true;
  }

  void Purge() override {
    if (!port_.isOpen())
      return;
    Poll(0);
    port_.clear(QSerialPort::Input);
    port_.readAll();
    port_.clearError();
  }

  std::string ErrorText() const override { return errorText_; }
  int ErrorNumber() const override { return errorNumber_; }
  bool LineLost() const override { return lost_; }
  PortProblem Problem() const override { return problem_; }
  std::string DeviceGroup() const override { return group_; }

private:
  void Poll(int timeoutMs) {
    if (!port_.waitForReadyRead(timeoutMs)) {
      // Timing out is the normal outcome of a poll, not a port fault.
      if (port_.error() == QSerialPort::TimeoutError)
        port_.clearError();
      else
        Lost("read");
    }
  }

  // A device that went away reports a resource error (unplugged) or a read
  // error (the other end of a pseudo-terminal closed: the read finds the end
  // of the data at once, again and again); later waits would only time out or
  // spin. True when the line is lost.
  bool Lost(const char *what) {
    if (lost_)
      return true;
    const QSerialPort::SerialPortError error = port_.error();
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
      return false;
    lost_ = true;
    errorNumber_ = static_cast<int>(error);
    // After a hang-up the system's error number is left over from an earlier call.
    const std::string reason = error == QSerialPort::ReadError ? std::string("the device hung up")
                                                               : port_.errorString().toStdString();
    errorText_ = "Lost " + device_ + " during " + what + ": " + reason;
    port_.clearError();
    return true;
  }

  bool Fail(const char *what) {
    const QSerialPort::SerialPortError error = port_.error();
    errorNumber_ = static_cast<int>(error);
    errorText_ =
        "Cannot " + std::string(what) + " " + device_ + ": " + port_.errorString().toStdString();
    problem_ = error == QSerialPort::DeviceNotFoundError ? PortProblem::NotFound
               : error == QSerialPort::PermissionError   ? PortProblem::Permission
                                                         : PortProblem::Other;
#if defined(Q_OS_UNIX)
    // QSerialPort reports a port held by another program (its lock file, or
    // exclusive mode) as a permission error too; only a device the user may
    // not open needs the group.
    if (error == QSerialPort::PermissionError) {
      const std::string path = port_.portName().startsWith('/')
                                   ? port_.portName().toStdString()
                                   : "/dev/" + port_.portName().toStdString();
      group_ = GroupOf(path);
      if (::access(path.c_str(), R_OK | W_OK) == 0) {
        problem_ = PortProblem::Busy;
        errorText_ += " (is another program using the port?)";
      }
#if defined(Q_OS_LINUX)
      else
        errorText_ += " (add your user to the " + (group_.empty() ? "dialout" : group_) +
                      " group: sudo usermod -aG " + (group_.empty() ? "dialout" : group_) +
                      " $USER, then log in again)";
#endif
    }
#endif
    port_.clearError();
    return false;
  }

#if defined(Q_OS_UNIX)
  // The group that owns the device; empty when unknown.
  static std::string GroupOf(const std::string &path) { struct stat info { };
    if (::stat(path.c_str(), &info) != 0)
      return {};
    const struct group *owner = ::getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::string();
  }
#endif

  std::string device_;
  QSerialPort port_;
  int baud_ = 19200;
  bool lost_ = false;
  PortProblem problem_ = PortProblem::None;
  std::string group_;
  int errorNumber_ = 0;
  std::string errorText_;
};

// Orders ttyS2 before ttyS10: runs of digits compare by value.
bool NaturalLess(const std::string &a, const std::string &b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const bool da = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
    const bool db = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
    if (da && db) {
      std::size_t ei = i, ej = j;
      while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
        ++ei;
      while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
        ++ej;
      std::string na = a.substr(i, ei - i), nb = b.substr(j, ej - j);
      na.erase(0, std::min(na.find_first_not_of('0'), na.size()));
      nb.erase(0, std::min(nb.find_first_not_of('0'), nb.size()));
      if (na.size() != nb.size())
        return na.size() < nb.size();
      if (na != nb)
        return na < nb;
      i = ei;
      j = ej;
    } else {
      if (a[i] != b[j])
        return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

constexpr std::chrono::milliseconds kPortListFresh{1000};

} // namespace

std::vector<SerialPortInfo> ListSerialPorts() {
  // The system's list walks every terminal device it has (tens of
  // milliseconds), and the windows ask several times in a row while they start
  // or a menu opens: a list younger than a second is used again.
  static std::mutex guard;
  static std::vector<SerialPortInfo> kept;
  static std::optional<std::chrono::steady_clock::time_point> keptAt;
  const std::lock_guard<std::mutex> lock(guard);
  const auto now = std::chrono::steady_clock::now();
  if (keptAt && now - *keptAt < kPortListFresh)
    return kept;
  std::vector<SerialPortInfo> ports;
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
    SerialPortInfo port;
    port.systemLocation = info.systemLocation().toStdString();
    port.portName = info.portName().toStdString();
    port.description = info.description().toStdString();
    port.manufacturer = info.manufacturer().toStdString();
    if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
      port.vendorId = info.vendorIdentifier();
      port.productId = info.productIdentifier();
    }
    port.serialNumber = info.serialNumber().toStdString();
    ports.push_back(std::move(port));
  }
  std::sort(ports.begin(), ports.end(), [](const SerialPortInfo &a, const SerialPortInfo &b) {
    return NaturalLess(a.systemLocation, b.systemLocation);
  });
  kept = ports;
  keptAt = std::chrono::steady_clock::now();
  return ports;
}

std::string DeviceForComNumber(int comNumber) {
  if (comNumber < 1)
    return {};
#if defined(Q_OS_WIN)
  return "COM" + std::to_string(comNumber);
#else
  const std::vector<SerialPortInfo> ports = ListSerialPorts();
  if (static_cast<std::size_t>(comNumber) > ports.size())
    return {};
  return ports[static_cast<std::size_t>(comNumber) - 1].systemLocation;
#endif
}

std::string SerialDevicePath(const std::string &name) {
#if defined(Q_OS_WIN)
  return name;
#else
  if (name.empty() || name.front() == '/')
    return name;
  // A relative path, or a name that exists here, is that file; the serial
  // port would otherwise look it up under /dev.
  const bool path = name.find('/') != std::string::npos;
  if (path || ::access(name.c_str(), F_OK) == 0)
    return name.rfind("./", 0) == 0 || name.rfind("../", 0) == 0 ? name : "./" + name;
  return "/dev/" + name;
#endif
}

std::unique_ptr<Port> MakeQtSerialPort(const std::string &device) {
  return std::make_unique<QtSerialPort>(SerialDevicePath(device));
}

} // namespace kv508
