#include "ui/ui_dialogs.h"

#include "ui/backups_dialog.h"
#include "ui/check_dialog.h"
#include "ui/mmsi_repeat_dialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace kv508::ui {

bool UiDialogs::ShowFolder(QWidget *, const QString &folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

UiDialogs::Repeat UiDialogs::RepeatOwnMmsi(QWidget *parent, const QString &typed,
                                           const QString &info) {
  MmsiRepeatDialog dialog(info, parent);
  if (dialog.exec() != QDialog::Accepted)
    return Repeat::Cancelled;
  return dialog.Typed() == typed ? Repeat::Same : Repeat::Different;
}

UiDialogs::FindingsAnswer UiDialogs::ShowFindings(QWidget *parent,
                                                  const std::vector<Finding> &findings,
                                                  const QString &note, bool beforeProgram) {
  CheckDialog dialog(findings, note, beforeProgram, parent);
  dialog.exec();
  return dialog.Answer();
}

QString QtDialogs::ChooseBackup(QWidget *parent, const std::filesystem::path &folder,
                                const std::function<void()> &showFolder) {
  BackupsDialog dialog(folder, showFolder, parent);
  dialog.exec();
  return dialog.Chosen();
}

QString QtDialogs::OpenFileName(QWidget *parent, const QString &filter, const QString &folder) {
  return QFileDialog::getOpenFileName(parent, QObject::tr("Open"), folder, filter);
}

QString QtDialogs::SaveFileName(QWidget *parent, const QString &filter, const QString &folder,
                                const QString &proposedName, const QString &title) {
  QFileDialog dialog(parent, title.isEmpty() ? QObject::tr("Save As") : title, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // "dat files(*.dat);;..." gives "dat", so that the overwrite question names the real file.
  const QRegularExpressionMatch suffix =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
  if (suffix.hasMatch())
    dialog.setDefaultSuffix(suffix.captured(1));
  if (!proposedName.isEmpty())
    dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().first();
}

QPageSize::PageSizeId UiDialogs::Paper() {
  const QLocale locale;
  return locale.measurementSystem() == QLocale::ImperialUSSystem ||
                 locale.territory() == QLocale::Canada
             ? QPageSize::Letter
             : QPageSize::A4;
}

QPageSize::PageSizeId QtDialogs::Paper() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  const QPageSize paper = printer.isNull() ? QPageSize() : printer.defaultPageSize();
  return paper.isValid() && paper.id() != QPageSize::Custom ? paper.id() : UiDialogs::Paper();
}

bool QtDialogs::PrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

UiDialogs::NoPrinterChoice QtDialogs::NoPrinter(QWidget *parent) {
  QMessageBox box(QMessageBox::Information, QObject::tr("Print"),
                  QObject::tr("No printer is installed on this computer.\n\nYou can look at "
                              "the pages in Print Preview, or save them as a PDF file and print "
                              "that elsewhere."),
                  QMessageBox::NoButton, parent);
  QPushButton *preview = box.addButton(QObject::tr("Print Pre&view"), QMessageBox::AcceptRole);
  QPushButton *pdf = box.addButton(QObject::tr("Export &PDF..."), QMessageBox::AcceptRole);
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(pdf);
  box.exec();
  if (box.clickedButton() == preview)
    return NoPrinterChoice::Preview;
  if (box.clickedButton() == pdf)
    return NoPrinterChoice::Pdf;
  return NoPrinterChoice::Cancel;
}

bool QtDialogs::SetUpPrinter(QWidget *parent, QPrinter &printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

QString QtDialogs::DevicePath(QWidget *parent, const QString &current) {
  bool ok = false;
  const QString path = QInputDialog::getText(parent, QObject::tr("Serial device"),
                                             QObject::tr("Device path (for example /dev/ttyUSB0):"),
                                             QLineEdit::Normal, current, &ok);
  return ok ? path.trimmed() : QString();
}

} // namespace kv508::ui
