#include "ui/file_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv508::ui {

namespace {

constexpr const char *kSection = "Files";

const char *FolderKey(FileKind kind) {
  switch (kind) {
  case FileKind::Settings:
    return "SettingsFolder";
  case FileKind::Image:
    return "ImageFolder";
  case FileKind::Report:
  case FileKind::Pdf:
    return "ReportFolder";
  case FileKind::Csv:
    return "CsvFolder";
  }
  return "SettingsFolder";
}

std::string RecentKey(int index) { return "Recent" + std::to_string(index + 1); }

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QDir(documents).exists())
    return documents;
  return QDir::homePath();
}

bool HasSuffix(const QString &file, const char *suffix) {
  return QFileInfo(file).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

} // namespace

QString FilterFor(FileKind kind) {
  switch (kind) {
  case FileKind::Settings:
    return QCoreApplication::translate("FilePlaces", "dat files(*.dat);;All files(*.*)");
  case FileKind::Image:
    return QCoreApplication::translate("FilePlaces", "hex files(*.hex);;All files(*.*)");
  case FileKind::Report:
    return QCoreApplication::translate("FilePlaces", "Text files(*.txt);;All files(*.*)");
  case FileKind::Pdf:
    return QCoreApplication::translate("FilePlaces", "PDF files(*.pdf);;All files(*.*)");
  case FileKind::Csv:
    return QCoreApplication::translate("FilePlaces", "CSV files(*.csv);;All files(*.*)");
  }
  return {};
}

QString SuffixFor(FileKind kind) {
  switch (kind) {
  case FileKind::Settings:
    return QStringLiteral(".dat");
  case FileKind::Image:
    return QStringLiteral(".hex");
  case FileKind::Report:
    return QStringLiteral(".txt");
  case FileKind::Pdf:
    return QStringLiteral(".pdf");
  case FileKind::Csv:
    return QStringLiteral(".csv");
  }
  return {};
}

QString WithDefaultSuffix(const QString &file, FileKind kind) {
  if (file.isEmpty() || !QFileInfo(file).suffix().isEmpty())
    return file;
  return file + SuffixFor(kind);
}

bool IsSettingsFile(const QString &file) { return HasSuffix(file, "dat"); }

bool IsImageFile(const QString &file) { return HasSuffix(file, "hex"); }

QString FilePlaces::StartFolder(FileKind kind) const {
  const QString stored = QString::fromStdString(settings_.Get(kSection, FolderKey(kind), ""));
  if (!stored.isEmpty() && QDir(stored).exists())
    return stored;
  return DocumentsFolder();
}

void FilePlaces::Remember(FileKind kind, const QString &file) {
  settings_.Set(kSection, FolderKey(kind), QFileInfo(file).absolutePath().toStdString());
}

QStringList FilePlaces::Recent() const {
  QStringList files;
  for (int i = 0; i < kRecentCount; ++i) {
    const QString file = QString::fromStdString(settings_.Get(kSection, RecentKey(i), ""));
    if (!file.isEmpty())
      files << file;
  }
  return files;
}

void FilePlaces::AddRecent(const QString &file) {
  const QString path = QFileInfo(file).absoluteFilePath();
  QStringList files = Recent();
  files.removeAll(path);
  files.prepend(path);
  StoreRecent(files);
}

void FilePlaces::RemoveRecent(const QString &file) {
  QStringList files = Recent();
  files.removeAll(file);
  StoreRecent(files);
}

void FilePlaces::StoreRecent(const QStringList &files) {
  for (int i = 0; i < kRecentCount; ++i)
    settings_.Set(kSection, RecentKey(i), i < files.size() ? files[i].toStdString() : "");
}

} // namespace kv508::ui
