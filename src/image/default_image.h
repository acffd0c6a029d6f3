#pragma once

#include "model/radio_data.h"

#include <cstdint>

namespace kv508 {

constexpr std::uint16_t kModelId = 2000;

// Models 1 and 11 have a default image.
inline bool HasDefaultImage(int modelVariant) { return modelVariant == 1 || modelVariant == 11; }

// Builds the default image into data.Image for models 1 and 11 (other models
// leave the image as it is), then DecodeSettings.
void BuildDefaultImage(RadioData &data, int modelVariant);

// The model test of image files, destination files and radio reads: the model
// identifier is 2000 at both ends and the model in use is 1 or 11.
bool ImageMatchesModel(const std::uint8_t *bytes, int modelVariant);
inline bool ImageMatchesModel(const MemoryImage &image, int modelVariant) {
  return ImageMatchesModel(image.data(), modelVariant);
}

} // namespace kv508
