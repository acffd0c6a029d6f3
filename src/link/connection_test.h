#pragma once

// Options > Test Connection and `kv508-cli doctor`: opens the port and runs
// only the handshake, the model check and the product check, one step after
// the other, and on a failure names the likely cause and its fix. Nothing is
// written to the radio and no message box is shown; questions of the link
// ("Radio is busy!!", the re-synchronisation) are answered Cancel.

#include "app/session.h"
#include "link/port.h"
#include "link/serial_trace.h"

#include <functional>
#include <string>
#include <vector>

namespace kv508 {

class Link;

enum class StepState { NotRun, Passed, Failed };

struct ConnectionStep {
  std::string name; // "Open the port", "Handshake", "Model check", "Product check"
  StepState state = StepState::NotRun;
  std::string result; // "OK, 57600 baud", "no answer", "model identifier 07D1"
};

struct ConnectionDiagnosis {
  std::vector<ConnectionStep> steps;
  bool passed = false;
  bool cancelled = false;
  std::string cause; // empty when passed
  std::string fix;
};

class ConnectionTest {
public:
  // `portName` names the port in the texts ("COM1 (/dev/ttyS0)").
  ConnectionTest(Session &session, Port &port, std::string portName);
  ~ConnectionTest();
  ConnectionTest(const ConnectionTest &) = delete;
  ConnectionTest &operator=(const ConnectionTest &) = delete;

  // Runs the steps; `shown` hears the diagnosis after each one.
  ConnectionDiagnosis Run(const std::function<void(const ConnectionDiagnosis &)> &shown = {});
  void RequestCancel();
  const SerialTrace &Trace() const { return trace_; }

private:
  bool OpenStep(ConnectionDiagnosis &d);
  bool HandshakeStep(Link &link, ConnectionDiagnosis &d);
  bool ModelStep(Link &link, ConnectionDiagnosis &d);
  bool ProductStep(Link &link, ConnectionDiagnosis &d);
  // The cause and fix of a radio that stopped answering, or of a cancel.
  void Silent(Link &link, ConnectionDiagnosis &d);
  void Pass(ConnectionDiagnosis &d, int step, const std::string &result);
  // The link showed this message (kept by the test instead).
  bool Said(const std::string &text) const;
  void Fail(ConnectionDiagnosis &d, int step, const std::string &result, std::string cause,
            std::string fix);

  Session &session_;
  Port &port_;
  std::string portName_;
  SerialTrace trace_;
  Link *link_ = nullptr;
  const std::vector<std::string> *said_ = nullptr;
  std::function<void(const ConnectionDiagnosis &)> shown_;
};

// The steps, one a line ("Handshake: no answer"), then the cause and the fix.
std::string DiagnosisText(const ConnectionDiagnosis &diagnosis);

} // namespace kv508
