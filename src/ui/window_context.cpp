#include "ui/window_context.h"

#include "ui/edit_controller.h"
#include "ui/navigator.h"
#include "ui/radio_commands.h"

#include <QWidget>

namespace kv508::ui {

bool WindowContext::Apply(const EditPlace &place, const EditLog::Change &change, StepKind kind) {
  return edits_.Apply(place, change, kind);
}

void WindowContext::FinishTyping() { edits_.FinishTyping(); }

void WindowContext::SetPending(bool typed) { edits_.SetPending(typed); }

void WindowContext::SelectNodeByKey(const QString &key) { navigator_.SelectNodeByKey(key); }

bool WindowContext::CommitActiveEdit() { return navigator_.CommitActiveEdit(); }

bool WindowContext::RunClear(int mode, const EditPlace &place) { return radio_.Clear(mode, place); }

UiDialogs::Repeat WindowContext::RepeatOwnMmsi(const QString &typed, const QString &info) {
  const UiDialogs::Repeat answer = dialogs_.RepeatOwnMmsi(&window_, typed, info);
  if (window_.isVisible())
    window_.activateWindow();
  return answer;
}

} // namespace kv508::ui
