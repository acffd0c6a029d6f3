#include "image/encode.h"

#include "image/fields.h"
#include "image/layout.h"

namespace kv508 {

namespace {

using namespace layout;

constexpr int kNoChannel = 0xFFFF;

// Channel numbers 240..303 stand for expansion channels. The radio's own
// numbering is not known, so number c is tested at position c - 239 of the CHEXP
// Enable bitmap (position 0 being record 1): 303 falls past the bitmap and is
// never valid, record 1 is never tested. The expansion group counts as usable
// when bit 0 of its usable byte is set. Plan channels 0..239 are exact.
constexpr int kFirstExpansionChannel = 240;
constexpr int kLastExpansionChannel = 303;
constexpr int kExpansionPositionBase = 239;

bool ChannelValid(const MemoryImage &image, int c, int g) {
  if (c >= 0 && c < kPlanRecordCount) {
    if (g < 0 || g >= kGroupCount)
      return false;
    const int bitmap = g < kPlanGroupCount ? kPlanEnable[g] : kExpEnable;
    return image[GroupUsable(g)] != 0 && BitmapBit(image, bitmap, c);
  }
  if (c >= kFirstExpansionChannel && c <= kLastExpansionChannel) {
    const int position = c - kExpansionPositionBase;
    if (position >= kExpRecordCount)
      return false;
    return BitRead(image, GroupUsable(kExpansionGroup), 0) &&
           BitmapBit(image, kExpEnable, position);
  }
  return false;
}

// Moves the current group off an unusable plan group, trying the next groups in turn.
int RepairCurrentGroup(const MemoryImage &image, int g) {
  auto usable = [&](int group) { return image[GroupUsable(group)] != 0; };
  if (g < 0 || g >= kPlanGroupCount || usable(g))
    return g;
  for (int step = 1; step < kPlanGroupCount; ++step) {
    const int other = (g + step) % kPlanGroupCount;
    if (usable(other))
      return other;
  }
  return g;
}

void RepairGroupChannel(RadioData &data) {
  MemoryImage &image = data.Image;
  const int g = RepairCurrentGroup(image, image[kCurrentGroup]);
  image[kCurrentGroup] = static_cast<std::uint8_t>(g);
  if (g < 0 || g >= kPlanGroupCount)
    return;
  int c = Be16Read(image, kCurrentChannel);
  if (!ChannelValid(image, c, g)) {
    c = FirstEnabledChannel(data.GroupBank(g));
    // The current group is always a plan group here, and its bank has no enabled
    // channel. Fall back to the record number (1..64) of the first enabled
    // expansion channel, written as it is into both copies; the group byte keeps
    // its repaired plan group, as the radio's own numbering is not known.
    if (c < 0)
      c = FirstEnabledChannel(data.CHEXP);
  }
  if (c < 0)
    return;
  Be16Write(image, kCurrentChannel, c);
  Be16Write(image, kCurrentChannelCopy, c);
}

void RepairWeatherChannel(RadioData &data) {
  MemoryImage &image = data.Image;
  int w = image[kCurrentWeather];
  if (w >= kWxRecordCount || !BitmapBit(image, kWxEnable, w))
    w = FirstEnabledChannel(data.CHWX);
  if (w < 0)
    return;
  image[kCurrentWeather] = static_cast<std::uint8_t>(w);
  Be16Write(image, kCurrentChannel, w);
}

void RepairGroupChannelLists(MemoryImage &image) {
  for (int g = 0; g < kPlanGroupCount; ++g) {
    for (int i = 0; i < kGroupChannelListEntries; ++i) {
      const int entry = GroupChannelList(g) + 2 * i;
      const int c = Be16Read(image, entry);
      if (c != kNoChannel && !ChannelValid(image, c, g))
        Be16Write(image, entry, -1);
    }
  }
}

} // namespace

void ImageSanitize(RadioData &data) {
  MemoryImage &image = data.Image;
  if (image[kCurrentMode] == kModeGroupChannel) {
    RepairGroupChannel(data);
  } else if (image[kCurrentMode] == kModeWeather) {
    RepairWeatherChannel(data);
  }
  RepairGroupChannelLists(image);
  const bool mmsiSet = data.DscBasic.UserMmsi.find_first_not_of(' ') != std::string::npos;
  image[kUserMmsiCount] = mmsiSet ? 1 : 0;
}

} // namespace kv508
