#pragma once

#include "model/radio_data.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kv508 {

// A field whose value does not fit its place in the image.
struct EncodeError {
  std::string field; // e.g. "CHEXP 3 Rxfreq"
  std::string value; // the value as text
};

// "Data Error!!" CR LF field " = " value.
std::string EncodeErrorMessage(const EncodeError &error);

// Encodes RadioData into data.Image. The encoding runs on a scratch copy: on
// failure the image is left exactly as it was and the offending field is named.
// DisableEmptyGroups (model 1) and the clamped OffsetTime may still change RadioData.
std::optional<EncodeError> EncodeImage(RadioData &data, int modelVariant);

// Repairs the current group/channel/weather channel and the group channel lists
// so that they agree with the encoded channels, and sets the User MMSI count.
void ImageSanitize(RadioData &data);
// image[95] = sum of bytes 66..94 modulo 256.
void StoreImageChecksum(MemoryImage &image);
// image[427] = 1 when an ATIS code is present (radio writes only).
void StoreAtisFlag(MemoryImage &image);

// The outgoing sequence: EncodeImage, ImageSanitize, checksum, and for a radio
// write the ATIS flag. On failure the image is unchanged.
std::optional<EncodeError> PrepareOutgoingImage(RadioData &data, int modelVariant, bool radioWrite);

} // namespace kv508
