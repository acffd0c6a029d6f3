#include "diff/radio_compare.h"

#include "image/decode.h"
#include "image/radio_ranges.h"

#include <algorithm>
#include <memory>

namespace kv508 {

namespace {

struct GroupOfScope {
  const char *scope;
  const char *group;
  const char *itemPrefix; // before a record's number or label
};

// The tree's order: General's screens, the programmable channels with the
// weather channels, the directories, the expansion channels.
constexpr GroupOfScope kGroups[] = {
    {"ChannelGroups", "Usable CH Group Setup", ""},
    {"Common", "Common Setup", ""},
    {"DscBasic", "DSC Setup", ""},
    {"DscAdvanced", "DSC Setup", ""},
    {"DscDisplay", "DSC Setup", ""},
    {"Atis", "ATIS Setup", ""},
    {"AtisCallSign", "ATIS Setup", "Call sign "},
    {"CHUSA", "Group1", "CH "},
    {"CHINT", "Group2", "CH "},
    {"CHCAN", "Group3", "CH "},
    {"CHWX", "Weather", "WX "},
    {"CHMMSID", "Individual Directory", "Memory ID "},
    {"CHGRPID", "Group Directory", "Group ID "},
    {"CHEXP", "EXP Channel", "EXP"},
};

const GroupOfScope *GroupOf(const std::string &scope) {
  for (const GroupOfScope &g : kGroups) {
    if (scope == g.scope)
      return &g;
  }
  return nullptr;
}

std::string SettingName(const SettingDifference &d, const GroupOfScope *group) {
  std::string name;
  if (!d.item.empty())
    name = (group ? group->itemPrefix : "") + d.item + " ";
  return name + d.field;
}

} // namespace

int RadioComparison::Count() const {
  int count = 0;
  for (const ComparedGroup &group : groups)
    count += static_cast<int>(group.settings.size());
  return count;
}

std::vector<ComparedGroup> GroupDifferences(const std::vector<SettingDifference> &differences) {
  // Groups in the tree's order; a scope without a group comes last, under its own name.
  std::vector<ComparedGroup> groups;
  for (const GroupOfScope &g : kGroups) {
    if (groups.empty() || groups.back().name != g.group)
      groups.push_back({g.group, {}});
  }
  for (const SettingDifference &d : differences) {
    const GroupOfScope *group = GroupOf(d.scope);
    const std::string name = group ? group->group : d.scope;
    auto place = std::find_if(groups.begin(), groups.end(),
                              [&name](const ComparedGroup &g) { return g.name == name; });
    if (place == groups.end())
      place = groups.insert(groups.end(), ComparedGroup{name, {}});
    place->settings.push_back({SettingName(d, group), d.from, d.to});
  }
  std::erase_if(groups, [](const ComparedGroup &g) { return g.settings.empty(); });
  return groups;
}

RadioComparison CompareWithRadio(const RadioData &editing, const MemoryImage &radioImage,
                                 const ModelInfo &model) {
  auto radio = std::make_unique<RadioData>(editing);
  TakeImageAsRead(*radio, radioImage);
  auto written = std::make_unique<RadioData>(editing);
  written->Image = radioImage;
  RadioComparison comparison;
  comparison.error = PrepareOutgoingImage(*written, model.ModelVariant, /*radioWrite=*/true);
  if (comparison.error)
    return comparison;
  DecodeImage(*written);
  comparison.groups = GroupDifferences(SettingDifferences(*radio, *written, model));
  return comparison;
}

std::string ComparisonText(const RadioComparison &comparison) {
  std::string text;
  for (const ComparedGroup &group : comparison.groups) {
    text += group.name + "\n";
    for (const ComparedSetting &s : group.settings)
      text += "  " + s.setting + ": " + s.radio + " -> " + s.written + "\n";
  }
  return text;
}

} // namespace kv508
