#pragma once

// The check before programming: everything in the settings that the radio
// would not hold as the editor shows it (errors) and what is probably not
// meant (warnings). Used by `kv508-cli check`, before Program to Radio and by
// File > Check Settings.

#include "app/session.h"
#include "check/finding.h"
#include "model/mid_table.h"

#include <vector>

namespace kv508 {

// Every finding, sorted (SortFindings). Reads the data only.
std::vector<Finding> CheckSettings(const RadioData &data, const ModelInfo &model,
                                   const MidTable &mids);

// The parts of it, each in its own order.
// Own MMSI, directories, ATIS, channel groups, common choices, expansion channels.
std::vector<Finding> RuleFindings(const RadioData &data, const ModelInfo &model,
                                  const MidTable &mids);
// The values that change on their way into the radio: the data encoded into an
// image as Program to Radio does it and decoded again, compared field by field.
std::vector<Finding> StoredValueFindings(const RadioData &data, const ModelInfo &model);

} // namespace kv508
