#pragma once

// A snapshot of the data being edited as one compact byte string: every field
// of the settings exactly (texts byte for byte, frequencies bit for bit) and
// the whole image, so that decoding gives back what was encoded, even values
// no file or radio would take. The unsaved-edits journal keeps its data so.

#include "model/radio_data.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace kv508 {

struct Snapshot {
  std::time_t savedAt = 0; // wall-clock seconds
  std::int16_t modelVariant = 0;
  std::string filePath; // the file the data came from; empty for none
  RadioData data;
};

std::string EncodeSnapshot(const Snapshot &snapshot);
// Nothing for bytes that are not a whole, undamaged snapshot.
std::optional<Snapshot> DecodeSnapshot(std::string_view bytes);

} // namespace kv508
