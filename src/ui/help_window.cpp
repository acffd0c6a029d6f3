#include "ui/help_window.h"

#include "app/app_state.h"
#include "ui/appearance.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace kv508::ui {

namespace {

// The help page's colours are meant for a light page; on a dark one its
// headings, rules and code boxes take these instead.
constexpr std::pair<const char *, const char *> kDarkColours[] = {
    {"#12467e", "#8cc2ff"}, {"#c8d4e0", "#4f5a66"}, {"#eef2f6", "#3b4149"}};

class HelpBrowser : public QTextBrowser {
public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl &name) override {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || !IsDark(palette()))
      return resource;
    QString html = resource.userType() == QMetaType::QByteArray
                       ? QString::fromUtf8(resource.toByteArray())
                       : resource.toString();
    for (const auto &[light, dark] : kDarkColours)
      html.replace(QLatin1String(light), QLatin1String(dark), Qt::CaseInsensitive);
    return html;
  }
};

} // namespace

HelpWindow::HelpWindow(QWidget *owner) : QWidget(nullptr, Qt::Window), owner_(owner) {
  setObjectName(QStringLiteral("frmHelp"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("%1 Help").arg(QLatin1String(kApplicationTitle)));
  if (owner)
    setWindowIcon(owner->windowIcon());
  resize(720, 560);
  browser_ = new HelpBrowser(this);
  browser_->setObjectName(QStringLiteral("txtHelp"));
  WhenPaletteChanges(browser_, [this] {
    if (!browser_->source().isEmpty())
      browser_->reload();
  });
  browser_->setOpenExternalLinks(true);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  for (const QKeySequence &keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto *close = new QShortcut(keys, this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
  }
}

void HelpWindow::PlaceOnOwnersScreen() {
  QScreen *screen =
      owner_ && owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
  if (!screen)
    return;
  const QRect room = screen->availableGeometry();
  QRect frame(QPoint(0, 0), size().boundedTo(room.size() - QSize(16, 48)));
  const QRect ownerFrame = owner_ ? owner_->frameGeometry() : room;
  frame.moveTopLeft(ownerFrame.topRight() + QPoint(8, 0));
  if (frame.right() > room.right())
    frame.moveRight(room.right() - 8);
  if (frame.bottom() > room.bottom() - 40)
    frame.moveBottom(room.bottom() - 40);
  frame.moveLeft(std::max(frame.left(), room.left()));
  frame.moveTop(std::max(frame.top(), room.top()));
  resize(frame.size());
  move(frame.topLeft());
}

void HelpWindow::ShowTopic(const QString &helpFile, int topic) {
  QUrl url = QUrl::fromLocalFile(helpFile);
  url.setFragment(QString::number(topic));
  browser_->setSource(url);
  if (!placed_) {
    PlaceOnOwnersScreen();
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
}

} // namespace kv508::ui
