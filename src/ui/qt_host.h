#pragma once

// The program's Host: message boxes, the event loop, real pauses and a
// monotonic clock.

#include "app/host.h"
#include <QCoreApplication>

#include <QElapsedTimer>

class QMessageBox;

namespace kv508::ui {

class QtHost : public Host {
  Q_DECLARE_TR_FUNCTIONS(QtHost)

public:
  QtHost();
  Answer Message(Icon icon, const std::string &title, const std::string &text,
                 Buttons buttons) override;
  // The last choice is the refusal: Escape and closing the box choose it, and
  // so does Enter.
  int Choose(Icon icon, const std::string &title, const std::string &text,
             const std::vector<std::string> &choices) override;
  void Yield() override;
  // Keeps the windows painted while it waits; input stays blocked.
  void Pause(int ms) override;
  // Paints the windows now (the screen just chosen, the wait cursor, a disabled
  // window) and returns without waiting the time out: at most one frame.
  void RepaintPause(int ms) override;
  std::int64_t NowMs() override;

private:
  // Shows the box modally over its parent, which is active again after it;
  // returns what exec() returns.
  static int Show(QMessageBox &box);

  QElapsedTimer clock_;
};

} // namespace kv508::ui
