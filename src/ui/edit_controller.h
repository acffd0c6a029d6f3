#pragma once

// Edit > Undo and Redo, and the window's end of the one edit path: a user's
// change goes to the core's edit log, then the tree and the Edit menu show
// the new state. Undo and redo show the screen of their step with the
// control that changed.

#include "app/edit_log.h"
#include <QCoreApplication>

#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class Navigator;

class EditController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(EditController)

public:
  // `refresh` is the window's one refresh after the data were replaced;
  // `stateChanged` runs whenever the history or DataChanged may have changed.
  EditController(Session &session, Navigator &navigator, std::function<void()> refresh,
                 std::function<void()> stateChanged, QObject *parent);
  // Adds Undo and Redo to the Edit menu.
  void AddActions(QMenu *menu);

  bool Apply(const EditPlace &place, const EditLog::Change &change, StepKind kind);
  void FinishTyping();
  void SetPending(bool typed);
  // The data now equal what a file or the radio holds / were saved.
  void Loaded();
  void Saved();

  void Undo();
  void Redo();
  // The menu texts name the steps ("Undo Dual Watch").
  void UpdateActions();

private:
  void ShowStep(const std::optional<EditPlace> &place);

  Session &session_;
  Navigator &navigator_;
  std::function<void()> refresh_;
  std::function<void()> stateChanged_;
  QAction *undo_ = nullptr;
  QAction *redo_ = nullptr;
};

} // namespace kv508::ui
