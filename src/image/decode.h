#pragma once

#include "model/radio_data.h"

namespace kv508 {

// Every byte pattern decodes; out-of-range contents stay as decoded.
void DecodeImage(RadioData &data);    // settings, plan banks, CHWX, directories, CHEXP
void DecodeSettings(RadioData &data); // groups, common, DSC, auto position, ATIS
void DecodeExpansionBank(RadioData &data);

} // namespace kv508
