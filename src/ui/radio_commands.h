#pragma once

// Transfer > Program to Radio, Read from Radio and Compare with Radio, the
// clear buttons' transfers, and Options > Test Connection: each opens its
// dialog for one operation and then shows what the radio left in the data.
// Keep the Radio's Identity and Use the Radio's Values reach the data through
// the edit path, as one undo step each.

#include "app/undo_history.h"
#include "model/radio_data.h"
#include "ui/window_parts.h"
#include <QCoreApplication>

#include <QObject>

#include <functional>
#include <string>

namespace kv508 {
struct RadioIdentity;
}

namespace kv508::ui {

class FileCommands;
class TransferDialog;
class TransferPorts;
enum class CompareChoice;

class RadioCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(RadioCommands)

public:
  using Help = std::function<void(int topic, const std::string &title)>;

  RadioCommands(WindowParts parts, TransferPorts &ports, FileCommands &files, Help help);

  void Program();
  void Read();
  // File > Check Settings: the check's findings at any time.
  void CheckSettings();
  // Reads the radio and shows frmCompare; its changes go to the radio in the
  // same connection, or the radio's values into the data.
  void Compare();
  // A clear mode as one undo step; true when the radio was cleared.
  bool Clear(int mode, const EditPlace &place);
  void TestConnection();

private:
  // Opens frmRadio for one mode; true when the operation succeeded.
  bool Run(int mode, const std::function<void(TransferDialog &)> &setUp = {});
  // frmCompare over the radio's image; true to program its changes.
  bool ShowComparison(const MemoryImage &radio, QWidget *parent, CompareChoice &choice);
  void UseRadioValues(const MemoryImage &radio);
  void KeepRadioIdentity(const RadioIdentity &identity);
  // Asks for a .txt file and saves the text in it.
  void SaveText(QWidget *parent, const std::string &text);

  WindowParts parts_;
  TransferPorts &ports_;
  FileCommands &files_;
  Help help_;
};

} // namespace kv508::ui
