#include "ui/transfer_dialog.h"

#include "ui/layout_rules.h"
#include "ui/solid_fill.h"
#include "ui/svg_picture.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include "app/config.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace kv508::ui {

namespace {

constexpr int kWidth = 465;
constexpr int kHeight = 290;
constexpr int kPictureTopTwips = 1320;
constexpr QSize kPictureSize(150, 96);
// Per user: read back what was programmed (on unless the user turned it off).
constexpr const char *kVerifySection = "Settings";
constexpr const char *kVerifyKey = "VerifyAfterWriting";

const char *const kInstructions[] = {
    "1.Connect the KMT cable between the PC serial port and the radio.",
    "2.On the radio, press and hold [DISTRESS] and [CALL] keys while",
    "   turning the power on.",
    "   The Radio display will show PC CONTROL.",
    "3.Press the [OK] button to start.",
};

QWidget *Picture(QWidget *parent, const char *name, const char *resource) {
  return SvgPicture(parent, name, QLatin1String(resource), kPictureSize);
}

} // namespace

TransferDialog::TransferDialog(Session &session, UiHost &host, Port &port, int mode,
                               QWidget *parent)
    : QDialog(parent), session_(session), host_(host), port_(port), mode_(mode) {
  setObjectName(QStringLiteral("frmRadio"));
  // Window-modal, so that the help window stays usable while the dialog is open.
  setWindowModality(Qt::WindowModal);
  host_.SetWaitCursor(true);
  setFixedSize(kWidth, kHeight);
  setWindowTitle(ToQt(TransferCaption(mode)));

  QStringList lines;
  for (const char *line : kInstructions)
    lines << QLatin1String(line);
  message_ = new QLabel(lines.join(QLatin1Char('\n')), this);
  message_->setObjectName(QStringLiteral("lblmess"));
  message_->setGeometry(14, 6, kWidth - 28, 80);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  pictA_ = Picture(this, "pictA", ":/icons/radio.svg");
  pictB_ = Picture(this, "pictB", ":/icons/pc.svg");
  pictHandy_ = SvgPicture(this, "pictHandy", QStringLiteral(":/icons/cable.svg"), QSize(100, 36));
  PlacePictures();

  monitor_ = new QLabel(this);
  monitor_->setObjectName(QStringLiteral("lblmon"));
  monitor_->setGeometry(14, 190, kWidth - 28, 18);
  monitor_->setVisible(session_.state.DebugMode);

  progress_ = new QWidget(this);
  progress_->setObjectName(QStringLiteral("pictProgress"));
  progress_->setGeometry(14, 212, kWidth - 28, 16);
  FillSolid(progress_, QColor(0xE4, 0xE4, 0xE4));
  percent_ = new QWidget(progress_);
  percent_->setObjectName(QStringLiteral("lblPercent"));
  FillSolid(percent_, QColor(0x1E, 0x5A, 0xC8));

  const int buttonTop = kHeight - 44;
  ok_ = new QPushButton(tr("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setGeometry(kWidth - 3 * 96 - 8, buttonTop, 88, 28);
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  cancel_->setGeometry(kWidth - 2 * 96 - 8, buttonTop, 88, 28);
  help_ = new QPushButton(tr("Help"), this);
  help_->setObjectName(QStringLiteral("cmdHelp"));
  help_->setGeometry(kWidth - 96 - 8, buttonTop, 88, 28);
  connect(ok_, &QPushButton::clicked, this, &TransferDialog::OnOk);
  connect(cancel_, &QPushButton::clicked, this, &TransferDialog::OnCancel);
  connect(help_, &QPushButton::clicked, this, &TransferDialog::HelpRequested);

  verify_ = new QCheckBox(tr("Verify after writing"), this);
  verify_->setObjectName(QStringLiteral("chkVerify"));
  verify_->setGeometry(14, buttonTop + 4, kWidth - 3 * 96 - 8 - 14 - 4, 22);
  verify_->setVisible(mode == kTransferProgram);
  verify_->setChecked(
      ParseBooleanText(session_.settings.Get(kVerifySection, kVerifyKey, "True")).value_or(true));
  connect(verify_, &QCheckBox::toggled, this, [this](bool on) {
    session_.settings.Set(kVerifySection, kVerifyKey, on ? "True" : "False");
  });

  host_.SetTransferView({[this](const std::string &text) { monitor_->setText(ToQt(text)); },
                         [this](int percent) { ShowProgress(percent); }});
  Monitor("starting at debug mode..");
  ShowProgress(0);
  host_.SetWaitCursor(false);
}

TransferDialog::~TransferDialog() {
  host_.SetTransferView({});
  if (port_.IsOpen())
    port_.Close();
}

void TransferDialog::PlacePictures() {
  const int top = ToPixels(kPictureTopTwips);
  const bool read = mode_ == kTransferRead;
  // The data runs from left to right: radio to PC when reading, PC to radio otherwise.
  pictA_->move(ToPixels(read ? 350 : 4100), top);
  pictB_->move(ToPixels(read ? 4200 : 450), top);
  const QRect left = read ? pictA_->geometry() : pictB_->geometry();
  const QRect right = read ? pictB_->geometry() : pictA_->geometry();
  const int gap = right.left() - left.right() - 1;
  pictHandy_->setFixedSize(gap, 36);
  pictHandy_->move(left.right() + 1, top + 30);
}

void TransferDialog::Monitor(const std::string &text) {
  if (!session_.state.DebugMode)
    return;
  monitor_->setText(ToQt(text));
  host_.Pause(500);
}

void TransferDialog::ShowProgress(int percent) {
  percent = std::clamp(percent, 0, 100);
  const int w = progress_->width();
  percent_->setGeometry(w * percent / 100 - w, 0, w, progress_->height());
}

void TransferDialog::OnOk() {
  AppState &state = session_.state;
  ok_->setEnabled(false);
  help_->setEnabled(false);
  verify_->setEnabled(false);
  state.Busy = true;
  host_.SetWaitCursor(true);
  TransferResult result;
  {
    TransferSession transfer(session_, port_);
    transfer.SetVerifyAfterProgram(mode_ == kTransferProgram && verify_->isChecked());
    running_ = &transfer;
    result = transfer.Run(mode_);
    running_ = nullptr;
  }
  ShowProgress(0);
  host_.SetWaitCursor(false);
  state.Busy = false;
  ok_->setEnabled(true);
  help_->setEnabled(true);
  verify_->setEnabled(true);
  succeeded_ = succeeded_ || result.succeeded;
  if (!result.connected && !port_.IsOpen() && !port_.ErrorText().empty()) {
    // Without this the only trace of a port that would not open is the debug monitor line.
    host_.Message(Icon::Critical, FromQt(windowTitle()), port_.ErrorText(), Buttons::Ok);
  }
  if (result.connected && !result.exchangeFailed)
    accept();
}

void TransferDialog::OnCancel() {
  if (session_.state.Busy) {
    if (running_)
      running_->RequestCancel();
    return;
  }
  QDialog::reject();
}

void TransferDialog::reject() { OnCancel(); }

void TransferDialog::closeEvent(QCloseEvent *event) {
  if (session_.state.Busy) {
    event->ignore();
    return;
  }
  pictA_->hide();
  pictB_->hide();
  pictHandy_->hide();
  QDialog::closeEvent(event);
}

} // namespace kv508::ui
