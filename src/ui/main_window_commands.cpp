// frmMain's commands that open other windows: transfer, print, report window,
// serial port choice, help and about.

#include "ui/main_window.h"

#include "app/config.h"
#include "link/transfer.h"
#include "report/report.h"
#include "ui/about_dialog.h"
#include "ui/help_window.h"
#include "ui/report_printer.h"
#include "ui/report_window.h"
#include "ui/screen_area.h"
#include "ui/transfer_dialog.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_text.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTreeWidget>

namespace kv508::ui {

// --- transfer -----------------------------------------------------------------

void MainWindow::TransferProgram() {
  if (CommitActiveEdit())
    RunTransfer(kTransferProgram);
}

void MainWindow::TransferRead() {
  if (CommitActiveEdit() && SaveChangesFirst())
    RunTransfer(kTransferRead);
}

bool MainWindow::RunTransfer(int mode) {
  TransferDialog dialog(session_, host_, ports_.Acquire(portChoice_), mode, this);
  connect(&dialog, &TransferDialog::HelpRequested, this,
          [this, mode] { ShowHelpTopic(1012, TransferCaption(mode)); });
  dialog.exec();
  const bool succeeded = dialog.Succeeded();
  AppState &state = session_.state;
  if (succeeded && mode == kTransferRead) {
    SelectNodeByKey(QStringLiteral("General"));
    ShowScreenForNode(tree_->currentItem());
    screens_->RefillAll();
    BuildTree();
    RefreshNodeTexts();
    SelectNodeSilently(QStringLiteral("General"));
    state.CurrentFilePath.clear();
    UpdateCaption();
    state.DataChanged = false;
  } else if (succeeded && mode >= kClearMmsi) {
    screens_->RefillAll();
    BuildTree();
    RefreshNodeTexts();
    state.DataChanged = true;
  }
  if (succeeded && (mode == kTransferRead || mode >= kClearMmsi))
    DataReplaced();
  else
    RefreshHexDump();
  return succeeded;
}

// --- serial port -------------------------------------------------------------

void MainWindow::ChoosePort(int menuIndex) {
  SelectPort(session_, menuIndex, true);
  portChoice_.source = PortSource::Numbered;
  portChoice_.number = session_.ComPort;
  StorePortChoice();
  SyncPortMenu();
}

void MainWindow::ChooseDevicePort() {
  const QString device = dialogs_.DevicePath(this, QString::fromStdString(portChoice_.device));
  if (!device.isEmpty()) {
    portChoice_.source = PortSource::Device;
    portChoice_.device = device.toStdString();
    StorePortChoice();
  }
  SyncPortMenu();
}

void MainWindow::ChooseSimulatedRadio() {
  portChoice_.source = PortSource::Simulated;
  StorePortChoice();
  SyncPortMenu();
}

void MainWindow::StorePortChoice() {
  UserSettings &settings = session_.settings;
  const char *source = portChoice_.source == PortSource::Simulated ? "sim"
                       : portChoice_.source == PortSource::Device  ? "device"
                                                                   : "";
  settings.Set(kPortSection, kPortSourceKey, source);
  if (!portChoice_.device.empty())
    settings.Set(kPortSection, kPortDeviceKey, portChoice_.device);
}

void MainWindow::SyncPortMenu() {
  const bool numbered = portChoice_.source == PortSource::Numbered;
  for (int i = 0; i < 16; ++i)
    portActions_[static_cast<std::size_t>(i)]->setChecked(numbered && session_.ComPort == i + 1);
  deviceAction_->setChecked(portChoice_.source == PortSource::Device);
  simAction_->setChecked(portChoice_.source == PortSource::Simulated);
  RefreshPortCaptions();
}

// --- printing and the report window -------------------------------------------------

void MainWindow::PrintReportTo(QPrinter &printer) {
  WorkingScope working(host_);
  PrintReport(BuildReport(session_.data, session_.model), printer);
}

void MainWindow::FilePrint() {
  if (!CommitActiveEdit())
    return;
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.SetUpPrinter(this, printer))
    return;
  PrintReportTo(printer);
}

void MainWindow::FilePrintPreview() {
  if (!CommitActiveEdit())
    return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("dlgPrintPreview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter *p) { PrintReport(BuildReport(session_.data, session_.model), *p); });
  preview.exec();
}

void MainWindow::FilePrintToFile() {
  ReportWindow window(session_, dialogs_, this);
  window.exec();
}

// --- help and about -------------------------------------------------------------

void MainWindow::HelpContents() { ShowHelpTopic(1001, session_.state.TitleText); }

void MainWindow::HelpBackups() {
  const std::filesystem::path &folder = session_.backups.folder;
  std::error_code ec;
  if (!folder.empty())
    std::filesystem::create_directories(folder, ec);
  if (folder.empty()) {
    host_.Message(Icon::Exclamation, session_.state.TitleText,
                  "Backups are off: there is no per-user data folder.", Buttons::Ok);
  } else if (ec || !dialogs_.ShowFolder(this, QtFromPath(folder))) {
    host_.Message(Icon::Exclamation, session_.state.TitleText,
                  "The backup folder " + folder.string() + " cannot be opened.", Buttons::Ok);
  }
}

void MainWindow::ShowHelpTopic(int topic, const std::string &messageTitle) {
  if (helpFile_.empty()) {
    host_.Message(Icon::Information, messageTitle,
                  "Unable to display Help Contents. There is no Help associated with this "
                  "project.",
                  Buttons::Ok);
    return;
  }
  if (!helpWindow_)
    helpWindow_ = new HelpWindow(this);
  helpWindow_->ShowTopic(QtFromPath(helpFile_), topic);
}

void MainWindow::HelpAbout() {
  AboutDialog about(this);
  about.exec();
}

} // namespace kv508::ui
