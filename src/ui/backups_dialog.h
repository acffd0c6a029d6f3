#pragma once

// Restore Backup: the automatic backups as a list, newest first, with what
// tells them apart (when, read or program, model, the radio's own MMSI).

#include <QCoreApplication>
#include <QDialog>

#include <filesystem>
#include <functional>

class QTreeWidget;

namespace kv508::ui {

class BackupsDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(BackupsDialog)

public:
  // `showFolder` is the Show in Folder button.
  BackupsDialog(const std::filesystem::path &folder, std::function<void()> showFolder,
                QWidget *parent = nullptr);

  // The backup chosen with Restore; empty otherwise.
  QString Chosen() const;

private:
  QTreeWidget *list_;
};

} // namespace kv508::ui
