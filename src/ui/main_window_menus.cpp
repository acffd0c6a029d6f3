// The menu bar, the toolbar and the status bar of frmMain.

#include "ui/main_window.h"

#include "link/qt_serial_port.h"
#include "ui/ui_text.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace kv508::ui {

QAction *MainWindow::AddAction(QMenu *menu, const char *objectName, const QString &text) {
  QAction *action = menu->addAction(text);
  action->setObjectName(QLatin1String(objectName));
  return action;
}

void MainWindow::CreateMenus() {
  QMenuBar *bar = menuBar();

  QMenu *file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  const struct {
    const char *name; // null: a separator
    QString text;
    void (MainWindow::*command)();
    QKeySequence keys;
  } fileEntries[] = {
      {"mnuFileNew", tr("&New"), &MainWindow::FileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"mnuFileOpen", tr("&Open"), &MainWindow::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"mnuFileRestore", tr("Restore &Backup..."), &MainWindow::FileRestore, {}},
      {nullptr, {}, nullptr, {}},
      {"mnuFileSave", tr("&Save"), &MainWindow::FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"mnuFileSaveAs", tr("Save &As..."), &MainWindow::FileSaveAs,
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {nullptr, {}, nullptr, {}},
      {"mnuFilePrint", tr("&Print"), &MainWindow::FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"mnuFilePrintPreview", tr("Print Pre&view"), &MainWindow::FilePrintPreview, {}},
      {"mnuFilePrintToFile", tr("P&rint to File"), &MainWindow::FilePrintToFile, {}},
      {"mnuFileExportPdf", tr("&Export PDF..."), &MainWindow::FileExportPdf, {}},
      {nullptr, {}, nullptr, {}},
  };
  for (const auto &entry : fileEntries) {
    if (!entry.name) {
      file->addSeparator();
      continue;
    }
    QAction *action = AddAction(file, entry.name, entry.text);
    action->setShortcut(entry.keys);
    connect(action, &QAction::triggered, this, entry.command);
  }
  recentMenu_ = file->addMenu(tr("Recent &Files"));
  recentMenu_->setObjectName(QStringLiteral("mnuFileRecent"));
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::RefreshRecentMenu);
  RefreshRecentMenu();
  file->addSeparator();
  QAction *exit = AddAction(file, "mnuFileExit", tr("E&xit"));
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &MainWindow::close);

  editMenu_ = bar->addMenu(tr("&Edit"));
  editMenu_->setObjectName(QStringLiteral("mnuEdit"));
  undoAction_ = AddAction(editMenu_, "mnuEditUndo", tr("&Undo"));
  undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undoAction_, &QAction::triggered, this, &MainWindow::Undo);
  redoAction_ = AddAction(editMenu_, "mnuEditRedo", tr("&Redo"));
  redoAction_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redoAction_, &QAction::triggered, this, &MainWindow::Redo);
  // The menu texts name the step; a text being typed counts once the menu opens.
  connect(editMenu_, &QMenu::aboutToShow, this, [this] {
    RecordPendingEdit();
    UpdateUndoActions();
  });
  UpdateUndoActions();
  editMenu_->addSeparator();
  QMenu *model = editMenu_->addMenu(tr("&Model"));
  modelMenu_ = model;
  model->setObjectName(QStringLiteral("mnuEditModel"));
  for (int i = 0; i < 10; ++i) {
    QAction *a = model->addAction(QStringLiteral("model %1").arg(i + 1));
    a->setObjectName(QStringLiteral("mnuModel_%1").arg(i));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] {
      SyncModelMenu();
      ChangeModel(i);
    });
    modelActions_[static_cast<std::size_t>(i)] = a;
  }

  QMenu *transfer = bar->addMenu(tr("&Transfer"));
  transfer->setObjectName(QStringLiteral("mnuTransfer"));
  programAction_ = AddAction(transfer, "mnuTransferProgram", tr("&Program to Radio"));
  connect(programAction_, &QAction::triggered, this, &MainWindow::TransferProgram);
  readAction_ = AddAction(transfer, "mnuTransferRead", tr("&Read from Radio"));
  connect(readAction_, &QAction::triggered, this, &MainWindow::TransferRead);

  destinationMenu_ = bar->addMenu(tr("&Destination"));
  destinationMenu_->setObjectName(QStringLiteral("mnuDestination"));
  for (int i = 0; i < kDestinationEntries; ++i) {
    QAction *a = destinationMenu_->addAction(QStringLiteral("DST%1").arg(i));
    a->setObjectName(QStringLiteral("mnuDst_%1").arg(i));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] {
      SyncDestinationMenu();
      ChangeDestination(i);
    });
    destinationActions_[static_cast<std::size_t>(i)] = a;
  }
  destinationMenu_->setEnabled(false);

  QMenu *options = bar->addMenu(tr("&Options"));
  options->setObjectName(QStringLiteral("mnuOptions"));
  portMenu_ = options->addMenu(tr("&SerialPort"));
  portMenu_->setObjectName(QStringLiteral("mnuOptionsSerialPort"));
  for (int i = 0; i < 16; ++i) {
    QAction *a = portMenu_->addAction(QString());
    a->setObjectName(QStringLiteral("mnuCom_%1").arg(i));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] { ChoosePort(i); });
    portActions_[static_cast<std::size_t>(i)] = a;
  }
  portMenu_->addSeparator();
  deviceAction_ = AddAction(portMenu_, "mnuComDevice", tr("Other &device..."));
  deviceAction_->setCheckable(true);
  connect(deviceAction_, &QAction::triggered, this, &MainWindow::ChooseDevicePort);
  simAction_ = AddAction(portMenu_, "mnuComSim", tr("Simulated &radio (built in)"));
  simAction_->setCheckable(true);
  connect(simAction_, &QAction::triggered, this, &MainWindow::ChooseSimulatedRadio);
  connect(portMenu_, &QMenu::aboutToShow, this, &MainWindow::RefreshPortCaptions);
  RefreshPortCaptions();

  hexDumpAction_ = AddAction(options, "mnuOptionsHexdump", tr("Hexdump"));
  hexDumpAction_->setCheckable(true);
  hexDumpAction_->setVisible(false);
  connect(hexDumpAction_, &QAction::triggered, this, &MainWindow::ToggleHexDump);

  QMenu *help = bar->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  helpContentsAction_ = AddAction(help, "mnuHelpContents", tr("&Contents"));
  connect(helpContentsAction_, &QAction::triggered, this, &MainWindow::HelpContents);
  connect(AddAction(help, "mnuHelpBackups", tr("Show &Backup Folder")), &QAction::triggered, this,
          &MainWindow::HelpBackups);
  help->addSeparator();
  connect(AddAction(help, "mnuHelpAbout", tr("&About KMT Version")), &QAction::triggered, this,
          &MainWindow::HelpAbout);
}

void MainWindow::RefreshPortCaptions() {
  // Entry N opens the N-th port the system lists; the caption says which one.
  const std::vector<SerialPortInfo> ports = ListSerialPorts();
  for (int i = 0; i < 16; ++i) {
    QString caption =
        i < 9 ? QStringLiteral("COM&%1").arg(i + 1) : QStringLiteral("COM%1").arg(i + 1);
#ifndef Q_OS_WIN
    if (static_cast<std::size_t>(i) < ports.size()) {
      const SerialPortInfo &p = ports[static_cast<std::size_t>(i)];
      caption += QStringLiteral("\t") + QString::fromStdString(p.systemLocation);
      if (!p.description.empty())
        caption += QStringLiteral(" (%1)").arg(QString::fromStdString(p.description));
    }
#endif
    portActions_[static_cast<std::size_t>(i)]->setText(caption);
  }
  QString device = tr("Other &device...");
  if (!portChoice_.device.empty())
    device += QStringLiteral("\t") + QString::fromStdString(portChoice_.device);
  deviceAction_->setText(device);
}

void MainWindow::RefreshRecentMenu() {
  recentMenu_->clear();
  const QStringList files = places_.Recent();
  for (int i = 0; i < files.size(); ++i) {
    const QString file = files[i];
    QAction *a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(file));
    a->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
    connect(a, &QAction::triggered, this, [this, file] { OpenRecent(file); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

void MainWindow::UpdatePortPanel() {
  QString text = PortName();
  if (session_.state.DebugMode)
    text += QStringLiteral("  /D");
  if (session_.state.LowSpeedLink)
    text += QStringLiteral("  /E");
  statusPanels_[1]->setText(text);
}

void MainWindow::CreateToolBar() {
  QToolBar *bar = addToolBar(tr("Toolbar"));
  bar->setObjectName(QStringLiteral("Toolbar1"));
  bar->setMovable(false);
  bar->setIconSize(QSize(20, 20));
  const auto icon = [](const char *theme, const char *own) {
    return QIcon::fromTheme(QLatin1String(theme), QIcon(QLatin1String(own)));
  };
  struct Button {
    const char *key;
    const char *tip;
    QIcon icon;
    const char *menuEntry;
  };
  const Button buttons[] = {
      {"New", "New", icon("document-new", ":/icons/new.svg"), "mnuFileNew"},
      {"Open", "Open...", icon("document-open", ":/icons/open.svg"), "mnuFileOpen"},
      {"Save", "Save", icon("document-save", ":/icons/save.svg"), "mnuFileSave"},
      {nullptr, nullptr, {}, nullptr},
      {"Print", "Print", icon("document-print", ":/icons/print.svg"), "mnuFilePrint"},
      {nullptr, nullptr, {}, nullptr},
      {"Program", "Program to Radio", QIcon(QStringLiteral(":/icons/program.svg")),
       "mnuTransferProgram"},
      {"Program2", "Program to Radio", QIcon(QStringLiteral(":/icons/program.svg")),
       "mnuTransferProgram"},
      {"Read", "Read from Radio", QIcon(QStringLiteral(":/icons/read.svg")), "mnuTransferRead"},
      {"Read2", "Read from Radio", QIcon(QStringLiteral(":/icons/read.svg")), "mnuTransferRead"},
  };
  for (const Button &b : buttons) {
    if (!b.key) {
      bar->addSeparator();
      continue;
    }
    QAction *a = bar->addAction(b.icon, QLatin1String(b.key));
    a->setObjectName(QLatin1String(b.key));
    a->setToolTip(QLatin1String(b.tip));
    a->setStatusTip(QLatin1String(b.tip));
    // The two transfer buttons say what they do beside their pictures.
    if (const QString entry = QLatin1String(b.menuEntry);
        entry.startsWith(QLatin1String("mnuTransfer"))) {
      if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(a)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    // A button runs its menu entry, and only while that entry is enabled.
    const QString entry = QLatin1String(b.menuEntry);
    connect(a, &QAction::triggered, this, [this, entry] {
      QAction *menuAction = menuBar()->findChild<QAction *>(entry);
      if (menuAction && menuAction->isEnabled())
        menuAction->trigger();
    });
  }
}

void MainWindow::CreateStatusBar() {
  QStatusBar *bar = statusBar();
  bar->setObjectName(QStringLiteral("sbStatusBar"));
  bar->setSizeGripEnabled(true);
  for (int i = 0; i < 3; ++i) {
    auto *panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    bar->addWidget(panel, i == 0 ? 3 : 1);
    statusPanels_[i] = panel;
  }
}

} // namespace kv508::ui
