#include "image/default_image.h"

#include "image/decode.h"
#include "image/fields.h"
#include "image/layout.h"

#include <algorithm>
#include <string>

namespace kv508 {

namespace {

using namespace layout;

constexpr int kDefaultChannel = 30;
constexpr int kDefaultResumeTime = 3;
constexpr int kDefaultPriorityCh = 32;
constexpr std::uint8_t kDefaultAllShipsCall = 0x60;
constexpr std::uint8_t kDefaultGroupCall = 0x10;
constexpr std::uint8_t kDefaultIndividualCall = 0x10;
constexpr std::uint8_t kDefaultDscMenus = 0xFE;

void PutText(MemoryImage &image, int offset, const std::string &text) {
  std::copy(text.begin(), text.end(), image.begin() + offset);
}

void Fill(MemoryImage &image, int offset, int count, std::uint8_t value) {
  std::fill_n(image.begin() + offset, count, value);
}

void FillDefaultImage(MemoryImage &image) {
  image.fill(0xFF);
  image[kSpare2] = 0;
  image[kSpare3] = 0;
  image[kCurrentGroup] = 0;
  image[kCurrentMode] = kModeGroupChannel;
  Be16Write(image, kCurrentChannel, kDefaultChannel);
  Be16Write(image, kCurrentChannelCopy, kDefaultChannel);
  image[kCurrentWeather] = 0;
  image[kTxPoDisplay] = 0;
  image[kSpare41] = 0;
  image[kSpare47] = 0;
  image[kSpare48] = 0;
  image[kResumeTime] = kDefaultResumeTime;
  image[kSpare58] = 0;
  image[kSpare59] = 0;
  image[kSpare65] = 0xFF;
  for (int g = 0; g < kPlanGroupCount; ++g)
    Be16Write(image, PriorityCh(g), kDefaultPriorityCh);
  PutText(image, GroupSpareText(0), "RADIO");
  PutText(image, GroupSpareText(1), "RAM1");
  PutText(image, GroupSpareText(2), "RAM2");
  Fill(image, kUserMmsi, kBcdLength, 0xFF);
  image[kUserMmsiCount] = 0;
  Fill(image, kAtisCode, kBcdLength, 0xFF);
  image[kDscAllShipsCall] = kDefaultAllShipsCall;
  image[kDscGroupCall] = kDefaultGroupCall;
  image[kDscIndividualCall] = kDefaultIndividualCall;
  image[kDscMenuByte] = kDefaultDscMenus;
  Fill(image, kExpEnable, kExpBitmapBytes, 0);
  Fill(image, kExpScan, kExpBitmapBytes, 0);
  Be16Write(image, kModelIdHead, kModelId);
  Be16Write(image, kModelIdTail, kModelId);
}

} // namespace

void BuildDefaultImage(RadioData &data, int modelVariant) {
  if (HasDefaultImage(modelVariant))
    FillDefaultImage(data.Image);
  DecodeSettings(data);
}

bool ImageMatchesModel(const std::uint8_t *bytes, int modelVariant) {
  const int head = bytes[kModelIdHead] * 256 + bytes[kModelIdHead + 1];
  const int tail = bytes[kModelIdTail] * 256 + bytes[kModelIdTail + 1];
  return head == tail && HasDefaultImage(modelVariant) && head == kModelId;
}

} // namespace kv508
