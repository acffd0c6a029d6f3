#include "ui/help_window.h"

#include "app/app_state.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kv508::ui {

HelpWindow::HelpWindow(QWidget *owner) : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("frmHelp"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("%1 Help").arg(QLatin1String(kApplicationTitle)));
  if (owner)
    setWindowIcon(owner->windowIcon());
  resize(720, 560);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("txtHelp"));
  browser_->setOpenExternalLinks(true);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}

void HelpWindow::ShowTopic(const QString &helpFile, int topic) {
  QUrl url = QUrl::fromLocalFile(helpFile);
  url.setFragment(QString::number(topic));
  browser_->setSource(url);
  show();
  raise();
  activateWindow();
}

} // namespace kv508::ui
