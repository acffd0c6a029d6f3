#include "link/connection_test.h"

#include "image/default_image.h"
#include "image/layout.h"
#include "link/protocol.h"

#include <algorithm>
#include <memory>

namespace kv508 {

namespace {

enum Steps { kOpen, kHandshake, kModel, kProduct };
constexpr const char *kProductCode = "QZ318R";

// The session's host for the clock, the pauses and yielding; messages are
// kept instead of shown, and every question is refused.
class QuietHost : public Host {
public:
  explicit QuietHost(Host &outer) : outer_(outer) {}
  Answer Message(Icon, const std::string &, const std::string &text, Buttons buttons) override {
    said.push_back(text);
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
  int Choose(Icon, const std::string &, const std::string &text,
             const std::vector<std::string> &choices) override {
    said.push_back(text);
    return static_cast<int>(choices.size()) - 1;
  }
  void Yield() override { outer_.Yield(); }
  void Pause(int ms) override { outer_.Pause(ms); }
  std::int64_t NowMs() override { return outer_.NowMs(); }
  void Monitor(const std::string &text) override { outer_.Monitor(text); }

  std::vector<std::string> said;

private:
  Host &outer_;
};

std::string Hex4(unsigned value) { return HexField(value, 4); }

constexpr const char *kCheckTheRadio =
    "Check that the cable is plugged into this port and into the radio, and that the radio "
    "shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on). Some cables only work "
    "at the low speed: try the low-speed link (start kv508 with /E; kv508-cli --low-speed).";

} // namespace

ConnectionTest::ConnectionTest(Session &session, Port &port, std::string portName)
    : session_(session), port_(port), portName_(std::move(portName)) {}

ConnectionTest::~ConnectionTest() = default;

void ConnectionTest::RequestCancel() {
  if (link_)
    link_->CancelRequested = true;
}

bool ConnectionTest::Said(const std::string &text) const {
  return said_ && std::find(said_->begin(), said_->end(), text) != said_->end();
}

void ConnectionTest::Pass(ConnectionDiagnosis &d, int step, const std::string &result) {
  d.steps[static_cast<std::size_t>(step)].state = StepState::Passed;
  d.steps[static_cast<std::size_t>(step)].result = result;
  if (shown_)
    shown_(d);
}

void ConnectionTest::Fail(ConnectionDiagnosis &d, int step, const std::string &result,
                          std::string cause, std::string fix) {
  d.steps[static_cast<std::size_t>(step)].state = StepState::Failed;
  d.steps[static_cast<std::size_t>(step)].result = result;
  d.cause = std::move(cause);
  d.fix = std::move(fix);
  if (shown_)
    shown_(d);
}

ConnectionDiagnosis
ConnectionTest::Run(const std::function<void(const ConnectionDiagnosis &)> &shown) {
  shown_ = shown;
  ConnectionDiagnosis d;
  for (const char *name : {"Open the port", "Handshake", "Model check", "Product check"})
    d.steps.push_back({name, StepState::NotRun, "not run"});
  QuietHost quiet(session_.host);
  auto scratch = std::make_unique<Session>(quiet, session_.settings);
  scratch->state = session_.state;
  scratch->model = session_.model;
  scratch->programDir = session_.programDir;
  scratch->ComPort = session_.ComPort;
  trace_.Start("Test Connection on " + portName_, quiet.NowMs());
  TracingPort port(port_, trace_, quiet);
  Link link(*scratch, port);
  link.SetCaption("Test Connection");
  link_ = &link;
  said_ = &quiet.said;
  d.passed = OpenStep(d) && HandshakeStep(link, d) && ModelStep(link, d) && ProductStep(link, d);
  d.cancelled = link.CancelRequested && !d.passed;
  link_ = nullptr;
  said_ = nullptr;
  link.ClosePort();
  if (d.passed)
    d.cause.clear();
  return d;
}

bool ConnectionTest::OpenStep(ConnectionDiagnosis &d) {
  trace_.Step("Opening the port", session_.host.NowMs());
  if (port_.IsOpen())
    port_.Close();
  if (port_.Open(kHandshakeSettings)) {
    Pass(d, kOpen, "OK");
    return true;
  }
  const std::string why = port_.ErrorText();
  switch (port_.Problem()) {
  case PortProblem::NotFound:
    Fail(d, kOpen, "no such port", "There is no port " + portName_ + ".",
         "Plug the cable in and choose its port in Options > SerialPort (kv508-cli ports lists "
         "the ports of this computer).");
    break;
  case PortProblem::Permission: {
    const std::string group = port_.DeviceGroup().empty() ? "dialout" : port_.DeviceGroup();
    Fail(d, kOpen, "permission denied", "This user may not open " + portName_ + ".",
         "Add yourself to the " + group + " group: sudo usermod -aG " + group +
             " $USER, then log out and in again.");
    break;
  }
  case PortProblem::Busy:
    Fail(d, kOpen, "in use", "Another program has " + portName_ + " open.",
         "Close the other program (a terminal program, other radio software). A modem manager "
         "may take a USB serial adapter for half a minute after it is plugged in: wait and test "
         "again, or stop it (sudo systemctl stop ModemManager).");
    break;
  case PortProblem::None:
  case PortProblem::Other:
    Fail(d, kOpen, "cannot open", portName_ + " could not be opened: " + why + ".",
         "Choose another port in Options > SerialPort, or plug the cable in again.");
    break;
  }
  return false;
}

bool ConnectionTest::HandshakeStep(Link &link, ConnectionDiagnosis &d) {
  trace_.Step("Handshake", session_.host.NowMs());
  if (link.Connect()) {
    Pass(d, kHandshake,
         std::string("OK, working speed ") + (session_.state.LowSpeedLink ? "19200" : "57600") +
             " baud");
    return true;
  }
  if (link.CancelRequested || link.LineLost) {
    Silent(link, d);
  } else if (Said("port inicialize error!!")) {
    Fail(d, kHandshake, "the port would not switch to the working speed",
         portName_ + " refused the working speed: " + port_.ErrorText() + ".",
         "Try the low-speed link (start kv508 with /E; kv508-cli --low-speed).");
  } else if (link.SyncRefused || Said("ACMD Command error!!")) {
    Fail(d, kHandshake, "the radio answered with an error", "The radio refused the handshake.",
         "Turn the radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] while "
         "turning it on), and test again.");
  } else if (Said("error!!")) {
    Fail(d, kHandshake, "an answer that is not the radio's",
         "Something answered on " + portName_ + ", but not as the radio does.",
         "Check that this port is the one the radio's cable is plugged into, and try the "
         "low-speed link (start kv508 with /E; kv508-cli --low-speed).");
  } else {
    Fail(d, kHandshake, "no answer", "The radio did not answer on " + portName_ + ".",
         kCheckTheRadio);
  }
  return false;
}

void ConnectionTest::Silent(Link &link, ConnectionDiagnosis &d) {
  for (ConnectionStep &step : d.steps) {
    if (step.state == StepState::NotRun) {
      step.state = StepState::Failed;
      step.result = link.CancelRequested ? "cancelled" : "no answer";
      break;
    }
  }
  if (link.CancelRequested) {
    d.cause = "The test was cancelled.";
  } else if (link.LineLost) {
    d.cause = portName_ + " went away: " + port_.ErrorText() + ".";
    d.fix = "Plug the cable in again, then test again.";
  } else {
    d.cause = "The radio stopped answering on " + portName_ + ".";
    d.fix = kCheckTheRadio;
  }
  if (shown_)
    shown_(d);
}

bool ConnectionTest::ModelStep(Link &link, ConnectionDiagnosis &d) {
  trace_.Step("Model check", session_.host.NowMs());
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  link.ReadBlock(buffer.data(), 0, 2);
  if (!link.ExchangeFailed)
    link.ReadBlock(buffer.data(), ImageLastIndex - 1, 2);
  if (link.ExchangeFailed || link.CancelRequested) {
    Silent(link, d);
    return false;
  }
  const unsigned head = buffer[0] * 256u + buffer[1];
  const unsigned tail = buffer[ImageLastIndex - 1] * 256u + buffer[ImageLastIndex];
  const int variant = session_.model.ModelVariant;
  const std::string model = ModelName(variant);
  const std::string reported =
      head == tail ? "model identifier " + Hex4(head)
                   : "model identifiers " + Hex4(head) + " (start) and " + Hex4(tail) + " (end)";
  if (ImageMatchesModel(buffer.data(), variant)) {
    Pass(d, kModel, "OK, " + reported + " (" + model + ")");
    return true;
  }
  if (!HasDefaultImage(variant)) {
    Fail(d, kModel, reported,
         "The model chosen, " + model + ", is not one this program can program.",
         "Choose the radio's model in Edit > Model (kv508-cli --model N).");
  } else {
    Fail(d, kModel, reported,
         "The radio reports " + reported + "; the model chosen, " + model + ", has " +
             Hex4(kModelId) + ".",
         "Check that this radio is a " + model +
             ", or choose its model in Edit > Model "
             "(kv508-cli --model N).");
  }
  return false;
}

bool ConnectionTest::ProductStep(Link &link, ConnectionDiagnosis &d) {
  trace_.Step("Product check", session_.host.NowMs());
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  link.ReadBlock(buffer.data(), layout::kProductCode, 7);
  if (link.ExchangeFailed || link.CancelRequested) {
    Silent(link, d);
    return false;
  }
  std::string code;
  for (int i = 0; i < layout::kProductCodeLength; ++i) {
    const char c = static_cast<char>(buffer[static_cast<std::size_t>(layout::kProductCode + i)]);
    code += c >= ' ' && c <= '~' ? c : '?';
  }
  if (code == kProductCode) {
    Pass(d, kProduct, "OK, product code " + code);
    return true;
  }
  Fail(d, kProduct, "product code " + code,
       "The radio reports product code " + code + "; the " +
           ModelName(session_.model.ModelVariant) + " has " + kProductCode + ".",
       "This radio is not one this program can program.");
  return false;
}

std::string DiagnosisText(const ConnectionDiagnosis &d) {
  std::string text;
  for (const ConnectionStep &step : d.steps)
    text += step.name + ": " + step.result + "\n";
  if (d.passed)
    return text + "\nThe radio answers: the connection works.\n";
  if (!d.cause.empty())
    text += "\nLikely cause: " + d.cause + "\n";
  if (!d.fix.empty())
    text += "Fix: " + d.fix + "\n";
  return text;
}

} // namespace kv508
