#include "ui/screens/usable_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "model/setup_rules.h"
#include "ui/help_topics.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

QString StatusNameHint() {
  return QCoreApplication::translate("UsableScreen", "max 4 charactors.");
}

ChannelGroupSetup &Group(RadioData &d, int k) {
  return d.ChannelGroups[static_cast<std::size_t>(k)];
}

QString GroupName(int k) {
  return k == 3 ? UsableScreen::tr("EXP CH Group") : UsableScreen::tr("Group%1").arg(k + 1);
}

} // namespace

UsableScreen::UsableScreen(ScreenContext &context)
    : PanelScreen(context, "fraUsable", kHelpUsable) {
  QWidget *p = panel_.get();
  auto *groups = new QGroupBox(tr("Usable Channel Groups"), p);
  auto *grid = new QGridLayout(groups);
  auto *expansion = new QGroupBox(tr("Expansion Channel Groups"), p);
  auto *expLayout = new QVBoxLayout(expansion);
  auto *expGrid = new QGridLayout;
  for (int k = 0; k < 3; ++k)
    AddGroup(k, groups, grid, k);
  AddGroup(3, expansion, expGrid, 0);
  expLayout->addLayout(expGrid);

  auto *expBoxes = new QHBoxLayout;
  for (int k = 0; k < 3; ++k) {
    exp_[k] = NewBox(expansion, Indexed("chkEXP", k), QString());
    binder_.Check(exp_[k], tr("EXP with %1").arg(GroupName(k)),
                  Field(&RadioSettings::ChannelGroups, 3, &ChannelGroupSetup::ExpChGroup, k));
    expBoxes->addWidget(exp_[k]);
  }
  expBoxes->addStretch();
  expLayout->addLayout(expBoxes);

  auto *layout = new QVBoxLayout(p);
  layout->addWidget(groups);
  layout->addWidget(expansion);
  layout->addStretch();
}

void UsableScreen::AddGroup(int k, QWidget *parent, QGridLayout *grid, int row) {
  usable_[k] = NewBox(parent, Indexed("chkUsable", k), GroupName(k));
  nameLabel_[k] = NewLabel(parent, tr("Status Name"));
  name_[k] = new CommitLineEdit(parent);
  name_[k]->setObjectName(Indexed("txtUsable", k));
  name_[k]->commitOnEnter = true;
  Restrict(name_[k], kStatusNameAlphabet, 0);
  SetHint(name_[k], StatusNameHint());
  priorityLabel_[k] = NewLabel(parent, tr("Priority CH"));
  priority_[k] = NewList(parent, Indexed("cmbUsablePri", k), {});
  // Sized by a fixed width: measuring 240 labels on every show is too slow.
  priority_[k]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  priority_[k]->setMinimumContentsLength(5);
  QWidget *const cells[] = {usable_[k], nameLabel_[k], name_[k], priorityLabel_[k], priority_[k]};
  for (int column = 0; column < 5; ++column)
    grid->addWidget(cells[column], row, column);

  // A plan group switched off leaves the expansion group too.
  binder_.Check(usable_[k], GroupName(k),
                Field(&RadioSettings::ChannelGroups, k, &ChannelGroupSetup::Enable),
                Binder::Hooks{}
                    .Enabling([this, k] { EnableGroup(k); })
                    .Changed([this] { binder_.Fill(); })
                    .Also([k](RadioData &d) {
                      if (k < 3 && !Group(d, k).Enable)
                        Group(d, 3).ExpChGroup[static_cast<std::size_t>(k)] = false;
                    }));
  binder_.Committed(name_[k], tr("Status Name"),
                    Field(&RadioSettings::ChannelGroups, k, &ChannelGroupSetup::StatusName),
                    TextRule<std::string>{[](const std::string &stored) { return ToQt(stored); },
                                          [](const QString &typed, const std::string &) {
                                            return std::optional<std::string>(
                                                StoreTypedStatusName(FromQt(typed)));
                                          },
                                          {},
                                          {}},
                    Binder::Hooks{}.Changed([this] { ShowExpCaptions(); }));
  binder_.ItemValue(priority_[k], tr("Priority CH"),
                    Field(&RadioSettings::ChannelGroups, k, &ChannelGroupSetup::PriorityCh),
                    Binder::Missing::NoSelection);
}

void UsableScreen::BeforeFill() {
  for (int k = 0; k < 4; ++k)
    FillPriorityList(k);
}

void UsableScreen::AfterFill() { ShowExpCaptions(); }

void UsableScreen::EnableGroup(int k) {
  const bool on = usable_[k]->isChecked();
  for (QWidget *w :
       std::initializer_list<QWidget *>{name_[k], nameLabel_[k], priority_[k], priorityLabel_[k]})
    w->setEnabled(on);
  if (k == 3) {
    for (QCheckBox *box : exp_)
      box->setEnabled(on);
  }
}

void UsableScreen::FillPriorityList(int k) {
  QComboBox *box = priority_[k];
  const RadioData &data = session().data;
  const std::vector<PriorityChoice> choices =
      k == 3 ? ExpansionPriorityChoices(data.CHEXP) : PriorityChoices(data.GroupBank(k));
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
  const RadioData &data = session().data;
  for (int k = 0; k < 3; ++k)
    exp_[k]->setText(ToQt(GroupCaption(data, k)));
}

} // namespace kv508::ui
