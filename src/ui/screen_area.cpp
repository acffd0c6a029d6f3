#include "ui/screen_area.h"

#include "model/radio_data.h"
#include "ui/screens/commit_line_edit.h"
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
    r.bank = GroupOfKey(own);
    r.kind = r.bank >= 0 ? ScreenKind::GroupGrid
                         : (own == QLatin1String("PW") ? ScreenKind::Weather : ScreenKind::Empty);
  } else if (GroupOfKey(parent) >= 0) {
    r.kind = ScreenKind::ChannelPanel;
    r.bank = GroupOfKey(parent);
    r.record = RecordOf(key);
  } else if (parent == QLatin1String("DSCSETTING")) {
    if (own == QLatin1String("SM") || own == QLatin1String("SG")) {
      r.kind = ScreenKind::DirectoryGrid;
      r.directory = own == QLatin1String("SM") ? 0 : 1;
    }
  } else if (parent == QLatin1String("SM") || parent == QLatin1String("SG")) {
    r.kind = ScreenKind::DirectoryEntry;
    r.directory = parent == QLatin1String("SM") ? 0 : 1;
    r.record = RecordOf(key);
  } else if (parent == QLatin1String("EXPCHANNEL")) {
    r.kind = ScreenKind::ExpPanel;
    r.bank = 3;
    r.record = RecordOf(key);
  }
  return r;
}

bool RecordExists(const ScreenRequest &request, const RadioData &data) {
  if (request.record < 0 && request.kind != ScreenKind::ChannelPanel &&
      request.kind != ScreenKind::ExpPanel && request.kind != ScreenKind::DirectoryEntry)
    return true;
  if (request.bank >= 0 && request.bank <= 3)
    return data.GroupBank(request.bank).Contains(request.record);
  if (request.directory == 0)
    return data.CHMMSID.Contains(request.record);
  if (request.directory == 1)
    return data.CHGRPID.Contains(request.record);
  return false;
}

bool EditorScreen::CommitEdit() { return CommitEditedFields(Panel()); }

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

void ScreenArea::Register(std::unique_ptr<EditorScreen> screen) {
  QWidget *panel = screen->Panel();
  if (indexOf(panel) < 0)
    addWidget(panel);
  panel->setEnabled(false);
  for (ScreenKind kind : screen->Kinds())
    screens_[kind] = screen.get();
  owned_.push_back(std::move(screen));
}

bool ScreenArea::CommitActiveEdit() const {
  std::vector<EditorScreen *> ordered;
  for (const auto &screen : owned_) {
    if (screen->CommitOrder() != kCommitNone)
      ordered.push_back(screen.get());
  }
  std::stable_sort(ordered.begin(), ordered.end(), [](EditorScreen *a, EditorScreen *b) {
    return a->CommitOrder() < b->CommitOrder();
  });
  for (EditorScreen *screen : ordered) {
    if (screen->Panel()->isEnabledTo(this))
      return screen->CommitEdit();
  }
  return true;
}

EditorScreen *ScreenArea::ScreenFor(ScreenKind kind) const {
  auto it = screens_.find(kind);
  return it == screens_.end() ? nullptr : it->second;
}

QWidget *ScreenArea::PanelFor(ScreenKind kind) const {
  if (kind == ScreenKind::General)
    return general_;
  EditorScreen *screen = ScreenFor(kind);
  return screen ? screen->Panel() : empty_;
}

void ScreenArea::Show(const ScreenRequest &request, const RadioData &data) {
  for (int i = 0; i < count(); ++i)
    widget(i)->setEnabled(false);
  const bool exists = RecordExists(request, data);
  QWidget *panel = exists ? PanelFor(request.kind) : empty_;
  panel->setEnabled(true);
  setCurrentWidget(panel);
  if (EditorScreen *screen = exists ? ScreenFor(request.kind) : nullptr)
    screen->Fill(request);
}

void ScreenArea::RefillAll() {
  for (auto &screen : owned_)
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
