#pragma once

// Key names shared by the settings-file writer and reader.

#include "model/radio_data.h"

#include <array>

namespace kv508 {

// The five call kinds of the advanced DSC setup, in file order: key name+k holds
// the receive flag k, name+"TX"+k the TX flag k. `field` names the pair where the
// settings are compared.
struct DatCallKind {
  const char *key;
  std::array<bool, 4> DscAdvancedSetup::*rx;
  std::array<bool, 4> DscAdvancedSetup::*tx;
  const char *field;
};

inline constexpr DatCallKind kDatCallKinds[] = {
    {"All Ships Call", &DscAdvancedSetup::AllShipsCall, &DscAdvancedSetup::AllShipsCallTx,
     "AllShipsCall"},
    {"Group Call", &DscAdvancedSetup::GroupCall, &DscAdvancedSetup::GroupCallTx, "GroupCall"},
    {"Individual Call", &DscAdvancedSetup::IndividualCall, &DscAdvancedSetup::IndividualCallTx,
     "IndividualCall"},
    {"PositionRequest Call", &DscAdvancedSetup::PositionRequestCall,
     &DscAdvancedSetup::PositionRequestCallTx, "PositionRequestCall"},
    {"PositionReport Call", &DscAdvancedSetup::PositionReportCall,
     &DscAdvancedSetup::PositionReportCallTx, "PositionReportCall"},
};

} // namespace kv508
