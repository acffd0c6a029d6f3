#include "ui/screens/atis_screen.h"

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
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

namespace {
constexpr int kAtisCodeDigits = 10;
}

AtisScreen::AtisScreen(ScreenContext &context) : PanelScreen(context, "fraAtis", kHelpAtis) {
  QWidget *p = panel_.get();
  auto *atisGroup = new QGroupBox(QStringLiteral("Usable ATIS CH Group"), p);
  auto *atisLayout = new QVBoxLayout(atisGroup);
  auto *killerGroup = new QGroupBox(QStringLiteral("Usable ATIS Killer CH Group"), p);
  auto *killerLayout = new QVBoxLayout(killerGroup);
  for (int k = 0; k < 4; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const QString group =
        k == 3 ? QStringLiteral("EXP CH Group") : QStringLiteral("Group%1").arg(k + 1);
    atis_[index] = NewBox(atisGroup, Indexed("chkATISChGroup", k), QString());
    killer_[index] = NewBox(killerGroup, Indexed("chkATISKiller", k), QString());
    binder_.Check(atis_[index], QStringLiteral("ATIS ") + group,
                  Field(&RadioSettings::Atis, &AtisSetup::UsableAtisChGroup, k));
    binder_.Check(killer_[index], QStringLiteral("ATIS Killer ") + group,
                  Field(&RadioSettings::Atis, &AtisSetup::UsableAtisKikkerChGroup, k));
    atisLayout->addWidget(atis_[index]);
    killerLayout->addWidget(killer_[index]);
  }

  codeLabel_ = NewLabel(p, QStringLiteral("ATIS Code"), QStringLiteral("lblATISCode"));
  code_ = NewDigitField(p, QStringLiteral("txtATIScode"), kAtisCodeDigits);
  binder_.Committed(code_, QStringLiteral("ATIS Code"),
                    Field(&RadioSettings::Atis, &AtisSetup::AtisCode),
                    FixedDigitsRule(kAtisCodeDigits, std::string::npos, "ATISNo"));

  auto *groups = new QHBoxLayout;
  groups->addWidget(atisGroup);
  groups->addWidget(killerGroup);
  groups->addStretch();
  auto *codeRow = new QHBoxLayout;
  codeRow->addWidget(codeLabel_);
  // The code box takes the width the window offers.
  codeRow->addWidget(code_, 1);
  auto *layout = new QVBoxLayout(p);
  layout->addLayout(groups);
  layout->addLayout(codeRow);
  layout->addStretch();
}

void AtisScreen::AfterFill() {
  const RadioData &data = session().data;
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
}

} // namespace kv508::ui
