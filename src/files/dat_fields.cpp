#include "files/dat_fields.h"

#include "model/dsc_calls.h"

#include <array>
#include <string>

namespace kv508 {

namespace {

using F = DatFormat;
using S = DatShow;

std::string Index(int k) { return "[" + std::to_string(k) + "]"; }

std::vector<DatField> GroupFields() {
  static const char *const kKeys[] = {"Group1", "Group2", "Group3", "Exp CH"};
  static const char *const kNames[] = {"Group1", "Group2", "Group3", "ExpCH"};
  auto item = [](int g) { return std::string("ChannelGroups ") + kNames[g] + " "; };
  std::vector<DatField> f;
  for (int g = 0; g < 4; ++g)
    f.push_back({kKeys[g], F::Flag, S::OnOff, item(g) + "Enable",
                 [g](RadioData &d) -> DatRef { return &d.ChannelGroups[g].Enable; }});
  for (int g = 0; g < 4; ++g)
    f.push_back({"Priority CH " + std::to_string(g), F::Priority, S::PriorityCh,
                 item(g) + "PriorityCh",
                 [g](RadioData &d) -> DatRef { return &d.ChannelGroups[g].PriorityCh; }});
  for (int g = 0; g < 4; ++g)
    f.push_back({"Status name " + std::to_string(g), F::Text, S::Text, item(g) + "StatusName",
                 [g](RadioData &d) -> DatRef { return &d.ChannelGroups[g].StatusName; }});
  for (int k = 0; k < 3; ++k)
    f.push_back({"Exp Ch Group " + std::to_string(k), F::Truth, S::OnOff,
                 item(3) + "ExpChGroup" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.ChannelGroups[3].ExpChGroup[k]; }});
  return f;
}

std::vector<DatField> CommonFields() {
  struct Key {
    const char *key;
    F format;
    S show;
    const char *name;
    DatRef (*field)(CommonSetup &);
  };
  static const Key kKeys[] = {
      {"TX Po Display", F::Int16, S::TxPoDisplay, "TxPoDisplay",
       [](CommonSetup &c) -> DatRef { return &c.TxPoDisplay; }},
      {"SCAN", F::Flag, S::OnOff, "Scan", [](CommonSetup &c) -> DatRef { return &c.Scan; }},
      {"Resume Time", F::Int16, S::ResumeTime, "ResumeTime",
       [](CommonSetup &c) -> DatRef { return &c.ResumeTime; }},
      {"PTT SCAN Clear", F::Flag, S::OnOff, "PttScanClear",
       [](CommonSetup &c) -> DatRef { return &c.PttScanClear; }},
      {"Dual Watch", F::Flag, S::OnOff, "DualWatch",
       [](CommonSetup &c) -> DatRef { return &c.DualWatch; }},
      {"Offset Time", F::Int16, S::OffsetTime, "OffsetTime",
       [](CommonSetup &c) -> DatRef { return &c.OffsetTime; }},
      {"Time Display", F::Flag, S::TimeDisplay, "TimeDisplay",
       [](CommonSetup &c) -> DatRef { return &c.TimeDisplay; }},
      {"Format", F::Flag, S::TimeFormat, "Format",
       [](CommonSetup &c) -> DatRef { return &c.Format; }},
      {"Weater", F::Int16, S::WeatherAlert, "Weater",
       [](CommonSetup &c) -> DatRef { return &c.Weater; }},
      {"SOG", F::Int16, S::Sog, "Sog", [](CommonSetup &c) -> DatRef { return &c.Sog; }},
      {"Distance", F::Int16, S::Distance, "Distance",
       [](CommonSetup &c) -> DatRef { return &c.Distance; }},
  };
  std::vector<DatField> f;
  for (const Key &k : kKeys)
    f.push_back({k.key, k.format, k.show, std::string("Common ") + k.name,
                 [field = k.field](RadioData &d) { return field(d.Common); }});
  return f;
}

std::vector<DatField> DscBasicFields() {
  const std::string p = "DscBasic ";
  std::vector<DatField> f;
  // The fourth DSC group flag is not a setting of the file.
  for (int k = 0; k < 3; ++k)
    f.push_back({"Group" + std::to_string(k + 1), F::Flag, S::OnOff, p + "DscGroup" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.DscBasic.DscGroup[k]; }});
  f.push_back({"User MMSI", F::Marked, S::Text, p + "UserMmsi",
               [](RadioData &d) -> DatRef { return &d.DscBasic.UserMmsi; }});
  for (int k = 0; k < 4; ++k) {
    f.push_back({"PosRequest" + std::to_string(k), F::Flag, S::OnOff, p + "PosRequest" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.DscBasic.PosRequest[k]; }});
    f.push_back({"PosRequestTX" + std::to_string(k), F::Flag, S::LowHi,
                 p + "PosRequestTx" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.DscBasic.PosRequestTx[k]; }});
  }
  for (int k = 0; k < 8; ++k)
    f.push_back({"BeepOut" + std::to_string(k), F::Flag, S::OnOff, p + "BeepOut" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.DscBasic.BeepOut[k]; }});
  return f;
}

std::vector<DatField> DscAdvancedFields() {
  std::vector<DatField> f;
  for (const DscCallKind &kind : kDscCallKinds) {
    const std::string name = std::string("DscAdvanced ") + kind.fieldName;
    for (int k = 0; k < 4; ++k) {
      f.push_back({kind.datKey + std::to_string(k), F::Flag, S::OnOff, name + Index(k),
                   [on = kind.on, k](RadioData &d) -> DatRef { return &(d.DscAdvanced.*on)[k]; }});
      f.push_back({kind.datKey + std::string("TX") + std::to_string(k), F::Flag, S::LowHi,
                   name + "Tx" + Index(k),
                   [tx = kind.tx, k](RadioData &d) -> DatRef { return &(d.DscAdvanced.*tx)[k]; }});
    }
  }
  return f;
}

std::vector<DatField> DscDisplayFields() {
  struct Menu {
    const char *key;
    const char *name;
    int element;
  };
  static const Menu kMenus[] = {
      {"Individual ACK Menu", "IndividualAckMenu", IndividualAckMenu},
      {"Individual ACK Message Menu", "IndividualAckMessageMenu", IndividualAckMessageMenu},
      {"POS Request ACK Menu", "PosRequestAckMenu", PosRequestAckMenu},
  };
  std::vector<DatField> f;
  for (const Menu &m : kMenus)
    f.push_back({m.key, F::Flag, S::OnOff, std::string("DscDisplay ") + m.name,
                 [k = m.element](RadioData &d) -> DatRef { return &d.DscDisplay[k]; }});
  return f;
}

std::vector<DatField> AtisFields() {
  std::vector<DatField> f;
  for (int k = 0; k < 4; ++k)
    f.push_back({"Usable ATIS CH Group" + std::to_string(k), F::Flag, S::OnOff,
                 "Atis UsableAtisChGroup" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.Atis.UsableAtisChGroup[k]; }});
  f.push_back({"Atis Code", F::Marked, S::Text, "Atis AtisCode",
               [](RadioData &d) -> DatRef { return &d.Atis.AtisCode; }});
  for (int k = 0; k < 4; ++k)
    f.push_back({"Usable ATIS Kikker CH Group" + std::to_string(k), F::Flag, S::OnOff,
                 "Atis UsableAtisKikkerChGroup" + Index(k),
                 [k](RadioData &d) -> DatRef { return &d.Atis.UsableAtisKikkerChGroup[k]; }});
  return f;
}

using C = ChannelRecord;

} // namespace

const std::vector<DatSettingsSection> &DatSettingsSections() {
  static const std::vector<DatSettingsSection> kSections = {
      {"Usable CH Group Setup", false, GroupFields()},
      {"Common Setup", false, CommonFields()},
      {"DSC Setup (Basic Setup)", false, DscBasicFields()},
      {"DSC Setup (Advanced Setup)", false, DscAdvancedFields()},
      {"DSC Setup (Display Setup)", false, DscDisplayFields()},
      {"ATIS Setup (Common)", true, AtisFields()},
  };
  return kSections;
}

const std::vector<ChannelField> &DatPlanRecordFields() {
  static const std::vector<ChannelField> kFields = {
      {kDatPositionKey, F::Int16, S::Number, "Position", &C::Position},
      {"Enable", F::Flag, S::OnOff, "Enable", &C::Enable},
      {"LowPower", F::Flag, S::OnOff, "LowPower", &C::LowPower},
      {"PowUp", F::Flag, S::OnOff, "PowUp", &C::PowUp},
      {"Duplex", F::Flag, S::OnOff, "Duplex", &C::Duplex},
      {"TxEnable", F::Flag, S::OnOff, "TxEnable", &C::TxEnable},
      {"DispayA", F::Flag, S::OnOff, "DispayA", &C::DispayA},
      {"ScanMemory", F::Flag, S::OnOff, "ScanMemory", &C::ScanMemory},
      {"Scramble", F::Int16, S::Scramble, "Scramble", &C::Scramble, true},
      {"ChTag", F::Marked, S::Text, "ChTag", &C::ChTag},
  };
  return kFields;
}

const std::vector<ChannelField> &DatWeatherRecordFields() {
  static const std::vector<ChannelField> kFields = {
      {"Enable", F::Flag, S::OnOff, "Enable", &C::Enable},
      {"ScanMemory", F::Flag, S::OnOff, "ScanMemory", &C::ScanMemory},
      {"ChTag", F::Marked, S::Text, "ChTag", &C::ChTag},
  };
  return kFields;
}

const std::vector<ChannelField> &DatExpansionRecordFields() {
  static const std::vector<ChannelField> kFields = {
      {"Enable", F::Flag, S::OnOff, "Enable", &C::Enable},
      {"CHDisplayL", F::Text, S::Text, "CHDisplayL", &C::CHDisplayL},
      {"CHDisplayR", F::Text, S::Text, "CHDisplayR", &C::CHDisplayR},
      {"Rxfreq", F::Frequency, S::Frequency, "Rxfreq", &C::Rxfreq},
      {"Txfreq", F::Frequency, S::Frequency, "Txfreq", &C::Txfreq},
      {"LowPower", F::Flag, S::OnOff, "LowPower", &C::LowPower},
      {"PowUp", F::Flag, S::OnOff, "PowUp", &C::PowUp},
      {"ScanMemory", F::Flag, S::OnOff, "ScanMemory", &C::ScanMemory},
      {"Scramble", F::Int16, S::Scramble, "Scramble", &C::Scramble, true},
      {"ChTag", F::Marked, S::Text, "ChTag", &C::ChTag},
  };
  return kFields;
}

const std::vector<DirectoryField> &DatDirectoryFields() {
  static const std::vector<DirectoryField> kFields = {
      {"Enable", F::Flag, S::OnOff, "Enable", &DirectoryEntry::Enable},
      {"TagName", F::Marked, S::Text, "TagName", &DirectoryEntry::TagName},
      {"Mmsid", F::Text, S::Text, "Mmsid", &DirectoryEntry::Mmsid},
  };
  return kFields;
}

const std::vector<CallSignField> &DatCallSignFields() {
  static const std::vector<CallSignField> kFields = {
      {"MID", F::Text, S::Text, "Mid", &AtisCallSign::Mid},
      {"DISP", F::Text, S::Text, "Disp", &AtisCallSign::Disp},
  };
  return kFields;
}

} // namespace kv508
