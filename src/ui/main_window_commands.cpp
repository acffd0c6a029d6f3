// frmMain's commands that open other windows: transfer, print, report window,
// serial port choice, help and about.

#include "ui/main_window.h"

#include "app/config.h"
#include "link/qt_serial_port.h"
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

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTreeWidget>

namespace kv508::ui {

namespace {

// The dialog's port: the main window's current choice and its port menu.
class WindowPorts : public TransferPorts {
public:
  WindowPorts(PortProvider &provider, const PortChoice &choice, std::function<QString()> name,
              std::function<QString()> description, QMenu *menu)
      : provider_(provider), choice_(choice), name_(std::move(name)),
        description_(std::move(description)), menu_(menu) {}
  Port &Acquire() override { return provider_.Acquire(choice_); }
  QString Name() const override { return name_(); }
  QString Description() const override { return description_(); }
  QMenu *Menu() override { return menu_; }

private:
  PortProvider &provider_;
  const PortChoice &choice_;
  std::function<QString()> name_;
  std::function<QString()> description_;
  QMenu *menu_;
};

} // namespace

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
  WindowPorts ports(
      ports_, portChoice_, [this] { return PortName(); }, [this] { return PortDescription(); },
      portMenu_);
  TransferDialog dialog(session_, host_, ports, mode, this);
  connect(&dialog, &TransferDialog::HelpRequested, this,
          [this, mode] { ShowHelpTopic(1012, TransferCaption(mode)); });
  dialog.exec();
  ActivateAgain();
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
    // The clear buttons show their screen again afterwards: keep its node.
    RebuildTreeKeepingSelection();
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

QString MainWindow::PortName() const {
  switch (portChoice_.source) {
  case PortSource::Simulated:
    return tr("the simulated radio");
  case PortSource::Device:
    return QString::fromStdString(portChoice_.device);
  case PortSource::Numbered:
    break;
  }
  const QString com = QStringLiteral("COM%1").arg(session_.ComPort);
  const std::string device = DeviceForComNumber(session_.ComPort);
  if (device.empty() || QString::fromStdString(device) == com)
    return com;
  return QStringLiteral("%1 (%2)").arg(com, QString::fromStdString(device));
}

QString MainWindow::PortDescription() const {
  if (portChoice_.source == PortSource::Simulated)
    return tr("(built in)");
  const std::string device = portChoice_.source == PortSource::Device
                                 ? portChoice_.device
                                 : DeviceForComNumber(session_.ComPort);
  if (device.empty())
    return tr("(not on this computer)");
  for (const SerialPortInfo &port : ListSerialPorts()) {
    if (port.systemLocation == device || port.portName == device)
      return QString::fromStdString(port.description);
  }
  return {};
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
  UpdatePortPanel();
}

// --- printing and the report window -------------------------------------------------

RunningHeader MainWindow::ReportHeader() const {
  const std::string &path = session_.state.CurrentFilePath;
  return {QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
          path.empty() ? tr("radio read")
                       : QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName()};
}

void MainWindow::PrintReportTo(QPrinter &printer) {
  WorkingScope working(host_);
  PrintReport(BuildReport(session_.data, session_.model), printer, ReportHeader());
}

void MainWindow::FilePrint() {
  if (!CommitActiveEdit())
    return;
  if (!dialogs_.PrinterInstalled()) {
    const UiDialogs::NoPrinterChoice choice = dialogs_.NoPrinter(this);
    ActivateAgain();
    if (choice == UiDialogs::NoPrinterChoice::Preview)
      FilePrintPreview();
    else if (choice == UiDialogs::NoPrinterChoice::Pdf)
      FileExportPdf();
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  const bool accepted = dialogs_.SetUpPrinter(this, printer);
  ActivateAgain();
  if (accepted)
    PrintReportTo(printer);
}

void MainWindow::FileExportPdf() {
  if (!CommitActiveEdit())
    return;
  const std::string &current = session_.state.CurrentFilePath;
  const QString proposed =
      current.empty()
          ? QStringLiteral("report.pdf")
          : QFileInfo(QFile::decodeName(QByteArray::fromStdString(current))).completeBaseName() +
                QStringLiteral(".pdf");
  QString target = dialogs_.SaveFileName(this, FilterFor(FileKind::Pdf),
                                         places_.StartFolder(FileKind::Pdf), proposed);
  ActivateAgain();
  if (target.isEmpty())
    return;
  target = WithDefaultSuffix(target, FileKind::Pdf);
  MessageContext context(host_, {.doing = "Saving " + FromQt(target), .why = [target] {
                                   return WriteFailureReason(PathFromQt(target).string());
                                 }});
  // Written beside the target and renamed over it once complete, like every other file.
  QTemporaryFile part(target + QStringLiteral(".XXXXXX"));
  bool written = part.open();
  if (written) {
    part.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    {
      WorkingScope working(host_);
      written = PrintReport(BuildReport(session_.data, session_.model), printer, ReportHeader());
    }
    written = written && (!QFile::exists(target) || QFile::remove(target)) &&
              QFile::rename(part.fileName(), target);
    if (written)
      part.setAutoRemove(false);
  }
  if (!written) {
    host_.Message(Icon::Exclamation, session_.state.TitleText, "FileSave Error!!", Buttons::Ok);
    return;
  }
  places_.Remember(FileKind::Pdf, target);
}

void MainWindow::FilePrintPreview() {
  if (!CommitActiveEdit())
    return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("dlgPrintPreview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) {
    PrintReport(BuildReport(session_.data, session_.model), *p, ReportHeader());
  });
  preview.exec();
  ActivateAgain();
}

void MainWindow::FilePrintToFile() {
  ReportWindow window(session_, host_, dialogs_, places_, this);
  window.exec();
  ActivateAgain();
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
  ActivateAgain();
}

void MainWindow::ActivateAgain() {
  if (!isVisible())
    return;
  raise();
  activateWindow();
}

} // namespace kv508::ui
