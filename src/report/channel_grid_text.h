#pragma once

// The cell texts of the channel lists on screen (group grid, expansion grid)
// and the weather channel labels, made with the report's own value texts so a
// channel reads the same on screen and on paper.

#include "model/radio_data.h"

#include <string>
#include <vector>

namespace kv508 {

constexpr int kGroupGridColumns = 9;
constexpr int kExpGridColumns = 9;

// The indexes of a bank's enabled records, in bank order: the group grid's rows.
std::vector<int> EnabledRecords(const ChannelBank &bank);

// "CH", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "DUP", "MEM", "CH Name";
// empty outside the columns.
std::string GroupGridCell(const ChannelRecord &record, int column);
// "CH", "ENABLE", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM", "CH Name"
// of expansion channel number; empty outside the columns.
std::string ExpGridCell(int number, const ChannelRecord &record, int column);

// CHWX record 0..9 is weather channel WX1..WX10; empty for other records.
std::string WxChannelLabel(int record);

} // namespace kv508
