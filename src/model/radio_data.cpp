#include "model/radio_data.h"

#include <stdexcept>

namespace kv508 {

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

bool GroupIsEmpty(const RadioData &data, int group) {
  if (group < 0 || group > 3)
    return false;
  return FirstEnabledChannel(data.GroupBank(group)) == -1;
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

int CountMembers(const RadioData &data, const DirectoryEntry &entry) {
  if (entry.TagName.empty())
    return 0;
  int count = 0;
  for (int k = 1; k <= kMemoryIdCount; ++k) {
    // Both arrays may have been resized by a careless caller; count only what exists.
    if (!entry.Member.Contains(k) || !data.CHMMSID.Contains(k))
      continue;
    if (entry.Member[k] != 0 && !data.CHMMSID[k].Mmsid.empty())
      ++count;
  }
  return count;
}

void CopyChannel(const ChannelRecord &source, ChannelRecord &target) {
  target.Position = source.Position;
  target.Enable = source.Enable;
  target.LowPower = source.LowPower;
  target.PowUp = source.PowUp;
  target.Duplex = source.Duplex;
  target.DuplexAllowed = source.DuplexAllowed;
  target.TxEnable = source.TxEnable;
  target.DispayA = source.DispayA;
  target.ScanMemory = source.ScanMemory;
  target.ChTag = source.ChTag;
  target.Scramble = source.Scramble;
  target.RxOnly = source.RxOnly;
}

ChannelBank EnabledChannels(const ChannelBank &bank) {
  ChannelBank result(0, -1);
  for (const ChannelRecord &record : bank) {
    if (!record.Enable)
      continue;
    ChannelRecord copy;
    CopyChannel(record, copy);
    result.Append(copy);
  }
  return result;
}

} // namespace kv508
