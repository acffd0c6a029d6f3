#include "ui/edit_controller.h"
#include "ui/core_texts.h"

#include "app/session.h"
#include "ui/navigator.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QMenu>

namespace kv508::ui {

EditController::EditController(Session &session, Navigator &navigator,
                               std::function<void()> refresh, std::function<void()> stateChanged,
                               QObject *parent)
    : QObject(parent), session_(session), navigator_(navigator), refresh_(std::move(refresh)),
      stateChanged_(std::move(stateChanged)) {}

void EditController::AddActions(QMenu *menu) {
  undo_ = menu->addAction(tr("&Undo"));
  undo_->setObjectName(QStringLiteral("mnuEditUndo"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undo_, &QAction::triggered, this, &EditController::Undo);
  redo_ = menu->addAction(tr("&Redo"));
  redo_->setObjectName(QStringLiteral("mnuEditRedo"));
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo_, &QAction::triggered, this, &EditController::Redo);
  UpdateActions();
}

bool EditController::Apply(const EditPlace &place, const EditLog::Change &change, StepKind kind) {
  const bool stepped = session_.edits.Apply(place, change, kind);
  navigator_.AfterEdit();
  UpdateActions();
  return stepped;
}

void EditController::FinishTyping() { session_.edits.FinishTyping(); }

void EditController::SetPending(bool typed) {
  session_.edits.SetPending(typed);
  UpdateActions();
}

void EditController::Loaded() {
  session_.edits.Loaded();
  UpdateActions();
}

void EditController::Saved() {
  session_.edits.Saved();
  UpdateActions();
}

void EditController::Undo() {
  if (!session_.state.Busy && navigator_.CommitActiveEdit())
    ShowStep(session_.edits.Undo());
}

void EditController::Redo() {
  if (!session_.state.Busy && navigator_.CommitActiveEdit())
    ShowStep(session_.edits.Redo());
}

void EditController::ShowStep(const std::optional<EditPlace> &place) {
  if (place) {
    refresh_();
    navigator_.ShowPlace(*place);
  }
  UpdateActions();
}

void EditController::UpdateActions() {
  if (!undo_)
    return;
  const EditLog &log = session_.edits;
  const auto text = [](const QString &command, const EditPlace *place) {
    return place && !place->name.empty() ? command + QLatin1Char(' ') + CoreText(place->name)
                                         : command;
  };
  undo_->setText(text(tr("&Undo"), log.NextUndo()));
  undo_->setEnabled(log.CanUndo());
  redo_->setText(text(tr("&Redo"), log.NextRedo()));
  redo_->setEnabled(log.CanRedo());
  stateChanged_();
}

} // namespace kv508::ui
