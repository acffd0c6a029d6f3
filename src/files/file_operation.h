#pragma once

// The frame of every settings-file read and write: Busy set, the main window
// disabled and the wait cursor shown while it runs, a pause after the file closes.

#include "app/session.h"

namespace kv508 {

inline constexpr int kFileOperationPauseMs = 500;

inline void BeginFileOperation(Session &session) {
  session.state.Busy = true;
  session.host.SetWaitCursor(true);
  session.host.SetMainWindowEnabled(false);
}

inline void FinishFileOperation(Session &session) {
  session.host.RepaintPause(kFileOperationPauseMs);
  session.state.Busy = false;
  session.host.SetMainWindowEnabled(true);
  session.host.SetWaitCursor(false);
}

} // namespace kv508
