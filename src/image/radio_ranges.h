#pragma once

// Which bytes of the memory image a radio read takes and Program to Radio
// sends, and the image a read leaves behind.

#include "model/radio_data.h"

namespace kv508 {

// The bytes a radio read leaves as they were: 2-32, 256-415, 1792-2047, 20736-32765.
bool ReadKeepsByte(int address);
// The bytes Program to Radio sends: 33-111, 128-255, 352-1791, 2048-20735.
bool ProgramWritesByte(int address);

// The image a read of `asRead` leaves when `before` was the image: the radio's
// bytes but those a read keeps.
MemoryImage ImageAfterRead(const MemoryImage &before, const MemoryImage &asRead);
// The data as a read of `asRead` leaves them: the image after the read, decoded.
void TakeImageAsRead(RadioData &data, const MemoryImage &asRead);

} // namespace kv508
