#pragma once

// A text field whose text is checked and stored when the user leaves it (or a
// command finishes the edit), not on every key: frequencies, MMSIs, the ATIS
// code, status and directory names. A refused text keeps the focus.

#include <QLineEdit>

#include <functional>

namespace kv508::ui {

class CommitLineEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit CommitLineEdit(QWidget *parent = nullptr);

  // Checks and stores the text; false when refused (it has told the user).
  std::function<bool()> check;
  // Whether a typed key counts as an edit now (the panel is shown, not busy),
  // and what to do when it does.
  std::function<bool()> mayEdit;
  std::function<void()> edited;
  // Enter without Shift, Ctrl or Alt commits too.
  bool commitOnEnter = false;

  bool IsEdited() const { return edited_; }
  // Fills the field from the data: the text is shown as stored and the edited mark cleared.
  void ShowStored(const QString &text);
  // Runs the check when the text was edited. A refusal the user has just been
  // shown is not shown twice before the field has the focus again.
  bool Commit();

protected:
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  bool edited_ = false;
  bool refusalShown_ = false;
};

// Commits every edited field of a panel; false at the first refusal.
bool CommitEditedFields(QWidget *panel);

} // namespace kv508::ui
