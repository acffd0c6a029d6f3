#include "ui/check_dialog.h"
#include "ui/core_texts.h"

#include "ui/ui_text.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include <string_view>

namespace kv508::ui {

namespace {

QString Counted(qsizetype n, const char *one) {
  const bool error = std::string_view(one) == "error";
  if (n == 1)
    return error ? CheckDialog::tr("1 error") : CheckDialog::tr("1 warning");
  return (error ? CheckDialog::tr("%1 errors") : CheckDialog::tr("%1 warnings")).arg(n);
}

QPushButton *Button(QWidget *parent, const QString &text, const char *name) {
  auto *button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

} // namespace

QString FindingsCount(const std::vector<Finding> &findings) {
  const auto errors = std::count_if(findings.begin(), findings.end(),
                                    [](const Finding &f) { return f.severity == Severity::Error; });
  const auto warnings = static_cast<qsizetype>(findings.size()) - errors;
  if (errors == 0)
    return Counted(warnings, "warning");
  if (warnings == 0)
    return Counted(errors, "error");
  return CheckDialog::tr("%1 and %2").arg(Counted(errors, "error"), Counted(warnings, "warning"));
}

CheckDialog::CheckDialog(const std::vector<Finding> &findings, const QString &note,
                         bool beforeProgram, QWidget *parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmCheck"));
  setWindowTitle(tr("Check Settings"));
  const QString lead =
      beforeProgram ? tr("Before programming, the check found %1.") : tr("The check found %1.");
  auto *leadLabel = new QLabel(
      lead.arg(FindingsCount(findings)) + QLatin1Char(' ') +
          tr("An error is a value the radio would hold otherwise than the editor shows it; a "
             "warning is probably not what is meant. Double-click a line to see its screen."),
      this);
  leadLabel->setObjectName(QStringLiteral("lblCheckLead"));
  leadLabel->setWordWrap(true);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstFindings"));
  list_->setWordWrap(true);
  list_->setAlternatingRowColors(true);
  list_->setIconSize(QSize(16, 16));
  const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (const Finding &finding : findings) {
    auto *item = new QListWidgetItem(CoreText(FindingLine(finding)), list_);
    item->setIcon(finding.severity == Severity::Error ? error : warning);
  }
  list_->setCurrentRow(0);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
    Choose(UiDialogs::FindingsAnswer::Choice::ShowLine, list_->row(item));
  });

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(leadLabel);
  layout->addWidget(list_, 1);
  if (!note.isEmpty()) {
    auto *noteLabel = new QLabel(note, this);
    noteLabel->setObjectName(QStringLiteral("lblCheckNote"));
    noteLabel->setWordWrap(true);
    layout->addWidget(noteLabel);
  }
  auto *buttons = new QHBoxLayout;
  buttons->addStretch();
  layout->addLayout(buttons);
  if (beforeProgram) {
    QPushButton *program = Button(this, tr("&Program Anyway"), "cmdProgramAnyway");
    QPushButton *cancel = Button(this, tr("Cancel"), "cmdCancel");
    // Cancel is the safe answer, so it is the one Enter gives.
    cancel->setDefault(true);
    connect(program, &QPushButton::clicked, this,
            [this] { Choose(UiDialogs::FindingsAnswer::Choice::ProgramAnyway); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(program);
    buttons->addWidget(cancel);
  } else {
    QPushButton *close = Button(this, tr("Close"), "cmdClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
  }
  resize(600, 360);
}

void CheckDialog::Choose(UiDialogs::FindingsAnswer::Choice choice, int line) {
  answer_ = {choice, line};
  accept();
}

} // namespace kv508::ui
