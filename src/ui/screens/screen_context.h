#pragma once

// What an editing screen may ask of the main window. Screens never see the
// window itself, so the window does not grow with every screen.

#include "app/edit_log.h"
#include "ui/ui_dialogs.h"

#include <QString>

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class ScreenContext {
public:
  virtual ~ScreenContext() = default;
  virtual Session &session() = 0;
  // The one path of a user's change: the core applies it and records one undo
  // step; the window then shows the new state (tree texts, Edit menu).
  virtual bool Apply(const EditPlace &place, const EditLog::Change &change, StepKind kind) = 0;
  // The user has left a text field whose keys were stored as they were typed.
  virtual void FinishTyping() = 0;
  // A text has been typed that is stored when its field is left.
  virtual void SetPending(bool typed) = 0;
  // Selects the tree node with that key and acts as if the user had clicked it.
  virtual void SelectNodeByKey(const QString &key) = 0;
  virtual bool CommitActiveEdit() = 0;
  // Runs a clear mode of the transfer dialog as one undo step; true when the
  // radio was cleared.
  virtual bool RunClear(int mode, const EditPlace &place) = 0;
  // frmMmsiConfirm: the own MMSI typed again before `typed` is stored.
  virtual UiDialogs::Repeat RepeatOwnMmsi(const QString &typed, const QString &info) = 0;
  // The status bar's hint line, until the next control's hint.
  virtual void ShowHint(const QString &hint) = 0;
};

} // namespace kv508::ui
