#include "ui/screens/directory_entry_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "model/mmsi_identity.h"
#include "ui/help_topics.h"
#include "ui/layout_rules.h"
#include "ui/nav_tree.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/identity_note.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace kv508::ui {

namespace {

constexpr int kNameMaxLength = 11; // what a directory slot of the radio holds

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

} // namespace

DirectoryEntryScreen::DirectoryEntryScreen(ScreenContext &context)
    : PanelScreen(context, "fraDirectory") {
  QWidget *p = panel_.get();
  enable_ = NewBox(p, QStringLiteral("chkGEnable"), tr("Enable"), kHelpDirectoryBoxes);
  delete_ = NewBox(p, QStringLiteral("chkGDelete"), tr("Delete"), kHelpDirectoryBoxes);
  nameLabel_ = NewLabel(p, {}, QStringLiteral("lblTag"));
  name_ = new CommitLineEdit(p);
  name_->setObjectName(QStringLiteral("txtGPosi"));
  mmsiLabel_ = NewLabel(p, tr("MMSI"), QStringLiteral("lblMmsi"));
  // A group MMSI always starts with 0; the user types the eight digits after it.
  groupLabel_ = NewLabel(p, QStringLiteral("0"), QStringLiteral("lblGroup"));
  mmsi_ = new MmsiEdit(p);
  mmsi_->setObjectName(QStringLiteral("txtGMMSI"));
  identity_ = new IdentityNote(p, QStringLiteral("lblMmsiInfo"), QStringLiteral("imgMmsiWarning"));
  identity_->Attach(mmsi_, {});
  // The group MMSI's fixed 0 stands between the label and its field.
  nameLabel_->setBuddy(name_);
  mmsiLabel_->setBuddy(mmsi_);

  Restrict(name_, kNameAlphabet, kNameMaxLength);
  // The longest name and MMSI show in full whatever the font.
  FitChars(name_, kNameMaxLength, QLatin1Char('W'));
  FitChars(mmsi_, 9);
  name_->setFixedWidth(std::max(ToPixels(2200), name_->minimumWidth()));
  mmsi_->setFixedWidth(std::max(ToPixels(1800), mmsi_->minimumWidth()));
  SetHint(name_, tr("A maximum of %1 characters").arg(kNameMaxLength));
  name_->commitOnEnter = true;
  mmsi_->commitOnEnter = true;
  SetHelpTopic(name_, kHelpDirectoryName);
  SetHelpTopic(mmsi_, kHelpDirectoryMmsi);
  BuildLayout();
  Bind();
}

void DirectoryEntryScreen::BuildLayout() {
  auto *layout = new QGridLayout(panel_.get());
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
  layout->addWidget(identity_, 3, 1);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(1, 1);
}

void DirectoryEntryScreen::Bind() {
  const auto entry = [this](auto member) {
    return Access<std::string>(
        [this, member](RadioData &d) -> std::string & { return Entry(d).*member; });
  };
  // A blank name is not stored: the box shows the stored one again. The box
  // shows what the radio stores of a longer name read from a file.
  binder_.Committed(name_, tr("Name"), entry(&DirectoryEntry::TagName),
                    TextRule<std::string>{
                        [](const std::string &stored) { return ToQt(stored).left(kNameMaxLength); },
                        [](const QString &typed, const std::string &stored) {
                          return std::optional<std::string>(
                              typed.trimmed().isEmpty() ? stored : FromQt(typed));
                        },
                        {},
                        {}});
  // An emptied MMSI frees the entry: it goes without asking.
  binder_.Committed(mmsi_, tr("MMSI"), entry(&DirectoryEntry::Mmsid),
                    TextRule<std::string>{[this](const std::string &stored) {
                                            return ToQt(TypedMmsi(Kind(), stored));
                                          },
                                          [this](const QString &typed, const std::string &) {
                                            return StoredMmsi(Kind(), FromQt(typed));
                                          },
                                          "MMSI", "An MMSI has 9 digits."},
                    Binder::Hooks{}
                        .Changed([this] {
                          binder_.Fill();
                          ShowEntryState();
                        })
                        .Also([this](RadioData &d) {
                          if (Entry(d).Mmsid.empty())
                            DeleteDirectoryEntry(Entries(d), Request().record);
                        }));
  QObject::connect(enable_, &QCheckBox::clicked, panel_.get(),
                   [this](bool checked) { EnableClicked(checked); });
  QObject::connect(delete_, &QCheckBox::clicked, panel_.get(),
                   [this](bool checked) { DeleteClicked(checked); });
}

DirectoryKind DirectoryEntryScreen::Kind() const {
  return Request().directory == 1 ? DirectoryKind::GroupId : DirectoryKind::MemoryId;
}

Directory &DirectoryEntryScreen::Entries(RadioData &data) const {
  return IsGroup() ? data.CHGRPID : data.CHMMSID;
}

DirectoryEntry &DirectoryEntryScreen::Entry(RadioData &data) {
  Directory &entries = Entries(data);
  return entries.Contains(Request().record) ? entries[Request().record] : scratch_;
}

void DirectoryEntryScreen::BeforeFill() {
  const int digits = TypedMmsiLength(Kind());
  if (RestrictedLength(mmsi_) != digits)
    Restrict(mmsi_, kDigitAlphabet, digits);
  identity_->SetBoxHint(DigitsHint(digits));
  groupLabel_->setVisible(IsGroup());
  nameLabel_->setText(IsGroup() ? tr("Group Name") : tr("Station Name"));
}

void DirectoryEntryScreen::AfterFill() {
  const Directory &entries = Entries(session().data);
  const int n = Request().record;
  if (DirectoryEntryState(entries, n) == EntryState::FirstFree && !MayEnableEntry(entries, n))
    session().host.Message(
        Icon::Exclamation, IsGroup() ? "Group Directory" : "Individual Directory",
        "Data Error!!\r\nEnter a name and an MMSI for entry " + std::to_string(n - 1) +
            " before adding entry " + std::to_string(n) + ".",
        Buttons::Ok);
  ShowEntryState();
}

bool DirectoryEntryScreen::CommitEdit() {
  if (!PanelScreen::CommitEdit())
    return false;
  DirectoryEntry &entry = Entry(session().data);
  if (entry.Enable && entry.TagName.empty() && entry.Mmsid.empty())
    context().ShowHint(DirectoryEntryText(Request().directory, Request().record) +
                       QStringLiteral(" is switched on but has neither name nor MMSI: the radio "
                                      "will not get it."));
  return true;
}

void DirectoryEntryScreen::ShowEntryState() {
  const Directory &entries = Entries(session().data);
  const int n = Request().record;
  const EntryState state = DirectoryEntryState(entries, n);
  const bool inUse = state == EntryState::InUse;
  for (QWidget *w :
       std::initializer_list<QWidget *>{name_, nameLabel_, mmsi_, mmsiLabel_, groupLabel_})
    w->setEnabled(inUse);
  enable_->setChecked(inUse);
  enable_->setEnabled(state == EntryState::FirstFree && MayEnableEntry(entries, n));
  delete_->setChecked(!inUse);
  delete_->setEnabled(inUse);
  ShowIdentity();
}

void DirectoryEntryScreen::ShowIdentity() {
  Session &s = session();
  const Directory &entries = Entries(s.data);
  const int n = Request().record;
  if (!entries.Contains(n)) {
    identity_->Show({}, {}, s);
    return;
  }
  const MmsiPlace place = IsGroup() ? MmsiPlace::GroupId : MmsiPlace::MemoryId;
  const std::string &mmsi = entries[n].Mmsid;
  std::vector<IdentityWarning> warnings = MmsiWarnings(place, mmsi, s.mids);
  if (auto same = SameMmsiWarning(entries, n, SameMmsiEntry(entries, n), place))
    warnings.push_back(*same);
  identity_->Show(MmsiInfoText(mmsi, s.mids), warnings, s);
}

void DirectoryEntryScreen::EnableClicked(bool checked) {
  if (!checked || !MayEnableEntry(Entries(session().data), Request().record) ||
      !Apply(enable_->text(), enable_, [this](RadioData &d) { Entry(d).Enable = true; })) {
    ShowEntryState();
    return;
  }
  binder_.Fill();
  ShowEntryState();
  name_->setFocus(Qt::OtherFocusReason);
}

void DirectoryEntryScreen::DeleteClicked(bool checked) {
  if (!checked || !Editable()) {
    ShowEntryState();
    return;
  }
  // Which entry goes, as the tree names it: "Memory ID2: PILOT, 232000456".
  DirectoryEntry &entry = Entry(session().data);
  const std::string what = FromQt(DirectoryEntryText(Request().directory, Request().record)) +
                           ": " + entry.TagName + ", " + MmsiOfStored(entry.Mmsid);
  const Answer answer = session().host.Message(Icon::Critical, session().state.TitleText,
                                               "Are you sure ?\r\n" + what, Buttons::YesNo);
  if (answer != Answer::Yes) {
    delete_->setChecked(false);
    return;
  }
  Apply(delete_->text(), delete_,
        [this](RadioData &d) { DeleteDirectoryEntry(Entries(d), Request().record); });
  binder_.Fill();
  ShowEntryState();
}

} // namespace kv508::ui
