#pragma once

// The radio's settings beside the settings about to be programmed into it
// (Transfer > Compare with Radio, `kv508-cli compare`): the settings diff of
// the two, grouped as the navigation tree shows them.
//
// The radio's side is what Read from Radio would make of the image read; the
// other side is what Program These Changes would leave in the radio: the data
// encoded over the image read (EncodeImage, ImageSanitize, checksum, ATIS flag)
// and decoded again. So a value the radio cannot hold as typed shows as it
// would be stored, and the radio's bytes that no setting carries play no part.

#include "app/session.h"
#include "diff/diff.h"
#include "image/encode.h"

#include <optional>
#include <string>
#include <vector>

namespace kv508 {

struct ComparedSetting {
  std::string setting; // "CH 16 ChTag", "Memory ID 4 Mmsid", "Group1 Enable", "UserMmsi"
  std::string radio;   // the radio's value, as the settings diff shows it
  std::string written; // the value Program These Changes would write
};

struct ComparedGroup {
  std::string name; // "Usable CH Group Setup", "Group1", "Weather", "Individual Directory" ...
  std::vector<ComparedSetting> settings;
};

struct RadioComparison {
  // The data do not fit the image: Program to Radio would refuse them.
  std::optional<EncodeError> error;
  std::vector<ComparedGroup> groups; // in the order of the tree, only groups with a difference

  bool Same() const { return !error && groups.empty(); }
  int Count() const;
};

RadioComparison CompareWithRadio(const RadioData &editing, const MemoryImage &radioImage,
                                 const ModelInfo &model);

// Differences grouped as the tree shows them.
std::vector<ComparedGroup> GroupDifferences(const std::vector<SettingDifference> &differences);

// Each group's name on a line of its own, then one line per setting:
//   Group1
//     CH 16 ChTag: "DISTRESS" -> "CALL16"
// the radio's value first. Empty when nothing differs.
std::string ComparisonText(const RadioComparison &comparison);

} // namespace kv508
