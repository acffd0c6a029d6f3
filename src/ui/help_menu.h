#pragma once

// The Help menu: the help page (also for F1 on the control with the focus and
// the transfer dialog's Help button), the backup folder and the about box.

#include "ui/window_parts.h"
#include <QCoreApplication>

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <string>

class QAction;
class QMenuBar;

namespace kv508::ui {

class HelpWindow;

class HelpMenu : public QObject {
  Q_DECLARE_TR_FUNCTIONS(HelpMenu)

public:
  explicit HelpMenu(WindowParts parts);
  void AddMenu(QMenuBar *bar);
  // The help page of the model in use; none when it does not exist.
  void SetHelpFile(std::filesystem::path file);

  void Contents();
  // F1: the help topic of the focused control, else the contents.
  void ForFocus();
  // Without a help file the message carries the title of the window that asked.
  void ShowTopic(int topic, const std::string &messageTitle);
  void ShowBackupFolder();
  // Opens the backup folder in the file manager; without one, offers to copy
  // its path. Also Restore Backup's Show in Folder.
  static void ShowBackupFolder(const WindowParts &parts, QWidget *parent);
  void About();
  void CloseHelp();

private:
  WindowParts parts_;
  std::filesystem::path helpFile_;
  QPointer<HelpWindow> window_;
  QAction *contents_ = nullptr;
};

} // namespace kv508::ui
