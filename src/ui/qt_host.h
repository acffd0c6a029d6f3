#pragma once

// The program's Host: message boxes, the event loop, real pauses and a
// monotonic clock.

#include "app/host.h"

#include <QElapsedTimer>

namespace kv508::ui {

class QtHost : public Host {
public:
  QtHost();
  Answer Message(Icon icon, const std::string &title, const std::string &text,
                 Buttons buttons) override;
  void Yield() override;
  // Keeps the windows painted while it waits; input stays blocked.
  void Pause(int ms) override;
  // Paints the windows now (the screen just chosen, the wait cursor, a disabled
  // window) and returns without waiting the time out: at most one frame.
  void RepaintPause(int ms) override;
  std::int64_t NowMs() override;

private:
  QElapsedTimer clock_;
};

} // namespace kv508::ui
