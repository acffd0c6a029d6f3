#pragma once

// Where the file dialogs start and what they add: per kind of file the folder
// last used (else the user's documents folder), the extension a typed name
// without one gets, and the Recent Files list. Kept per user.

#include "app/user_settings.h"

#include <QString>
#include <QStringList>

namespace kv508::ui {

enum class FileKind { Settings, Image, Report, Pdf, Csv };

// "dat files(*.dat);;All files(*.*)" and the like.
QString FilterFor(FileKind kind);
// ".dat", ".hex", ".txt", ".pdf", ".csv"
QString SuffixFor(FileKind kind);
// The name as typed, with the kind's extension when the name has none.
QString WithDefaultSuffix(const QString &file, FileKind kind);
// .dat and .hex files open from the Recent Files list and by drop; others are not ours.
bool IsSettingsFile(const QString &file);
bool IsImageFile(const QString &file);

class FilePlaces {
public:
  static constexpr int kRecentCount = 8;

  explicit FilePlaces(UserSettings &settings) : settings_(settings) {}

  QString StartFolder(FileKind kind) const;
  // The folder of a file just opened or saved becomes the kind's start folder.
  void Remember(FileKind kind, const QString &file);

  // Newest first, at most kRecentCount.
  QStringList Recent() const;
  void AddRecent(const QString &file);
  void RemoveRecent(const QString &file);

private:
  void StoreRecent(const QStringList &files);

  UserSettings &settings_;
};

} // namespace kv508::ui
