// The values that the radio would hold differently: the data goes through the
// outgoing sequence of Program to Radio, the image is decoded over a copy, and
// the settings diff names every field that changed on the way, with its values.

#include "check/settings_check.h"

#include "diff/diff.h"
#include "image/decode.h"
#include "image/encode.h"
#include "model/convert.h"
#include "model/mmsi_identity.h"
#include "model/tables.h"

#include <cctype>
#include <charconv>
#include <memory>
#include <string_view>

namespace kv508 {

namespace {

constexpr const char *kNameAlphabet = "0-9 A-Z a-z - + ( ) . * / , and blank";

struct FieldHelp {
  const char *field;
  const char *name; // in a sentence, after the record's place
  std::string fix;
};

std::string NameFix(int length) {
  return "Use at most " + std::to_string(length) + " characters of " + kNameAlphabet;
}

const std::vector<FieldHelp> &Help() {
  static const std::vector<FieldHelp> help = {
      {"TagName", "name", NameFix(11)},
      {"ChTag", "name", NameFix(16)},
      {"StatusName", "status name", NameFix(4)},
      {"CHDisplayL", "channel number display", NameFix(2)},
      {"CHDisplayR", "display suffix", NameFix(1)},
      {"Mmsid", "MMSI", "Type the MMSI again, digits only"},
      {"UserMmsi", "User MMSI", "Type the own MMSI again: 9 digits"},
      {"AtisCode", "ATIS code", "Type the ATIS code again: 10 digits"},
      {"Rxfreq", "receive frequency", "Type a frequency from 137 to 174 MHz in steps of 25 kHz"},
      {"Txfreq", "transmit frequency", "Type a frequency from 137 to 174 MHz in steps of 25 kHz"},
      {"OffsetTime", "offset time", "Choose an offset from the list"},
      {"PriorityCh", "priority channel", "Choose the priority channel again"},
      {"Duplex", "duplex", "The channel allows no duplex: the radio keeps it simplex"},
  };
  return help;
}

std::string Capitalized(std::string text) {
  if (!text.empty())
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

int Number(std::string_view text) {
  int n = 0;
  std::from_chars(text.data(), text.data() + text.size(), n);
  return n;
}

int PlanGroupOf(std::string_view scope) {
  return scope == "CHUSA" ? 0 : scope == "CHINT" ? 1 : scope == "CHCAN" ? 2 : -1;
}

// The place of a diff scope and item, or of an encoder field "SCOPE INDEX FIELD".
// labels: plan-bank items are channel labels (the diff) rather than indexes.
CheckPlace PlaceOf(std::string_view scope, std::string_view item, bool labels) {
  if (const int group = PlanGroupOf(scope); group >= 0) {
    const std::string index = labels ? FindChannelByLabel(std::string(item)) : std::string();
    return PlanChannelPlace(group, Number(index.empty() ? item : std::string_view(index)));
  }
  if (scope == "CHWX")
    return WeatherPlace(Number(item) - 1);
  if (scope == "CHMMSID")
    return MemoryIdPlace(Number(item));
  if (scope == "CHGRPID")
    return GroupIdPlace(Number(item));
  if (scope == "CHEXP")
    return ExpansionPlace(Number(item));
  if (scope == "Common" || scope == "CommonSetup")
    return SetupPlace(CheckScreen::Common);
  if (scope.substr(0, 4) == "Atis")
    return SetupPlace(CheckScreen::Atis);
  if (scope.substr(0, 3) == "Dsc" || scope == "AutoPos")
    return SetupPlace(CheckScreen::Dsc);
  if (item.substr(0, 5) == "Group")
    return SetupPlace(CheckScreen::UsableGroups, Number(item.substr(5)) - 1);
  return SetupPlace(CheckScreen::UsableGroups, item == "ExpCH" ? 3 : Number(item));
}

std::string ItemName(std::string_view scope, std::string_view item) {
  if (scope != "ChannelGroups")
    return {};
  return item == "ExpCH" ? "EXP CH Group " : std::string(item) + " ";
}

// A differing setting as a finding.
Finding FindingOfDifference(const SettingDifference &difference) {
  const std::string_view scope = difference.scope;
  const std::string_view item = difference.item;
  const std::string_view field = difference.field;
  std::string name(field);
  std::string fix = "Set it again on its screen";
  for (const FieldHelp &help : Help()) {
    if (field == help.field) {
      name = help.name;
      fix = help.fix;
    }
  }
  const bool directory = scope == "CHMMSID" || scope == "CHGRPID";
  if (directory && field == "Enable") {
    name = "entry in use";
    fix = "The radio ends the directory at the first entry without an MMSI: give every entry "
          "in use an MMSI";
  } else if (scope == "ChannelGroups" && field == "Enable") {
    name = "usable";
    fix = "Switch a channel of the group on, or the group off";
  }
  return {Severity::Error, PlaceOf(scope, item, true),
          Capitalized(ItemName(scope, item) + name) + " " + difference.from + " becomes " +
              difference.to + " in the radio",
          fix};
}

Finding FindingOfEncodeError(const EncodeError &error) {
  const std::size_t firstSpace = error.field.find(' ');
  const std::size_t lastSpace = error.field.rfind(' ');
  const std::string_view field = error.field;
  const std::string_view scope = field.substr(0, firstSpace);
  const std::string_view item = firstSpace == lastSpace
                                    ? std::string_view()
                                    : field.substr(firstSpace + 1, lastSpace - firstSpace - 1);
  return {Severity::Error, PlaceOf(scope, item, false),
          error.field + " = " + error.value +
              " does not fit the radio: Program to Radio and convert refuse the data",
          "Correct the value; the rest of the data is checked once it fits"};
}

std::string WithoutTrailingBlanks(const std::string &text) {
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

// Differences that the editor does not show are no findings: the tenth digit
// of an MMSI, trailing blanks of a name, frequencies that read the same with
// four decimals, and directory entries that are neither in use nor hold an MMSI.
void KeepUnseenDifferences(const RadioData &data, RadioData &radio) {
  auto sameMmsi = [](const std::string &shown, std::string &held) {
    if (MmsiOfStored(shown) == MmsiOfStored(held))
      held = shown;
  };
  auto sameName = [](const std::string &shown, std::string &held) {
    if (WithoutTrailingBlanks(shown) == held)
      held = shown;
  };
  sameMmsi(data.DscBasic.UserMmsi, radio.DscBasic.UserMmsi);
  for (int g = 0; g < 3; ++g)
    sameName(data.ChannelGroups[g].StatusName, radio.ChannelGroups[g].StatusName);
  for (const auto bank : {&RadioSettings::CHUSA, &RadioSettings::CHINT, &RadioSettings::CHCAN,
                          &RadioSettings::CHWX, &RadioSettings::CHEXP}) {
    for (int r = (data.*bank).Lower(); r <= (data.*bank).Upper(); ++r) {
      const ChannelRecord &shown = (data.*bank)[r];
      ChannelRecord &held = (radio.*bank)[r];
      sameName(shown.ChTag, held.ChTag);
      sameName(shown.CHDisplayL, held.CHDisplayL);
      sameName(shown.CHDisplayR, held.CHDisplayR);
      // Without TX the power boxes are greyed out; the radio keeps no power then.
      if (!shown.TxEnable)
        held.LowPower = shown.LowPower;
      if (FormatFreq4(shown.Rxfreq) == FormatFreq4(held.Rxfreq))
        held.Rxfreq = shown.Rxfreq;
      if (FormatFreq4(shown.Txfreq) == FormatFreq4(held.Txfreq))
        held.Txfreq = shown.Txfreq;
    }
  }
  for (const auto directory : {&RadioSettings::CHMMSID, &RadioSettings::CHGRPID}) {
    for (int n = (data.*directory).Lower(); n <= (data.*directory).Upper(); ++n) {
      const DirectoryEntry &shown = (data.*directory)[n];
      DirectoryEntry &held = (radio.*directory)[n];
      if (!shown.Enable && shown.Mmsid.empty())
        held = shown;
      sameMmsi(shown.Mmsid, held.Mmsid);
      sameName(shown.TagName, held.TagName);
    }
  }
}

} // namespace

std::vector<Finding> StoredValueFindings(const RadioData &data, const ModelInfo &model) {
  auto radio = std::make_unique<RadioData>(data);
  if (auto error = PrepareOutgoingImage(*radio, model.ModelVariant, true))
    return {FindingOfEncodeError(*error)};
  DecodeImage(*radio);
  KeepUnseenDifferences(data, *radio);
  std::vector<Finding> findings;
  for (const SettingDifference &difference : SettingDifferences(data, *radio, model))
    findings.push_back(FindingOfDifference(difference));
  return findings;
}

} // namespace kv508
