#pragma once

// Built-in knowledge of the marine VHF band: the channel table, the weather
// table, the three default channel plans and the CTCSS/DCS choice lists.

#include "model/radio_data.h"

#include <string>
#include <vector>

namespace kv508 {

struct ChannelTableEntry {
  bool InUse = false;
  std::string Label;
  double TxFreq = 0.0;
  double RxFreq = 0.0;
  double RxDupFreq = 0.0;
  bool DuplexAllowed = false;
  bool LowPower = false;
  std::string Tag;
};

using ChannelTableArray = BoundedArray<ChannelTableEntry>; // ChannelTable 0..239, WxTable 1..10

// Built once per process on first use; read-only afterwards.
const ChannelTableArray &ChannelTable();
const ChannelTableArray &WxTable();

void ApplyUsaPlan(RadioData &data);
void ApplyIntlPlan(RadioData &data);
void ApplyCanadaPlan(RadioData &data);
void BuildBankFromTable(ChannelBank &bank, const ChannelTableArray &table, bool noDuplex);

// Index of the first ChannelTable entry whose label equals text (case-sensitive),
// as decimal text; empty when none matches.
std::string FindChannelByLabel(const std::string &text);

void BuildCtcssList(std::vector<std::string> &list);
void BuildDcsList(std::vector<std::string> &list);

} // namespace kv508
