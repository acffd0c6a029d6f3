#include "model/radio_data.h"

#include <stdexcept>

namespace kv508 {

namespace {

bool GroupIsEmpty(const RadioData &data, int group) {
  if (group < 0 || group > 3)
    return false;
  return FirstEnabledChannel(data.GroupBank(group)) == -1;
}

} // namespace

ChannelBank &RadioData::GroupBank(int group) {
  return const_cast<ChannelBank &>(static_cast<const RadioData &>(*this).GroupBank(group));
}

const ChannelBank &RadioData::GroupBank(int group) const {
  switch (group) {
  case 0:
    return CHUSA;
  case 1:
    return CHINT;
  case 2:
    return CHCAN;
  case 3:
    return CHEXP;
  default:
    throw std::out_of_range("channel group outside 0..3");
  }
}

int FirstEnabledChannel(const ChannelBank &bank) {
  for (int i = bank.Lower(); i <= bank.Upper(); ++i) {
    if (bank[i].Enable)
      return i;
  }
  return -1;
}

void DisableEmptyGroups(RadioData &data) {
  for (int group = 0; group <= 3; ++group) {
    if (GroupIsEmpty(data, group))
      data.ChannelGroups[static_cast<std::size_t>(group)].Enable = false;
  }
}

void ClearDirectory(Directory &directory) {
  for (DirectoryEntry &entry : directory) {
    entry.Enable = false;
    entry.TagName.clear();
    entry.Mmsid.clear();
    for (std::int16_t &flag : entry.Member)
      flag = 0;
  }
}

} // namespace kv508
