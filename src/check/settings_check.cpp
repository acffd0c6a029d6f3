#include "check/settings_check.h"

namespace kv508 {

std::vector<Finding> CheckSettings(const RadioData &data, const ModelInfo &model,
                                   const MidTable &mids) {
  std::vector<Finding> findings = StoredValueFindings(data, model);
  for (Finding &finding : RuleFindings(data, model, mids))
    findings.push_back(std::move(finding));
  SortFindings(findings);
  return findings;
}

} // namespace kv508
