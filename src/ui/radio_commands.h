#pragma once

// Transfer > Program to Radio and Read from Radio, and the clear buttons'
// transfers: each opens the transfer dialog for one mode and then shows what
// the radio left in the data.

#include "app/undo_history.h"
#include "ui/window_parts.h"

#include <QObject>

#include <functional>
#include <string>

namespace kv508::ui {

class FileCommands;
class TransferPorts;

class RadioCommands : public QObject {
public:
  using Help = std::function<void(int topic, const std::string &title)>;

  RadioCommands(WindowParts parts, TransferPorts &ports, FileCommands &files, Help help);

  void Program();
  void Read();
  // File > Check Settings: the check's findings at any time.
  void CheckSettings();
  // A clear mode as one undo step; true when the radio was cleared.
  bool Clear(int mode, const EditPlace &place);

private:
  // Opens frmRadio for one mode; true when the operation succeeded.
  bool Run(int mode);

  WindowParts parts_;
  TransferPorts &ports_;
  FileCommands &files_;
  Help help_;
};

} // namespace kv508::ui
