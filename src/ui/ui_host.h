#pragma once

// The Host the session talks to. Message boxes, the clock, pauses and yielding
// go to the injected host (message boxes in the program, a script in tests);
// the wait cursor, the main window's enabled state and the transfer dialog's
// monitor line and progress bar belong to the windows and are handled here.

#include "app/host.h"

#include <functional>

class QWidget;

namespace kv508::ui {

class UiHost : public Host {
public:
  explicit UiHost(Host &inner) : inner_(inner) {}

  // A failure message gets, on the lines below the system's text, what was
  // being done and why it failed, when a MessageContext says so.
  Answer Message(Icon icon, const std::string &title, const std::string &text,
                 Buttons buttons) override;
  // Titles, texts and buttons in the language in use (core_texts.h).
  int Choose(Icon icon, const std::string &title, const std::string &text,
             const std::vector<std::string> &choices) override;
  void Yield() override { inner_.Yield(); }
  void Pause(int ms) override { inner_.Pause(ms); }
  void RepaintPause(int ms) override { inner_.RepaintPause(ms); }
  std::int64_t NowMs() override { return inner_.NowMs(); }

  void SetWaitCursor(bool on) override;
  void SetMainWindowEnabled(bool enabled) override;
  void Monitor(const std::string &text) override;
  void Progress(int percent) override;
  // Shown on the transfer dialog's monitor line, under the failure's message box.
  void Reason(const std::string &text) override;
  void Status(const std::string &text) override;

  void SetMainWindow(QWidget *window) { mainWindow_ = window; }
  struct TransferView {
    std::function<void(const std::string &)> monitor;
    std::function<void(int)> progress;
    std::function<void(const std::string &)> status;
  };
  void SetTransferView(TransferView view) { view_ = std::move(view); }
  Host &inner() { return inner_; }

  struct Activity {
    std::string doing;                // "Saving /home/me/boat1.dat"
    std::function<std::string()> why; // the system's reason, empty when none is known
    bool onlyWithReason = false;      // say nothing when no reason is known
  };
  void SetActivity(const Activity *activity) { activity_ = activity; }
  const Activity *CurrentActivity() const { return activity_; }

private:
  const Activity *activity_ = nullptr;
  Host &inner_;
  QWidget *mainWindow_ = nullptr;
  TransferView view_;
  int waitDepth_ = 0;
};

// What is being done while the scope lasts, for the failure messages shown meanwhile.
class MessageContext {
public:
  MessageContext(UiHost &host, UiHost::Activity activity)
      : host_(host), activity_(std::move(activity)), outer_(host.CurrentActivity()) {
    host_.SetActivity(&activity_);
  }
  ~MessageContext() { host_.SetActivity(outer_); }
  MessageContext(const MessageContext &) = delete;
  MessageContext &operator=(const MessageContext &) = delete;

private:
  UiHost &host_;
  UiHost::Activity activity_;
  const UiHost::Activity *outer_;
};

// The reasons the system gives for a file that cannot be read, or a file that
// cannot be written (probed in its folder); empty when none is found.
std::string ReadFailureReason(const std::string &path);
std::string WriteFailureReason(const std::string &path);

// Wait cursor and disabled main window for the length of a scope.
class WorkingScope {
public:
  explicit WorkingScope(Host &host) : host_(host) {
    host_.SetWaitCursor(true);
    host_.SetMainWindowEnabled(false);
  }
  ~WorkingScope() {
    host_.SetMainWindowEnabled(true);
    host_.SetWaitCursor(false);
  }
  WorkingScope(const WorkingScope &) = delete;
  WorkingScope &operator=(const WorkingScope &) = delete;

private:
  Host &host_;
};

} // namespace kv508::ui
