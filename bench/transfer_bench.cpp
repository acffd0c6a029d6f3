// How close a full read, a full write and a clear-all come to what the line
// allows, against the in-process simulated radio paced at the line rate.
//
//   transfer_bench [57600|19200 ...] [read|write|verify|clear|compare|changes ...]
//
// "verify" is a write followed by the read-back of every written block.
// "compare" is Compare with Radio's read. "changes" renames one channel, then
// runs Compare with Radio and Program These Changes with verify in its
// connection; it reports the compare and the changes-only write phase apart.
// Every run starts from the data a read of the simulated radio gives.
//
// For each run: wall time; the minimum, which is the line time of every byte
// the engine saw cross the line (10 bits each, at the speed in use) plus every
// pause the link took (10 ms before each write, 1000 ms after the speed switch,
// the 50 ms and 10 ms pauses of skipped blocks, the 500 ms final pause); their
// ratio; and the CPU time the process used meanwhile.

#include "app/host.h"
#include "app/new_data.h"
#include "app/session.h"
#include "app/user_settings.h"
#include "image/radio_ranges.h"
#include "link/transfer.h"
#include "sim/sim_port.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

using namespace kv508;

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A host with the real clock that counts the pauses the link asks for.
class BenchHost : public Host {
public:
  Answer Message(Icon, const std::string &title, const std::string &text, Buttons) override {
    if (text != "Complete!!")
      std::fprintf(stderr, "  message: %s: %s\n", title.c_str(), text.c_str());
    return Answer::Cancel;
  }
  void Yield() override { ++yields; }
  void Pause(int ms) override {
    ++pauses[ms];
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  std::int64_t NowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }

  double PausedSeconds() const {
    double total = 0;
    for (const auto &[ms, count] : pauses)
      total += ms * count / 1000.0;
    return total;
  }
  std::string PauseSummary() const {
    std::string text;
    for (const auto &[ms, count] : pauses)
      text += (text.empty() ? "" : " ") + std::to_string(count) + "x" + std::to_string(ms) + "ms";
    return text;
  }

  std::map<int, long> pauses;
  long yields = 0;
};

// Counts what the PC side writes and reads.
class CountingPort : public Port {
public:
  explicit CountingPort(Port &inner) : inner_(inner) {}
  bool Open(const std::string &settings) override { return inner_.Open(settings); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  std::size_t BytesWaiting() override { return inner_.BytesWaiting(); }
  bool WaitForBytes(int timeoutMs) override {
    ++waits;
    return inner_.WaitForBytes(timeoutMs);
  }
  std::vector<std::uint8_t> Read(std::size_t maxBytes) override {
    std::vector<std::uint8_t> bytes = inner_.Read(maxBytes);
    bytesRead += bytes.size();
    return bytes;
  }
  bool Write(const std::vector<std::uint8_t> &bytes) override {
    ++writes;
    bytesWritten += bytes.size();
    return inner_.Write(bytes);
  }
  void Purge() override { inner_.Purge(); }

  long writes = 0;
  long waits = 0;
  std::size_t bytesWritten = 0;
  std::size_t bytesRead = 0;

private:
  Port &inner_;
};

struct Operation {
  const char *name;
  int mode;
  bool verify = false;
};

// Wall time, line time and pauses so far.
struct Mark {
  std::chrono::steady_clock::time_point wall;
  double line;
  double pauses;
};

void PrintPhase(int baud, const char *name, bool ok, const Mark &from, const Mark &to, double cpu) {
  const double wall = std::chrono::duration<double>(to.wall - from.wall).count();
  const double line = to.line - from.line, pauses = to.pauses - from.pauses;
  const double minimum = line + pauses;
  std::printf("%6d %-14s %s  wall %8.3f s  minimum %8.3f s (line %7.3f + pauses %7.3f)  "
              "ratio %.4f  cpu %6.3f s (%4.1f%%)\n",
              baud, name, ok ? "ok  " : "FAIL", wall, minimum, line, pauses, wall / minimum, cpu,
              100.0 * cpu / wall);
}

void RunOne(int baud, const Operation &op) {
  BenchHost host;
  MemoryUserSettings settings;
  Session session(host, settings);
  NewData(session, false);
  session.state.LowSpeedLink = baud != sim::RadioEngine::kDefaultWorkingBaud;
  sim::SimPort simPort(sim::SimPort::Pacing::LineRate);
  simPort.Engine().SetWorkingBaud(baud);
  // The data as a read of the radio leaves them, so that a program keeps its identity.
  TakeImageAsRead(session.data, simPort.Engine().Memory());
  CountingPort port(simPort);
  const sim::LineCounters &line = simPort.Engine().Counters();
  auto mark = [&] {
    return Mark{std::chrono::steady_clock::now(), line.lineSeconds, host.PausedSeconds()};
  };

  const double cpuStart = CpuSeconds();
  const Mark start = mark();
  TransferSession transfer(session, port);
  transfer.SetVerifyAfterProgram(op.verify);
  TransferResult result;
  if (op.mode == kTransferProgramChanges) {
    session.data.CHUSA[32].ChTag = "CALL16";
    result = transfer.Run(kTransferCompare);
    const Mark compared = mark();
    PrintPhase(baud, "  compare", result.succeeded, start, compared, 0);
    result = transfer.ProgramChangesAfterCompare();
    PrintPhase(baud, "  write+verify", result.succeeded, compared, mark(), 0);
  } else {
    result = transfer.Run(op.mode);
  }
  PrintPhase(baud, op.name, result.succeeded, start, mark(), CpuSeconds() - cpuStart);
  std::printf("       pc wrote %zu bytes in %ld writes, read %zu; radio side sent %llu; "
              "%ld port waits, %ld yields; pauses %s\n",
              port.bytesWritten, port.writes, port.bytesRead,
              static_cast<unsigned long long>(line.bytesToPc), port.waits, host.yields,
              host.PauseSummary().c_str());
  std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv) {
  const std::vector<Operation> all = {{"read", kTransferRead},
                                      {"write", kTransferProgram},
                                      {"verify", kTransferProgram, true},
                                      {"clear", kClearAll},
                                      {"compare", kTransferCompare},
                                      {"changes", kTransferProgramChanges, true}};
  std::vector<int> bauds;
  std::vector<Operation> ops;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    bool known = false;
    for (const Operation &op : all)
      if (arg == op.name) {
        ops.push_back(op);
        known = true;
      }
    if (arg == "57600" || arg == "19200") {
      bauds.push_back(std::stoi(arg));
      known = true;
    }
    if (!known) {
      std::fprintf(stderr, "usage: transfer_bench [57600|19200 ...] "
                           "[read|write|verify|clear|compare|changes ...]\n");
      return 2;
    }
  }
  if (bauds.empty())
    bauds = {57600, 19200};
  if (ops.empty())
    ops = all;
  for (int baud : bauds)
    for (const Operation &op : ops)
      RunOne(baud, op);
  return 0;
}
