#pragma once

// The rules of the setup screens that do not depend on widgets: what a typed
// status name stores, which channels a priority list offers and the captions
// that carry a group's status name.

#include "model/radio_data.h"

#include <string>
#include <vector>

namespace kv508 {

constexpr std::size_t kStatusNameMaxLength = 4;

// Blank text stores the empty name, longer text its first four characters,
// anything else is stored as typed.
std::string StoreTypedStatusName(const std::string &typed);

struct PriorityChoice {
  std::string label; // the channel's label in ChannelTable
  int position;      // the record's Position, stored as PriorityCh
};

// The enabled records of a plan bank whose Position names a plan channel, in
// bank order.
std::vector<PriorityChoice> PriorityChoices(const ChannelBank &bank);
// The priority value of expansion channel n is 239 + n, which the report shows
// as "EXPn" for n up to 40. Expansion records carry no Position of their own.
constexpr int kExpansionPriorityBase = 239;
constexpr int kExpansionPriorityLast = 40;
// The enabled records 1 to 40 of the expansion bank, as "EXPn" with value 239 + n.
std::vector<PriorityChoice> ExpansionPriorityChoices(const ChannelBank &bank);

// "Group1".."Group3" or "EXP CH Group" for group 0..3, followed by
// "[" + StatusName + "]" when the group has a status name.
std::string GroupCaption(const RadioData &data, int group);

// "[" + StatusName + "]" of group 0..3, brackets even for an empty name.
std::string BracketedStatusName(const RadioData &data, int group);

} // namespace kv508
