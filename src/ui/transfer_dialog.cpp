#include "ui/transfer_dialog.h"
#include "ui/core_texts.h"

#include "ui/layout_rules.h"
#include "ui/solid_fill.h"
#include "ui/svg_picture.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include "app/user_prefs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace kv508::ui {

namespace {

constexpr int kWidth = 465;
constexpr int kHeight = 290;
constexpr int kPictureTopTwips = 1320;
constexpr QSize kPictureSize(150, 96);
constexpr int kStatusTop = 186;
constexpr int kSaveTraceWidth = 96;

bool Programs(int mode) { return mode == kTransferProgram || mode == kTransferProgramChanges; }

const char *const kInstructions[] = {
    QT_TRANSLATE_NOOP("TransferDialog",
                      "1.Connect the KMT cable between the PC serial port and the radio."),
    QT_TRANSLATE_NOOP("TransferDialog",
                      "2.On the radio, press and hold [DISTRESS] and [CALL] keys while"),
    QT_TRANSLATE_NOOP("TransferDialog", "   turning the power on."),
    QT_TRANSLATE_NOOP("TransferDialog", "   The Radio display will show PC CONTROL."),
    QT_TRANSLATE_NOOP("TransferDialog", "3.Press the [OK] button to start."),
};

QWidget *Picture(QWidget *parent, const char *name, const char *resource) {
  return SvgPicture(parent, name, QLatin1String(resource), kPictureSize);
}

// The per cent written over the bar: in the selection's text colour on the
// filled part, in the window's on the rest.
class PercentText : public QWidget {
public:
  explicit PercentText(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lblPercentText"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void SetPercent(int percent) {
    percent_ = percent;
    update();
  }
  QString Text() const { return QStringLiteral("%1 %").arg(percent_); }

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    const QRect filled(0, 0, width() * percent_ / 100, height());
    const QRect empty(filled.right() + 1, 0, width() - filled.width(), height());
    painter.setClipRect(filled);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(rect(), Qt::AlignCenter, Text());
    painter.setClipRect(empty);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, Text());
  }

private:
  int percent_ = 0;
};

} // namespace

TransferDialog::TransferDialog(Session &session, UiHost &host, TransferPorts &ports, int mode,
                               QWidget *parent)
    : QDialog(parent), session_(session), host_(host), ports_(ports), mode_(mode) {
  setObjectName(QStringLiteral("frmRadio"));
  // Window-modal, so that the help window stays usable while the dialog is open.
  setWindowModality(Qt::WindowModal);
  host_.SetWaitCursor(true);
  setFixedSize(kWidth, kHeight);
  setWindowTitle(CoreText(TransferCaption(mode)));

  QStringList lines;
  for (const char *line : kInstructions)
    lines << QCoreApplication::translate("TransferDialog", line);
  message_ = new QLabel(lines.join(QLatin1Char('\n')), this);
  message_->setObjectName(QStringLiteral("lblmess"));
  message_->setGeometry(14, 6, kWidth - 28, 80);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  pictA_ = Picture(this, "pictA", ":/icons/radio.svg");
  pictB_ = Picture(this, "pictB", ":/icons/pc.svg");
  pictHandy_ = SvgPicture(this, "pictHandy", QStringLiteral(":/icons/cable.svg"), QSize(100, 36));
  PlacePictures();

  // The debug monitor line and the plain status line share one place.
  monitor_ = new QLabel(this);
  monitor_->setObjectName(QStringLiteral("lblmon"));
  monitor_->setGeometry(14, kStatusTop, kWidth - 28, 18);
  monitor_->setVisible(session_.state.DebugMode);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setGeometry(14, kStatusTop, kWidth - 28, 18);
  status_->setVisible(!session_.state.DebugMode);
  // Offered after a failure, at the end of the status line.
  saveTrace_ = new QPushButton(tr("Save Trace..."), this);
  saveTrace_->setObjectName(QStringLiteral("cmdSaveTrace"));
  saveTrace_->setGeometry(kWidth - 14 - kSaveTraceWidth, kStatusTop - 3, kSaveTraceWidth, 22);
  saveTrace_->setAutoDefault(false);
  saveTrace_->setToolTip(tr("Save what went over the serial line, for a bug report"));
  saveTrace_->hide();
  connect(saveTrace_, &QPushButton::clicked, this, [this] {
    if (traceSaver_)
      traceSaver_(trace_);
  });

  progress_ = new QWidget(this);
  progress_->setObjectName(QStringLiteral("pictProgress"));
  progress_->setGeometry(14, 206, kWidth - 28, 16);
  FillSolid(progress_, QPalette::Midlight);
  percent_ = new QWidget(progress_);
  percent_->setObjectName(QStringLiteral("lblPercent"));
  FillSolid(percent_, QPalette::Highlight);
  percentText_ = new PercentText(progress_);
  percentText_->setGeometry(0, 0, progress_->width(), progress_->height());

  portLabel_ = new QLabel(this);
  portLabel_->setObjectName(QStringLiteral("lblPort"));
  portLabel_->setGeometry(14, 224, kWidth - 28, 18);

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
  portButton_ = new QPushButton(tr("Change..."), this);
  portButton_->setObjectName(QStringLiteral("cmdPort"));
  portButton_->setGeometry(14, buttonTop, 88, 28);
  portButton_->setAutoDefault(false);
  portButton_->setToolTip(tr("Choose the serial port the cable is plugged into"));
  if (QMenu *menu = ports_.Menu()) {
    portButton_->setMenu(menu);
    // Each entry first changes the window's choice, then the dialog takes its
    // port; the connections end with the dialog, the menu lives on.
    for (QAction *entry : menu->actions())
      connect(entry, &QAction::triggered, this, [this] { UsePort(); });
  }
  UsePort();

  verify_ = new QCheckBox(tr("Verify after writing"), this);
  verify_->setObjectName(QStringLiteral("chkVerify"));
  // Shares the port line, which gives way to it when programming.
  constexpr int kVerifyWidth = 150;
  verify_->setGeometry(kWidth - 14 - kVerifyWidth, 222, kVerifyWidth, 22);
  // A compare may go on to program its changes.
  const bool writes = Programs(mode) || mode == kTransferCompare;
  verify_->setVisible(writes);
  if (writes)
    portLabel_->setFixedWidth(kWidth - 28 - kVerifyWidth - 6);
  verify_->setChecked(prefs::VerifyAfterWriting(session_.settings));
  connect(verify_, &QCheckBox::toggled, this,
          [this](bool on) { prefs::SetVerifyAfterWriting(session_.settings, on); });

  host_.SetTransferView({[this](const std::string &text) { monitor_->setText(ToQt(text)); },
                         [this](int percent) { ShowProgress(percent); },
                         [this](const std::string &text) { status_->setText(ToQt(text)); }});
  Monitor("starting at debug mode..");
  status_->setText(tr("Ready. Press OK to start."));
  ShowProgress(0);
  host_.SetWaitCursor(false);
}

TransferDialog::~TransferDialog() {
  host_.SetTransferView({});
  if (port_->IsOpen())
    port_->Close();
}

void TransferDialog::UsePort() {
  if (port_ && port_->IsOpen())
    port_->Close();
  port_ = &ports_.Acquire();
  QString text = tr("Port: %1").arg(ports_.Name());
  const QString description = ports_.Description();
  if (!description.isEmpty())
    text += QStringLiteral(", ") + description;
  portLabel_->setText(text);
  portLabel_->setToolTip(text);
}

void TransferDialog::SetButtonsEnabled(bool enabled) {
  ok_->setEnabled(enabled);
  help_->setEnabled(enabled);
  portButton_->setEnabled(enabled);
  verify_->setEnabled(enabled);
}

void TransferDialog::PlacePictures() {
  const int top = ToPixels(kPictureTopTwips);
  const bool read = mode_ == kTransferRead || mode_ == kTransferCompare;
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
  static_cast<PercentText *>(percentText_)->SetPercent(percent);
}

void TransferDialog::SetRunning(bool running) {
  session_.state.Busy = running;
  host_.SetWaitCursor(running);
}

void TransferDialog::SetMode(int mode) {
  mode_ = mode;
  setWindowTitle(CoreText(TransferCaption(mode)));
  PlacePictures();
}

void TransferDialog::ShowSaveTrace(bool shown) {
  shown = shown && traceSaver_ && !trace_.empty();
  saveTrace_->setVisible(shown);
  const int width = kWidth - 28 - (shown ? kSaveTraceWidth + 6 : 0);
  status_->setFixedWidth(width);
  monitor_->setFixedWidth(width);
}

void TransferDialog::OnOk() {
  SetButtonsEnabled(false);
  ShowSaveTrace(false);
  SetRunning(true);
  TransferResult result;
  {
    const std::string name = FromQt(ports_.Name());
    Port &port = *port_;
    // A port that would not open adds why to the link's own message.
    MessageContext context(
        host_, {.doing = "Opening " + name,
                .why = [&port] { return port.IsOpen() ? std::string() : port.ErrorText(); },
                .onlyWithReason = true});
    TransferSession transfer(session_, port);
    transfer.SetPortName(name);
    transfer.SetVerifyAfterProgram(Programs(mode_) && verify_->isChecked());
    if (identityTaker_)
      transfer.SetIdentityTaker(identityTaker_);
    running_ = &transfer;
    result = transfer.Run(mode_);
    if (mode_ == kTransferCompare && result.succeeded && compareHandler_)
      result = AfterCompare(transfer);
    running_ = nullptr;
    trace_ = transfer.Trace().Text();
  }
  ShowProgress(0);
  SetRunning(false);
  SetButtonsEnabled(true);
  succeeded_ = succeeded_ || result.succeeded;
  ShowSaveTrace(!result.succeeded);
  if (result.connected && !result.exchangeFailed)
    accept();
}

TransferResult TransferDialog::AfterCompare(TransferSession &transfer) {
  // The comparison waits for the user: no wait cursor, not busy, the radio
  // still connected so that its changes need no second handshake.
  SetRunning(false);
  const bool program = compareHandler_(transfer.RadioImage());
  SetRunning(true);
  if (!program) {
    TransferResult compared;
    compared.connected = compared.succeeded = true;
    return compared;
  }
  SetMode(kTransferProgramChanges);
  transfer.SetVerifyAfterProgram(verify_->isChecked());
  return transfer.ProgramChangesAfterCompare();
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
