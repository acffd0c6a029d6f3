#include "report/channel_grid_text.h"

#include "model/convert.h"
#include "model/tables.h"
#include "report/report_values.h"

namespace kv508 {

std::vector<int> EnabledRecords(const ChannelBank &bank) {
  std::vector<int> rows;
  for (int i = bank.Lower(); i <= bank.Upper(); ++i) {
    if (bank[i].Enable)
      rows.push_back(i);
  }
  return rows;
}

std::string GroupGridCell(const ChannelRecord &r, int column) {
  switch (column) {
  case 0:
    return ChannelLabel(r.Position);
  case 1:
    return BankRxText(r);
  case 2:
    return BankTxText(r);
  case 3:
    return TxFlagText(r.TxEnable);
  case 4:
    return LowPowerText(r.LowPower);
  case 5:
    return PowUpText(r.PowUp);
  case 6:
    return DuplexText(r.Duplex);
  case 7:
    return ScanMemoryText(r.ScanMemory);
  case 8:
    return r.ChTag;
  default:
    return {};
  }
}

std::string ExpGridCell(int number, const ChannelRecord &r, int column) {
  switch (column) {
  case 0:
    return std::to_string(number);
  case 1:
    return r.Enable ? "[Enable]" : "";
  case 2:
    return r.CHDisplayL + r.CHDisplayR;
  case 3:
    return FormatFreq4(r.Rxfreq);
  case 4:
    return FormatFreq4(r.Txfreq);
  case 5:
    return LowPowerText(r.LowPower);
  case 6:
    return PowUpText(r.PowUp);
  case 7:
    return ScanMemoryText(r.ScanMemory);
  case 8:
    return r.ChTag;
  default:
    return {};
  }
}

std::string WxChannelLabel(int record) {
  const ChannelTableArray &table = WxTable();
  return table.Contains(record + 1) ? table[record + 1].Label : std::string();
}

} // namespace kv508
