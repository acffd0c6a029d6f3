#pragma once

// What an editing screen may ask of the main window. Screens never see the
// window itself, so the window does not grow with every screen.

#include <QString>

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class ScreenContext {
public:
  virtual ~ScreenContext() = default;
  virtual Session &session() = 0;
  // First panel of the status bar.
  virtual void SetStatusHint(const QString &hint) = 0;
  // Selects the tree node with that key and acts as if the user had clicked it.
  virtual void SelectNodeByKey(const QString &key) = 0;
  // The key of the tree's selected node (empty for none).
  virtual QString SelectedNodeKey() = 0;
  // BuildTree and RefreshNodeTexts; the selected node stays selected when it
  // still exists, and its screen stays.
  virtual void RebuildTree() = 0;
  virtual void RefreshNodeTexts() = 0;
  virtual void SetNodeText(const QString &key, const QString &text) = 0;
  // Shows the screen of the selected node again with the current data.
  virtual void ShowSelectedNodeAgain() = 0;
  virtual bool CommitActiveEdit() = 0;
  // Opens the transfer dialog for one mode; true when the operation succeeded.
  virtual bool RunTransfer(int mode) = 0;
};

} // namespace kv508::ui
