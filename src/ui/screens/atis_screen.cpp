#include "ui/screens/atis_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "model/mmsi_identity.h"
#include "model/setup_rules.h"
#include "ui/help_topics.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/identity_note.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

namespace {
constexpr int kAtisCodeDigits = 10;
}

AtisScreen::AtisScreen(ScreenContext &context) : PanelScreen(context, "fraAtis", kHelpAtis) {
  QWidget *p = panel_.get();
  auto *atisGroup = new QGroupBox(tr("Usable ATIS CH Group"), p);
  auto *atisLayout = new QVBoxLayout(atisGroup);
  auto *killerGroup = new QGroupBox(tr("Usable ATIS Killer CH Group"), p);
  auto *killerLayout = new QVBoxLayout(killerGroup);
  for (int k = 0; k < 4; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const QString group = k == 3 ? tr("EXP CH Group") : tr("Group%1").arg(k + 1);
    atis_[index] = NewBox(atisGroup, Indexed("chkATISChGroup", k), QString());
    killer_[index] = NewBox(killerGroup, Indexed("chkATISKiller", k), QString());
    binder_.Check(atis_[index], tr("ATIS ") + group,
                  Field(&RadioSettings::Atis, &AtisSetup::UsableAtisChGroup, k));
    binder_.Check(killer_[index], tr("ATIS Killer ") + group,
                  Field(&RadioSettings::Atis, &AtisSetup::UsableAtisKikkerChGroup, k));
    atisLayout->addWidget(atis_[index]);
    killerLayout->addWidget(killer_[index]);
  }

  codeLabel_ = NewLabel(p, tr("ATIS Code"), QStringLiteral("lblATISCode"));
  code_ = NewDigitField(p, QStringLiteral("txtATIScode"), kAtisCodeDigits);
  identity_ = new IdentityNote(p, QStringLiteral("lblAtisInfo"), QStringLiteral("imgAtisWarning"));
  identity_->Attach(code_, DigitsHint(kAtisCodeDigits));
  binder_.Committed(
      code_, tr("ATIS Code"), Field(&RadioSettings::Atis, &AtisSetup::AtisCode),
      FixedDigitsRule(kAtisCodeDigits, std::string::npos, "ATISNo", "An ATIS code has 10 digits."),
      Binder::Hooks{}.Changed([this] { ShowCodeState(); }));
  fromMmsi_ = new QPushButton(tr("From MMSI"), p);
  fromMmsi_->setObjectName(QStringLiteral("cmdAtisFromMmsi"));
  SetHint(fromMmsi_, tr("9 followed by the User MMSI of the DSC Setup"));
  QObject::connect(fromMmsi_, &QPushButton::clicked, p, [this] { CodeFromMmsi(); });

  auto *groups = new QHBoxLayout;
  groups->addWidget(atisGroup);
  groups->addWidget(killerGroup);
  groups->addStretch();
  auto *codeRow = new QHBoxLayout;
  codeRow->addWidget(codeLabel_);
  // The code box takes the width the window offers.
  codeRow->addWidget(code_, 1);
  codeRow->addWidget(fromMmsi_);
  auto *layout = new QVBoxLayout(p);
  layout->addLayout(groups);
  layout->addLayout(codeRow);
  layout->addWidget(identity_);
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
  ShowCodeState();
}

void AtisScreen::ShowCodeState() {
  const Session &s = session();
  const std::string &code = s.data.Atis.AtisCode;
  std::vector<IdentityWarning> warnings;
  if (std::optional<IdentityWarning> warning = AtisCodeWarning(code, s.mids))
    warnings.push_back(*warning);
  identity_->Show(AtisInfoText(code, s.mids), warnings, s);
  const std::optional<std::string> derived = AtisCodeFromMmsi(s.data.DscBasic.UserMmsi);
  fromMmsi_->setEnabled(code_->isEnabled() && derived.has_value());
  fromMmsi_->setToolTip(derived ? tr("Sets the ATIS code to %1").arg(ToQt(*derived))
                                : tr("There is no User MMSI on the DSC Setup"));
}

void AtisScreen::CodeFromMmsi() {
  // A code being typed is finished first, so that it is not stored over the new one.
  if (!CommitEdit())
    return;
  const std::optional<std::string> derived = AtisCodeFromMmsi(session().data.DscBasic.UserMmsi);
  if (!derived)
    return;
  Apply(tr("ATIS Code"), code_, [&derived](RadioData &d) { d.Atis.AtisCode = *derived; });
  binder_.Fill();
  ShowCodeState();
}

} // namespace kv508::ui
