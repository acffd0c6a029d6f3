#pragma once

// What the parts of the main window share: the session, the front end's
// services, the tree with its screens and the edit path.

#include <QWidget>

#include <functional>

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class EditController;
class FilePlaces;
class Navigator;
class UiDialogs;
class UiHost;

struct WindowParts {
  Session &session;
  UiHost &host;
  UiDialogs &dialogs;
  FilePlaces &places;
  QWidget &window;
  Navigator &navigator;
  EditController &edits;
  // The debug hex dump shows the image again (after an encode for the radio or a file).
  std::function<void()> refreshHexDump;

  // Back to the main window once a modal window has closed.
  void ActivateAgain() const {
    if (!window.isVisible())
      return;
    window.raise();
    window.activateWindow();
  }
};

} // namespace kv508::ui
