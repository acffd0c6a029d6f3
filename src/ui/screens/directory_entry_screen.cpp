#include "ui/screens/directory_entry_screen.h"
#include "ui/screens/edit_record.h"

#include "app/busy_scope.h"
#include "app/session.h"
#include "ui/layout_rules.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace kv508::ui {

namespace {

constexpr int kNameMaxLength = 11; // what a directory slot of the radio holds
constexpr int kEntryBoxesTopic = 1049;
constexpr int kNameTopic = 1050;
constexpr int kMmsiTopic = 1051;

// The MMSI box selects its whole text on focus, so typing replaces the number.
class MmsiEdit : public CommitLineEdit {
public:
  using CommitLineEdit::CommitLineEdit;

protected:
  void focusInEvent(QFocusEvent *event) override {
    CommitLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
  }
};

QLabel *Label(const char *name, QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

} // namespace

DirectoryEntryScreen::DirectoryEntryScreen(ScreenContext &context)
    : context_(context), session_(context.session()) {
  panel_ = new QWidget;
  panel_->setObjectName(QStringLiteral("fraDirectory"));

  enable_ = new QCheckBox(QStringLiteral("Enable"), panel_);
  enable_->setObjectName(QStringLiteral("chkGEnable"));
  delete_ = new QCheckBox(QStringLiteral("Delete"), panel_);
  delete_->setObjectName(QStringLiteral("chkGDelete"));
  nameLabel_ = Label("lblTag", panel_);
  name_ = new CommitLineEdit(session_, panel_, panel_);
  name_->setObjectName(QStringLiteral("txtGPosi"));
  mmsiLabel_ = Label("lblMmsi", panel_);
  mmsiLabel_->setText(QStringLiteral("MMSI"));
  // A group MMSI always starts with 0; the user types the eight digits after it.
  groupLabel_ = Label("lblGroup", panel_);
  groupLabel_->setText(QStringLiteral("0"));
  mmsi_ = new MmsiEdit(session_, panel_, panel_);
  mmsi_->setObjectName(QStringLiteral("txtGMMSI"));

  Restrict(name_, kNameAlphabet, kNameMaxLength);
  name_->setFixedWidth(ToPixels(2200));
  mmsi_->setFixedWidth(ToPixels(1800));
  name_->check = [this] { return CommitName(); };
  mmsi_->check = [this] { return CommitMmsi(); };
  name_->commitOnEnter = true;
  mmsi_->commitOnEnter = true;

  SetHelpTopic(enable_, kEntryBoxesTopic);
  SetHelpTopic(delete_, kEntryBoxesTopic);
  SetHelpTopic(name_, kNameTopic);
  SetHelpTopic(mmsi_, kMmsiTopic);

  auto *layout = new QGridLayout(panel_);
  const int margin = ToPixels(kScreenMarginTwips);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setColumnMinimumWidth(0, ToPixels(1500));
  auto *boxes = new QHBoxLayout;
  boxes->addWidget(enable_);
  boxes->addSpacing(ToPixels(600));
  boxes->addWidget(delete_);
  boxes->addStretch();
  layout->addLayout(boxes, 0, 0, 1, 2);
  layout->addWidget(nameLabel_, 1, 0);
  layout->addWidget(name_, 1, 1, Qt::AlignLeft);
  auto *mmsiRow = new QHBoxLayout;
  mmsiRow->setSpacing(2);
  mmsiRow->addWidget(groupLabel_);
  mmsiRow->addWidget(mmsi_);
  mmsiRow->addStretch();
  layout->addWidget(mmsiLabel_, 2, 0);
  layout->addLayout(mmsiRow, 2, 1);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(1, 1);

  QObject::connect(enable_, &QCheckBox::clicked, panel_,
                   [this](bool checked) { EnableClicked(checked); });
  QObject::connect(delete_, &QCheckBox::clicked, panel_,
                   [this](bool checked) { DeleteClicked(checked); });
}

Directory &DirectoryEntryScreen::Entries() {
  return IsGroup() ? session_.data.CHGRPID : session_.data.CHMMSID;
}

bool DirectoryEntryScreen::Editable() const { return !session_.state.Busy && panel_->isEnabled(); }

void DirectoryEntryScreen::Fill(const ScreenRequest &request) {
  kind_ = request.directory == 1 ? DirectoryKind::GroupId : DirectoryKind::MemoryId;
  entry_ = request.record;
  const int digits = TypedMmsiLength(kind_);
  if (RestrictedLength(mmsi_) != digits)
    Restrict(mmsi_, kDigits, digits);
  SetHint(mmsi_, QStringLiteral("Numeric Only. Indispensable %1 figures.").arg(digits));
  groupLabel_->setVisible(IsGroup());
  ShowDirectoryEntry();
}

void DirectoryEntryScreen::ShowDirectoryEntry() {
  Directory &entries = Entries();
  if (!entries.Contains(entry_))
    return;
  BusyScope busy(session_.state);
  nameLabel_->setText(IsGroup() ? QStringLiteral("Group Name") : QStringLiteral("Station Name"));
  const DirectoryEntry &entry = entries[entry_];
  // What the radio stores of a longer name read from a file.
  name_->ShowStored(ToQt(entry.TagName).left(kNameMaxLength));
  mmsi_->ShowStored(ToQt(TypedMmsi(kind_, entry.Mmsid)));

  const EntryState state = DirectoryEntryState(entries, entry_);
  const bool inUse = state == EntryState::InUse;
  bool mayEnable = false;
  if (state == EntryState::FirstFree) {
    mayEnable = MayEnableEntry(entries, entry_);
    if (!mayEnable)
      session_.host.Message(Icon::Exclamation,
                            IsGroup() ? "Group Directory" : "Individual Directory", "Data Error!!",
                            Buttons::Ok);
  }
  for (QWidget *w :
       std::initializer_list<QWidget *>{name_, nameLabel_, mmsi_, mmsiLabel_, groupLabel_})
    w->setEnabled(inUse);
  enable_->setChecked(inUse);
  enable_->setEnabled(mayEnable);
  delete_->setChecked(!inUse);
  delete_->setEnabled(inUse);
  RefreshTreeMarks();
}

void DirectoryEntryScreen::RefreshTreeMarks() {
  if (!IsGroup()) {
    context_.RefreshNodeTexts();
    return;
  }
  const Directory &entries = Entries();
  for (int n = entries.Lower(); n <= entries.Upper(); ++n) {
    QString text = QStringLiteral("Group ID") + QString::number(n);
    if (entries[n].Enable)
      text += QStringLiteral("[Enable]");
    context_.SetNodeText(QStringLiteral("SG ") + QString::number(n), text);
  }
}

void DirectoryEntryScreen::EnableClicked(bool checked) {
  if (!Editable() || !checked || !MayEnableEntry(Entries(), entry_))
    return;
  Entries()[entry_].Enable = true;
  ShowDirectoryEntry();
  session_.state.DataChanged = true;
  RecordEdit(session_, enable_);
  name_->setFocus(Qt::OtherFocusReason);
}

void DirectoryEntryScreen::DeleteClicked(bool checked) {
  if (!Editable() || !checked)
    return;
  const Answer answer = session_.host.Message(Icon::Critical, session_.state.TitleText,
                                              "Are you sure ?", Buttons::YesNo);
  if (answer != Answer::Yes) {
    delete_->setChecked(false);
    return;
  }
  DeleteDirectoryEntry(Entries(), entry_);
  session_.state.DataChanged = true;
  ShowDirectoryEntry();
  RecordEdit(session_, delete_);
}

bool DirectoryEntryScreen::CommitName() {
  Directory &entries = Entries();
  if (!entries.Contains(entry_))
    return true;
  if (name_->text().trimmed().isEmpty()) {
    // A blank name is not stored: the box shows the stored one again.
    name_->ShowStored(ToQt(entries[entry_].TagName).left(kNameMaxLength));
    return true;
  }
  entries[entry_].TagName = FromQt(name_->text());
  session_.state.DataChanged = true;
  return true;
}

bool DirectoryEntryScreen::CommitMmsi() {
  Directory &entries = Entries();
  if (!entries.Contains(entry_))
    return true;
  const std::optional<std::string> stored = StoredMmsi(kind_, FromQt(mmsi_->text()));
  if (!stored) {
    session_.host.Message(Icon::Exclamation, "MMSI", "Data Error!!", Buttons::Ok);
    return false;
  }
  entries[entry_].Mmsid = *stored;
  session_.state.DataChanged = true;
  if (stored->empty()) {
    // An emptied MMSI frees the entry: it goes without asking.
    DeleteDirectoryEntry(entries, entry_);
    ShowDirectoryEntry();
  }
  return true;
}

} // namespace kv508::ui
