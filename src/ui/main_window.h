#pragma once

// frmMain: the menus, toolbar, navigation tree, screen area, splitter, status
// bar and (debug mode) hex dump, and the window's lifecycle from start-up to close.

#include "app/app_state.h"
#include "app/session.h"
#include "ui/file_places.h"
#include "ui/port_provider.h"
#include "ui/ui_host.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QPrinter;

namespace kv508::ui {

class HelpWindow;
class ScreenArea;
class ScreenContext;
class UiDialogs;
class TransferPorts;
struct RunningHeader;

class MainWindow : public QMainWindow {
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
  };

  MainWindow(Host &host, UserSettings &settings, UiDialogs &dialogs, Options options,
             QWidget *parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence; false when no model is offered ("Unknown model!!"),
  // after which the window is closed.
  bool StartUp();

  Session &session() { return session_; }
  ScreenArea &screens() { return *screens_; }
  QTreeWidget &tree() { return *tree_; }
  PortChoice portChoice() const { return portChoice_; }
  PortProvider &ports() { return ports_; }
  int currentNode() const { return currentNode_; }

  // Commands of the menus and the toolbar.
  void FileNew();
  void FileOpen();
  // Loads a backup image as unsaved data.
  void FileRestore();
  void FileSave();
  void FileSaveAs();
  void FilePrint();
  void FilePrintPreview();
  void FilePrintToFile();
  void FileExportPdf();
  // Open by path (Recent Files, a drop): a settings file, or an image as the
  // image command reads it. False when it was not read.
  bool OpenSettingsFile(const QString &file);
  bool OpenImageFile(const QString &file);
  // A Recent Files entry: opened, or dropped from the list when it is gone.
  void OpenRecent(const QString &file);
  FilePlaces &places() { return places_; }
  void ChangeModel(int menuIndex);
  void ChangeDestination(int menuIndex);
  void TransferProgram();
  void TransferRead();
  // Opens frmRadio for one mode and does the main window's follow-up; returns
  // whether the operation succeeded (the clear buttons of the DSC screen use it).
  bool RunTransfer(int mode);
  void ChoosePort(int menuIndex);
  void ChooseDevicePort();
  void ChooseSimulatedRadio();
  void ToggleHexDump();
  void HelpContents();
  void HelpBackups();
  void HelpAbout();
  // Without a help file the message carries the title of the window that asked.
  void ShowHelpTopic(int topic, const std::string &messageTitle);

  // Lifecycle steps other parts use.
  bool CommitActiveEdit();
  bool Save(bool useCurrentPath);
  // The close prompt's question before unsaved data is replaced or dropped:
  // true when the command may go on (saved, or the user said No).
  bool SaveChangesFirst();
  void UpdateCaption();
  void BuildTree();
  void RefreshNodeTexts();
  void SelectNodeByKey(const QString &key);
  void ShowScreenForNode(QTreeWidgetItem *node);
  // Shows the screen of the tree's selected node again with the current data.
  void ShowSelectedNodeAgain();
  // Rebuilds the tree and its node texts; the selected node stays selected.
  void RebuildTreeKeepingSelection();
  void RefreshHexDump();
  void SetStatusHint(const QString &hint);
  // F1: the help topic of the focused control, else the contents.
  void HelpForFocus();

  // Edit > Undo and Redo: the data as before the last step (or after the
  // undone one), shown on its screen with the control that changed focused.
  void Undo();
  void Redo();

  // The hidden debug commands (Ctrl+F3, Ctrl+F2).
  void SaveImageCommand();
  void OpenImageCommand();

  // Renders the report onto a printer that is already set up.
  void PrintReportTo(QPrinter &printer);

protected:
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void CreateCentralArea();
  void WireEditorHooks();
  QAction *AddAction(QMenu *menu, const char *objectName, const QString &text);

  void RunDeferredNew();
  // Every command that puts other data in place ends here.
  void DataReplaced();
  // A user action has finished: one undo step when it changed the settings.
  void RecordEdit(const std::string &name, const std::string &widgetName);
  // Records a change not yet recorded (a text being typed) under the focused control.
  void RecordPendingEdit();
  void ShowUndoneEdit(const EditPlace &place);
  void UpdateUndoActions();
  void ApplyModelMenu(const std::vector<int> &offered);
  void SyncModelMenu();
  void SyncDestinationMenu();
  void SyncPortMenu();
  void RefreshPortCaptions();
  void StorePortChoice();
  // "COM1 (/dev/ttyS0)", a device path or "the simulated radio", and what the
  // system says of the port.
  QString PortName() const;
  QString PortDescription() const;
  void UpdatePortPanel();
  void RefreshRecentMenu();
  // A file opened or saved: its folder is remembered and it heads Recent Files.
  void RememberFile(FileKind kind, const QString &file);
  RunningHeader ReportHeader() const;
  // Back to the main window once a modal window has closed.
  void ActivateAgain();
  void SelectGeneralHook();
  // Moves the tree's selection without acting on it.
  void SelectNodeSilently(const QString &key);
  void OnCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
  void NodeClick(QTreeWidgetItem *node);
  void LayoutPanes(int treeWidthPx);
  void LoadLogoOnce();
  void StorePlacement();
  std::filesystem::path GlobalIni() const;

  Options options_;
  UiHost host_;
  Session session_;
  UiDialogs &dialogs_;
  FilePlaces places_;
  PortProvider ports_;
  PortChoice portChoice_;
  std::filesystem::path helpFile_;

  QTreeWidget *tree_ = nullptr;
  ScreenArea *screens_ = nullptr;
  QWidget *splitter_ = nullptr;
  QWidget *dragBar_ = nullptr;
  QListWidget *hexDump_ = nullptr;
  QLabel *statusPanels_[3] = {};
  QTimer *newTimer_ = nullptr;
  QPointer<HelpWindow> helpWindow_;
  std::unique_ptr<ScreenContext> screenContext_;

  QMenu *editMenu_ = nullptr;
  QMenu *modelMenu_ = nullptr;
  QAction *undoAction_ = nullptr;
  QAction *redoAction_ = nullptr;
  QMenu *destinationMenu_ = nullptr;
  QMenu *portMenu_ = nullptr;
  QMenu *recentMenu_ = nullptr;
  std::array<QAction *, 10> modelActions_{};
  std::array<QAction *, kDestinationEntries> destinationActions_{};
  std::array<QAction *, 16> portActions_{};
  QAction *deviceAction_ = nullptr;
  QAction *simAction_ = nullptr;
  QAction *hexDumpAction_ = nullptr;
  QAction *helpContentsAction_ = nullptr;
  QAction *programAction_ = nullptr;
  QAction *readAction_ = nullptr;

  int currentNode_ = -1;
  int treeWidthPx_ = 0;
  bool dragging_ = false;
  bool logoLoaded_ = false;
  bool selecting_ = false;
};

} // namespace kv508::ui
