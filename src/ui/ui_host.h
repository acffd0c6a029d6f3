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

  Answer Message(Icon icon, const std::string &title, const std::string &text,
                 Buttons buttons) override {
    return inner_.Message(icon, title, text, buttons);
  }
  void Yield() override { inner_.Yield(); }
  void Pause(int ms) override { inner_.Pause(ms); }
  std::int64_t NowMs() override { return inner_.NowMs(); }

  void SetWaitCursor(bool on) override;
  void SetMainWindowEnabled(bool enabled) override;
  void Monitor(const std::string &text) override;
  void Progress(int percent) override;
  // Shown on the transfer dialog's monitor line, under the failure's message box.
  void Reason(const std::string &text) override;

  void SetMainWindow(QWidget *window) { mainWindow_ = window; }
  struct TransferView {
    std::function<void(const std::string &)> monitor;
    std::function<void(int)> progress;
  };
  void SetTransferView(TransferView view) { view_ = std::move(view); }
  Host &inner() { return inner_; }

private:
  Host &inner_;
  QWidget *mainWindow_ = nullptr;
  TransferView view_;
  int waitDepth_ = 0;
};

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
