#pragma once

// A text field whose text is checked and stored when the user leaves it (or a
// command finishes the edit), not on every key: frequencies, MMSIs, the ATIS
// code, status and directory names. A refused text keeps the focus.

#include <QLineEdit>

#include <functional>

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class CommitLineEdit : public QLineEdit {
  Q_OBJECT
public:
  // Edits count only while the panel is enabled and the session is not busy.
  CommitLineEdit(Session &session, QWidget *panel, QWidget *parent = nullptr);

  // Checks and stores the text; false when refused (it has told the user).
  std::function<bool()> check;
  // Enter without Shift, Ctrl or Alt commits too.
  bool commitOnEnter = false;

  bool IsEdited() const { return edited_; }
  // Fills the field from the data: the text is shown and the edited mark cleared.
  void ShowStored(const QString &text);
  // Runs the check when the text was edited. A refusal the user has just been
  // shown is not shown twice before the field has the focus again.
  bool Commit();

protected:
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  Session &session_;
  QWidget *panel_;
  bool edited_ = false;
  bool refusalShown_ = false;
};

// Commits every edited field of a panel; false at the first refusal.
bool CommitEditedFields(QWidget *panel);

} // namespace kv508::ui
