#pragma once

// The screen area right of the tree: exactly one enabled panel at a time. The
// editing screens register themselves here; nodes whose screen is not
// registered show the empty grey panel.

#include "ui/screens/editor_screen.h"

#include <QStackedWidget>

#include <map>
#include <memory>
#include <vector>

class QLabel;

namespace kv508::ui {

class ScreenArea : public QStackedWidget {
  Q_OBJECT
public:
  explicit ScreenArea(QWidget *parent = nullptr);
  ~ScreenArea() override;

  // A later screen for the same kind replaces the earlier one.
  void Register(std::unique_ptr<EditorScreen> screen);
  // Finishes the edit in progress on the screen shown; false when a field
  // refused its input.
  bool CommitActiveEdit() const;

  // Disables every panel, then enables, raises and fills the one; a record
  // that does not exist shows the empty panel.
  void Show(const ScreenRequest &request, const RadioData &data);

  QWidget *ActivePanel() const;
  // Where Tab comes from into a screen and goes back to after its last control.
  void SetTabStart(QWidget *widget) { tabStart_ = widget; }
  QLabel *Logo() const { return logo_; }

private:
  QWidget *general_;
  QWidget *empty_;
  QLabel *logo_;
  EditorScreen *active_ = nullptr;
  QWidget *tabStart_ = nullptr;
  std::vector<std::unique_ptr<EditorScreen>> owned_;
  std::map<ScreenKind, EditorScreen *> screens_;
};

} // namespace kv508::ui
