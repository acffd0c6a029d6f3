#pragma once

// Every key of the settings file, written once: its section, how its value is
// written and read, which RadioData field holds it and how the diff shows it.
// The reader, the writer and the diff all walk these tables, so a key cannot be
// spelled one way when written and another way when read.

#include "model/radio_data.h"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace kv508 {

inline constexpr const char *kDatMainSection = "MAIN";
inline constexpr const char *kDatModelTypeKey = "MODELTYPE";
inline constexpr const char *kDatPositionKey = "Position";

// How a value is written: Flag 1/0, Truth True/False, Int16/Int32 in decimal,
// Priority as Int32 with "none" (negative) as 65535, Text as is, Marked after a
// '#', Frequency in decimal MHz (a value without a decimal form leaves its line out).
// When read, a value that does not convert leaves its field as it was; a missing
// text empties its field.
enum class DatFormat { Flag, Truth, Int16, Int32, Priority, Text, Marked, Frequency };

// How the diff shows a value, by the report's texts.
enum class DatShow {
  OnOff,
  LowHi,
  Text,
  Number,
  Frequency,
  PriorityCh,
  TxPoDisplay,
  ResumeTime,
  OffsetTime,
  TimeDisplay,
  TimeFormat,
  WeatherAlert,
  Sog,
  Distance,
  Scramble,
};

using DatRef = std::variant<bool *, std::int16_t *, std::int32_t *, std::string *, double *>;

// One key of a settings section (the sections before the channel banks).
struct DatField {
  std::string key;
  DatFormat format;
  DatShow show;
  std::string name; // where the diff shows it: "ChannelGroups Group1 Enable"
  std::function<DatRef(RadioData &)> field;
};

struct DatSettingsSection {
  std::string section;
  bool atisOnly; // written and read only for ATIS-capable models
  std::vector<DatField> fields;
};

// In file order: usable groups, common, DSC basic, advanced and display, ATIS.
const std::vector<DatSettingsSection> &DatSettingsSections();

// One key of a record section ([CHUSA0], [CHEXP1], [CHMMSID1]) or, for the ATIS
// call signs, the stem of a numbered key (MID1, DISP1).
template <typename Record> struct DatRecordField {
  using Member =
      std::variant<bool Record::*, std::int16_t Record::*, std::string Record::*, double Record::*>;
  const char *key;
  DatFormat format;
  DatShow show;
  const char *name; // the RadioData field name
  Member member;
  bool scrambleOnly = false; // written and read only for scramble-capable models
};

template <typename Record>
DatRef RecordRef(Record &record, const typename DatRecordField<Record>::Member &member) {
  return std::visit([&](auto pointer) -> DatRef { return &(record.*pointer); }, member);
}

using ChannelField = DatRecordField<ChannelRecord>;
using DirectoryField = DatRecordField<DirectoryEntry>;
using CallSignField = DatRecordField<AtisCallSign>;

const std::vector<ChannelField> &DatPlanRecordFields();      // CHUSA0.., CHINT0.., CHCAN0..
const std::vector<ChannelField> &DatWeatherRecordFields();   // CHWX0 .. CHWX9
const std::vector<ChannelField> &DatExpansionRecordFields(); // CHEXP1 .. CHEXP64
const std::vector<DirectoryField> &DatDirectoryFields();     // CHMMSID1.., CHGRPID1..
inline constexpr const char *kDatCallSignSection = "ATIS Setup (Call Sign)";
const std::vector<CallSignField> &DatCallSignFields();

} // namespace kv508
