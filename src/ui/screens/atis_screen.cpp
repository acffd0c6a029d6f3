#include "ui/screens/atis_screen.h"

#include "app/session.h"
#include "model/setup_rules.h"
#include "ui/screens/binder.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/setup_widgets.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

namespace {

constexpr int kHelpTopic = 1093;
constexpr int kAtisCodeDigits = 10;

} // namespace

AtisScreen::AtisScreen(ScreenContext &context)
    : context_(context), panel_(new QWidget), binder_(new Binder(context.session(), panel_)) {
  Session &session = context.session();
  panel_->setObjectName(QStringLiteral("fraAtis"));
  SetHelpTopic(panel_, kHelpTopic);

  auto *atisGroup = new QGroupBox(QStringLiteral("Usable ATIS CH Group"), panel_);
  auto *atisLayout = new QVBoxLayout(atisGroup);
  auto *killerGroup = new QGroupBox(QStringLiteral("Usable ATIS Killer CH Group"), panel_);
  auto *killerLayout = new QVBoxLayout(killerGroup);
  for (int k = 0; k < 4; ++k) {
    const auto index = static_cast<std::size_t>(k);
    atis_[index] = new QCheckBox(atisGroup);
    atis_[index]->setObjectName(Indexed("chkATISChGroup", k));
    killer_[index] = new QCheckBox(killerGroup);
    killer_[index]->setObjectName(Indexed("chkATISKiller", k));
    binder_->Check(atis_[index],
                   [index](RadioData &d) -> bool & { return d.Atis.UsableAtisChGroup[index]; });
    binder_->Check(killer_[index], [index](RadioData &d) -> bool & {
      return d.Atis.UsableAtisKikkerChGroup[index];
    });
    atisLayout->addWidget(atis_[index]);
    killerLayout->addWidget(killer_[index]);
  }

  codeLabel_ = NewLabel(panel_, QStringLiteral("ATIS Code"), QStringLiteral("lblATISCode"));
  code_ = NewDigitField(
      session, panel_, panel_, QStringLiteral("txtATIScode"), kAtisCodeDigits, "ATISNo",
      [](RadioData &d) -> std::string & { return d.Atis.AtisCode; },
      QStringLiteral("Numeric Only. Indispensable 10 figures."));

  auto *groups = new QHBoxLayout;
  groups->addWidget(atisGroup);
  groups->addWidget(killerGroup);
  groups->addStretch();
  auto *codeRow = new QHBoxLayout;
  codeRow->addWidget(codeLabel_);
  codeRow->addWidget(code_);
  codeRow->addStretch();
  auto *layout = new QVBoxLayout(panel_);
  layout->addLayout(groups);
  layout->addLayout(codeRow);
  layout->addStretch();
}

void AtisScreen::Fill(const ScreenRequest &) {
  const RadioData &data = context_.session().data;
  binder_->Fill();
  for (int k = 0; k < 4; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const QString caption = ToQt(GroupCaption(data, k));
    const bool usable = data.ChannelGroups[index].Enable;
    for (QCheckBox *box : {atis_[index], killer_[index]}) {
      box->setText(caption);
      box->setEnabled(usable);
    }
  }
  const bool anyUsable = std::any_of(data.ChannelGroups.begin(), data.ChannelGroups.end(),
                                     [](const ChannelGroupSetup &g) { return g.Enable; });
  code_->setEnabled(anyUsable);
  codeLabel_->setEnabled(anyUsable);
  code_->ShowStored(ToQt(data.Atis.AtisCode));
}

} // namespace kv508::ui
