#include "ui/screens/commit_line_edit.h"

#include "ui/screens/char_filter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace kv508::ui {

CommitLineEdit::CommitLineEdit(QWidget *parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (mayEdit && !mayEdit())
      return;
    edited_ = true;
    refusalShown_ = false;
    if (edited)
      edited();
  });
}

void CommitLineEdit::ShowStored(const QString &text) {
  ShowText(this, text);
  edited_ = false;
  refusalShown_ = false;
}

bool CommitLineEdit::Commit() {
  if (!edited_)
    return true;
  if (refusalShown_)
    return false;
  if (check && !check()) {
    refusalShown_ = true;
    return false;
  }
  edited_ = false;
  return true;
}

void CommitLineEdit::focusInEvent(QFocusEvent *event) {
  refusalShown_ = false;
  QLineEdit::focusInEvent(event);
}

void CommitLineEdit::focusOutEvent(QFocusEvent *event) {
  QLineEdit::focusOutEvent(event);
  // A message box or a menu taking the focus is not the user leaving the field.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
    return;
  if (!isEnabled() || (mayEdit && !mayEdit()) || Commit())
    return;
  QPointer<CommitLineEdit> self(this);
  QTimer::singleShot(0, this, [self] {
    if (self && self->isEnabled() && self->isVisible())
      self->setFocus(Qt::OtherFocusReason);
  });
}

void CommitLineEdit::keyPressEvent(QKeyEvent *event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && commitOnEnter &&
      !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
    Commit();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

bool CommitEditedFields(QWidget *panel) {
  // The focused field first: it is the one the user is typing in.
  if (auto *focused = qobject_cast<CommitLineEdit *>(panel->focusWidget())) {
    if (panel->isAncestorOf(focused) && !focused->Commit())
      return false;
  }
  const auto fields = panel->findChildren<CommitLineEdit *>();
  for (CommitLineEdit *field : fields) {
    if (field->isEnabled() && !field->Commit())
      return false;
  }
  return true;
}

} // namespace kv508::ui
