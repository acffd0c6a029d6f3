#pragma once

// The memory of a radio that has been in use: the application's default
// settings as the program would write them, plus a few of an owner's own (a
// User MMSI, named expansion channels, directory entries, status names), so
// that a first read or report shows what a real radio would.

#include "model/radio_data.h"

namespace kv508::sim {

MemoryImage DemoRadioMemory();

} // namespace kv508::sim
