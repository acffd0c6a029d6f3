#include "ui/qt_host.h"

#include "ui/ui_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace kv508::ui {

QtHost::QtHost() { clock_.start(); }

Answer QtHost::Message(Icon icon, const std::string &title, const std::string &text,
                       Buttons buttons) {
  QMessageBox box(QApplication::activeWindow());
  switch (icon) {
  case Icon::None:
    box.setIcon(QMessageBox::NoIcon);
    break;
  case Icon::Information:
    box.setIcon(QMessageBox::Information);
    break;
  case Icon::Exclamation:
    box.setIcon(QMessageBox::Warning);
    break;
  case Icon::Critical:
    box.setIcon(QMessageBox::Critical);
    break;
  case Icon::Question:
    box.setIcon(QMessageBox::Question);
    break;
  }
  box.setWindowTitle(ToQt(title));
  box.setText(DisplayText(text));
  switch (buttons) {
  case Buttons::Ok:
    box.setStandardButtons(QMessageBox::Ok);
    break;
  case Buttons::OkCancel:
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    break;
  case Buttons::YesNoCancel:
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    break;
  case Buttons::RetryCancel:
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    break;
  }
  // The message box is modal, so a wait cursor must not hide its buttons.
  const bool waiting = QApplication::overrideCursor() != nullptr;
  if (waiting)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (waiting)
    QApplication::restoreOverrideCursor();
  switch (answer) {
  case QMessageBox::Ok:
    return Answer::Ok;
  case QMessageBox::Yes:
    return Answer::Yes;
  case QMessageBox::No:
    return Answer::No;
  case QMessageBox::Retry:
    return Answer::Retry;
  default:
    return Answer::Cancel;
  }
}

void QtHost::Yield() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::Pause(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const qint64 left = ms - t.elapsed();
    if (left > 0)
      QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 10)));
  }
}

std::int64_t QtHost::NowMs() { return clock_.elapsed(); }

} // namespace kv508::ui
