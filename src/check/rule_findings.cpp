// The findings that follow from rules about the values themselves: identities,
// DSC and ATIS switched on without their codes, priority channels, choices and
// expansion frequencies.

#include "check/settings_check.h"

#include "image/fields.h"
#include "model/convert.h"
#include "model/mmsi_identity.h"
#include "model/tables.h"

#include <cmath>

namespace kv508 {

namespace {

constexpr double kLowestExpansionMHz = 137.0;
constexpr double kHighestExpansionMHz = 174.0;
constexpr long kChannel16Units = 1568000; // 156.800 MHz in 100 Hz steps
constexpr long kChannel70Units = 1565250; // 156.525 MHz
constexpr std::int32_t kNoPriorityChannel = 0xFFFF;

std::string GroupName(int group) {
  return group == 3 ? "EXP CH Group" : "Group" + std::to_string(group + 1);
}

bool Blank(const std::string &text) { return text.find_first_not_of(' ') == std::string::npos; }

class RuleChecker {
public:
  RuleChecker(const RadioData &data, const ModelInfo &model, const MidTable &mids)
      : data_(data), model_(model), mids_(mids) {}

  std::vector<Finding> Run() {
    GroupsAndChoices();
    OwnMmsi();
    if (model_.AtisCapable)
      Atis();
    DirectoryEntries(data_.CHMMSID, MmsiPlace::MemoryId);
    DirectoryEntries(data_.CHGRPID, MmsiPlace::GroupId);
    ExpansionChannels();
    return std::move(findings_);
  }

private:
  void Add(Severity severity, CheckPlace where, std::string what, std::string fix) {
    findings_.push_back({severity, std::move(where), std::move(what), std::move(fix)});
  }
  void Add(const CheckPlace &where, const IdentityWarning &warning) {
    Add(Severity::Warning, where, warning.what, warning.fix);
  }

  bool Usable(int group) const { return data_.ChannelGroups[group].Enable; }

  void PriorityChannel(int group) {
    const std::int32_t p = data_.ChannelGroups[group].PriorityCh;
    const CheckPlace where = SetupPlace(CheckScreen::UsableGroups, group);
    if (p < 0 || p == kNoPriorityChannel)
      return;
    if (p >= kPlanBankSize) {
      Add(Severity::Error, where,
          GroupName(group) + " has the priority channel " + std::to_string(p) +
              ", which is no channel of the group",
          "Choose a priority channel of " + GroupName(group));
      return;
    }
    for (const ChannelRecord &record : data_.GroupBank(group)) {
      if (record.Enable && record.Position == p)
        return;
    }
    Add(Severity::Warning, where,
        "The priority channel CH" + ChannelTable()[p].Label + " of " + GroupName(group) +
            " is not switched on in the group",
        "Switch channel " + ChannelTable()[p].Label + " on, or choose another priority channel");
  }

  void Choice(const char *name, int value, int count) {
    if (value >= 0 && value < count)
      return;
    Add(Severity::Error, SetupPlace(CheckScreen::Common),
        std::string(name) + " holds " + std::to_string(value) + ", which is none of its " +
            std::to_string(count) + " choices",
        std::string("Choose one of the ") + name + " choices");
  }

  void GroupsAndChoices() {
    for (int group = 0; group < 3; ++group) {
      if (Usable(group))
        PriorityChannel(group);
    }
    const CommonSetup &c = data_.Common;
    Choice("TX Po Display", c.TxPoDisplay, 3);
    Choice("Resume Time", c.ResumeTime, 6);
    Choice("Weather Alert", c.Weater, 4);
    Choice("SOG", c.Sog, 3);
    Choice("Distance", c.Distance, 3);
  }

  void OwnMmsi() {
    const CheckPlace where = SetupPlace(CheckScreen::Dsc);
    const std::string &mmsi = data_.DscBasic.UserMmsi;
    for (const IdentityWarning &warning : MmsiWarnings(MmsiPlace::OwnMmsi, mmsi, mids_))
      Add(where, warning);
    if (!Blank(mmsi))
      return;
    for (int group = 0; group < 4; ++group) {
      if (Usable(group) && data_.DscBasic.DscGroup[group]) {
        Add(Severity::Warning, where,
            "DSC is switched on for " + GroupName(group) + ", but there is no own MMSI",
            "Type the boat's MMSI in User MMSI");
        return;
      }
    }
  }

  void Atis() {
    const CheckPlace where = SetupPlace(CheckScreen::Atis);
    const std::string &code = data_.Atis.AtisCode;
    if (auto warning = AtisCodeWarning(code, mids_))
      Add(where, *warning);
    if (!Blank(code))
      return;
    for (int group = 0; group < 4; ++group) {
      if (Usable(group) && data_.Atis.UsableAtisChGroup[group]) {
        Add(Severity::Warning, where,
            "ATIS is switched on for " + GroupName(group) + ", but there is no ATIS code",
            "Type the ATIS code, or take it from the own MMSI");
        return;
      }
    }
  }

  void DirectoryEntries(const Directory &directory, MmsiPlace kind) {
    const bool memory = kind == MmsiPlace::MemoryId;
    for (int n = directory.Lower(); n <= directory.Upper(); ++n) {
      const DirectoryEntry &entry = directory[n];
      if (entry.Mmsid.empty())
        continue;
      const CheckPlace where = memory ? MemoryIdPlace(n) : GroupIdPlace(n);
      for (const IdentityWarning &warning : MmsiWarnings(kind, entry.Mmsid, mids_))
        Add(where, warning);
      const std::string mmsi = MmsiOfStored(entry.Mmsid);
      // A pair is named once, at its second entry.
      if (const int same = SameMmsiEntry(directory, n); same < n) {
        if (auto warning = SameMmsiWarning(directory, n, same, kind))
          Add(where, *warning);
      }
      if (Blank(entry.TagName)) {
        Add(Severity::Warning, where, "MMSI " + mmsi + " has no name",
            std::string("Give the entry a name of at most 11 characters"));
      }
    }
  }

  void Frequency(int n, const char *name, double f) {
    // Up to 100 MHz stores as no frequency, from 200 MHz not at all: the
    // comparison with the radio's own copy names those.
    if (!(f > 100.0) || !FreqFits(f))
      return;
    std::string problem;
    if (f < kLowestExpansionMHz || f > kHighestExpansionMHz)
      problem = " is outside 137-174 MHz";
    else if (!IsOn25kHzRaster(f))
      problem = " is off the 25 kHz raster";
    if (problem.empty())
      return;
    Add(Severity::Error, ExpansionPlace(n),
        std::string(name) + " " + FormatFreq4(f) + " MHz" + problem +
            ", which the radio cannot tune",
        "Type a frequency from 137 to 174 MHz in steps of 25 kHz");
  }

  void Distress(int n, const char *name, double f) {
    if (!(f > 100.0 && f < 200.0))
      return;
    const long units = std::lround(f * 10000.0);
    const char *channel = units == kChannel16Units   ? "16 (156.800 MHz)"
                          : units == kChannel70Units ? "70 (156.525 MHz)"
                                                     : nullptr;
    if (channel == nullptr)
      return;
    Add(Severity::Warning, ExpansionPlace(n),
        std::string(name) + " is that of channel " + channel + ", kept for distress and DSC",
        "Use another frequency for this channel");
  }

  void ExpansionChannels() {
    const ChannelBank &bank = data_.CHEXP;
    for (int n = bank.Lower(); n <= bank.Upper(); ++n) {
      const ChannelRecord &record = bank[n];
      Frequency(n, "Receive frequency", record.Rxfreq);
      Frequency(n, "Transmit frequency", record.Txfreq);
      if (!record.Enable)
        continue;
      Distress(n, "Receive frequency", record.Rxfreq);
      Distress(n, "Transmit frequency", record.Txfreq);
    }
  }

  const RadioData &data_;
  const ModelInfo &model_;
  const MidTable &mids_;
  std::vector<Finding> findings_;
};

} // namespace

std::vector<Finding> RuleFindings(const RadioData &data, const ModelInfo &model,
                                  const MidTable &mids) {
  return RuleChecker(data, model, mids).Run();
}

} // namespace kv508
