#include "ui/file_commands.h"

#include "app/backups.h"
#include "app/hex_file.h"
#include "app/new_data.h"
#include "app/session.h"
#include "files/dat_file.h"
#include "ui/edit_controller.h"
#include "ui/help_menu.h"
#include "ui/navigator.h"
#include "ui/node_keys.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace kv508::ui {

namespace {

QString FileNamePart(const std::string &path) {
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
}

// What is being done with a file, for the failure messages shown meanwhile.
UiHost::Activity Reading(const std::string &doing, const std::string &path) {
  return {.doing = doing + " " + path, .why = [path] { return ReadFailureReason(path); }};
}
UiHost::Activity Writing(const std::string &path) {
  return {.doing = "Saving " + path, .why = [path] { return WriteFailureReason(path); }};
}

} // namespace

FileCommands::FileCommands(WindowParts parts) : QObject(&parts.window), parts_(parts) {
  newTimer_ = new QTimer(this);
  newTimer_->setObjectName(QStringLiteral("tmrNew"));
  newTimer_->setSingleShot(true);
  newTimer_->setInterval(0);
  connect(newTimer_, &QTimer::timeout, this, &FileCommands::RunNew);
}

void FileCommands::AddRecentMenu(QMenu *fileMenu) {
  recentMenu_ = fileMenu->addMenu(tr("Recent &Files"));
  recentMenu_->setObjectName(QStringLiteral("mnuFileRecent"));
  connect(recentMenu_, &QMenu::aboutToShow, this, &FileCommands::RefreshRecentMenu);
  RefreshRecentMenu();
}

bool FileCommands::ReadyToReplace() {
  return parts_.navigator.CommitActiveEdit() && SaveChangesFirst();
}

// --- New ----------------------------------------------------------------------

void FileCommands::New() {
  if (ReadyToReplace())
    StartNew();
}

void FileCommands::StartNew() { newTimer_->start(); }

void FileCommands::RunNew() {
  newTimer_->stop();
  {
    ReplacingData replacing(parts_.session);
    WorkingScope working(parts_.host);
    parts_.navigator.ShowGeneral();
    parts_.host.RepaintPause(500);
    NewData(parts_.session, true);
    parts_.edits.Loaded();
  }
  // New data start with a clean status line.
  parts_.navigator.Hint(QString());
}

// --- Open -----------------------------------------------------------------------

void FileCommands::Open() {
  if (!ReadyToReplace())
    return;
  parts_.session.state.OperationIncomplete = true;
  const QString file = parts_.dialogs.OpenFileName(&parts_.window, FilterFor(FileKind::Settings),
                                                   parts_.places.StartFolder(FileKind::Settings));
  parts_.ActivateAgain();
  if (!file.isEmpty())
    OpenSettingsFile(file);
}

bool FileCommands::OpenSettingsFile(const QString &file) {
  Session &session = parts_.session;
  // The window shows the file's data once, when it is in; the node selected stays.
  ReplacingData replacing(session);
  bool read = false;
  {
    WorkingScope working(parts_.host);
    const std::string path = PathFromQt(file).string();
    MessageContext context(parts_.host, Reading("Opening", path));
    read = FileRead2(session, path) && !session.state.OperationFailed;
  }
  if (read) {
    RememberFile(FileKind::Settings, file);
    parts_.edits.Loaded();
  }
  return read;
}

bool FileCommands::OpenImageFile(const QString &file) {
  Session &session = parts_.session;
  ReplacingData replacing(session);
  WorkingScope working(parts_.host);
  const std::filesystem::path path = PathFromQt(file);
  MessageContext context(parts_.host, Reading("Opening", path.string()));
  if (!ReadHexFile(session, path) || session.state.OperationFailed)
    return false;
  session.state.CurrentFilePath = path.string();
  parts_.navigator.ShowGeneral();
  RememberFile(FileKind::Image, file);
  parts_.edits.Loaded();
  return true;
}

void FileCommands::Restore() {
  if (!ReadyToReplace())
    return;
  const std::filesystem::path &folder = parts_.session.backups.folder;
  std::error_code ec;
  if (!folder.empty())
    std::filesystem::create_directories(folder, ec);
  const WindowParts parts = parts_;
  const QString file = parts_.dialogs.ChooseBackup(&parts_.window, folder, [parts] {
    HelpMenu::ShowBackupFolder(parts, QApplication::activeModalWidget());
  });
  parts_.ActivateAgain();
  if (file.isEmpty())
    return;
  const std::filesystem::path path = PathFromQt(file);
  if (RestoreFile(path) && onRestored_)
    onRestored_(RestoredText(path));
}

bool FileCommands::RestoreFile(const std::filesystem::path &path) {
  Session &session = parts_.session;
  ReplacingData replacing(session);
  WorkingScope working(parts_.host);
  MessageContext context(parts_.host, Reading("Restoring", path.string()));
  bool read = false;
  parts_.edits.Apply(
      {"Restore Backup", FromQt(keys::kGeneral), ""},
      [&](RadioData &) { read = ReadHexFile(session, path); }, StepKind::Bulk);
  if (!read)
    return false;
  // A restored image belongs to no file: saving it asks for a name.
  session.state.CurrentFilePath.clear();
  parts_.navigator.ShowGeneral();
  return true;
}

QString FileCommands::RestoredText(const std::filesystem::path &path) {
  BackupEntry entry;
  if (!ParseBackupName(path.filename().string(), entry))
    return tr("Showing the backup %1, not saved").arg(QtFromPath(path.filename()));
  entry.file = path;
  const BackupColumns shown = DescribeBackup(entry);
  QString text = tr("Showing the backup of %1 (%2, %3")
                     .arg(ToQt(shown.time), ToQt(shown.kind), ToQt(shown.model));
  if (shown.mmsi != "-")
    text += tr(", MMSI %1").arg(ToQt(shown.mmsi));
  return text + tr("), not saved");
}

void FileCommands::OpenRecent(const QString &file) {
  if (!QFileInfo::exists(file)) {
    parts_.places.RemoveRecent(file);
    RefreshRecentMenu();
    parts_.host.Message(Icon::Exclamation, parts_.session.state.TitleText,
                        "The file " + PathFromQt(file).string() +
                            " is no longer there.\r\nIt has been taken off the Recent Files list.",
                        Buttons::Ok);
    return;
  }
  OpenDropped(file);
}

void FileCommands::OpenDropped(const QString &file) {
  if (parts_.session.state.Busy || !ReadyToReplace())
    return;
  if (IsImageFile(file))
    OpenImageFile(file);
  else
    OpenSettingsFile(file);
}

// --- Save ---------------------------------------------------------------------------

bool FileCommands::SaveTo(bool useCurrentPath) {
  Session &session = parts_.session;
  AppState &state = session.state;
  if (!parts_.navigator.CommitActiveEdit())
    return false;
  QString target;
  if (useCurrentPath && !state.CurrentFilePath.empty()) {
    target = QFile::decodeName(QByteArray::fromStdString(state.CurrentFilePath));
  } else {
    target = parts_.dialogs.SaveFileName(&parts_.window, FilterFor(FileKind::Settings),
                                         parts_.places.StartFolder(FileKind::Settings),
                                         FileNamePart(state.CurrentFilePath));
    parts_.ActivateAgain();
    target = WithDefaultSuffix(target, FileKind::Settings);
  }
  state.OperationIncomplete = true;
  if (target.isEmpty())
    return false;
  {
    WorkingScope working(parts_.host);
    MessageContext context(parts_.host, Writing(PathFromQt(target).string()));
    SaveFileAs(session, PathFromQt(target));
  }
  if (state.OperationFailed)
    return false;
  RememberFile(FileKind::Settings, target);
  state.CurrentFilePath = PathFromQt(target).string();
  state.OperationIncomplete = false;
  parts_.edits.Saved();
  return true;
}

bool FileCommands::SaveChangesFirst() {
  AppState &state = parts_.session.state;
  if (!state.DataChanged)
    return true;
  switch (parts_.host.Message(Icon::Exclamation, state.TitleText,
                              "KMT data has changed.\r\nDo you want to save changes?",
                              Buttons::YesNoCancel)) {
  case Answer::Yes:
    return SaveTo(true);
  case Answer::No:
    return true;
  default:
    return false;
  }
}

// --- the debug image commands ---------------------------------------------------------

void FileCommands::SaveImage() {
  Session &session = parts_.session;
  if (!session.state.DebugMode || !parts_.navigator.CommitActiveEdit())
    return;
  const QString file = WithDefaultSuffix(
      parts_.dialogs.SaveFileName(&parts_.window, FilterFor(FileKind::Image),
                                  parts_.places.StartFolder(FileKind::Image), QString()),
      FileKind::Image);
  parts_.ActivateAgain();
  if (file.isEmpty()) {
    session.state.OperationIncomplete = true;
    return;
  }
  WorkingScope working(parts_.host);
  MessageContext context(parts_.host, Writing(PathFromQt(file).string()));
  if (SaveHexFile(session, PathFromQt(file)))
    RememberFile(FileKind::Image, file);
  else
    session.state.OperationIncomplete = true;
  parts_.refreshHexDump();
}

void FileCommands::OpenImage() {
  if (!parts_.session.state.DebugMode || !ReadyToReplace())
    return;
  const QString file = parts_.dialogs.OpenFileName(&parts_.window, FilterFor(FileKind::Image),
                                                   parts_.places.StartFolder(FileKind::Image));
  parts_.ActivateAgain();
  if (file.isEmpty()) {
    parts_.session.state.OperationIncomplete = true;
    return;
  }
  OpenImageFile(file);
}

// --- Recent Files --------------------------------------------------------------------------

void FileCommands::RememberFile(FileKind kind, const QString &file) {
  parts_.places.Remember(kind, file);
  parts_.places.AddRecent(file);
  RefreshRecentMenu();
}

void FileCommands::RefreshRecentMenu() {
  if (!recentMenu_)
    return;
  recentMenu_->clear();
  const QStringList files = parts_.places.Recent();
  for (int i = 0; i < files.size(); ++i) {
    const QString file = files[i];
    QAction *a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(file));
    a->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
    connect(a, &QAction::triggered, this, [this, file] { OpenRecent(file); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

} // namespace kv508::ui
