// Channel rows: a plan channel addressed by bank and label, an expansion
// channel by number. Columns the file leaves out keep their values; a value
// the editor would not accept is refused only where it changes something, so
// that any data reads back from its own export unchanged.

#include "exchange/import_kinds.h"

#include "exchange/text_encoding.h"
#include "image/layout.h"
#include "model/channel_rules.h"
#include "model/tables.h"

#include <map>
#include <utility>

namespace kv508 {

namespace {

using RecordText = std::string (*)(const ChannelRecord &);

struct ColumnText {
  const char *column;
  RecordText text;
};

std::string NameText(const ChannelRecord &r) { return Quoted(Utf8FromWindows1252(r.ChTag)); }
std::string MhzText(double f) {
  const std::string text = MegahertzText(f);
  return text.empty() ? "none" : text;
}

const std::vector<ColumnText> &PlanColumns() {
  static const std::vector<ColumnText> kColumns = {
      {"enabled", [](const ChannelRecord &r) { return FlagText(r.Enable); }},
      {"name", NameText},
      {"low_power", [](const ChannelRecord &r) { return FlagText(r.LowPower); }},
      {"power_up", [](const ChannelRecord &r) { return FlagText(r.PowUp); }},
      {"duplex", [](const ChannelRecord &r) { return FlagText(r.Duplex); }},
      {"scan", [](const ChannelRecord &r) { return FlagText(r.ScanMemory); }},
  };
  return kColumns;
}

const std::vector<ColumnText> &ExpansionColumns() {
  static const std::vector<ColumnText> kColumns = {
      {"enabled", [](const ChannelRecord &r) { return FlagText(r.Enable); }},
      {"display", [](const ChannelRecord &r) { return Quoted(DisplayText(r)); }},
      {"rx_mhz", [](const ChannelRecord &r) { return MhzText(r.Rxfreq); }},
      {"tx_mhz", [](const ChannelRecord &r) { return MhzText(r.Txfreq); }},
      {"name", NameText},
      {"low_power", [](const ChannelRecord &r) { return FlagText(r.LowPower); }},
      {"power_up", [](const ChannelRecord &r) { return FlagText(r.PowUp); }},
      {"scan", [](const ChannelRecord &r) { return FlagText(r.ScanMemory); }},
      {"bandwidth", [](const ChannelRecord &r) { return BandwidthText(r.Narrow); }},
      {"rx_tone", [](const ChannelRecord &r) { return ToneText(r.Ctcss[0], r.Dcs[0]); }},
      {"tx_tone", [](const ChannelRecord &r) { return ToneText(r.Ctcss[1], r.Dcs[1]); }},
  };
  return kColumns;
}

// Reads the columns of one row into a copy of the record; the first refusal stops it.
class RowReader {
public:
  RowReader(const ImportColumns &columns, const CsvRow &row, char separator,
            const ChannelRecord &before, PreviewRow &out)
      : record(before), columns_(columns), row_(row), separator_(separator), out_(out) {}

  void Flag(const std::string &column, bool ChannelRecord::*field) {
    if (Skip(column))
      return;
    Refuse(column, ReadFlag(columns_.Cell(row_, column), record.*field));
  }

  void Name() {
    if (Skip("name"))
      return;
    const std::string_view name = columns_.Cell(row_, "name");
    record.ChTag = StoredName(name, static_cast<std::size_t>(layout::kChTagLength));
    if (record.ChTag != name)
      out_.note = "name " + Quoted(name) + " is stored as " + Quoted(record.ChTag);
  }

  // A value that reads as the one stored keeps the stored double exactly.
  void Megahertz(const std::string &column, double ChannelRecord::*field) {
    if (Skip(column))
      return;
    const std::string_view text = columns_.Cell(row_, column);
    double value = 0.0;
    Refuse(column, ReadMegahertz(text, separator_, value));
    if (!why.empty() || MegahertzText(value) == MegahertzText(record.*field))
      return;
    Refuse(column, CheckExpansionMegahertz(text, value));
    record.*field = value;
  }

  void Tone(const std::string &column, std::size_t element) {
    if (Skip(column))
      return;
    Refuse(column, ReadTone(columns_.Cell(row_, column), separator_, record.Ctcss[element],
                            record.Dcs[element]));
  }

  void Bandwidth() {
    if (!Skip("bandwidth"))
      Refuse("bandwidth", ReadBandwidth(columns_.Cell(row_, "bandwidth"), record.Narrow));
  }

  void Display() {
    if (Skip("display"))
      return;
    const std::string_view display = columns_.Cell(row_, "display");
    if (display != DisplayText(record))
      Refuse("display", ReadDisplay(display, record.CHDisplayL, record.CHDisplayR));
  }

  // The readers' reasons begin with the value they refuse.
  void Refuse(const std::string &column, const std::string &reason) {
    if (why.empty() && !reason.empty())
      why = column + " " + reason;
  }

  ChannelRecord record;
  std::string why;

private:
  bool Skip(const std::string &column) const { return !why.empty() || !columns_.Has(column); }

  const ImportColumns &columns_;
  const CsvRow &row_;
  char separator_;
  PreviewRow &out_;
};

// The editor's cascade, whatever the channel's own switch says: a receive-only
// channel has no power choice, Power Up follows Low Power, only channels that
// may be duplex are, channel 70 stays out of the scan memory. Switching a flag
// off is always taken: the radio ignores it where the editor would not offer it.
std::string CheckCascade(const ChannelRecord &before, const ChannelRecord &after, ChannelMode mode,
                         const std::string &place) {
  ChannelRecord probe = after;
  probe.Enable = true;
  if (mode == ChannelMode::Expansion)
    probe.TxEnable = true; // hidden for expansion channels, so never in the way
  const ChannelEnables e = ChannelPanelEnables(probe, mode);
  const auto switchedOn = [&](bool ChannelRecord::*field) {
    return after.*field && !(before.*field);
  };
  if (switchedOn(&ChannelRecord::LowPower) && !e.lowPower)
    return "low_power cannot be set on " + place;
  if (switchedOn(&ChannelRecord::PowUp) && !e.powerUp)
    return e.lowPower ? "power_up needs low_power" : "power_up cannot be set on " + place;
  if (switchedOn(&ChannelRecord::Duplex) && !e.duplex)
    return place + " cannot be duplex";
  if (switchedOn(&ChannelRecord::ScanMemory) && !e.scanMemory)
    return "scan cannot be set on " + place;
  return {};
}

// Fills the row's state and changes and returns whether the record changed.
bool Conclude(PreviewRow &out, const std::vector<ColumnText> &texts, const ImportColumns &columns,
              const ChannelRecord &before, const ChannelRecord &after, std::string why) {
  for (const ColumnText &t : texts) {
    if (columns.Has(t.column))
      NoteChange(out, t.column, t.text(before), t.text(after));
  }
  if (!why.empty()) {
    out.state = RowState::Refused;
    out.note = std::move(why);
    out.changes.clear();
    return false;
  }
  if (out.changes.empty()) {
    out.state = RowState::Unchanged;
    return false;
  }
  out.state = !before.Enable && after.Enable ? RowState::Added : RowState::Changed;
  return true;
}

// Refuses a row whose channel an earlier row already set.
bool Duplicate(std::map<std::pair<int, int>, int> &lines, int group, int index, int line,
               PreviewRow &out) {
  const auto [at, added] = lines.emplace(std::make_pair(group, index), line);
  if (added)
    return false;
  out.state = RowState::Refused;
  out.note = out.place + " is also on line " + std::to_string(at->second);
  return true;
}

} // namespace

void PreviewPlanChannels(const CsvTable &table, const ImportColumns &columns,
                         const RadioSettings &settings, ImportPreview &preview) {
  const ChannelBank *banks[] = {&settings.CHUSA, &settings.CHINT, &settings.CHCAN};
  std::map<std::pair<int, int>, int> lines;
  for (const CsvRow &row : table.rows) {
    PreviewRow &out = preview.rows.emplace_back();
    out.line = row.line;
    const std::string_view bankText = columns.Cell(row, "bank");
    const std::string_view labelText = columns.Cell(row, "label");
    const std::optional<int> group = PlanBankNamed(bankText);
    const std::optional<int> slot = PlanSlotLabelled(labelText);
    if (!group || !slot || !banks[*group]->Contains(*slot)) {
      out.state = RowState::Refused;
      out.note = !group ? "bank " + Quoted(bankText) + " is not USA, INTL or CAN"
                        : "unknown channel label " + Quoted(labelText);
      continue;
    }
    const std::string label = ChannelTable()[*slot].Label;
    out.place = PlanBankName(*group) + " " + label;
    if (Duplicate(lines, *group, *slot, row.line, out))
      continue;
    const ChannelRecord &before = (*banks[*group])[*slot];
    RowReader reader(columns, row, table.separator, before, out);
    reader.Flag("enabled", &ChannelRecord::Enable);
    reader.Name();
    reader.Flag("low_power", &ChannelRecord::LowPower);
    reader.Flag("power_up", &ChannelRecord::PowUp);
    reader.Flag("duplex", &ChannelRecord::Duplex);
    reader.Flag("scan", &ChannelRecord::ScanMemory);
    if (reader.why.empty())
      reader.why = CheckCascade(before, reader.record, ChannelMode::Plan, "channel " + label);
    if (Conclude(out, PlanColumns(), columns, before, reader.record, reader.why))
      preview.channels.push_back({*group, *slot, reader.record});
  }
}

void PreviewExpansion(const CsvTable &table, const ImportColumns &columns,
                      const RadioSettings &settings, ImportPreview &preview) {
  const ChannelBank &bank = settings.CHEXP;
  std::map<std::pair<int, int>, int> lines;
  for (const CsvRow &row : table.rows) {
    PreviewRow &out = preview.rows.emplace_back();
    out.line = row.line;
    int number = 0;
    if (std::string why =
            ReadNumberUpTo("number", columns.Cell(row, "number"), bank.Upper(), number);
        !why.empty()) {
      out.state = RowState::Refused;
      out.note = why;
      continue;
    }
    out.place = "EXP " + std::to_string(number);
    if (Duplicate(lines, 3, number, row.line, out))
      continue;
    const ChannelRecord &before = bank[number];
    RowReader reader(columns, row, table.separator, before, out);
    reader.Flag("enabled", &ChannelRecord::Enable);
    reader.Display();
    reader.Megahertz("rx_mhz", &ChannelRecord::Rxfreq);
    reader.Megahertz("tx_mhz", &ChannelRecord::Txfreq);
    reader.Name();
    reader.Flag("low_power", &ChannelRecord::LowPower);
    reader.Flag("power_up", &ChannelRecord::PowUp);
    reader.Flag("scan", &ChannelRecord::ScanMemory);
    reader.Bandwidth();
    reader.Tone("rx_tone", 0);
    reader.Tone("tx_tone", 1);
    const ChannelRecord &after = reader.record;
    if (reader.why.empty())
      reader.why = CheckCascade(before, after, ChannelMode::Expansion, out.place);
    if (reader.why.empty() && after.Enable && after != before &&
        (after.CHDisplayL.size() < 2 || after.Rxfreq <= 0.0))
      reader.why = "an enabled channel needs a display of 2 characters and a receive frequency";
    if (Conclude(out, ExpansionColumns(), columns, before, after, reader.why))
      preview.channels.push_back({3, number, after});
  }
}

} // namespace kv508
