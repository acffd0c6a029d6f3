#include "ui/ui_host.h"

#include <QGuiApplication>
#include <QWidget>

namespace kv508::ui {

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

void UiHost::Progress(int percent) {
  if (view_.progress)
    view_.progress(percent);
  inner_.Progress(percent);
}

} // namespace kv508::ui
