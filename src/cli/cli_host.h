#pragma once

// The command line's Host: messages go to stderr, questions are answered from
// the options, the progress bar is drawn on stderr when it is a terminal, and
// Ctrl-C asks the running transfer to cancel.

#include "app/host.h"

#include <atomic>
#include <functional>
#include <string>

namespace kv508::cli {

struct Answers {
  int retryBusy = 0;   // how many "Radio is busy!!" questions are answered Retry
  bool resync = false; // answer OK to the re-synchronisation question (a few times only)
};

class CliHost : public Host {
public:
  explicit CliHost(Answers answers, bool debug);

  Answer Message(Icon icon, const std::string &title, const std::string &text,
                 Buttons buttons) override;
  void Yield() override;
  void Pause(int ms) override;
  // No window to repaint: file commands run without their pauses.
  void RepaintPause(int) override {}
  std::int64_t NowMs() override;
  void Monitor(const std::string &text) override;
  void Progress(int percent) override;
  void Reason(const std::string &text) override;

  // Called from Yield once after Ctrl-C was pressed.
  void SetCancelHandler(std::function<void()> handler) { cancelHandler_ = std::move(handler); }
  void EndProgress();
  bool ShowedFailure() const { return showedFailure_; }

private:
  Answers answers_;
  bool debug_;
  bool progressOnTerminal_;
  int lastPercent_ = -1;
  int resyncsLeft_ = 3; // a radio that keeps refusing must not keep the command going
  bool showedFailure_ = false;
  std::function<void()> cancelHandler_;
};

// Installs the SIGINT handler that CliHost::Yield reacts to.
void InstallInterruptHandler();

} // namespace kv508::cli
