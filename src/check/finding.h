#pragma once

// One finding of the check before programming: how bad it is, where the user
// puts it right, what is wrong and how to fix it.

#include <string>
#include <vector>

namespace kv508 {

// Error: the radio would hold something other than what the editor shows.
// Warning: the radio holds what is shown, but it is probably not what is meant.
enum class Severity { Warning, Error };

// The screens a finding points to, in the order of the navigation tree.
enum class CheckScreen {
  UsableGroups,
  Common,
  Dsc,
  Atis,
  PlanChannel,
  Weather,
  MemoryId,
  GroupId,
  ExpansionChannel,
};

struct CheckPlace {
  CheckScreen screen = CheckScreen::UsableGroups;
  // PlanChannel: the group 0..2 (CHUSA, CHINT, CHCAN); UsableGroups: the group
  // 0..3 the finding is about, -1 for none; 0 elsewhere.
  int group = 0;
  // PlanChannel: the record index 0..239; Weather: 0..9; MemoryId, GroupId,
  // ExpansionChannel: the entry or record number from 1; 0 elsewhere.
  int record = 0;
  std::string text; // "Memory ID 4", "EXP Channel 12", "Group1 CH16", "DSC Setup"

  bool operator==(const CheckPlace &) const = default;
};

struct Finding {
  Severity severity = Severity::Warning;
  CheckPlace where;
  std::string what; // a sentence without its full stop
  std::string fix;  // likewise

  bool operator==(const Finding &) const = default;
};

CheckPlace SetupPlace(CheckScreen screen, int group = -1); // UsableGroups, Common, Dsc, Atis
CheckPlace PlanChannelPlace(int group, int record);
CheckPlace WeatherPlace(int record);
CheckPlace MemoryIdPlace(int n);
CheckPlace GroupIdPlace(int n);
CheckPlace ExpansionPlace(int n);

// The navigation tree's keys for a place, the most specific first: the node of
// the record, its parent, then the screen where the record can be switched on
// ("E 12", "ExpChannel", "Usable"). The first key that the tree holds is the one
// to select.
std::vector<std::string> TreeKeys(const CheckPlace &place);

std::string SeverityText(Severity severity); // "error", "warning"
// "error: Memory ID 4: <what>. <fix>."
std::string FindingLine(const Finding &finding);
// 0 without findings, 1 for warnings only, 2 when there is an error.
int CheckStatus(const std::vector<Finding> &findings);
// Screen order, then group and record; within one place errors first.
void SortFindings(std::vector<Finding> &findings);

} // namespace kv508
