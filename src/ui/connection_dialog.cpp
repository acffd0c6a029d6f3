#include "ui/connection_dialog.h"
#include "ui/core_texts.h"

#include "ui/transfer_dialog.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

QString StateText(StepState state) {
  switch (state) {
  case StepState::Passed:
    return QObject::tr("passed");
  case StepState::Failed:
    return QObject::tr("FAILED");
  case StepState::NotRun:
    break;
  }
  return {};
}

} // namespace

ConnectionDialog::ConnectionDialog(Session &session, UiHost &host, TransferPorts &ports,
                                   QWidget *parent)
    : QDialog(parent), session_(session), host_(host), ports_(ports) {
  setObjectName(QStringLiteral("frmTestConnection"));
  setWindowTitle(tr("Test Connection"));
  resize(560, 360);
  auto *layout = new QVBoxLayout(this);
  auto *portRow = new QHBoxLayout;
  port_ = new QLabel(this);
  port_->setObjectName(QStringLiteral("lblPort"));
  port_->setWordWrap(true);
  portRow->addWidget(port_, 1);
  portButton_ = new QPushButton(tr("Change..."), this);
  portButton_->setObjectName(QStringLiteral("cmdPort"));
  portButton_->setAutoDefault(false);
  if (QMenu *menu = ports_.Menu()) {
    portButton_->setMenu(menu);
    for (QAction *entry : menu->actions())
      connect(entry, &QAction::triggered, this, [this] { ShowPort(); });
  }
  portRow->addWidget(portButton_);
  layout->addLayout(portRow);

  steps_ = new QTreeWidget(this);
  steps_->setObjectName(QStringLiteral("tvSteps"));
  steps_->setHeaderLabels({tr("Step"), tr(""), tr("Result")});
  steps_->setRootIsDecorated(false);
  layout->addWidget(steps_, 1);
  advice_ = new QLabel(tr("Connect the radio in PC CONTROL mode, then press Test."), this);
  advice_->setObjectName(QStringLiteral("lblAdvice"));
  advice_->setWordWrap(true);
  advice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(advice_);

  auto *buttons = new QHBoxLayout;
  saveTrace_ = new QPushButton(tr("Save Trace..."), this);
  saveTrace_->setObjectName(QStringLiteral("cmdSaveTrace"));
  saveTrace_->setAutoDefault(false);
  saveTrace_->hide();
  buttons->addWidget(saveTrace_);
  buttons->addStretch(1);
  test_ = new QPushButton(tr("Test"), this);
  test_->setObjectName(QStringLiteral("cmdTest"));
  test_->setDefault(true);
  auto *close = new QPushButton(tr("Close"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setAutoDefault(false);
  buttons->addWidget(test_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(test_, &QPushButton::clicked, this, &ConnectionDialog::RunTest);
  connect(close, &QPushButton::clicked, this, &ConnectionDialog::reject);
  connect(saveTrace_, &QPushButton::clicked, this, [this] {
    if (saver_)
      saver_(trace_);
  });
  ShowPort();
}

void ConnectionDialog::ShowPort() {
  QString text = tr("Port: %1").arg(ports_.Name());
  const QString description = ports_.Description();
  if (!description.isEmpty())
    text += QStringLiteral("  ") + description;
  port_->setText(text);
}

void ConnectionDialog::RunTest() {
  if (running_)
    return;
  test_->setEnabled(false);
  portButton_->setEnabled(false);
  saveTrace_->hide();
  advice_->setText(tr("Testing..."));
  session_.state.Busy = true;
  host_.SetWaitCursor(true);
  {
    ConnectionTest test(session_, ports_.Acquire(), FromQt(ports_.Name()));
    running_ = &test;
    diagnosis_ = test.Run([this](const ConnectionDiagnosis &d) { Show(d); });
    running_ = nullptr;
    trace_ = test.Trace().Text();
  }
  host_.SetWaitCursor(false);
  session_.state.Busy = false;
  Show(diagnosis_);
  test_->setText(tr("Test Again"));
  test_->setEnabled(true);
  portButton_->setEnabled(true);
  saveTrace_->setVisible(!diagnosis_.passed && saver_ && !trace_.empty());
}

void ConnectionDialog::Show(const ConnectionDiagnosis &d) {
  steps_->clear();
  for (const ConnectionStep &step : d.steps) {
    auto *row = new QTreeWidgetItem(
        steps_, {CoreText(step.name), StateText(step.state), CoreText(step.result)});
    if (step.state == StepState::Failed) {
      QFont bold = row->font(1);
      bold.setBold(true);
      row->setFont(1, bold);
    }
  }
  steps_->header()->resizeSections(QHeaderView::ResizeToContents);
  if (d.passed)
    advice_->setText(tr("The radio answers: the connection works."));
  else if (d.cancelled)
    advice_->setText(tr("Cancelled."));
  else if (!d.cause.empty())
    advice_->setText(tr("Likely cause: %1\nFix: %2").arg(CoreText(d.cause), CoreText(d.fix)));
}

void ConnectionDialog::reject() {
  // While the test runs, Close stops it; the dialog closes afterwards.
  if (running_) {
    running_->RequestCancel();
    return;
  }
  QDialog::reject();
}

} // namespace kv508::ui
