#pragma once

// What the editor shows of the image itself: bytes that no setting carries.

#include "model/radio_data.h"

namespace kv508 {

// How often the radio's own MMSI may still be set, as the radio keeps it.
int UserMmsiCount(const RadioData &data);

} // namespace kv508
