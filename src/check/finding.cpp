#include "check/finding.h"

#include "model/tables.h"

#include <algorithm>
#include <tuple>

namespace kv508 {

namespace {

constexpr const char *kPlanKeys[3] = {"PU", "PI", "PC"};

std::string Numbered(const char *key, int n) { return std::string(key) + " " + std::to_string(n); }

} // namespace

CheckPlace SetupPlace(CheckScreen screen, int group) {
  switch (screen) {
  case CheckScreen::Common:
    return {screen, 0, 0, "Common Setup"};
  case CheckScreen::Dsc:
    return {screen, 0, 0, "DSC Setup"};
  case CheckScreen::Atis:
    return {screen, 0, 0, "ATIS Setup"};
  default:
    return {CheckScreen::UsableGroups, group, 0, "Usable CH Group Setup"};
  }
}

CheckPlace PlanChannelPlace(int group, int record) {
  const ChannelTableArray &table = ChannelTable();
  const std::string label =
      table.Contains(record) ? table[record].Label : "#" + std::to_string(record);
  return {CheckScreen::PlanChannel, group, record,
          "Group" + std::to_string(group + 1) + " CH" + label};
}

CheckPlace WeatherPlace(int record) {
  const ChannelTableArray &table = WxTable();
  const std::string label =
      table.Contains(record + 1) ? table[record + 1].Label : std::to_string(record + 1);
  return {CheckScreen::Weather, 0, record, "Weather " + label};
}

CheckPlace MemoryIdPlace(int n) { return {CheckScreen::MemoryId, 0, n, Numbered("Memory ID", n)}; }
CheckPlace GroupIdPlace(int n) { return {CheckScreen::GroupId, 0, n, Numbered("Group ID", n)}; }
CheckPlace ExpansionPlace(int n) {
  return {CheckScreen::ExpansionChannel, 0, n, Numbered("EXP Channel", n)};
}

std::vector<std::string> TreeKeys(const CheckPlace &place) {
  switch (place.screen) {
  case CheckScreen::UsableGroups:
    return {"Usable", "General"};
  case CheckScreen::Common:
    return {"Common", "General"};
  case CheckScreen::Dsc:
    return {"DSC", "General"};
  case CheckScreen::Atis:
    return {"ATIS", "General"};
  case CheckScreen::PlanChannel: {
    const char *key = kPlanKeys[std::clamp(place.group, 0, 2)];
    return {Numbered(key, place.record), key, "Usable"};
  }
  case CheckScreen::Weather:
    return {"PW", "Program"};
  case CheckScreen::MemoryId:
    return {Numbered("SM", place.record), "SM", "DSCSetting"};
  case CheckScreen::GroupId:
    return {Numbered("SG", place.record), "SG", "DSCSetting"};
  case CheckScreen::ExpansionChannel:
    return {Numbered("E", place.record), "ExpChannel", "Usable"};
  }
  return {"General"};
}

std::string SeverityText(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

std::string FindingLine(const Finding &finding) {
  return SeverityText(finding.severity) + ": " + finding.where.text + ": " + finding.what + ". " +
         finding.fix + ".";
}

int CheckStatus(const std::vector<Finding> &findings) {
  int status = 0;
  for (const Finding &finding : findings)
    status = std::max(status, finding.severity == Severity::Error ? 2 : 1);
  return status;
}

void SortFindings(std::vector<Finding> &findings) {
  auto key = [](const Finding &f) {
    return std::make_tuple(static_cast<int>(f.where.screen), f.where.group, f.where.record,
                           f.severity == Severity::Error ? 0 : 1);
  };
  std::stable_sort(findings.begin(), findings.end(),
                   [&](const Finding &a, const Finding &b) { return key(a) < key(b); });
}

} // namespace kv508
