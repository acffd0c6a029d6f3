#include "ui/ui_dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace kv508::ui {

bool UiDialogs::ShowFolder(QWidget *, const QString &folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

QString QtDialogs::OpenFileName(QWidget *parent, const QString &filter, const QString &folder) {
  return QFileDialog::getOpenFileName(parent, QObject::tr("Open"), folder, filter);
}

QString QtDialogs::SaveFileName(QWidget *parent, const QString &filter, const QString &folder,
                                const QString &proposedName) {
  const QString start = proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
  return QFileDialog::getSaveFileName(parent, QObject::tr("Save As"), start, filter);
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
