#pragma once

// frmMain: the frame that holds the parts of the main window together — the
// menus and the toolbar that run their commands, the tree and screens, the
// status bar, the debug hex dump — and the window's own lifecycle from
// start-up to close. The data it shows are refreshed in one place, when the
// core says they were replaced.

#include "app/app_state.h"
#include "app/session.h"
#include "ui/file_places.h"
#include "ui/ui_host.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTreeWidget;

namespace kv508::ui {

class EditController;
class ExchangeCommands;
class FileCommands;
class HelpMenu;
class JournalKeeper;
class ModelMenu;
class Navigator;
class PortMenu;
class PaneLayout;
class PortProvider;
class PrintCommands;
class RadioCommands;
class ScreenArea;
class ScreenContext;
class UiDialogs;

class MainWindow : public QMainWindow, private DataObserver {
  Q_OBJECT
public:
  struct Options {
    std::filesystem::path programDir;
    RunFlags flags;
    // Used when the user never chose a port: a computer without serial ports
    // starts on the simulated radio, so a first run can read something.
    bool defaultToSimulatedRadio = false;
    // Images read and programmed are kept here; empty: no backups.
    std::filesystem::path backupFolder;
    // Unsaved edits are kept here against a crash; empty: no journal.
    std::filesystem::path journalFolder;
  };

  MainWindow(Host &host, UserSettings &settings, UiDialogs &dialogs, Options options,
             QWidget *parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence; false when no model is offered ("Unknown model!!"),
  // after which the window is closed.
  bool StartUp();
  // The size the window starts at when no size is remembered: every screen
  // and every tree text in full, within the screen the window is on.
  QSize StartSize();
  // Shows the data anew: tree, screen, caption, Edit menu and hex dump.
  void Refresh();

  Session &session() { return session_; }
  Navigator &navigator() { return *navigator_; }
  QTreeWidget &tree();
  ScreenArea &screens();
  EditController &edits() { return *edits_; }
  FileCommands &files() { return *files_; }
  RadioCommands &radio() { return *radio_; }
  PrintCommands &printing() { return *printing_; }
  ExchangeCommands &exchange() { return *exchange_; }
  ModelMenu &models() { return *models_; }
  HelpMenu &help() { return *help_; }
  PortMenu &portMenu() { return *ports_; }
  PortProvider &ports();

protected:
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void DataReplaced() override { Refresh(); }
  void DestinationsChanged() override;

  void CreateParts();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreateTransferMenu();
  void CreateOptionsMenu();
  void CreateStatusBar();
  void CreateCentralArea();
  void CreateShortcuts();
  QAction *AddAction(QMenu *menu, const char *objectName, const QString &text);

  // The caption and the journal follow the history and DataChanged.
  void StateChanged();
  void UpdateCaption();
  void RefreshHexDump();
  void ToggleHexDump();
  void SetStatusHint(const QString &hint);
  void LoadLogoOnce();
  void StorePlacement();
  // The remembered size and position, else the start size.
  void PlaceWindow();

  Options options_;
  UiHost host_;
  Session session_;
  UiDialogs &dialogs_;
  FilePlaces places_;

  Navigator *navigator_ = nullptr;
  EditController *edits_ = nullptr;
  FileCommands *files_ = nullptr;
  RadioCommands *radio_ = nullptr;
  PrintCommands *printing_ = nullptr;
  ExchangeCommands *exchange_ = nullptr;
  ModelMenu *models_ = nullptr;
  HelpMenu *help_ = nullptr;
  JournalKeeper *journal_ = nullptr;
  PortMenu *ports_ = nullptr;
  std::unique_ptr<ScreenContext> screenContext_;

  PaneLayout *panes_ = nullptr;
  QLabel *statusPanels_[3] = {};
  QLabel *restored_ = nullptr;
  QAction *hexDumpAction_ = nullptr;

  bool logoLoaded_ = false;
};

} // namespace kv508::ui
