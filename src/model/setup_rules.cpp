#include "model/setup_rules.h"

#include "model/tables.h"

#include <algorithm>

namespace kv508 {

std::string StoreTypedStatusName(const std::string &typed) {
  const bool blank =
      std::all_of(typed.begin(), typed.end(), [](char c) { return c == ' ' || c == '\t'; });
  if (blank)
    return {};
  return typed.substr(0, kStatusNameMaxLength);
}

std::vector<PriorityChoice> PriorityChoices(const ChannelBank &bank) {
  const ChannelTableArray &table = ChannelTable();
  std::vector<PriorityChoice> choices;
  for (const ChannelRecord &record : bank) {
    if (record.Enable && record.Position < kPlanBankSize && table.Contains(record.Position))
      choices.push_back({table[record.Position].Label, record.Position});
  }
  return choices;
}

std::vector<PriorityChoice> ExpansionPriorityChoices(const ChannelBank &bank) {
  std::vector<PriorityChoice> choices;
  for (int n = bank.Lower(); n <= std::min(bank.Upper(), kExpansionPriorityLast); ++n) {
    if (bank[n].Enable)
      choices.push_back({"EXP" + std::to_string(n), kExpansionPriorityBase + n});
  }
  return choices;
}

std::string GroupCaption(const RadioData &data, int group) {
  if (group < 0 || group > 3)
    return {};
  std::string caption = group == 3 ? "EXP CH Group" : "Group" + std::to_string(group + 1);
  const std::string &name = data.ChannelGroups[static_cast<std::size_t>(group)].StatusName;
  if (!name.empty())
    caption += "[" + name + "]";
  return caption;
}

std::string BracketedStatusName(const RadioData &data, int group) {
  if (group < 0 || group > 3)
    return {};
  return "[" + data.ChannelGroups[static_cast<std::size_t>(group)].StatusName + "]";
}

} // namespace kv508
