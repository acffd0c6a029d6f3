#include "model/mmsi_identity.h"

#include <algorithm>
#include <iterator>

namespace kv508 {

namespace {

constexpr std::size_t kMmsiDigits = 9;
constexpr std::size_t kAtisDigits = 10;
constexpr const char *kSeparator = " \xC2\xB7 "; // a middle dot between blanks (UTF-8)

// First matching prefix wins, so the longer prefixes come first. midAt is the
// position of the three MID digits, -1 for the kinds without a MID.
struct KindRule {
  std::string_view prefix;
  int midAt;
  MmsiKind kind;
};
constexpr KindRule kKindRules[] = {
    {"970", -1, MmsiKind::AisSart},
    {"972", -1, MmsiKind::ManOverboard},
    {"974", -1, MmsiKind::EpirbAis},
    {"98", 2, MmsiKind::CraftOfParentShip},
    {"99", 2, MmsiKind::AidToNavigation},
    {"111", 3, MmsiKind::SarAircraft},
    {"00", 2, MmsiKind::CoastStation},
    {"0", 1, MmsiKind::Group},
    {"8", 1, MmsiKind::Handheld},
    {"2", 0, MmsiKind::Ship},
    {"3", 0, MmsiKind::Ship},
    {"4", 0, MmsiKind::Ship},
    {"5", 0, MmsiKind::Ship},
    {"6", 0, MmsiKind::Ship},
    {"7", 0, MmsiKind::Ship},
};

// The name shown and the phrase used in a sentence ("is a coast station").
struct KindTexts {
  MmsiKind kind;
  const char *name;
  const char *phrase;
};
constexpr KindTexts kKindTexts[] = {
    {MmsiKind::Ship, "Ship", "a ship station"},
    {MmsiKind::Group, "Group", "a group MMSI"},
    {MmsiKind::CoastStation, "Coast station", "a coast station"},
    {MmsiKind::SarAircraft, "SAR aircraft", "a SAR aircraft"},
    {MmsiKind::Handheld, "Handheld VHF", "a handheld VHF"},
    {MmsiKind::CraftOfParentShip, "Craft of a parent ship", "a craft of a parent ship"},
    {MmsiKind::AidToNavigation, "Aid to navigation", "an aid to navigation"},
    {MmsiKind::AisSart, "AIS-SART", "an AIS-SART"},
    {MmsiKind::ManOverboard, "Man-overboard device", "a man-overboard device"},
    {MmsiKind::EpirbAis, "EPIRB-AIS", "an EPIRB-AIS"},
    {MmsiKind::Invalid, "Not a valid MMSI", "not a valid MMSI"},
};

const KindTexts &TextsOf(MmsiKind kind) {
  for (const KindTexts &texts : kKindTexts) {
    if (texts.kind == kind)
      return texts;
  }
  return kKindTexts[std::size(kKindTexts) - 1];
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ThreeDigits(std::string_view text, std::size_t at) {
  return (text[at] - '0') * 100 + (text[at + 1] - '0') * 10 + (text[at + 2] - '0');
}

std::string UnknownCountryText(int mid) { return "Unknown country code " + std::to_string(mid); }

// "United Kingdom", or "MID 232" when no table is loaded.
std::string CountryText(int mid, const MidTable &mids) {
  return mids.Loaded() ? mids.Country(mid) : "MID " + std::to_string(mid);
}

std::string UnknownCountryWhat(const std::string &subject, int mid) {
  return subject + " has the unknown country code " + std::to_string(mid);
}

} // namespace

MmsiIdentity ClassifyMmsi(std::string_view mmsi) {
  if (mmsi.size() != kMmsiDigits || !AllDigits(mmsi))
    return {};
  for (const KindRule &rule : kKindRules) {
    if (mmsi.substr(0, rule.prefix.size()) != rule.prefix)
      continue;
    if (rule.midAt < 0)
      return {rule.kind, 0};
    const int mid = ThreeDigits(mmsi, static_cast<std::size_t>(rule.midAt));
    return IsMidNumber(mid) ? MmsiIdentity{rule.kind, mid} : MmsiIdentity{};
  }
  return {};
}

std::string MmsiOfStored(std::string_view stored) { return std::string(stored.substr(0, 9)); }

std::string MmsiKindText(MmsiKind kind) { return TextsOf(kind).name; }

std::string MmsiInfoText(std::string_view stored, const MidTable &mids) {
  if (stored.empty())
    return {};
  const MmsiIdentity id = ClassifyMmsi(MmsiOfStored(stored));
  if (id.mid == 0)
    return MmsiKindText(id.kind);
  if (mids.Status(id.mid) == MidStatus::Unallocated)
    return UnknownCountryText(id.mid);
  return MmsiKindText(id.kind) + kSeparator + CountryText(id.mid, mids);
}

std::vector<IdentityWarning> MmsiWarnings(MmsiPlace place, std::string_view stored,
                                          const MidTable &mids) {
  std::vector<IdentityWarning> warnings;
  if (stored.empty())
    return warnings;
  const std::string mmsi = MmsiOfStored(stored);
  const MmsiIdentity id = ClassifyMmsi(mmsi);
  const std::string is = " is " + std::string(TextsOf(id.kind).phrase);
  switch (place) {
  case MmsiPlace::OwnMmsi:
    if (id.kind != MmsiKind::Ship && id.kind != MmsiKind::Handheld) {
      const std::string what =
          id.kind == MmsiKind::Invalid ? is : is + ", not a ship or handheld station";
      warnings.push_back(
          {"The own MMSI " + mmsi + what, "Type the MMSI of this boat from its radio licence"});
    }
    break;
  case MmsiPlace::MemoryId:
    if (id.kind == MmsiKind::Group) {
      warnings.push_back({"MMSI " + mmsi + is + ", not a station",
                          "Move it to the Group Directory, or correct the MMSI"});
    } else if (id.kind == MmsiKind::Invalid) {
      warnings.push_back({"MMSI " + mmsi + is, "Correct the MMSI"});
    }
    break;
  case MmsiPlace::GroupId:
    if (id.kind != MmsiKind::Group) {
      warnings.push_back({"Group MMSI " + mmsi + is, "Correct the group MMSI"});
    }
    break;
  }
  if (id.mid != 0 && mids.Status(id.mid) == MidStatus::Unallocated) {
    const std::string subject = place == MmsiPlace::OwnMmsi   ? "The own MMSI " + mmsi
                                : place == MmsiPlace::GroupId ? "Group MMSI " + mmsi
                                                              : "MMSI " + mmsi;
    warnings.push_back({UnknownCountryWhat(subject, id.mid), "Check the MMSI, digit by digit"});
  }
  return warnings;
}

int SameMmsiEntry(const Directory &directory, int n) {
  if (!directory.Contains(n) || directory[n].Mmsid.empty())
    return 0;
  const std::string mmsi = MmsiOfStored(directory[n].Mmsid);
  for (int k = directory.Lower(); k <= directory.Upper(); ++k) {
    if (k != n && !directory[k].Mmsid.empty() && MmsiOfStored(directory[k].Mmsid) == mmsi)
      return k;
  }
  return 0;
}

std::optional<IdentityWarning> SameMmsiWarning(const Directory &directory, int n, int other,
                                               MmsiPlace place) {
  if (other == 0 || !directory.Contains(n))
    return std::nullopt;
  return IdentityWarning{"MMSI " + MmsiOfStored(directory[n].Mmsid) + " is also " +
                             (place == MmsiPlace::GroupId ? "Group ID " : "Memory ID ") +
                             std::to_string(other),
                         "Delete one of the two entries"};
}

AtisCodeCheck CheckAtisCode(std::string_view code, const MidTable &mids) {
  if (code.empty())
    return {AtisCodeState::Empty, 0};
  if (code.size() != kAtisDigits || !AllDigits(code))
    return {AtisCodeState::NotTenDigits, 0};
  if (code.front() != '9')
    return {AtisCodeState::NoLeadingNine, 0};
  const int mid = ThreeDigits(code, 1);
  if (!IsMidNumber(mid))
    return {AtisCodeState::NotAMid, 0};
  if (mids.Status(mid) == MidStatus::Unallocated)
    return {AtisCodeState::MidUnallocated, mid};
  return {AtisCodeState::Fits, mid};
}

std::string AtisInfoText(std::string_view code, const MidTable &mids) {
  const AtisCodeCheck check = CheckAtisCode(code, mids);
  switch (check.state) {
  case AtisCodeState::Empty:
    return {};
  case AtisCodeState::Fits:
    return std::string("ATIS") + kSeparator + CountryText(check.mid, mids);
  case AtisCodeState::NotTenDigits:
    return "Not 10 digits";
  case AtisCodeState::MidUnallocated:
    return UnknownCountryText(check.mid);
  default:
    return "Not 9 + MID + 6 digits";
  }
}

std::optional<IdentityWarning> AtisCodeWarning(std::string_view code, const MidTable &mids) {
  const AtisCodeCheck check = CheckAtisCode(code, mids);
  const std::string subject = "ATIS code " + std::string(code);
  const std::string fix = "Use 9 followed by the boat's MMSI, or the code of its ATIS licence";
  switch (check.state) {
  case AtisCodeState::Empty:
  case AtisCodeState::Fits:
    return std::nullopt;
  case AtisCodeState::MidUnallocated:
    return IdentityWarning{UnknownCountryWhat(subject, check.mid), fix};
  default:
    return IdentityWarning{subject + " is not 9 + MID + 6 digits", fix};
  }
}

std::optional<std::string> AtisCodeFromMmsi(std::string_view storedUserMmsi) {
  const std::string mmsi = MmsiOfStored(storedUserMmsi);
  if (mmsi.size() != kMmsiDigits || !AllDigits(mmsi))
    return std::nullopt;
  return "9" + mmsi;
}

} // namespace kv508
