#include "ui/check_commands.h"

#include "app/session.h"
#include "check/settings_check.h"
#include "ui/nav_tree.h"
#include "ui/navigator.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QTreeWidget>

namespace kv508::ui {

namespace {

using Choice = UiDialogs::FindingsAnswer::Choice;

// Shows the findings; true for Program Anyway.
bool Review(const WindowParts &parts, const std::vector<Finding> &findings, bool beforeProgram) {
  const Session &session = parts.session;
  const UiDialogs::FindingsAnswer answer = parts.dialogs.ShowFindings(
      &parts.window, findings, SystemToQt(session.midsProblem), beforeProgram);
  parts.ActivateAgain();
  if (answer.choice == Choice::ShowLine && answer.line >= 0 &&
      answer.line < static_cast<int>(findings.size()))
    ShowFindingScreen(parts.navigator, findings[static_cast<std::size_t>(answer.line)].where);
  return beforeProgram && answer.choice == Choice::ProgramAnyway;
}

std::vector<Finding> Findings(const Session &session) {
  return CheckSettings(session.data, session.model, session.mids);
}

} // namespace

bool CheckBeforeProgram(const WindowParts &parts) {
  const std::vector<Finding> findings = Findings(parts.session);
  return findings.empty() || Review(parts, findings, true);
}

void ShowSettingsCheck(const WindowParts &parts) {
  if (!parts.navigator.CommitActiveEdit())
    return;
  const std::vector<Finding> findings = Findings(parts.session);
  if (!findings.empty()) {
    Review(parts, findings, false);
    return;
  }
  parts.host.Message(Icon::Information, "Check Settings",
                     "The check found nothing: the radio will hold the settings as shown.",
                     Buttons::Ok);
}

void ShowFindingScreen(Navigator &navigator, const CheckPlace &place) {
  for (const std::string &key : TreeKeys(place)) {
    if (FindNodeByKey(navigator.Tree(), ToQt(key))) {
      navigator.SelectNodeByKey(ToQt(key));
      return;
    }
  }
}

} // namespace kv508::ui
