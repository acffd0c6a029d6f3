#include "ui/compare_window.h"
#include "ui/core_texts.h"

#include "ui/ui_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

// A value as the list shows it: a plain quoted text without its quotes.
QString Shown(const std::string &value) {
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"' &&
                      value.find('"', 1) == value.size() - 1;
  if (!quoted)
    return ToQt(value);
  const std::string text = value.substr(1, value.size() - 2);
  return text.empty() ? QObject::tr("(none)") : ToQt(text);
}

QPushButton *Button(QWidget *parent, const char *name, const QString &text) {
  auto *button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

} // namespace

CompareWindow::CompareWindow(const RadioComparison &comparison, QWidget *parent)
    : QDialog(parent), text_(ComparisonText(comparison)) {
  setObjectName(QStringLiteral("frmCompare"));
  setWindowTitle(tr("Compare with Radio"));
  resize(640, 440);
  auto *layout = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblSummary"));
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("tvCompare"));
  list_->setHeaderLabels({tr("Setting"), tr("Radio"), tr("To be written")});
  list_->setRootIsDecorated(true);
  list_->setUniformRowHeights(true);
  layout->addWidget(list_, 1);

  auto *buttons = new QHBoxLayout;
  program_ = Button(this, "cmdProgramChanges", tr("&Program These Changes"));
  useRadio_ = Button(this, "cmdUseRadio", tr("&Use the Radio's Values"));
  saveText_ = Button(this, "cmdSaveText", tr("&Save as Text..."));
  QPushButton *close = Button(this, "cmdClose", tr("Close"));
  close->setDefault(true);
  for (QPushButton *b : {program_, useRadio_, saveText_})
    buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  program_->setToolTip(tr("Write only the blocks that hold these settings"));
  useRadio_->setToolTip(
      tr("Take the radio's settings into the data (Edit > Undo takes them back)"));
  connect(program_, &QPushButton::clicked, this, [this] { Choose(CompareChoice::ProgramChanges); });
  connect(useRadio_, &QPushButton::clicked, this,
          [this] { Choose(CompareChoice::UseRadioValues); });
  connect(saveText_, &QPushButton::clicked, this, [this] {
    if (saver_)
      saver_(text_);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Fill(comparison);
}

void CompareWindow::Fill(const RadioComparison &comparison) {
  if (comparison.error) {
    summary_->setText(tr("The data cannot be programmed: %1")
                          .arg(CoreText(EncodeErrorMessage(*comparison.error))
                                   .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
  } else if (comparison.Same()) {
    summary_->setText(tr("The radio holds the settings of the data being edited."));
  } else {
    const int count = comparison.Count();
    summary_->setText(
        count == 1 ? tr("1 setting of the radio differs from the data being edited.")
                   : tr("%1 settings of the radio differ from the data being edited.").arg(count));
  }
  for (const ComparedGroup &group : comparison.groups) {
    auto *node = new QTreeWidgetItem(list_, {ToQt(group.name)});
    node->setFirstColumnSpanned(true);
    for (const ComparedSetting &setting : group.settings)
      new QTreeWidgetItem(node,
                          {ToQt(setting.setting), Shown(setting.radio), Shown(setting.written)});
  }
  list_->expandAll();
  list_->header()->resizeSections(QHeaderView::ResizeToContents);
  program_->setEnabled(!comparison.error);
  saveText_->setEnabled(!comparison.groups.empty());
}

void CompareWindow::Choose(CompareChoice choice) {
  choice_ = choice;
  accept();
}

} // namespace kv508::ui
