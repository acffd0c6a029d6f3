// kv508-radiosim: a simulated radio in PC CONTROL mode on a pseudo-terminal.
// Prints the device to open and answers on it until SIGTERM or SIGINT.

#include "app/platform.h"
#include "app/safe_save.h"
#include "sim/pty_server.h"
#include "sim/radio_engine.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>

using namespace kv508;
using namespace kv508::sim;

namespace {

constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

volatile std::sig_atomic_t stopRequested = 0;

void OnStopSignal(int) { stopRequested = 1; }

const char *const kUsageText = R"(Usage: kv508-radiosim [OPTIONS]

Serves a simulated radio in PC CONTROL mode on a pseudo-terminal and prints the
device to open (one line) on standard output. Runs until SIGTERM or SIGINT.

Options:
  --image FILE            initial memory: a 32768-byte file (default: the default
                          image of model 1 with product code "QZ318R")
  --save-on-exit FILE     write the memory to FILE when stopped
  --link PATH             keep a symbolic link PATH to the device (a PATH that
                          exists must be such a link left by an earlier run)
  --baud N                pace answers at N baud instead of the port's speed
                          (0: send at once)
  --log FILE              one line per frame each way (a write to it that fails
                          ends the run with status 1)
  -h, --help              this text

Faults (N = how many times; each counts down):
  --busy N                status replies say busy ("01")
  --error-answers N       framed commands are answered "ERROR"
  --error-on-sync N       "#CMDSY" is answered "ERROR"
  --bad-checksums N       data and status replies carry a wrong checksum
  --wrong-reply-token N   data and status replies begin "#CEPXX"
  --wrong-address N       data replies name another address
  --wrong-length N        data replies carry another length
  --short-data N          data replies carry one byte too few
  --silence-after N       go quiet after N framed commands, as if unplugged
  --wrong-model           the model identifier at 32766-32767 reads 2001
  --wrong-product-code    the product code reads "QZ318X"
  --no-wake-up-answer     the probe "P" is not answered
  --no-cancel-ack         CAN is not answered
  --corrupt-byte ADDR     a write to address ADDR (0-32767) stores that byte
                          inverted but is acknowledged, as a bad cable might
  --acmd-answer TEXT      answer to "ACMD:002" (default OK; "" for none)
)";

struct UsageError {
  std::string reason;
};

struct Options {
  std::string image;
  std::string saveOnExit;
  std::string logFile;
  PtyServerOptions server;
  FaultOptions faults;
  bool help = false;
};

int ParseCount(const std::string &option, const std::string &text) {
  int value = 0;
  const char *end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 0)
    throw UsageError{option + " expects a number, not '" + text + "'"};
  return value;
}

Options ParseOptions(int argc, char **argv) {
  Options o;
  FaultOptions &f = o.faults;
  using Setter = std::function<void(const std::string &, const std::string &)>;
  auto count = [](int &field) -> Setter {
    return [&field](const std::string &name, const std::string &v) { field = ParseCount(name, v); };
  };
  const std::map<std::string, Setter> withValue = {
      {"--image", [&](const std::string &, const std::string &v) { o.image = v; }},
      {"--save-on-exit", [&](const std::string &, const std::string &v) { o.saveOnExit = v; }},
      {"--link", [&](const std::string &, const std::string &v) { o.server.linkPath = v; }},
      {"--log", [&](const std::string &, const std::string &v) { o.logFile = v; }},
      {"--baud",
       [&](const std::string &n, const std::string &v) { o.server.baud = ParseCount(n, v); }},
      {"--acmd-answer", [&](const std::string &, const std::string &v) { f.acmdAnswer = v; }},
      {"--busy", count(f.busyStatus)},
      {"--error-answers", count(f.errorAnswers)},
      {"--error-on-sync", count(f.errorOnSync)},
      {"--bad-checksums", count(f.badChecksums)},
      {"--wrong-reply-token", count(f.wrongReplyToken)},
      {"--wrong-address", count(f.wrongAddress)},
      {"--wrong-length", count(f.wrongLength)},
      {"--short-data", count(f.shortData)},
      {"--silence-after", count(f.silenceAfterFrames)},
      {"--corrupt-byte",
       [&](const std::string &n, const std::string &v) {
         f.corruptStoredByte = ParseCount(n, v);
         if (f.corruptStoredByte >= kImageSize)
           throw UsageError{n + " expects an address below " + std::to_string(kImageSize)};
       }},
  };
  const std::map<std::string, bool *> flags = {
      {"--wrong-model", &f.wrongModelId},
      {"--wrong-product-code", &f.wrongProductCode},
      {"--no-wake-up-answer", &f.noWakeUpAnswer},
      {"--no-cancel-ack", &f.noCancelAck},
      {"-h", &o.help},
      {"--help", &o.help},
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (auto flag = flags.find(arg); flag != flags.end()) {
      *flag->second = true;
    } else if (auto setter = withValue.find(arg); setter != withValue.end()) {
      if (i + 1 >= argc)
        throw UsageError{arg + " needs a value"};
      setter->second(arg, argv[++i]);
    } else {
      throw UsageError{"unknown option " + arg};
    }
  }
  return o;
}

// Only a regular file of the image's size: a folder, a FIFO or a device would
// fail, block or never end.
std::optional<MemoryImage> LoadImage(const std::string &path, std::string &error) {
  std::string bytes;
  if (const std::error_code ec = platform::ReadRegularFile(path, bytes, kImageSize)) {
    error = path + ": " + ec.message();
    return std::nullopt;
  }
  MemoryImage image{};
  if (bytes.size() != image.size()) {
    const std::string size = bytes.size() > image.size()
                                 ? "more than " + std::to_string(image.size())
                                 : std::to_string(bytes.size());
    error = path + ": not a memory image (" + size + " bytes, not " + std::to_string(image.size()) +
            ")";
    return std::nullopt;
  }
  std::memcpy(image.data(), bytes.data(), image.size());
  return image;
}

// The engine behind the line. Its answers go out at the speed the PC's port
// runs at, as they would on a cable; when that cannot be read, at the speed the
// engine is at.
class EngineLine final : public LineRadio {
public:
  explicit EngineLine(RadioEngine &engine) : engine_(engine) {}

  void FromPc(const std::vector<std::uint8_t> &bytes, int portBaud) override {
    const int baud = portBaud != 0 ? portBaud : engine_.CurrentBaud();
    std::vector<std::uint8_t> answer = engine_.OnBytesFromPc(bytes);
    if (!answer.empty())
      pending_.push_back({std::move(answer), baud});
  }

  bool TakeToPc(std::vector<std::uint8_t> &bytes, int &baud) override {
    if (pending_.empty())
      return false;
    bytes = std::move(pending_.front().first);
    baud = pending_.front().second;
    pending_.erase(pending_.begin());
    return true;
  }

private:
  RadioEngine &engine_;
  std::vector<std::pair<std::vector<std::uint8_t>, int>> pending_;
};

// The memory the radio starts with and the faults it plays.
bool PrepareEngine(const Options &options, RadioEngine &engine) {
  if (!options.image.empty()) {
    std::string error;
    const std::optional<MemoryImage> image = LoadImage(options.image, error);
    if (!image) {
      std::fprintf(stderr, "kv508-radiosim: %s\n", error.c_str());
      return false;
    }
    engine = RadioEngine(*image);
  }
  engine.Faults() = options.faults;
  return true;
}

void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

// Answers until stopped; false when the device could not be made.
bool Serve(const Options &options, RadioEngine &engine, int &status) {
  PtyServer server(options.server);
  std::string error;
  if (!server.Open(error)) {
    std::fprintf(stderr, "kv508-radiosim: %s\n", error.c_str());
    return false;
  }
  std::printf("%s\n", server.DevicePath().c_str());
  std::fflush(stdout);

  EngineLine line(engine);
  server.Serve(line, stopRequested);
  if (server.LogError() != 0) {
    std::fprintf(stderr, "kv508-radiosim: --log %s: %s\n", options.logFile.c_str(),
                 std::strerror(server.LogError()));
    status = kFailed;
  }
  return true;
}

int SaveOnExit(const Options &options, const RadioEngine &engine) {
  if (options.saveOnExit.empty())
    return kSuccess;
  const MemoryImage &memory = engine.Memory();
  const std::error_code ec =
      SafeWriteFile(options.saveOnExit,
                    std::string_view(reinterpret_cast<const char *>(memory.data()), memory.size()));
  if (!ec)
    return kSuccess;
  std::fprintf(stderr, "kv508-radiosim: %s: %s\n", options.saveOnExit.c_str(),
               ec.message().c_str());
  return kFailed;
}

} // namespace

int main(int argc, char **argv) {
  Options options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const UsageError &e) {
    std::fprintf(stderr, "kv508-radiosim: %s\n\n%s", e.reason.c_str(), kUsageText);
    return kUsage;
  }
  if (options.help) {
    std::printf("%s", kUsageText);
    return kSuccess;
  }
  if (!options.server.linkPath.empty() && !LinkPathFree(options.server.linkPath)) {
    std::fprintf(stderr,
                 "kv508-radiosim: --link %s: the path exists and is not a link to a "
                 "pseudo-terminal; remove it or choose another\n",
                 options.server.linkPath.c_str());
    return kUsage;
  }

  RadioEngine engine;
  if (!PrepareEngine(options, engine))
    return kFailed;

  std::FILE *log = nullptr;
  if (!options.logFile.empty()) {
    log = std::fopen(options.logFile.c_str(), "w");
    if (log == nullptr) {
      std::fprintf(stderr, "kv508-radiosim: %s: %s\n", options.logFile.c_str(),
                   std::strerror(errno));
      return kFailed;
    }
    options.server.log = log;
  }

  InstallStopHandlers();
  int status = kSuccess;
  if (!Serve(options, engine, status)) {
    if (log != nullptr)
      std::fclose(log);
    return kFailed;
  }
  if (SaveOnExit(options, engine) != kSuccess)
    status = kFailed;
  if (log != nullptr && std::fclose(log) != 0 && status == kSuccess) {
    std::fprintf(stderr, "kv508-radiosim: --log %s: %s\n", options.logFile.c_str(),
                 std::strerror(errno));
    status = kFailed;
  }
  return status;
}
