#include "exchange/csv_export.h"

#include "exchange/csv_writer.h"
#include "exchange/text_encoding.h"
#include "model/tables.h"

namespace kv508 {

namespace {

void DirectoryRows(std::string &out, const Directory &directory, DirectoryKind kind) {
  for (int i = directory.Lower(); i <= directory.Upper(); ++i) {
    const DirectoryEntry &entry = directory[i];
    if (!entry.Enable)
      continue;
    out += CsvRecord({std::to_string(i), Utf8FromWindows1252(entry.TagName),
                      DirectoryMmsiText(kind, entry.Mmsid)});
  }
}

void Expansion(std::string &out, const ChannelBank &bank) {
  for (int n = bank.Lower(); n <= bank.Upper(); ++n) {
    const ChannelRecord &r = bank[n];
    out += CsvRecord({std::to_string(n), FlagText(r.Enable), Utf8FromWindows1252(DisplayText(r)),
                      MegahertzText(r.Rxfreq), MegahertzText(r.Txfreq),
                      Utf8FromWindows1252(r.ChTag), FlagText(r.LowPower), FlagText(r.PowUp),
                      FlagText(r.ScanMemory), BandwidthText(r.Narrow),
                      ToneText(r.Ctcss[0], r.Dcs[0]), ToneText(r.Ctcss[1], r.Dcs[1])});
  }
}

void PlanBanks(std::string &out, const RadioSettings &settings) {
  const ChannelTableArray &table = ChannelTable();
  const ChannelBank *banks[] = {&settings.CHUSA, &settings.CHINT, &settings.CHCAN};
  for (int g = 0; g < 3; ++g) {
    const ChannelBank &bank = *banks[g];
    for (int i = bank.Lower(); i <= bank.Upper(); ++i) {
      const ChannelRecord &r = bank[i];
      if (!table.Contains(i))
        continue;
      out += CsvRecord({PlanBankName(g), table[i].Label, FlagText(r.Enable),
                        Utf8FromWindows1252(r.ChTag), FlagText(r.LowPower), FlagText(r.PowUp),
                        FlagText(r.Duplex), FlagText(r.ScanMemory)});
    }
  }
}

} // namespace

std::string ExportCsv(const RadioSettings &settings, ExchangeKind kind) {
  std::string out = CsvRecord(ExchangeColumns(kind));
  switch (kind) {
  case ExchangeKind::Individual:
    DirectoryRows(out, settings.CHMMSID, DirectoryKind::MemoryId);
    break;
  case ExchangeKind::Group:
    DirectoryRows(out, settings.CHGRPID, DirectoryKind::GroupId);
    break;
  case ExchangeKind::Expansion:
    Expansion(out, settings.CHEXP);
    break;
  case ExchangeKind::Channels:
    PlanBanks(out, settings);
    break;
  }
  return out;
}

} // namespace kv508
