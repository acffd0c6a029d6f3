#include "model/tables.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kv508 {

namespace {

// Which of the three plans a channel slot belongs to, with its tag and marks
// ("L" low power, "D" duplex, "R" receive only). A null tag: not in that plan.
struct PlanCell {
  const char *tag;
  const char *marks;
};

struct PlanRow {
  int index;
  PlanCell usa;
  PlanCell intl;
  PlanCell canada;
};

constexpr PlanCell kNone{nullptr, ""};

constexpr std::array kPlanRows{
    PlanRow{2, kNone, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{3, {"VTS", ""}, kNone, kNone},
    PlanRow{4, kNone, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{6, kNone, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{8, kNone, {"INTL", "D"}, kNone},
    PlanRow{9, kNone, kNone, {"CCG", ""}},
    PlanRow{10, kNone, {"INTL", "D"}, kNone},
    PlanRow{11, {"VTS", ""}, kNone, {"VTS", ""}},
    PlanRow{12, {"SAFTY", ""}, {"SAFTY", ""}, {"SAFETY", ""}},
    PlanRow{14, kNone, {"INTL", "D"}, kNone},
    PlanRow{15, {"COMMERCIAL", ""}, kNone, {"COMMERCIAL", ""}},
    PlanRow{16, {"COMMERCIAL", ""}, {"COMMERCIAL", ""}, {"COMMERCIAL", ""}},
    PlanRow{18, {"CALLING", ""}, {"CALLING", ""}, {"CALLING", ""}},
    PlanRow{20, {"COMMERCIAL", ""}, {"COMMERCIAL", ""}, {"COMMERCIAL", ""}},
    PlanRow{22, {"VTS", ""}, {"VTS", ""}, {"VTS", ""}},
    PlanRow{24, {"VTS", ""}, {"VTS", ""}, {"VTS", ""}},
    PlanRow{26, {"BRG/BRG", "L"}, {"BRG/BRG", ""}, {"BRG/BRG", "L"}},
    PlanRow{28, {"VTS", ""}, {"VTS", ""}, {"VTS", ""}},
    PlanRow{30, {"COMMERCIAL", "R"}, {"COMMERCIAL", "L"}, {"COMMERCIAL", "L"}},
    PlanRow{32, {"DISTRESS", ""}, {"DISTRESS", ""}, {"DISTRESS", ""}},
    PlanRow{34, {"SAR", "L"}, {"SAR", "L"}, {"SAR", "L"}},
    PlanRow{36, kNone, {"INTL", "D"}, kNone},
    PlanRow{37, {"COMMERCIAL", ""}, kNone, {"COMMERCIAL", ""}},
    PlanRow{38, kNone, {"INTL", "D"}, kNone},
    PlanRow{39, {"COMMERCIAL", ""}, kNone, {"COMMERCIAL", ""}},
    PlanRow{40, {"PORT OPR", "D"}, {"PORT OPR", "D"}, {"PORT OPR", "LD"}},
    PlanRow{41, {"PORT OPR", ""}, kNone, kNone},
    PlanRow{42, kNone, {"INTL", "D"}, kNone},
    PlanRow{43, {"CCG", ""}, kNone, {"CCG", ""}},
    PlanRow{44, kNone, {"INTL", "D"}, kNone},
    PlanRow{45, {"USCG", ""}, kNone, {"USCG", ""}},
    PlanRow{46, kNone, {"INTL", "D"}, {"INTL", "D"}},
    PlanRow{47, {"USCG", ""}, kNone, kNone},
    PlanRow{48, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{50, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{52, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{54, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{56, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{120, kNone, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{122, kNone, {"INTL", "D"}, kNone},
    PlanRow{123, kNone, kNone, {"CCG", ""}},
    PlanRow{124, kNone, {"INTL", "D"}, kNone},
    PlanRow{125, kNone, kNone, {"CCG", ""}},
    PlanRow{126, kNone, {"INTL", "D"}, kNone},
    PlanRow{127, {"VTS", ""}, kNone, {"SHIP-SHIP", ""}},
    PlanRow{128, kNone, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{129, kNone, kNone, {"COMMERCIAL", ""}},
    PlanRow{130, kNone, {"INTL", "D"}, kNone},
    PlanRow{131, {"PORT OPR", ""}, kNone, {"PORT OPR", ""}},
    PlanRow{132, kNone, {"INTL", "D"}, kNone},
    PlanRow{133, {"PORT OPR", ""}, kNone, {"PORT OPR", "L"}},
    PlanRow{134, {"BRG/BRG", "L"}, {"BRG/BRG", ""}, {"BRG/BRG", ""}},
    PlanRow{136, {"SHIP-SHIP", ""}, {"SHIP-SHIP", ""}, {"SHIP-SHIP", ""}},
    PlanRow{138, {"PLEASURE", ""}, {"PLEASURE", ""}, {"PLEASURE", ""}},
    PlanRow{140, {"DSC", "R"}, {"DSC", "R"}, {"DSC", "R"}},
    PlanRow{142, {"PLEASURE", ""}, {"PLEASURE", ""}, {"PLEASURE", ""}},
    PlanRow{144, {"SHIP-SHIP", ""}, {"SHIP-SHIP", ""}, {"SHIP-SHIP", ""}},
    PlanRow{146, {"PORT OPR", ""}, {"PORT OPR", ""}, {"PORT OPR", ""}},
    PlanRow{148, {"PORT OPR", ""}, {"PORT OPR", ""}, {"PORT OPR", ""}},
    PlanRow{150, {"PORT OPR", "L"}, {"PORT OPR", "L"}, {"PORT OPR", "L"}},
    PlanRow{152, {"PORT OPR", "L"}, {"PORT OPR", "L"}, {"PORT OPR", "L"}},
    PlanRow{154, {"PORT OPR", "L"}, {"PORT OPR", ""}, {"PORT OPR", "L"}},
    PlanRow{156, kNone, {"INTL", "D"}, kNone},
    PlanRow{157, {"SHIP-SHIP", ""}, kNone, {"SHIP-SHIP", ""}},
    PlanRow{158, kNone, {"INTL", "D"}, kNone},
    PlanRow{159, {"SHIP-SHIP", ""}, kNone, {"SHIP-SHIP", ""}},
    PlanRow{160, kNone, {"INTL", "D"}, kNone},
    PlanRow{161, {"SHIP-SHIP", ""}, kNone, {"SHIP-SHIP", ""}},
    PlanRow{162, kNone, {"INTL", "D"}, kNone},
    PlanRow{163, {"CCG", ""}, kNone, {"CCG", ""}},
    PlanRow{164, kNone, {"INTL", "D"}, kNone},
    PlanRow{165, {"CCG", ""}, kNone, {"CCG", ""}},
    PlanRow{166, kNone, {"INTL", "D"}, {"CCG", "D"}},
    PlanRow{167, {"USCG", ""}, kNone, {"CCG", ""}},
    PlanRow{168, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{170, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{172, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}, {"TELEPHONE", "D"}},
    PlanRow{174, kNone, {"PORT OPR", ""}, {"PORT OPR", ""}},
    PlanRow{175, {"COMMERCIAL", ""}, kNone, kNone},
    PlanRow{176, kNone, {"PORT OPR", ""}, {"PORT OPR", ""}},
    PlanRow{177, {"COMMERCIAL", ""}, kNone, kNone},
};

struct WxRow {
  const char *label;
  double freq;
  const char *tag;
};

constexpr std::array<WxRow, 10> kWxRows{{
    {"WX01[162.550MHz]", 162.550, "162.550MHZ"},
    {"WX02[162.400MHz]", 162.400, "162.400MHZ"},
    {"WX03[162.475MHz]", 162.475, "162.475MHZ"},
    {"WX04[162.425MHz]", 162.425, "162.425MHZ"},
    {"WX05[162.450MHz]", 162.450, "162.450MHZ"},
    {"WX06[162.500MHz]", 162.500, "162.500MHZ"},
    {"WX07[162.525MHz]", 162.525, "162.525MHZ"},
    {"WX08[161.650MHz]", 161.650, "161.650MHZ"},
    {"WX09[161.775MHz]", 161.775, "161.775MHZ"},
    {"WX10[163.275MHz]", 163.275, "163.275MHZ"},
}};

constexpr std::array<const char *, 50> kCtcssTones{
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",
    "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz",
    "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz",
    "151.4Hz", "156.7Hz", "159.8Hz", "162.2Hz", "165.5Hz", "167.9Hz", "171.3Hz", "173.8Hz",
    "177.3Hz", "179.9Hz", "183.5Hz", "186.2Hz", "189.9Hz", "192.8Hz", "196.6Hz", "199.5Hz",
    "203.5Hz", "206.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "229.1Hz", "233.6Hz", "241.8Hz",
    "250.3Hz", "254.1Hz"};

constexpr std::array<const char *, 104> kDcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

void SetPlanChannel(ChannelBank &bank, int position, bool rxOnly, bool duplex, bool lowPower,
                    const std::string &tag) {
  ChannelRecord &record = bank[position];
  record.RxOnly = rxOnly;
  if (rxOnly)
    record.DuplexAllowed = false;
  record.TxEnable = !rxOnly;
  record.ChTag = tag;
  record.Enable = true;
  record.Duplex = duplex;
  record.LowPower = lowPower;
}

void BuildWxTable(ChannelTableArray &table) {
  table.Reset(1, static_cast<int>(kWxRows.size()));
  for (int n = 1; n <= table.Upper(); ++n) {
    const WxRow &row = kWxRows[static_cast<std::size_t>(n - 1)];
    ChannelTableEntry &entry = table[n];
    entry.InUse = true;
    entry.Label = row.label;
    entry.TxFreq = 0.0;
    entry.RxFreq = row.freq;
    entry.RxDupFreq = row.freq;
    entry.DuplexAllowed = true;
    entry.LowPower = false;
    entry.Tag = row.tag;
  }
}

void ResetBank(ChannelBank &bank) {
  const ChannelTableArray &table = ChannelTable();
  bank.Reset(0, kPlanBankSize - 1);
  for (int i = 0; i < kPlanBankSize; ++i) {
    ChannelRecord &record = bank[i];
    record.Position = static_cast<std::int16_t>(i);
    record.Enable = false;
    record.DuplexAllowed = table[i].DuplexAllowed;
    record.RxOnly = false;
    record.TxEnable = true;
  }
}

void BuildChannelTable(ChannelTableArray &table) {
  table.Reset(0, kPlanBankSize - 1);
  // Channels 00-59 start at 156.000, 60-119 at 156.025; the running sum (not
  // a product) gives the exact doubles the stored images were made from.
  double f = 156.0;
  for (int i = 0; i < kPlanBankSize; i += 2) {
    if (i == 120)
      f = 156.025;
    char label[16];
    std::snprintf(label, sizeof label, "%02d", i / 2);

    ChannelTableEntry &plain = table[i];
    plain.Label = label;
    plain.TxFreq = f;
    plain.RxFreq = f;
    plain.RxDupFreq = f + 4.6;
    plain.DuplexAllowed = true;

    ChannelTableEntry &variant = table[i + 1];
    variant.Label = std::string(label) + "A";
    variant.TxFreq = f;
    variant.RxFreq = f;
    variant.RxDupFreq = 0.0;
    variant.DuplexAllowed = false;

    f = f + 0.05;
  }
}
bool HasMark(const PlanCell &cell, char mark) {
  for (const char *p = cell.marks; *p != '\0'; ++p) {
    if (*p == mark)
      return true;
  }
  return false;
}

void ApplyPlan(ChannelBank &bank, PlanCell PlanRow::*plan) {
  ResetBank(bank);
  for (const PlanRow &row : kPlanRows) {
    const PlanCell &cell = row.*plan;
    if (cell.tag == nullptr)
      continue;
    SetPlanChannel(bank, row.index, HasMark(cell, 'R'), HasMark(cell, 'D'), HasMark(cell, 'L'),
                   cell.tag);
  }
}

} // namespace

const ChannelTableArray &ChannelTable() {
  static const ChannelTableArray table = [] {
    ChannelTableArray t;
    BuildChannelTable(t);
    return t;
  }();
  return table;
}

const ChannelTableArray &WxTable() {
  static const ChannelTableArray table = [] {
    ChannelTableArray t;
    BuildWxTable(t);
    return t;
  }();
  return table;
}

void ApplyUsaPlan(RadioData &data) { ApplyPlan(data.CHUSA, &PlanRow::usa); }
void ApplyIntlPlan(RadioData &data) { ApplyPlan(data.CHINT, &PlanRow::intl); }
void ApplyCanadaPlan(RadioData &data) { ApplyPlan(data.CHCAN, &PlanRow::canada); }

void BuildBankFromTable(ChannelBank &bank, const ChannelTableArray &table, bool noDuplex) {
  bank.Reset(0, -1);
  for (int n = std::max(1, table.Lower()); n <= table.Upper(); ++n) {
    const ChannelTableEntry &entry = table[n];
    if (!entry.InUse)
      continue;
    ChannelRecord record;
    record.Position = static_cast<std::int16_t>(n);
    record.Enable = true;
    record.LowPower = entry.LowPower;
    record.PowUp = false;
    record.DuplexAllowed = entry.DuplexAllowed && !noDuplex;
    record.Duplex = entry.DuplexAllowed;
    record.TxEnable = entry.TxFreq > 0.0;
    record.DispayA = !entry.Label.empty() && entry.Label.back() == 'A';
    record.ScanMemory = false;
    record.ChTag = entry.Tag;
    bank.Append(record);
  }
  // An empty table still leaves the single cleared record the bank starts with.
  if (bank.Empty())
    bank.Reset(0, 0);
}

std::string FindChannelByLabel(const std::string &text) {
  const ChannelTableArray &table = ChannelTable();
  for (int i = table.Lower(); i <= table.Upper(); ++i) {
    if (table[i].Label == text)
      return std::to_string(i);
  }
  return {};
}

void BuildCtcssList(std::vector<std::string> &list) {
  list.assign(1, "Off");
  list.insert(list.end(), kCtcssTones.begin(), kCtcssTones.end());
}

void BuildDcsList(std::vector<std::string> &list) {
  list.assign(1, "Off");
  list.insert(list.end(), kDcsCodes.begin(), kDcsCodes.end());
}

} // namespace kv508
