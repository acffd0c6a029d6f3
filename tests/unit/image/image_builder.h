#pragma once

// Builders for memory images and radio data in image tests.

#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "model/radio_data.h"
#include "model/tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace kv508::testing {

using Bytes = std::vector<std::uint8_t>;

inline MemoryImage FilledImage(std::uint8_t value) {
  MemoryImage image;
  image.fill(value);
  return image;
}

inline void Put(MemoryImage &image, int offset, const Bytes &bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

inline Bytes Slice(const MemoryImage &image, int offset, int count) {
  return Bytes(image.begin() + offset, image.begin() + offset + count);
}

// RadioData is large; tests keep it on the heap.
inline std::unique_ptr<RadioData> DataWithImage(const MemoryImage &image) {
  auto data = std::make_unique<RadioData>();
  data->Image = image;
  return data;
}

// What NewData builds without an editor: plans, weather bank, default image.
inline std::unique_ptr<RadioData> DefaultData(int modelVariant) {
  auto data = std::make_unique<RadioData>();
  ApplyUsaPlan(*data);
  ApplyIntlPlan(*data);
  ApplyCanadaPlan(*data);
  BuildBankFromTable(data->CHWX, WxTable(), false);
  BuildDefaultImage(*data, modelVariant);
  DecodeExpansionBank(*data);
  EXPECT_FALSE(EncodeImage(*data, modelVariant).has_value());
  return data;
}

} // namespace kv508::testing
