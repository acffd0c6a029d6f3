#pragma once

// What an MMSI or ATIS code says about its station: the kind of station and the
// country of its MID. There is no check digit, so an MMSI is checked by its
// length, its kind and its MID. Nothing here refuses a value; these rules only
// describe and warn.

#include "model/mid_table.h"
#include "model/radio_data.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv508 {

enum class MmsiKind {
  Ship,              // MIDxxxxxx
  Group,             // 0MIDxxxxx
  CoastStation,      // 00MIDxxxx
  SarAircraft,       // 111MIDxxx
  Handheld,          // 8MIDxxxxx, handheld VHF with DSC and GNSS
  CraftOfParentShip, // 98MIDxxxx
  AidToNavigation,   // 99MIDxxxx
  AisSart,           // 970xxyyyy
  ManOverboard,      // 972xxyyyy
  EpirbAis,          // 974xxyyyy
  Invalid,           // none of these, or not nine digits
};

struct MmsiIdentity {
  MmsiKind kind = MmsiKind::Invalid;
  int mid = 0; // 201..775 for the kinds that carry a MID, else 0

  bool operator==(const MmsiIdentity &) const = default;
};

// The kind and MID of a nine-digit MMSI. A kind whose MID digits lie outside
// 201..775 is Invalid, as is any text but nine digits.
MmsiIdentity ClassifyMmsi(std::string_view mmsi);

// The nine-digit MMSI of a stored value: its first nine characters. Stored
// individual MMSIs are "NNNNNNNNN0", group MMSIs "0NNNNNNNN0" (the group's own
// MMSI being "0NNNNNNNN"), so this also takes a typed nine-digit MMSI as it is.
std::string MmsiOfStored(std::string_view stored);

// "Ship", "Group", "Coast station", ..., "Not a valid MMSI".
std::string MmsiKindText(MmsiKind kind);

// The text shown beside an MMSI box or in a directory grid, for a stored (or
// nine-digit) MMSI: "Ship · United Kingdom", "Group · Denmark", "AIS-SART",
// "Unknown country code 217", "Not a valid MMSI"; without a loaded MID table
// "Ship · MID 232"; empty for an empty MMSI.
std::string MmsiInfoText(std::string_view stored, const MidTable &mids);

// A problem worth a warning icon: what is wrong and how to put it right.
struct IdentityWarning {
  std::string what;
  std::string fix;

  bool operator==(const IdentityWarning &) const = default;
};

enum class MmsiPlace { OwnMmsi, MemoryId, GroupId };

// Warnings for a stored MMSI in its place, none for an empty one: an own MMSI
// that is not a ship or handheld station; a Memory ID that is a group or no
// valid MMSI; a Group ID that is not a group; in every place a MID that the
// table does not hold. An unknown MID (no table) is never warned about.
std::vector<IdentityWarning> MmsiWarnings(MmsiPlace place, std::string_view stored,
                                          const MidTable &mids);

// The first other entry of the directory whose MMSI is entry n's; 0 when there
// is none or entry n's MMSI is empty. MMSIs are compared by their nine digits.
int SameMmsiEntry(const Directory &directory, int n);

// "MMSI 232005678 is also Memory ID 1" for entry n when `other` (from
// SameMmsiEntry) is not 0; nothing otherwise.
std::optional<IdentityWarning> SameMmsiWarning(const Directory &directory, int n, int other,
                                               MmsiPlace place);

enum class AtisCodeState {
  Empty,
  Fits,           // 9 + MID + six digits, the MID allocated (or no table to ask)
  NotTenDigits,   // any length but ten, or a character that is not a digit
  NoLeadingNine,  // ten digits not starting with 9
  NotAMid,        // 9 followed by digits that are no MID (outside 201..775)
  MidUnallocated, // 9 + a MID the table does not hold
};

struct AtisCodeCheck {
  AtisCodeState state = AtisCodeState::Empty;
  int mid = 0;

  bool operator==(const AtisCodeCheck &) const = default;
};

// The ATIS code rule: ten digits, 9 followed by the MID and six digits. A ship
// outside the inland-waterway arrangement uses 9 + its MMSI, which has the same form.
AtisCodeCheck CheckAtisCode(std::string_view code, const MidTable &mids);

// The text shown beside the ATIS code: "ATIS · Germany", "ATIS · MID 211"
// without a table, "Unknown country code 217", "Not 10 digits",
// "Not 9 + MID + 6 digits"; empty for an empty code.
std::string AtisInfoText(std::string_view code, const MidTable &mids);

// The warning for a code that does not fit the rule; nothing for an empty or fitting code.
std::optional<IdentityWarning> AtisCodeWarning(std::string_view code, const MidTable &mids);

// "9" + the own MMSI, from the stored User MMSI; nothing when it does not
// start with nine digits.
std::optional<std::string> AtisCodeFromMmsi(std::string_view storedUserMmsi);

} // namespace kv508
