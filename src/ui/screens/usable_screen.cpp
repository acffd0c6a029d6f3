#include "ui/screens/usable_screen.h"

#include "app/session.h"
#include "model/setup_rules.h"
#include "ui/screens/binder.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/setup_widgets.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

constexpr int kHelpTopic = 1090;
const QString kStatusNameHint = QStringLiteral("max 4 charactors.");

ChannelGroupSetup &Group(RadioData &d, int k) {
  return d.ChannelGroups[static_cast<std::size_t>(k)];
}

} // namespace

UsableScreen::UsableScreen(ScreenContext &context)
    : context_(context), panel_(new QWidget), binder_(new Binder(context.session(), panel_)) {
  Session &session = context.session();
  panel_->setObjectName(QStringLiteral("fraUsable"));
  SetHelpTopic(panel_, kHelpTopic);

  auto *groups = new QGroupBox(QStringLiteral("Usable Channel Groups"), panel_);
  auto *grid = new QGridLayout(groups);
  auto *expansion = new QGroupBox(QStringLiteral("Expansion Channel Groups"), panel_);
  auto *expLayout = new QVBoxLayout(expansion);
  for (int k = 0; k < 4; ++k) {
    const QString caption =
        k == 3 ? QStringLiteral("EXP CH Group") : QStringLiteral("Group%1").arg(k + 1);
    QWidget *parent = k == 3 ? static_cast<QWidget *>(expansion) : groups;
    usable_[k] = new QCheckBox(caption, parent);
    usable_[k]->setObjectName(Indexed("chkUsable", k));
    nameLabel_[k] = NewLabel(parent, QStringLiteral("Status Name"));
    name_[k] = new CommitLineEdit(session, panel_, parent);
    name_[k]->setObjectName(Indexed("txtUsable", k));
    name_[k]->commitOnEnter = true;
    Restrict(name_[k], kStatusNameChars, 0);
    SetHint(name_[k], kStatusNameHint);
    priorityLabel_[k] = NewLabel(parent, QStringLiteral("Priority CH"));
    priority_[k] = NewList(parent, Indexed("cmbUsablePri", k), {});
    // Sized by a fixed width: measuring 240 labels on every show is too slow.
    priority_[k]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    priority_[k]->setMinimumContentsLength(5);

    CommitLineEdit *edit = name_[k];
    edit->check = [this, &session, edit, k] {
      Group(session.data, k).StatusName = StoreTypedStatusName(FromQt(edit->text()));
      edit->setText(ToQt(Group(session.data, k).StatusName));
      ShowExpCaptions();
      context_.RefreshNodeTexts();
      return true;
    };
    binder_->Check(
        usable_[k], [k](RadioData &d) -> bool & { return Group(d, k).Enable; },
        [this, k] { EnableGroup(k); }, [this, k] { GroupSwitched(k); });
    binder_->ItemValue(priority_[k],
                       [k](RadioData &d) -> std::int32_t & { return Group(d, k).PriorityCh; });
  }
  for (int k = 0; k < 3; ++k) {
    exp_[k] = new QCheckBox(expansion);
    exp_[k]->setObjectName(Indexed("chkEXP", k));
    binder_->Check(exp_[k], [k](RadioData &d) -> bool & {
      return d.ChannelGroups[3].ExpChGroup[static_cast<std::size_t>(k)];
    });
  }

  const auto addRow = [](QGridLayout *layout, int row, QWidget *a, QWidget *b, QWidget *c,
                         QWidget *d, QWidget *e) {
    layout->addWidget(a, row, 0);
    layout->addWidget(b, row, 1);
    layout->addWidget(c, row, 2);
    layout->addWidget(d, row, 3);
    layout->addWidget(e, row, 4);
  };
  for (int k = 0; k < 3; ++k)
    addRow(grid, k, usable_[k], nameLabel_[k], name_[k], priorityLabel_[k], priority_[k]);
  auto *expGrid = new QGridLayout;
  addRow(expGrid, 0, usable_[3], nameLabel_[3], name_[3], priorityLabel_[3], priority_[3]);
  expLayout->addLayout(expGrid);
  auto *expBoxes = new QHBoxLayout;
  for (QCheckBox *box : exp_)
    expBoxes->addWidget(box);
  expBoxes->addStretch();
  expLayout->addLayout(expBoxes);

  auto *layout = new QVBoxLayout(panel_);
  layout->addWidget(groups);
  layout->addWidget(expansion);
  layout->addStretch();
}

void UsableScreen::Fill(const ScreenRequest &) {
  const RadioData &data = context_.session().data;
  for (int k = 0; k < 4; ++k) {
    FillPriorityList(k);
    name_[k]->ShowStored(ToQt(data.ChannelGroups[static_cast<std::size_t>(k)].StatusName));
  }
  binder_->Fill();
  ShowExpCaptions();
}

void UsableScreen::EnableGroup(int k) {
  const bool on = usable_[k]->isChecked();
  for (QWidget *w :
       {static_cast<QWidget *>(name_[k]), static_cast<QWidget *>(nameLabel_[k]),
        static_cast<QWidget *>(priority_[k]), static_cast<QWidget *>(priorityLabel_[k])})
    w->setEnabled(on);
  if (k == 3) {
    for (QCheckBox *box : exp_)
      box->setEnabled(on);
  }
}

void UsableScreen::GroupSwitched(int k) {
  RadioData &data = context_.session().data;
  if (k < 3 && !Group(data, k).Enable) {
    exp_[k]->setChecked(false);
    data.ChannelGroups[3].ExpChGroup[static_cast<std::size_t>(k)] = false;
  }
  context_.RebuildTree();
}

void UsableScreen::FillPriorityList(int k) {
  QComboBox *box = priority_[k];
  const std::vector<PriorityChoice> choices = PriorityChoices(context_.session().data.GroupBank(k));
  const auto same = [&] {
    if (box->count() != static_cast<int>(choices.size()))
      return false;
    for (int i = 0; i < box->count(); ++i) {
      if (box->itemData(i).toInt() != choices[static_cast<std::size_t>(i)].position)
        return false;
    }
    return true;
  };
  if (same())
    return;
  const QSignalBlocker blocker(box);
  box->clear();
  for (const PriorityChoice &choice : choices)
    box->addItem(ToQt(choice.label), choice.position);
}

void UsableScreen::ShowExpCaptions() {
  const RadioData &data = context_.session().data;
  for (int k = 0; k < 3; ++k)
    exp_[k]->setText(ToQt(GroupCaption(data, k)));
}

} // namespace kv508::ui
