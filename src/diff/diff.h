#pragma once

// The settings that differ between two sets of radio data (`kv508-cli diff A B`).
//
// Every setting that the settings file carries is compared: the usable groups,
// the common, DSC basic, advanced and display settings, the ATIS settings and
// call signs (AtisCapable models only), every record of CHUSA, CHINT and CHCAN
// (disabled ones included), CHWX, both directories and CHEXP; Scramble only for
// ScrambleCapable models. One line per differing setting, in report order, the
// fields of a record in settings-file order:
//
//   SCOPE [ITEM ]FIELD: "OLD" -> "NEW"
//
//   SCOPE  ChannelGroups, Common, DscBasic, DscAdvanced, DscDisplay, Atis, AtisCallSign,
//          CHUSA, CHINT, CHCAN, CHWX, CHMMSID, CHGRPID, CHEXP
//   ITEM   ChannelGroups: Group1, Group2, Group3, ExpCH; plan banks: the channel label of
//          the record's slot (00 ... 119A); CHWX, CHEXP, directories, call signs: the
//          number counted from 1; the other scopes have none
//   FIELD  the RadioData field name; array elements as Name[k] (DscGroup[0], BeepOut[7])
//   OLD, NEW  the value as the report shows it: "On"/"Off" for flags, "Low"/"Hi" for the
//          DSC TX arrays, the choice texts, channel labels and "EXPn" for priority
//          channels, "000.0000" frequencies, the scramble text; names, MMSIs and codes
//          as stored. A value whose text is empty (a choice outside its list) is
//          followed by the stored value in parentheses, and so are both values when
//          they read the same (frequencies in one 5 kHz step):
//            Common Sog: "" (255) -> "MPH"
//            ChannelGroups Group1 PriorityCh: "Off" (-1) -> "Off" (65535)
//          Inside the quotes a quote and a backslash are escaped with a backslash, and
//          control bytes are written as \xHH.
//
// A bank or directory whose record count differs gives one line
// `SCOPE Records: "240" -> "239"`, and the records both hold are compared.
//
// Example:  CHUSA 16 ChTag: "DISTRESS" -> "CALL16"

#include "app/session.h"

#include <string>
#include <vector>

namespace kv508 {

// One differing setting, in the parts of its line.
struct SettingDifference {
  std::string scope; // CHUSA, Common, DscBasic ...
  std::string item;  // the ITEM, empty when the scope has none
  std::string field; // Enable, DscGroup[0]; "Records" for a record count
  std::string from;  // OLD and NEW as the line shows them, quotes included
  std::string to;

  bool operator==(const SettingDifference &) const = default;
};

// Every differing setting, in the order of the lines.
std::vector<SettingDifference> SettingDifferences(const RadioData &a, const RadioData &b,
                                                  const ModelInfo &model);
// "SCOPE [ITEM ]FIELD: OLD -> NEW".
std::string DiffLine(const SettingDifference &difference);

std::vector<std::string> DiffSettings(const RadioData &a, const RadioData &b,
                                      const ModelInfo &model);

} // namespace kv508
