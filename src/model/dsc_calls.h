#pragma once

// The five DSC call kinds of the advanced setup, each with a switch and a
// Low/Hi choice per category. The settings file, the diff and the DSC screen
// all walk this one table.

#include "model/radio_data.h"

#include <array>

namespace kv508 {

using DscCallArray = std::array<bool, 4> DscAdvancedSetup::*;

struct DscCallKind {
  const char *fieldName;   // "AllShipsCall"; its TX twin adds "Tx"
  const char *datKey;      // "All Ships Call" in the settings file
  const char *title;       // "ALL Ships Call", the block's caption on the screen
  const char *controlName; // "cmbUsableDscAllShipsCall", its TX lists add "TX"
  DscCallArray on;
  DscCallArray tx;
};

inline constexpr std::array<DscCallKind, 5> kDscCallKinds = {{
    {"AllShipsCall", "All Ships Call", "ALL Ships Call", "cmbUsableDscAllShipsCall",
     &DscAdvancedSetup::AllShipsCall, &DscAdvancedSetup::AllShipsCallTx},
    {"GroupCall", "Group Call", "Group Call", "cmbUsableDscGroupCall", &DscAdvancedSetup::GroupCall,
     &DscAdvancedSetup::GroupCallTx},
    {"IndividualCall", "Individual Call", "Individual Call", "cmbUsableDscIndividualCall",
     &DscAdvancedSetup::IndividualCall, &DscAdvancedSetup::IndividualCallTx},
    {"PositionRequestCall", "PositionRequest Call", "Position Request Call", "cmbUsablePosReqCall",
     &DscAdvancedSetup::PositionRequestCall, &DscAdvancedSetup::PositionRequestCallTx},
    {"PositionReportCall", "PositionReport Call", "Position Report Call", "cmbUsablePosRepCall",
     &DscAdvancedSetup::PositionReportCall, &DscAdvancedSetup::PositionReportCallTx},
}};

// The call categories of elements 0 to 3 as the screen names them.
inline constexpr std::array<const char *, 4> kDscCallCategories = {"Distress", "Urgency", "Safety",
                                                                   "Routine"};

} // namespace kv508
