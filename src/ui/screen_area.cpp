#include "ui/screen_area.h"

#include "model/radio_data.h"
#include "ui/screens/screen_access.h"
#include "ui/solid_fill.h"

#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

// The Alt+letters the menu bar takes, which no label may take too.
QString MenuLetters(const QWidget *window) {
  QString letters;
  if (const auto *bar = window->findChild<QMenuBar *>()) {
    for (const QAction *action : bar->actions()) {
      const QString text = action->text();
      const qsizetype at = text.indexOf(QLatin1Char('&'));
      if (at >= 0 && at + 1 < text.size())
        letters += text[at + 1].toLower();
    }
  }
  return letters;
}

} // namespace

ScreenArea::ScreenArea(QWidget *parent) : QStackedWidget(parent) {
  setObjectName(QStringLiteral("fraScreens"));

  general_ = new QWidget(this);
  general_->setObjectName(QStringLiteral("fraGeneral"));
  auto *layout = new QVBoxLayout(general_);
  logo_ = new QLabel(general_);
  logo_->setObjectName(QStringLiteral("picLogo"));
  logo_->setAlignment(Qt::AlignCenter);
  // The logo shows what room there is; it never sizes the screens.
  logo_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  layout->addWidget(logo_);

  empty_ = new QWidget(this);
  empty_->setObjectName(QStringLiteral("fraEmpty"));
  FillSolid(empty_, QPalette::Mid);

  addWidget(general_);
  addWidget(empty_);
  for (int i = 0; i < count(); ++i)
    widget(i)->setEnabled(false);
}

// The screens own their panels: they go before the stack deletes its children.
ScreenArea::~ScreenArea() { owned_.clear(); }

void ScreenArea::Register(std::unique_ptr<EditorScreen> screen) {
  QWidget *panel = screen->Panel();
  if (indexOf(panel) < 0)
    addWidget(panel);
  panel->setEnabled(false);
  for (ScreenKind kind : screen->Kinds())
    screens_[kind] = screen.get();
  owned_.push_back(std::move(screen));
}

bool ScreenArea::CommitActiveEdit() const { return !active_ || active_->CommitEdit(); }

void ScreenArea::Show(const ScreenRequest &request, const RadioData &data) {
  for (int i = 0; i < count(); ++i)
    widget(i)->setEnabled(false);
  const auto found = screens_.find(request.kind);
  active_ = found != screens_.end() && RecordExists(request, data) ? found->second : nullptr;
  QWidget *panel = active_                               ? active_->Panel()
                   : request.kind == ScreenKind::General ? general_
                                                         : empty_;
  panel->setEnabled(true);
  setCurrentWidget(panel);
  if (active_) {
    active_->Fill(request);
    NameControls(panel);
    AssignMnemonics(panel, MenuLetters(window()));
    OrderTabs(panel, tabStart_);
  }
}

QWidget *ScreenArea::ActivePanel() const {
  for (int i = 0; i < count(); ++i) {
    if (widget(i)->isEnabledTo(this))
      return widget(i);
  }
  return nullptr;
}

} // namespace kv508::ui
