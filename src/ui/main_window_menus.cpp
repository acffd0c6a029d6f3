// The menu bar, the toolbar and the status bar of frmMain; each entry runs a
// command of one of the window's parts.

#include "ui/main_window.h"

#include "ui/appearance.h"
#include "ui/edit_controller.h"
#include "ui/exchange_commands.h"
#include "ui/file_commands.h"
#include "ui/language_menu.h"
#include "ui/model_menu.h"
#include "ui/port_menu.h"
#include "ui/print_commands.h"
#include "ui/radio_commands.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace kv508::ui {

QAction *MainWindow::AddAction(QMenu *menu, const char *objectName, const QString &text) {
  QAction *action = menu->addAction(text);
  action->setObjectName(QLatin1String(objectName));
  return action;
}

void MainWindow::CreateFileMenu() {
  QMenu *file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  struct Entry {
    const char *name; // null: a separator
    QString text;
    std::function<void()> command;
    QKeySequence keys;
  };
  const Entry entries[] = {
      {"mnuFileNew", tr("&New"), [this] { files_->New(); }, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"mnuFileOpen", tr("&Open"), [this] { files_->Open(); }, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"mnuFileRestore", tr("Restore &Backup..."), [this] { files_->Restore(); }, {}},
      {nullptr, {}, {}, {}},
      {"mnuFileSave", tr("&Save"), [this] { files_->Save(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"mnuFileSaveAs", tr("Save &As..."), [this] { files_->SaveAs(); },
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {nullptr, {}, {}, {}},
      {"mnuFilePrint", tr("&Print"), [this] { printing_->Print(); },
       QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"mnuFilePrintPreview", tr("Print Pre&view"), [this] { printing_->Preview(); }, {}},
      {"mnuFilePrintToFile", tr("P&rint to File"), [this] { printing_->PrintToFile(); }, {}},
      {"mnuFileExportPdf", tr("&Export PDF..."), [this] { printing_->ExportPdf(); }, {}},
      {nullptr, {}, {}, {}},
      {"mnuFileCheck", tr("&Check Settings..."), [this] { radio_->CheckSettings(); }, {}},
      {nullptr, {}, {}, {}},
  };
  for (const Entry &entry : entries) {
    if (!entry.name) {
      file->addSeparator();
      continue;
    }
    QAction *action = AddAction(file, entry.name, entry.text);
    action->setShortcut(entry.keys);
    connect(action, &QAction::triggered, this, entry.command);
  }
  exchange_->AddMenus(file);
  file->addSeparator();
  files_->AddRecentMenu(file);
  file->addSeparator();
  QAction *exit = AddAction(file, "mnuFileExit", tr("E&xit"));
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &MainWindow::close);
}

void MainWindow::CreateEditMenu() {
  QMenu *edit = menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  edits_->AddActions(edit);
  edit->addSeparator();
  models_->AddModelMenu(edit);
}

void MainWindow::CreateTransferMenu() {
  QMenu *transfer = menuBar()->addMenu(tr("&Transfer"));
  transfer->setObjectName(QStringLiteral("mnuTransfer"));
  connect(AddAction(transfer, "mnuTransferProgram", tr("&Program to Radio")), &QAction::triggered,
          radio_, &RadioCommands::Program);
  connect(AddAction(transfer, "mnuTransferRead", tr("&Read from Radio")), &QAction::triggered,
          radio_, &RadioCommands::Read);
  transfer->addSeparator();
  connect(AddAction(transfer, "mnuTransferCompare", tr("&Compare with Radio...")),
          &QAction::triggered, radio_, &RadioCommands::Compare);
}

void MainWindow::CreateOptionsMenu() {
  QMenu *options = menuBar()->addMenu(tr("&Options"));
  options->setObjectName(QStringLiteral("mnuOptions"));
  QMenu *ports = ports_->Menu();
  ports->setObjectName(QStringLiteral("mnuOptionsSerialPort"));
  options->addMenu(ports);
  connect(AddAction(options, "mnuOptionsTestConnection", tr("&Test Connection...")),
          &QAction::triggered, radio_, &RadioCommands::TestConnection);
  options->addMenu(CreateAppearanceMenu(this, session_.settings));
  hexDumpAction_ = AddAction(options, "mnuOptionsHexdump", tr("Hexdump"));
  hexDumpAction_->setCheckable(true);
  hexDumpAction_->setVisible(false);
  connect(hexDumpAction_, &QAction::triggered, this, &MainWindow::ToggleHexDump);
  new LanguageMenu(session_.settings, host_, options, kApplicationTitle);
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
