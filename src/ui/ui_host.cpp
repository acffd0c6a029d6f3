#include "ui/ui_host.h"

#include "ui/core_texts.h"

#include <QGuiApplication>
#include <QWidget>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

namespace kv508::ui {

Answer UiHost::Message(Icon icon, const std::string &englishTitle, const std::string &englishText,
                       Buttons buttons) {
  const std::string title = CoreTextBytes(englishTitle);
  const bool failure = icon == Icon::Critical || icon == Icon::Exclamation;
  if (!activity_ || !failure || buttons != Buttons::Ok)
    return inner_.Message(icon, title, CoreTextBytes(englishText), buttons);
  const std::string why = activity_->why ? activity_->why() : std::string();
  if (why.empty() && activity_->onlyWithReason)
    return inner_.Message(icon, title, CoreTextBytes(englishText), buttons);
  std::string shown = englishText + "\r\n\r\n" + activity_->doing;
  shown += why.empty() ? "." : ":";
  // The system's reason stays as the system gave it.
  shown = CoreTextBytes(shown);
  if (!why.empty())
    shown += "\r\n" + why;
  return inner_.Message(icon, title, shown, buttons);
}

std::string ReadFailureReason(const std::string &path) {
  const QString name = QFile::decodeName(QByteArray::fromStdString(path));
  if (QFileInfo(name).isDir())
    return std::strerror(EISDIR);
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly))
    return file.errorString().toStdString();
  return {};
}

std::string WriteFailureReason(const std::string &path) {
  const QFileInfo target(QFile::decodeName(QByteArray::fromStdString(path)));
  if (target.isDir())
    return std::strerror(EISDIR);
  if (!target.dir().exists())
    return std::strerror(ENOENT);
  // A file of our own in the same folder meets the same refusal the save met.
  QTemporaryFile probe(target.dir().filePath(QStringLiteral(".kv508-write-test-XXXXXX")));
  if (!probe.open())
    return probe.errorString().toStdString();
  return {};
}

void UiHost::SetWaitCursor(bool on) {
  if (on) {
    ++waitDepth_;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (waitDepth_ > 0) {
    --waitDepth_;
    QGuiApplication::restoreOverrideCursor();
  }
  inner_.SetWaitCursor(on);
}

void UiHost::SetMainWindowEnabled(bool enabled) {
  if (mainWindow_)
    mainWindow_->setEnabled(enabled);
  inner_.SetMainWindowEnabled(enabled);
}

void UiHost::Monitor(const std::string &text) {
  if (view_.monitor)
    view_.monitor(text);
  inner_.Monitor(text);
}

void UiHost::Reason(const std::string &text) {
  if (view_.monitor)
    view_.monitor(text);
  inner_.Reason(text);
}

int UiHost::Choose(Icon icon, const std::string &title, const std::string &text,
                   const std::vector<std::string> &choices) {
  std::vector<std::string> shown;
  for (const std::string &choice : choices)
    shown.push_back(CoreTextBytes(choice));
  return inner_.Choose(icon, CoreTextBytes(title), CoreTextBytes(text), shown);
}

void UiHost::Status(const std::string &english) {
  const std::string text = CoreTextBytes(english);
  if (view_.status)
    view_.status(text);
  inner_.Status(text);
}

void UiHost::Progress(int percent) {
  if (view_.progress)
    view_.progress(percent);
  inner_.Progress(percent);
}

} // namespace kv508::ui
