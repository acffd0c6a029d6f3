#pragma once

// File > New, Open, Restore Backup, Save, Save As and Recent Files, a file
// dropped on the window, and the debug image commands: every command that
// puts a file's data in place or writes the data to a file, and the question
// that comes before unsaved data is replaced.

#include "ui/file_places.h"
#include "ui/window_parts.h"
#include <QCoreApplication>

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>

class QMenu;
class QTimer;

namespace kv508::ui {

class FileCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
  explicit FileCommands(WindowParts parts);

  void AddRecentMenu(QMenu *fileMenu);

  void New();
  // New data of the model in use, once the menu that asked has closed.
  void StartNew();
  void Open();
  // Loads a backup image as unsaved data, one undo step.
  void Restore();
  // Told which backup is shown after a restore ("Showing the backup of ...").
  void OnRestored(std::function<void(const QString &)> told) { onRestored_ = std::move(told); }
  void Save() { SaveTo(true); }
  void SaveAs() { SaveTo(false); }
  bool SaveTo(bool useCurrentPath);
  // The close prompt's question before unsaved data is replaced or dropped:
  // true when the command may go on (saved, or the user said No).
  bool SaveChangesFirst();

  // Open by path (Recent Files, a drop): a settings file, or an image as the
  // image command reads it. False when it was not read.
  bool OpenSettingsFile(const QString &file);
  bool OpenImageFile(const QString &file);
  // A Recent Files entry: opened, or dropped from the list when it is gone.
  void OpenRecent(const QString &file);
  // A file dropped on the window, after the question about unsaved data.
  void OpenDropped(const QString &file);

  // The hidden debug commands (Ctrl+F3, Ctrl+F2).
  void SaveImage();
  void OpenImage();

private:
  void RunNew();
  // A file opened or saved: its folder is remembered and it heads Recent Files.
  void RememberFile(FileKind kind, const QString &file);
  void RefreshRecentMenu();
  bool ReadyToReplace();
  bool RestoreFile(const std::filesystem::path &path);
  static QString RestoredText(const std::filesystem::path &path);

  WindowParts parts_;
  QTimer *newTimer_;
  QMenu *recentMenu_ = nullptr;
  std::function<void(const QString &)> onRestored_;
};

} // namespace kv508::ui
