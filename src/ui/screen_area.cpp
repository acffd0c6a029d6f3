#include "ui/screen_area.h"

#include "ui/solid_fill.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

namespace {

int RecordOf(const QString &key) {
  // The record number is the numeric value of the key from its third character on.
  return key.mid(2).trimmed().toInt();
}

int GroupOfKey(const QString &upperKey) {
  if (upperKey == QLatin1String("PU"))
    return 0;
  if (upperKey == QLatin1String("PI"))
    return 1;
  if (upperKey == QLatin1String("PC"))
    return 2;
  return -1;
}

} // namespace

ScreenRequest ScreenForNode(const QString &parentKey, const QString &key) {
  const QString parent = parentKey.toUpper();
  const QString own = key.toUpper();
  ScreenRequest r;
  r.key = key;
  if (parent.isEmpty()) {
    if (own == QLatin1String("GENERAL"))
      r.kind = ScreenKind::General;
    else if (own == QLatin1String("EXPCHANNEL"))
      r.kind = ScreenKind::ExpGrid;
    else
      r.kind = ScreenKind::Empty;
    return r;
  }
  if (parent == QLatin1String("GENERAL")) {
    if (own == QLatin1String("USABLE"))
      r.kind = ScreenKind::Usable;
    else if (own == QLatin1String("COMMON"))
      r.kind = ScreenKind::Common;
    else if (own == QLatin1String("DSC"))
      r.kind = ScreenKind::Dsc;
    else if (own == QLatin1String("ATIS"))
      r.kind = ScreenKind::Atis;
  } else if (parent == QLatin1String("PROGRAM")) {
    r.group = GroupOfKey(own);
    r.kind = r.group >= 0 ? ScreenKind::GroupGrid
                          : (own == QLatin1String("PW") ? ScreenKind::Weather : ScreenKind::Empty);
  } else if (GroupOfKey(parent) >= 0) {
    r.kind = ScreenKind::ChannelPanel;
    r.group = GroupOfKey(parent);
    r.record = RecordOf(key);
  } else if (parent == QLatin1String("DSCSETTING")) {
    r.kind = ScreenKind::DirectoryGrid;
    r.group = own == QLatin1String("SM") ? 0 : 1;
  } else if (parent == QLatin1String("SM") || parent == QLatin1String("SG")) {
    r.kind = ScreenKind::DirectoryEntry;
    r.group = parent == QLatin1String("SM") ? 0 : 1;
    r.record = RecordOf(key);
  } else if (parent == QLatin1String("EXPCHANNEL")) {
    r.kind = ScreenKind::ExpPanel;
    r.group = 3;
    r.record = RecordOf(key);
  }
  return r;
}

ScreenArea::ScreenArea(QWidget *parent) : QStackedWidget(parent) {
  setObjectName(QStringLiteral("fraScreens"));

  general_ = new QWidget(this);
  general_->setObjectName(QStringLiteral("fraGeneral"));
  auto *layout = new QVBoxLayout(general_);
  logo_ = new QLabel(general_);
  logo_->setObjectName(QStringLiteral("picLogo"));
  logo_->setAlignment(Qt::AlignCenter);
  layout->addWidget(logo_);

  empty_ = new QWidget(this);
  empty_->setObjectName(QStringLiteral("fraEmpty"));
  FillSolid(empty_, QColor(0xC0, 0xC0, 0xC0));

  addWidget(general_);
  addWidget(empty_);
  for (int i = 0; i < count(); ++i)
    widget(i)->setEnabled(false);
}

ScreenArea::~ScreenArea() = default;

void ScreenArea::Register(ScreenKind kind, std::unique_ptr<EditorScreen> screen) {
  addWidget(screen->Panel());
  screen->Panel()->setEnabled(false);
  screens_[kind] = std::move(screen);
}

void ScreenArea::RegisterEditValidator(int order, QWidget *panel, std::function<bool()> validate) {
  validators_.push_back({order, panel, std::move(validate)});
  std::stable_sort(validators_.begin(), validators_.end(),
                   [](const Validator &a, const Validator &b) { return a.order < b.order; });
}

bool ScreenArea::CommitActiveEdit() const {
  for (const Validator &v : validators_) {
    if (v.panel && v.panel->isEnabledTo(this))
      return v.validate ? v.validate() : true;
  }
  return true;
}

QWidget *ScreenArea::PanelFor(ScreenKind kind) const {
  if (kind == ScreenKind::General)
    return general_;
  auto it = screens_.find(kind);
  return it == screens_.end() ? empty_ : it->second->Panel();
}

void ScreenArea::Show(const ScreenRequest &request) {
  for (int i = 0; i < count(); ++i)
    widget(i)->setEnabled(false);
  QWidget *panel = PanelFor(request.kind);
  panel->setEnabled(true);
  setCurrentWidget(panel);
  auto it = screens_.find(request.kind);
  if (it != screens_.end())
    it->second->Fill(request);
}

void ScreenArea::RefillAll() {
  for (auto &[kind, screen] : screens_)
    screen->Refill();
}

QWidget *ScreenArea::ActivePanel() const {
  for (int i = 0; i < count(); ++i) {
    if (widget(i)->isEnabledTo(this))
      return widget(i);
  }
  return nullptr;
}

} // namespace kv508::ui
