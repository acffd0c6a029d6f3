// frmMain from start-up to close: the model chosen, the first data, the
// caption, the close prompt and a file dropped on the window.

#include "ui/main_window.h"

#include "app/config.h"
#include "app/mid_table_file.h"
#include "app/new_data.h"
#include "app/user_prefs.h"
#include "model/tables.h"
#include "ui/edit_controller.h"
#include "ui/file_commands.h"
#include "ui/help_menu.h"
#include "ui/journal_keeper.h"
#include "ui/layout_rules.h"
#include "ui/model_menu.h"
#include "ui/navigator.h"
#include "ui/pane_layout.h"
#include "ui/port_menu.h"
#include "ui/screen_area.h"
#include "ui/ui_text.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace kv508::ui {

bool MainWindow::StartUp() {
  AppState &state = session_.state;
  UserSettings &settings = session_.settings;
  setEnabled(false);
  host_.SetWaitCursor(true);
  screens().Logo()->hide();
  session_.model.ScrambleCapable = false;

  const ModelSelection selection =
      SelectModelAtStartup(options_.programDir / "global.ini", prefs::LastModel(settings));
  if (selection.UnknownModel) {
    host_.SetWaitCursor(false);
    host_.Message(Icon::Critical, kApplicationTitle, "Unknown model!!", Buttons::Ok);
    close();
    return false;
  }
  ApplyModelSelection(session_, selection);
  session_.midsProblem.clear();
  session_.mids = LoadMidTable(options_.programDir, session_.midsProblem);
  models_->Offer(selection.OfferedModels, selection.ShowEditMenu);

  // One of each pair of transfer buttons is shown.
  for (const char *hidden : {"Program2", "Read2"}) {
    if (auto *a = findChild<QAction *>(QLatin1String(hidden)))
      a->setVisible(false);
  }
  hexDumpAction_->setChecked(prefs::HexVisible(settings));
  hexDumpAction_->setVisible(state.DebugMode);
  ports_->Restore(options_.defaultToSimulatedRadio);

  (void)ChannelTable();
  (void)WxTable();
  {
    ReplacingData replacing(session_);
    NewData(session_, true);
    navigator_->ShowGeneral();
    edits_->Loaded();
  }
  PlaceWindow();
  SetStatusHint(QString());
  help_->SetHelpFile(SelectHelpFile(options_.programDir, session_.model.AtisCapable));
  panes_->HexDump()->setVisible(state.DebugMode && hexDumpAction_->isChecked());
  panes_->HexDump()->raise();
  RefreshHexDump();
  panes_->Relayout();

  host_.SetWaitCursor(false);
  setEnabled(true);
  // The program runs on without countries; it says once where it looked.
  if (!session_.midsProblem.empty())
    host_.Message(Icon::Exclamation, kApplicationTitle, session_.midsProblem, Buttons::Ok);
  journal_->OfferLeftover();
  return true;
}

void MainWindow::UpdateCaption() {
  const AppState &state = session_.state;
  QString caption = QLatin1String(kApplicationTitle) + QStringLiteral("  ") + ToQt(state.TitleText);
  if (!state.CurrentFilePath.empty())
    caption += QStringLiteral(" - ") +
               QFileInfo(QFile::decodeName(QByteArray::fromStdString(state.CurrentFilePath)))
                   .fileName()
                   .toLower();
  // The desktop's mark of unsaved changes, exactly while DataChanged.
  setWindowTitle(caption + QStringLiteral("[*]"));
  setWindowModified(state.DataChanged);
  if (restored_ && !state.CurrentFilePath.empty())
    restored_->hide();
}

void MainWindow::closeEvent(QCloseEvent *event) {
  // A text still being typed is part of what the question is about.
  if (!navigator_->CommitActiveEdit() || !files_->SaveChangesFirst()) {
    event->ignore();
    return;
  }
  journal_->Closing();
  help_->CloseHelp();
  StorePlacement();
  event->accept();
}

QSize MainWindow::StartSize() {
  // What the menus, tool bar and status bar take around the panes.
  layout()->activate();
  const QSize chrome = size() - centralWidget()->size();
  const QSize pane = navigator_->PaneHint();
  const int margin = ToPixels(kScreenMarginTwips);
  QSize start(WindowWidthFor(navigator_->TreeHint(), pane.width()),
              std::max(kMinHeightPx, chrome.height() + pane.height() + 2 * margin));
  if (const QScreen *shown = screen())
    start = start.boundedTo(shown->availableGeometry().size());
  return start.expandedTo(minimumSize());
}

void MainWindow::PlaceWindow() {
  const std::optional<prefs::WindowPlacement> stored = prefs::Placement(session_.settings);
  if (stored) {
    const QRect frame(ToPixels(stored->left), ToPixels(stored->top), ToPixels(stored->width),
                      ToPixels(stored->height));
    // Only where a screen still shows it: a screen may have gone since.
    if (const QScreen *shown = QGuiApplication::screenAt(frame.center())) {
      resize(frame.size().boundedTo(shown->availableGeometry().size()).expandedTo(minimumSize()));
      move(frame.topLeft());
      return;
    }
  }
  resize(StartSize());
}

// The position of the frame and the size inside it, as PlaceWindow takes them.
void MainWindow::StorePlacement() {
  if (isMinimized())
    return;
  prefs::SetPlacement(session_.settings, {ToTwips(pos().x()), ToTwips(pos().y()), ToTwips(width()),
                                          ToTwips(height())});
}

namespace {
// The one local .dat or .hex file a drag carries; empty for anything else.
QString DroppedFile(const QMimeData *mime) {
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile())
    return {};
  const QString file = urls.front().toLocalFile();
  return IsSettingsFile(file) || IsImageFile(file) ? file : QString();
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
  if (!DroppedFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event) {
  const QString file = DroppedFile(event->mimeData());
  if (file.isEmpty())
    return;
  event->acceptProposedAction();
  files_->OpenDropped(file);
}

} // namespace kv508::ui
