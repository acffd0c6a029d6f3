#include "ui/screens/dsc_basic_page.h"

#include "app/session.h"
#include "image/layout.h"
#include "model/setup_rules.h"
#include "ui/screens/binder.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/setup_widgets.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kv508::ui {

namespace {

constexpr int kUserMmsiDigits = 9;
const char *const kGroupCaptions[] = {"Group1", "Group2", "Group3", "EXP CH Group"};
const char *const kPosRows[] = {"Distress Cancel Call", "Standby Mode", "POS Request",
                                "POS Reporting"};
const char *const kBeepRows[] = {
    "Send Distress Alert", "Received All Ships",   "Received Individual",    "Received Group",
    "Received Geographic", "Received POS Request", "Received POS Reporting", "POS Reporting"};

} // namespace

DscBasicPage::DscBasicPage(Session &session, QWidget *panel, Binder &binder) : session_(session) {
  setObjectName(QStringLiteral("fraDscBasic"));

  auto *groups = new QGroupBox(QStringLiteral("Usable DSC CH Group"), this);
  auto *groupGrid = new QGridLayout(groups);
  for (int k = 0; k < 4; ++k) {
    groupNames_[k] = NewLabel(groups, {}, Indexed("lblUsableDsc", k));
    auto *box = NewList(groups, Indexed("cmbUsableDsc", k), kOffOnChoices);
    binder.OnOff(box, [k](RadioData &d) -> bool & {
      return d.DscBasic.DscGroup[static_cast<std::size_t>(k)];
    });
    groupGrid->addWidget(NewLabel(groups, QLatin1String(kGroupCaptions[k])), k, 0);
    groupGrid->addWidget(groupNames_[k], k, 1);
    groupGrid->addWidget(box, k, 2);
  }

  auto *mmsi = new QGroupBox(QStringLiteral("UserMMSI"), this);
  userMmsi_ = NewDigitField(
      session, panel, mmsi, QStringLiteral("txtUserMMSI"), kUserMmsiDigits, "User MMSI",
      [](RadioData &d) -> std::string & { return d.DscBasic.UserMmsi; },
      QStringLiteral("Numeric Only. Indispensable 9 figures."));
  count_ = new QLineEdit(mmsi);
  count_->setObjectName(QStringLiteral("txtFCount"));
  count_->setReadOnly(true);
  count_->setFocusPolicy(Qt::NoFocus);
  count_->setMaximumWidth(48);
  clear_ = new QPushButton(QStringLiteral("MMSI Clear"), mmsi);
  clear_->setObjectName(QStringLiteral("cmdFClear"));
  SetHint(clear_, QStringLiteral("A Click Inicializes the number of User MMSI setting permission"));
  auto *mmsiGrid = new QGridLayout(mmsi);
  mmsiGrid->addWidget(userMmsi_, 0, 0);
  mmsiGrid->addWidget(count_, 0, 1);
  mmsiGrid->addWidget(clear_, 0, 2);

  auto *pos = new QGroupBox(this);
  auto *posGrid = new QGridLayout(pos);
  for (int k = 0; k < 4; ++k) {
    auto *onOff = NewList(pos, Indexed("cmbUsableDscPosRequest", k), kOffOnChoices);
    auto *lowHi = NewList(pos, Indexed("cmbUsableDscPosRequestTX", k), kLowHiChoices);
    const auto index = static_cast<std::size_t>(k);
    binder.OnOff(
        onOff, [index](RadioData &d) -> bool & { return d.DscBasic.PosRequest[index]; },
        [onOff, lowHi] { lowHi->setEnabled(onOff->currentIndex() != 0); });
    binder.OnOff(lowHi, [index](RadioData &d) -> bool & { return d.DscBasic.PosRequestTx[index]; });
    posGrid->addWidget(NewLabel(pos, QLatin1String(kPosRows[k])), k, 0);
    posGrid->addWidget(onOff, k, 1);
    posGrid->addWidget(lowHi, k, 2);
  }

  auto *beep = new QGroupBox(QStringLiteral("DSC Beep Output"), this);
  auto *beepGrid = new QGridLayout(beep);
  for (int k = 0; k < 8; ++k) {
    auto *box = NewList(beep, Indexed("cmbUsableDscBeepOut", k), kOffOnChoices);
    binder.OnOff(box, [k](RadioData &d) -> bool & {
      return d.DscBasic.BeepOut[static_cast<std::size_t>(k)];
    });
    beepGrid->addWidget(NewLabel(beep, QLatin1String(kBeepRows[k])), k, 0);
    beepGrid->addWidget(box, k, 1);
  }

  auto *layout = new QGridLayout(this);
  layout->addWidget(groups, 0, 0);
  layout->addWidget(mmsi, 1, 0);
  layout->addWidget(pos, 2, 0);
  layout->addWidget(beep, 0, 1, 3, 1);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(2, 1);
}

void DscBasicPage::ShowStored() {
  for (int k = 0; k < 4; ++k)
    groupNames_[k]->setText(ToQt(BracketedStatusName(session_.data, k)));
  // The box shows the typed nine digits of the stored ten.
  userMmsi_->ShowStored(ToQt(session_.data.DscBasic.UserMmsi.substr(0, kUserMmsiDigits)));
  ShowCount();
}

void DscBasicPage::ShowCount() {
  count_->setText(QString::number(session_.data.Image[layout::kUserMmsiCount]));
}

} // namespace kv508::ui
