#pragma once

#include "app/app_state.h"

namespace kv508 {

// Sets Busy for the lifetime of the scope and then restores the value it had,
// so an operation nested in another (a destination load inside NewData, NewData
// inside a file read) does not end the outer busy period early.
class BusyScope {
public:
  explicit BusyScope(AppState &state) : state_(state), previous_(state.Busy) { state.Busy = true; }
  ~BusyScope() { state_.Busy = previous_; }
  BusyScope(const BusyScope &) = delete;
  BusyScope &operator=(const BusyScope &) = delete;

private:
  AppState &state_;
  bool previous_;
};

} // namespace kv508
