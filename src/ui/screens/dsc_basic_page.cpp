#include "ui/screens/dsc_basic_page.h"
#include "ui/core_texts.h"

#include "app/image_facts.h"
#include "app/session.h"
#include "model/convert.h"
#include "model/mmsi_identity.h"
#include "model/setup_rules.h"
#include "ui/screens/binder.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/identity_note.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace kv508::ui {

namespace {

constexpr int kUserMmsiDigits = 9;
const char *const kGroupCaptions[] = {
    QT_TRANSLATE_NOOP("DscBasicPage", "Group1"), QT_TRANSLATE_NOOP("DscBasicPage", "Group2"),
    QT_TRANSLATE_NOOP("DscBasicPage", "Group3"), QT_TRANSLATE_NOOP("DscBasicPage", "EXP CH Group")};
const char *const kPosRows[] = {QT_TRANSLATE_NOOP("DscBasicPage", "Distress Cancel Call"),
                                QT_TRANSLATE_NOOP("DscBasicPage", "Standby Mode"),
                                QT_TRANSLATE_NOOP("DscBasicPage", "POS Request"),
                                QT_TRANSLATE_NOOP("DscBasicPage", "POS Reporting")};
const char *const kBeepRows[] = {QT_TRANSLATE_NOOP("DscBasicPage", "Send Distress Alert"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "Received All Ships"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "Received Individual"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "Received Group"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "Received Geographic"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "Received POS Request"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "Received POS Reporting"),
                                 QT_TRANSLATE_NOOP("DscBasicPage", "POS Reporting")};

template <class T> Access<T> Basic(std::array<T, 4> DscBasicSetup::*member, int k) {
  return Field(&RadioSettings::DscBasic, member, k);
}

} // namespace

DscBasicPage::DscBasicPage(ScreenContext &context, Binder &binder)
    : context_(context), session_(context.session()) {
  setObjectName(QStringLiteral("fraDscBasic"));
  auto *layout = new QGridLayout(this);
  layout->addWidget(BuildGroups(binder), 0, 0);
  layout->addWidget(BuildUserMmsi(binder), 1, 0);
  layout->addWidget(BuildPosition(binder), 2, 0);
  layout->addWidget(BuildBeeps(binder), 0, 1, 3, 1);
  layout->setRowStretch(3, 1);
  layout->setColumnStretch(2, 1);
}

QGroupBox *DscBasicPage::BuildGroups(Binder &binder) {
  auto *box = new QGroupBox(tr("Usable DSC CH Group"), this);
  auto *grid = new QGridLayout(box);
  for (int k = 0; k < 4; ++k) {
    groupNames_[k] = NewLabel(box, {}, Indexed("lblUsableDsc", k));
    auto *list = NewList(box, Indexed("cmbUsableDsc", k), OffOnChoices());
    binder.OnOff(list, tr("DSC ") + tr(kGroupCaptions[k]), Basic(&DscBasicSetup::DscGroup, k));
    QLabel *caption = NewLabel(box, tr(kGroupCaptions[k]));
    caption->setBuddy(list); // not the status name between them
    grid->addWidget(caption, k, 0);
    grid->addWidget(groupNames_[k], k, 1);
    grid->addWidget(list, k, 2);
  }
  return box;
}

QGroupBox *DscBasicPage::BuildUserMmsi(Binder &binder) {
  auto *box = new QGroupBox(tr("UserMMSI"), this);
  userMmsi_ = NewDigitField(box, QStringLiteral("txtUserMMSI"), kUserMmsiDigits);
  identity_ = new IdentityNote(box, QStringLiteral("lblUserMmsiInfo"),
                               QStringLiteral("imgUserMmsiWarning"));
  identity_->Attach(userMmsi_, DigitsHint(kUserMmsiDigits));
  TextRule<std::string> rule =
      FixedDigitsRule(kUserMmsiDigits, kUserMmsiDigits, "User MMSI", "An MMSI has 9 digits.");
  rule.confirm = [this](const std::string &value, const std::string &stored) {
    return ConfirmOwnMmsi(value, stored);
  };
  binder.Committed(userMmsi_, tr("User MMSI"),
                   Field(&RadioSettings::DscBasic, &DscBasicSetup::UserMmsi), rule,
                   Binder::Hooks{}.Changed([this] { ShowIdentity(); }));
  count_ = new QLineEdit(box);
  count_->setObjectName(QStringLiteral("txtFCount"));
  count_->setReadOnly(true);
  count_->setFocusPolicy(Qt::NoFocus);
  FitChars(count_, 3);
  count_->setMaximumWidth(std::max(48, count_->minimumWidth()));
  clear_ = new QPushButton(tr("MMSI Clear"), box);
  clear_->setObjectName(QStringLiteral("cmdFClear"));
  SetHint(clear_, tr("A Click Inicializes the number of User MMSI setting permission"));
  auto *grid = new QGridLayout(box);
  grid->addWidget(userMmsi_, 0, 0);
  grid->addWidget(count_, 0, 1);
  grid->addWidget(clear_, 0, 2);
  grid->addWidget(identity_, 1, 0, 1, 3);
  // The note's line is paid for with tighter margins: the page is full at the smallest window.
  const QMargins margins = grid->contentsMargins();
  grid->setContentsMargins(margins.left(), 2, margins.right(), 2);
  grid->setVerticalSpacing(2);
  return box;
}

QGroupBox *DscBasicPage::BuildPosition(Binder &binder) {
  auto *box = new QGroupBox(this);
  auto *grid = new QGridLayout(box);
  for (int k = 0; k < 4; ++k) {
    auto *onOff = NewList(box, Indexed("cmbUsableDscPosRequest", k), OffOnChoices());
    auto *lowHi = NewList(box, Indexed("cmbUsableDscPosRequestTX", k), LowHiChoices());
    const QString row = tr(kPosRows[k]);
    binder.OnOff(onOff, row, Basic(&DscBasicSetup::PosRequest, k),
                 Binder::Hooks{}.Enabling(
                     [onOff, lowHi] { lowHi->setEnabled(onOff->currentIndex() != 0); }));
    binder.OnOff(lowHi, row + tr(" TX"), Basic(&DscBasicSetup::PosRequestTx, k));
    grid->addWidget(NewLabel(box, row), k, 0);
    grid->addWidget(onOff, k, 1);
    grid->addWidget(lowHi, k, 2);
  }
  return box;
}

QGroupBox *DscBasicPage::BuildBeeps(Binder &binder) {
  auto *box = new QGroupBox(tr("DSC Beep Output"), this);
  auto *grid = new QGridLayout(box);
  for (int k = 0; k < 8; ++k) {
    auto *list = NewList(box, Indexed("cmbUsableDscBeepOut", k), OffOnChoices());
    const QString row = tr(kBeepRows[k]);
    binder.OnOff(list, row + tr(" Beep"),
                 Field(&RadioSettings::DscBasic, &DscBasicSetup::BeepOut, k));
    grid->addWidget(NewLabel(box, row), k, 0);
    grid->addWidget(list, k, 1);
  }
  return box;
}

void DscBasicPage::ShowStored() {
  for (int k = 0; k < 4; ++k)
    groupNames_[k]->setText(ToQt(BracketedStatusName(session_.data, k)));
  ShowCount();
  ShowIdentity();
}

void DscBasicPage::ShowIdentity() {
  const std::string &mmsi = session_.data.DscBasic.UserMmsi;
  identity_->Show(MmsiInfoText(mmsi, session_.mids),
                  MmsiWarnings(MmsiPlace::OwnMmsi, mmsi, session_.mids), session_);
}

bool DscBasicPage::ConfirmOwnMmsi(const std::string &value, const std::string &stored) {
  // An emptied box names no MMSI, so there is nothing to type twice.
  if (value.empty())
    return true;
  const std::string typed = MmsiOfStored(value);
  QString info = CoreTextUtf8(MmsiInfoText(value, session_.mids));
  const std::vector<IdentityWarning> warnings =
      MmsiWarnings(MmsiPlace::OwnMmsi, value, session_.mids);
  if (!warnings.empty())
    info += QLatin1Char('\n') + WarningText(warnings);
  switch (context_.RepeatOwnMmsi(ToQt(typed), info)) {
  case UiDialogs::Repeat::Same:
    return true;
  case UiDialogs::Repeat::Different:
    session_.host.Message(Icon::Exclamation, "User MMSI",
                          "The MMSI typed again differs from the one typed first.\r\n"
                          "Nothing was stored: the User MMSI stays " +
                              (stored.empty() ? std::string("empty") : MmsiOfStored(stored)) + ".",
                          Buttons::Ok);
    return false;
  case UiDialogs::Repeat::Cancelled:
    break;
  }
  return false;
}

void DscBasicPage::ShowCount() { count_->setText(QString::number(UserMmsiCount(session_.data))); }

} // namespace kv508::ui
