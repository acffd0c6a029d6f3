#include "ui/report_window.h"

#include "app/safe_save.h"
#include "report/report.h"
#include "ui/file_places.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace kv508::ui {

ReportWindow::ReportWindow(Session &session, UiHost &host, UiDialogs &dialogs, FilePlaces &places,
                           QWidget *parent)
    : QDialog(parent), session_(session), host_(host), dialogs_(dialogs), places_(places) {
  setObjectName(QStringLiteral("frmPrn"));
  setWindowTitle(tr("Print to File"));
  resize(558, 409);

  auto *layout = new QVBoxLayout(this);
  auto *menus = new QMenuBar(this);
  QMenu *file = menus->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction *save = file->addAction(tr("&Save"));
  save->setObjectName(QStringLiteral("mnuFileSave"));
  connect(save, &QAction::triggered, this, [this] { SaveText(); });
  file->addSeparator();
  QAction *exit = file->addAction(tr("E&xit"));
  exit->setObjectName(QStringLiteral("mnuFileExit"));
  connect(exit, &QAction::triggered, this, &QDialog::accept);
  layout->setMenuBar(menus);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("txtPrn"));
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setReadOnly(true);
  text_->setPlainText(tr("Now, making text image. Please wait..."));
  layout->addWidget(text_);

  auto *ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setSingleShot(true);
  timer_->setInterval(100);
  connect(timer_, &QTimer::timeout, this, &ReportWindow::BuildTextImage);
}

void ReportWindow::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    timer_->start();
}

void ReportWindow::BuildTextImage() {
  timer_->stop();
  Host &host = session_.host;
  host.SetWaitCursor(true);
  setEnabled(false);
  const std::string image = RenderTextImage(BuildReport(session_.data, session_.model));
  text_->setPlainText(DisplayText(image));
  host.RepaintPause(500);
  setEnabled(true);
  host.SetWaitCursor(false);
}

bool ReportWindow::SaveText() {
  AppState &state = session_.state;
  QString file = dialogs_.SaveFileName(this, FilterFor(FileKind::Report),
                                       places_.StartFolder(FileKind::Report), QString());
  state.OperationIncomplete = true;
  if (file.isEmpty())
    return false;
  file = WithDefaultSuffix(file, FileKind::Report);
  // The text is written as one line, so the file ends with one CR LF.
  QString text = text_->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  text += QStringLiteral("\r\n");
  state.OperationFailed = false;
  const std::error_code error = SafeWriteFile(PathFromQt(file), FromQt(text));
  if (error) {
    state.OperationFailed = true;
    // The system's description is the message; the lines below say which file.
    MessageContext context(host_, {.doing = "Saving " + FromQt(file), .why = {}});
    host_.Message(Icon::Exclamation, state.TitleText, error.message(), Buttons::Ok);
    return false;
  }
  places_.Remember(FileKind::Report, file);
  state.OperationIncomplete = false;
  return true;
}

} // namespace kv508::ui
