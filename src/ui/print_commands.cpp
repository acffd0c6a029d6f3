#include "ui/print_commands.h"

#include "app/session.h"
#include "report/report.h"
#include "ui/file_places.h"
#include "ui/navigator.h"
#include "ui/report_printer.h"
#include "ui/report_window.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace kv508::ui {

PrintCommands::PrintCommands(WindowParts parts) : QObject(&parts.window), parts_(parts) {}

RunningHeader PrintCommands::Header() const {
  const std::string &path = parts_.session.state.CurrentFilePath;
  return {QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
          path.empty() ? tr("radio read")
                       : QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName()};
}

void PrintCommands::PrintReportTo(QPrinter &printer) {
  WorkingScope working(parts_.host);
  PrintReport(BuildReport(parts_.session.data, parts_.session.model), printer, Header());
}

void PrintOrOffer(WindowParts &parts, const std::function<void(QPrinter &)> &print,
                  const std::function<void()> &preview, const std::function<void()> &pdf) {
  if (!parts.navigator.CommitActiveEdit())
    return;
  UiDialogs &dialogs = parts.dialogs;
  if (!dialogs.PrinterInstalled()) {
    const UiDialogs::NoPrinterChoice choice = dialogs.NoPrinter(&parts.window);
    parts.ActivateAgain();
    if (choice == UiDialogs::NoPrinterChoice::Preview)
      preview();
    else if (choice == UiDialogs::NoPrinterChoice::Pdf)
      pdf();
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  const bool accepted = dialogs.SetUpPrinter(&parts.window, printer);
  parts.ActivateAgain();
  if (accepted)
    print(printer);
}

void PrintCommands::Print() {
  PrintOrOffer(
      parts_, [this](QPrinter &printer) { PrintReportTo(printer); }, [this] { Preview(); },
      [this] { ExportPdf(); });
}

namespace {

// An existing file keeps its permissions; a new one gets those the user's
// umask leaves of read and write for all.
QFileDevice::Permissions SavedFilePermissions(const QString &target) {
  if (QFile::exists(target))
    return QFile::permissions(target);
  QFileDevice::Permissions all = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ReadUser | QFileDevice::WriteUser |
                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                 QFileDevice::ReadOther | QFileDevice::WriteOther;
#ifdef Q_OS_UNIX
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (mask & S_IWGRP)
    all &= ~QFileDevice::WriteGroup;
  if (mask & S_IWOTH)
    all &= ~QFileDevice::WriteOther;
  if (mask & S_IRGRP)
    all &= ~QFileDevice::ReadGroup;
  if (mask & S_IROTH)
    all &= ~QFileDevice::ReadOther;
#endif
  return all;
}

} // namespace

void PrintCommands::ExportPdf() {
  if (!parts_.navigator.CommitActiveEdit())
    return;
  const std::string &current = parts_.session.state.CurrentFilePath;
  const QString proposed =
      current.empty()
          ? QStringLiteral("report.pdf")
          : QFileInfo(QFile::decodeName(QByteArray::fromStdString(current))).completeBaseName() +
                QStringLiteral(".pdf");
  QString target = parts_.dialogs.SaveFileName(&parts_.window, FilterFor(FileKind::Pdf),
                                               parts_.places.StartFolder(FileKind::Pdf), proposed,
                                               tr("Export PDF"));
  parts_.ActivateAgain();
  if (target.isEmpty())
    return;
  target = WithDefaultSuffix(target, FileKind::Pdf);
  MessageContext context(parts_.host, {.doing = "Saving " + FromQt(target), .why = [target] {
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
      WorkingScope working(parts_.host);
      written =
          PrintReport(BuildReport(parts_.session.data, parts_.session.model), printer, Header());
    }
    // The temporary file is the owner's alone; the PDF gets what any saved file gets.
    written = written && QFile::setPermissions(part.fileName(), SavedFilePermissions(target)) &&
              (!QFile::exists(target) || QFile::remove(target)) &&
              QFile::rename(part.fileName(), target);
    if (written)
      part.setAutoRemove(false);
  }
  if (!written) {
    parts_.host.Message(Icon::Exclamation, parts_.session.state.TitleText, "FileSave Error!!",
                        Buttons::Ok);
    return;
  }
  parts_.places.Remember(FileKind::Pdf, target);
}

void PrintCommands::Preview() {
  if (!parts_.navigator.CommitActiveEdit())
    return;
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, &parts_.window);
  preview.setObjectName(QStringLiteral("dlgPrintPreview"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) {
    PrintReport(BuildReport(parts_.session.data, parts_.session.model), *p, Header());
  });
  preview.exec();
  parts_.ActivateAgain();
}

void PrintCommands::PrintToFile() {
  ReportWindow window(parts_.session, parts_.host, parts_.dialogs, parts_.places, &parts_.window);
  window.exec();
  parts_.ActivateAgain();
}

} // namespace kv508::ui
