// frmMain from start-up to close: New, model and destination changes, Open,
// Save, the caption, the close prompt and the debug image commands.

#include "ui/main_window.h"

#include "app/config.h"
#include "app/hex_file.h"
#include "app/new_data.h"
#include "files/dat_file.h"
#include "model/tables.h"
#include "ui/help_window.h"
#include "ui/layout_rules.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_text.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace kv508::ui {

namespace {
QString FileNamePart(const std::string &path) {
  const std::size_t cut = path.find_last_of("/\\");
  return QFile::decodeName(
      QByteArray::fromStdString(cut == std::string::npos ? path : path.substr(cut + 1)));
}
} // namespace

bool MainWindow::StartUp() {
  AppState &state = session_.state;
  UserSettings &settings = session_.settings;

  modelMenu_->menuAction()->setVisible(false);
  setEnabled(false);
  host_.SetWaitCursor(true);

  screens_->Logo()->hide();
  session_.model.ScrambleCapable = false;

  for (QAction *a : modelActions_) {
    a->setChecked(false);
    a->setEnabled(false);
    a->setVisible(false);
  }
  const ModelSelection selection =
      SelectModelAtStartup(GlobalIni(), settings.Get("Settings", "lastmodel", "1"));
  if (selection.UnknownModel) {
    host_.SetWaitCursor(false);
    host_.Message(Icon::Critical, kApplicationTitle, "Unknown model!!", Buttons::Ok);
    close();
    return false;
  }
  ApplyModelMenu(selection.OfferedModels);
  // The Edit menu holds Undo and Redo; its Model submenu shows when there is a choice.
  modelMenu_->menuAction()->setVisible(selection.ShowEditMenu);
  ApplyModelSelection(session_, selection);
  SyncModelMenu();
  statusPanels_[2]->setText(ToQt(ModelName(session_.model.ModelVariant)));

  // One of each pair of transfer buttons is shown.
  for (const char *hidden : {"Program2", "Read2"}) {
    if (auto *a = findChild<QAction *>(QLatin1String(hidden)))
      a->setVisible(false);
  }

  hexDumpAction_->setChecked(
      ParseBooleanText(settings.Get("Settings", "hexvisible", "False")).value_or(false));
  hexDumpAction_->setVisible(state.DebugMode);

  SelectPort(session_, StoredComPort(settings) - 1, false);
  std::string source = settings.Get(kPortSection, kPortSourceKey, "");
  if (source.empty() && options_.defaultToSimulatedRadio &&
      settings.Get(kPortSection, "ComNum", "").empty())
    source = "sim";
  portChoice_.device = settings.Get(kPortSection, kPortDeviceKey, "");
  portChoice_.number = session_.ComPort;
  portChoice_.source = source == "sim"                                     ? PortSource::Simulated
                       : source == "device" && !portChoice_.device.empty() ? PortSource::Device
                                                                           : PortSource::Numbered;
  SyncPortMenu();
  UpdatePortPanel();

  treeWidthPx_ = ToPixels(kSplitterStartTwips);
  resize(kMinWidthPx, kMinHeightPx);

  (void)ChannelTable();
  (void)WxTable();
  currentNode_ = -1;
  NewData(session_, true);
  state.DataChanged = false;
  session_.undo.Reset(session_.data, true);
  UpdateUndoActions();

  helpFile_ = SelectHelpFile(options_.programDir, session_.model.AtisCapable);
  helpContentsAction_->setEnabled(!helpFile_.empty());
  hexDump_->setVisible(state.DebugMode && hexDumpAction_->isChecked());
  hexDump_->raise();
  RefreshHexDump();
  LayoutPanes(treeWidthPx_);

  host_.SetWaitCursor(false);
  setEnabled(true);
  UpdateCaption();
  return true;
}

void MainWindow::ApplyModelMenu(const std::vector<int> &offered) {
  for (int index : offered) {
    if (index < 1 || index > 10)
      continue;
    QAction *a = modelActions_[static_cast<std::size_t>(index - 1)];
    a->setText(ToQt(ModelMenuCaption(index)));
    a->setEnabled(true);
    a->setVisible(true);
  }
}

void MainWindow::SyncModelMenu() {
  for (int i = 0; i < 10; ++i)
    modelActions_[static_cast<std::size_t>(i)]->setChecked(i + 1 == session_.model.ModelVariant);
}

void MainWindow::SyncDestinationMenu() {
  const DestinationMenu &menu = session_.destinations;
  destinationMenu_->setEnabled(menu.Enabled);
  for (int i = 0; i < kDestinationEntries; ++i) {
    QAction *a = destinationActions_[static_cast<std::size_t>(i)];
    const std::string &caption = menu.Captions[static_cast<std::size_t>(i)];
    a->setText(ToQt(caption));
    a->setVisible(!caption.empty());
    a->setChecked(menu.Checked == i);
  }
}

// --- File > New, model and destination ---------------------------------------

void MainWindow::FileNew() {
  if (!CommitActiveEdit() || !SaveChangesFirst())
    return;
  // Deferred so that the menu has closed before the data is reset.
  newTimer_->start();
}

void MainWindow::RunDeferredNew() {
  newTimer_->stop();
  WorkingScope working(host_);
  SelectGeneralHook();
  host_.Pause(500);
  NewData(session_, true);
  session_.state.DataChanged = false;
  DataReplaced();
}

void MainWindow::ChangeModel(int menuIndex) {
  const int index = menuIndex + 1;
  if (index == session_.model.ModelVariant)
    return;
  const Answer answer = host_.Message(Icon::Exclamation, session_.state.TitleText,
                                      "Do you want to program the " + ModelName(index) + " series?",
                                      Buttons::OkCancel);
  if (answer != Answer::Ok || !CommitActiveEdit() || !SaveChangesFirst())
    return;
  ModelSelection selection;
  selection.ModelVariant = static_cast<std::int16_t>(index);
  selection.AtisCapable = ReadAtisCapable(GlobalIni(), index);
  selection.TitleText = TitleTextFor(index);
  ApplyModelSelection(session_, selection);
  SyncModelMenu();
  statusPanels_[2]->setText(ToQt(ModelName(index)));
  session_.settings.Set("Settings", "lastmodel", std::to_string(index));
  UpdateCaption();
  // The question about unsaved data was asked before the model changed.
  newTimer_->start();
}

void MainWindow::ChangeDestination(int menuIndex) {
  if (menuIndex < 0 || menuIndex >= kDestinationEntries)
    return;
  const std::string caption = session_.destinations.Captions[static_cast<std::size_t>(menuIndex)];
  if (session_.destinations.Checked != menuIndex) {
    const Answer answer =
        host_.Message(Icon::Exclamation, session_.state.TitleText,
                      "Do you want to change to " + caption + "?", Buttons::OkCancel);
    if (answer != Answer::Ok)
      return;
  }
  if (!CommitActiveEdit() || !SaveChangesFirst())
    return;
  WorkingScope working(host_);
  SelectGeneralHook();
  host_.Pause(500);
  NewData(session_, false);
  LoadDestination(session_, menuIndex);
  session_.state.DataChanged = false;
  DataReplaced();
}

// --- Open, Save, caption ------------------------------------------------------

void MainWindow::FileOpen() {
  if (!CommitActiveEdit() || !SaveChangesFirst())
    return;
  session_.state.OperationIncomplete = true;
  const QString file = dialogs_.OpenFileName(this, FilterFor(FileKind::Settings),
                                             places_.StartFolder(FileKind::Settings));
  ActivateAgain();
  if (file.isEmpty())
    return;
  OpenSettingsFile(file);
}

bool MainWindow::OpenSettingsFile(const QString &file) {
  AppState &state = session_.state;
  state.OperationIncomplete = true;
  QTreeWidgetItem *selected = tree_->currentItem();
  const int selectedIndex = NodeIndex(selected);
  {
    WorkingScope working(host_);
    const std::string path = PathFromQt(file).string();
    MessageContext context(
        host_, {.doing = "Opening " + path, .why = [path] { return ReadFailureReason(path); }});
    if (FileRead2(session_, path) && !state.OperationFailed) {
      state.CurrentFilePath = path;
      state.OperationIncomplete = false;
      RememberFile(FileKind::Settings, file);
    }
    UpdateCaption();
  }
  if (!state.OperationIncomplete) {
    // The node that was selected shows the new data; the rebuilt tree keeps it.
    currentNode_ = selectedIndex;
    if (QTreeWidgetItem *node = FindNodeByIndex(*tree_, selectedIndex))
      ShowScreenForNode(node);
  }
  BuildTree();
  RefreshNodeTexts();
  if (QTreeWidgetItem *node = FindNodeByIndex(*tree_, selectedIndex)) {
    selecting_ = true;
    tree_->setCurrentItem(node);
    selecting_ = false;
  }
  if (state.OperationIncomplete) {
    RefreshHexDump();
  } else {
    // The settings are now those of the file.
    state.DataChanged = false;
    DataReplaced();
  }
  return !state.OperationIncomplete;
}

void MainWindow::FileRestore() {
  if (!CommitActiveEdit() || !SaveChangesFirst())
    return;
  const std::filesystem::path &folder = session_.backups.folder;
  std::error_code ec;
  if (!folder.empty())
    std::filesystem::create_directories(folder, ec);
  const QString file = dialogs_.OpenFileName(this, FilterFor(FileKind::Image), QtFromPath(folder));
  ActivateAgain();
  if (file.isEmpty())
    return;
  AppState &state = session_.state;
  {
    WorkingScope working(host_);
    const std::string text = PathFromQt(file).string();
    MessageContext context(
        host_, {.doing = "Restoring " + text, .why = [text] { return ReadFailureReason(text); }});
    if (!ReadHexFile(session_, PathFromQt(file)))
      return;
    // A restored image belongs to no file: saving it asks for a name.
    state.CurrentFilePath.clear();
    UpdateCaption();
    BuildTree();
    RefreshNodeTexts();
    SelectGeneralHook();
    state.DataChanged = true;
  }
  DataReplaced();
}
void MainWindow::RememberFile(FileKind kind, const QString &file) {
  places_.Remember(kind, file);
  places_.AddRecent(file);
  RefreshRecentMenu();
}

void MainWindow::OpenRecent(const QString &file) {
  if (!QFileInfo::exists(file)) {
    places_.RemoveRecent(file);
    RefreshRecentMenu();
    host_.Message(Icon::Exclamation, session_.state.TitleText,
                  "The file " + PathFromQt(file).string() +
                      " is no longer there.\r\nIt has been taken off the Recent Files list.",
                  Buttons::Ok);
    return;
  }
  if (!CommitActiveEdit() || !SaveChangesFirst())
    return;
  if (IsImageFile(file))
    OpenImageFile(file);
  else
    OpenSettingsFile(file);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.front().isLocalFile() &&
      (IsSettingsFile(urls.front().toLocalFile()) || IsImageFile(urls.front().toLocalFile())))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile())
    return;
  const QString file = urls.front().toLocalFile();
  if (!IsSettingsFile(file) && !IsImageFile(file))
    return;
  event->acceptProposedAction();
  if (session_.state.Busy || !CommitActiveEdit() || !SaveChangesFirst())
    return;
  if (IsImageFile(file))
    OpenImageFile(file);
  else
    OpenSettingsFile(file);
}

void MainWindow::FileSave() {
  if (CommitActiveEdit())
    Save(true);
}

void MainWindow::FileSaveAs() {
  if (CommitActiveEdit())
    Save(false);
}

bool MainWindow::Save(bool useCurrentPath) {
  AppState &state = session_.state;
  QString target;
  if (useCurrentPath && !state.CurrentFilePath.empty()) {
    target = QFile::decodeName(QByteArray::fromStdString(state.CurrentFilePath));
  } else {
    target = dialogs_.SaveFileName(this, FilterFor(FileKind::Settings),
                                   places_.StartFolder(FileKind::Settings),
                                   FileNamePart(state.CurrentFilePath));
    ActivateAgain();
    target = WithDefaultSuffix(target, FileKind::Settings);
  }
  state.OperationIncomplete = true;
  if (target.isEmpty())
    return false;
  {
    WorkingScope working(host_);
    const std::string path = PathFromQt(target).string();
    MessageContext context(
        host_, {.doing = "Saving " + path, .why = [path] { return WriteFailureReason(path); }});
    SaveFileAs(session_, PathFromQt(target));
  }
  if (state.OperationFailed)
    return false;
  RememberFile(FileKind::Settings, target);
  state.CurrentFilePath = PathFromQt(target).string();
  UpdateCaption();
  state.OperationIncomplete = false;
  state.DataChanged = false;
  session_.undo.MarkSaved(session_.data);
  return true;
}

bool MainWindow::SaveChangesFirst() {
  AppState &state = session_.state;
  if (!state.DataChanged)
    return true;
  switch (host_.Message(Icon::Exclamation, state.TitleText,
                        "KMT data has changed.\r\nDo you want to save changes?",
                        Buttons::YesNoCancel)) {
  case Answer::Yes:
    return CommitActiveEdit() && Save(true);
  case Answer::No:
    return true;
  default:
    return false;
  }
}

void MainWindow::DataReplaced() {
  // Data the user has not saved yet (a restored backup, a clear) stays changed
  // until it is saved, whatever is undone.
  session_.undo.Reset(session_.data, !session_.state.DataChanged);
  UpdateUndoActions();
  RefreshHexDump();
}

void MainWindow::UpdateCaption() {
  const AppState &state = session_.state;
  QString caption = QLatin1String(kApplicationTitle) + QStringLiteral("  ") + ToQt(state.TitleText);
  if (!state.CurrentFilePath.empty())
    caption += QStringLiteral(" - ") + FileNamePart(state.CurrentFilePath).toLower();
  setWindowTitle(caption);
}

// --- close ----------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event) {
  if (!SaveChangesFirst()) {
    event->ignore();
    return;
  }
  if (helpWindow_)
    helpWindow_->close();
  StorePlacement();
  event->accept();
}

void MainWindow::StorePlacement() {
  if (isMinimized())
    return;
  const QRect frame = frameGeometry();
  const auto twips = [](int px) { return std::to_string(ToTwips(px)); };
  UserSettings &settings = session_.settings;
  settings.Set("Settings", "MainLeft", twips(frame.x()));
  settings.Set("Settings", "MainTop", twips(frame.y()));
  settings.Set("Settings", "MainWidth", twips(frame.width()));
  settings.Set("Settings", "MainHeight", twips(frame.height()));
}

// --- debug image commands -------------------------------------------------------

void MainWindow::SaveImageCommand() {
  if (!session_.state.DebugMode || !CommitActiveEdit())
    return;
  const QString file =
      WithDefaultSuffix(dialogs_.SaveFileName(this, FilterFor(FileKind::Image),
                                              places_.StartFolder(FileKind::Image), QString()),
                        FileKind::Image);
  ActivateAgain();
  if (file.isEmpty()) {
    session_.state.OperationIncomplete = true;
    return;
  }
  {
    WorkingScope working(host_);
    const std::string path = PathFromQt(file).string();
    MessageContext context(
        host_, {.doing = "Saving " + path, .why = [path] { return WriteFailureReason(path); }});
    if (SaveHexFile(session_, PathFromQt(file)))
      RememberFile(FileKind::Image, file);
    else
      session_.state.OperationIncomplete = true;
  }
  RefreshHexDump();
}

void MainWindow::OpenImageCommand() {
  if (!session_.state.DebugMode)
    return;
  if (!CommitActiveEdit() || !SaveChangesFirst())
    return;
  const QString file =
      dialogs_.OpenFileName(this, FilterFor(FileKind::Image), places_.StartFolder(FileKind::Image));
  ActivateAgain();
  if (file.isEmpty()) {
    session_.state.OperationIncomplete = true;
    return;
  }
  OpenImageFile(file);
}

bool MainWindow::OpenImageFile(const QString &file) {
  AppState &state = session_.state;
  bool read = false;
  {
    WorkingScope working(host_);
    const std::filesystem::path path = PathFromQt(file);
    const std::string text = path.string();
    MessageContext context(
        host_, {.doing = "Opening " + text, .why = [text] { return ReadFailureReason(text); }});
    if (ReadHexFile(session_, path) && !state.OperationFailed) {
      read = true;
      state.CurrentFilePath = path.string();
      UpdateCaption();
      state.DataChanged = false;
      BuildTree();
      RefreshNodeTexts();
      SelectGeneralHook();
      RememberFile(FileKind::Image, file);
    }
  }
  if (read)
    DataReplaced();
  else
    RefreshHexDump();
  return read;
}

} // namespace kv508::ui
