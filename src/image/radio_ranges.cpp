#include "image/radio_ranges.h"

#include "image/decode.h"

namespace kv508 {

namespace {
constexpr int kWriteAllEnd = 20736;
}

bool ReadKeepsByte(int address) {
  return (address >= 2 && address <= 32) || (address >= 256 && address <= 415) ||
         (address >= 1792 && address <= 2047) || (address >= 20736 && address <= 32765);
}

bool ProgramWritesByte(int address) {
  return (address >= 33 && address <= 111) || (address >= 128 && address <= 255) ||
         (address >= 352 && address <= 1791) || (address >= 2048 && address < kWriteAllEnd);
}

MemoryImage ImageAfterRead(const MemoryImage &before, const MemoryImage &asRead) {
  MemoryImage image = before;
  for (int i = 0; i < kImageSize; ++i) {
    if (!ReadKeepsByte(i))
      image[static_cast<std::size_t>(i)] = asRead[static_cast<std::size_t>(i)];
  }
  return image;
}

void TakeImageAsRead(RadioData &data, const MemoryImage &asRead) {
  data.Image = ImageAfterRead(data.Image, asRead);
  DecodeImage(data);
}

} // namespace kv508
