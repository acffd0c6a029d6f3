#include "ui/import_dialog.h"

#include "ui/core_texts.h"

#include "ui/appearance.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

namespace {

enum Column { kLine, kState, kPlace, kChanges, kNote, kColumns };

QString Utf8(const std::string &text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString StateText(RowState state) {
  switch (state) {
  case RowState::Added:
    return QObject::tr("added");
  case RowState::Changed:
    return QObject::tr("changed");
  case RowState::Unchanged:
    return QObject::tr("unchanged");
  case RowState::Refused:
    return QObject::tr("refused");
  case RowState::Removed:
    return QObject::tr("removed");
  }
  return {};
}

// Refused rows stand out; rows that change nothing step back. Each colour
// has a variant for light and for dark lists.
QColor StateColour(RowState state, bool dark) {
  switch (state) {
  case RowState::Added:
    return dark ? QColor(0x7C, 0xCF, 0x7F) : QColor(0x1B, 0x6E, 0x20);
  case RowState::Refused:
    return dark ? QColor(0xFF, 0x80, 0x8A) : QColor(0xB0, 0x00, 0x20);
  case RowState::Removed:
    return dark ? QColor(0xF0, 0xA8, 0x50) : QColor(0x9A, 0x4D, 0x00);
  case RowState::Unchanged:
    return dark ? QColor(0xA0, 0xA0, 0xA0) : QColor(0x70, 0x70, 0x70);
  case RowState::Changed:
    break;
  }
  return {};
}

bool IsDirectory(ExchangeKind kind) {
  return kind == ExchangeKind::Individual || kind == ExchangeKind::Group;
}

bool ChangesSomething(const ImportPreview &preview) {
  return preview.Ok() && preview.Count(RowState::Added) + preview.Count(RowState::Changed) +
                                 preview.Count(RowState::Removed) >
                             0;
}

} // namespace

ImportDialog::ImportDialog(const CsvTable &table, ExchangeKind kind, const RadioSettings &settings,
                           const QString &title, const QString &file, QWidget *parent)
    : QDialog(parent), table_(table), kind_(kind), settings_(settings) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(tr("Import %1").arg(title));
  auto *layout = new QVBoxLayout(this);

  auto *source = new QLabel(tr("From %1").arg(file), this);
  source->setObjectName(QStringLiteral("lblFile"));
  source->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(source);
  if (IsDirectory(kind))
    layout->addWidget(CreateModeChoice());

  rows_ = new QTreeWidget(this);
  rows_->setObjectName(QStringLiteral("lstRows"));
  rows_->setRootIsDecorated(false);
  rows_->setUniformRowHeights(true);
  rows_->setAlternatingRowColors(true);
  rows_->setHeaderLabels({tr("Line"), tr("Row"), IsDirectory(kind) ? tr("Entry") : tr("Channel"),
                          tr("Changes"), tr("Note")});
  rows_->header()->setStretchLastSection(true);
  layout->addWidget(rows_, 1);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblSummary"));
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  notes_ = new QLabel(this);
  notes_->setObjectName(QStringLiteral("lblNotes"));
  notes_->setWordWrap(true);
  layout->addWidget(notes_);
  layout->addWidget(CreateButtons());
  Recompute();
  // Wide enough for the rows as first shown, within the screen.
  int wanted = 2 * rows_->frameWidth() + 40;
  for (int c = 0; c < kColumns; ++c)
    wanted += rows_->columnWidth(c);
  const int room = screen() ? screen()->availableGeometry().width() * 9 / 10 : wanted;
  resize(std::clamp(wanted, 640, std::max(640, room)), 460);
}

QWidget *ImportDialog::CreateModeChoice() {
  auto *box = new QGroupBox(tr("The directory"), this);
  box->setObjectName(QStringLiteral("fraMode"));
  auto *replace = new QRadioButton(tr("&Replace"), box);
  replace->setObjectName(QStringLiteral("optReplace"));
  replace->setChecked(true);
  merge_ = new QRadioButton(tr("&Merge"), box);
  merge_->setObjectName(QStringLiteral("optMerge"));
  auto *group = new QButtonGroup(box);
  group->addButton(replace);
  group->addButton(merge_);
  connect(merge_, &QRadioButton::toggled, this, &ImportDialog::Recompute);
  auto *layout = new QGridLayout(box);
  layout->addWidget(replace, 0, 0);
  layout->addWidget(new QLabel(tr("the file's entries become the whole directory"), box), 0, 1);
  layout->addWidget(merge_, 1, 0);
  layout->addWidget(
      new QLabel(tr("by MMSI: a known MMSI takes the file's name, a new one the next free entry"),
                 box),
      1, 1);
  layout->setColumnStretch(1, 1);
  return box;
}

QWidget *ImportDialog::CreateButtons() {
  auto *buttons = new QWidget(this);
  auto *layout = new QHBoxLayout(buttons);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  import_ = new QPushButton(tr("&Import"), buttons);
  import_->setObjectName(QStringLiteral("cmdImport"));
  import_->setDefault(true);
  connect(import_, &QPushButton::clicked, this, &QDialog::accept);
  auto *cancel = new QPushButton(tr("Cancel"), buttons);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(import_);
  layout->addWidget(cancel);
  return buttons;
}

void ImportDialog::Recompute() {
  const ImportMode mode = merge_ && merge_->isChecked() ? ImportMode::Merge : ImportMode::Replace;
  preview_ = PreviewImport(kind_, table_, settings_, mode);
  Fill();
}

void ImportDialog::Fill() {
  rows_->clear();
  QList<QTreeWidgetItem *> items;
  for (const PreviewRow &row : preview_.rows) {
    QStringList changes;
    for (const std::string &change : row.changes)
      changes << Utf8(change);
    auto *item = new QTreeWidgetItem({row.line > 0 ? QString::number(row.line) : QString(),
                                      StateText(row.state), Utf8(row.place),
                                      changes.join(QStringLiteral("; ")), CoreTextUtf8(row.note)});
    item->setTextAlignment(kLine, Qt::AlignRight | Qt::AlignVCenter);
    if (const QColor colour = StateColour(row.state, IsDark(rows_->palette())); colour.isValid()) {
      for (int c = 0; c < kColumns; ++c)
        item->setForeground(c, colour);
    }
    items << item;
  }
  rows_->addTopLevelItems(items);
  // Every text whole: a long one scrolls rather than being cut.
  for (int c = 0; c < kColumns; ++c)
    rows_->resizeColumnToContents(c);

  QString summary =
      preview_.Ok() ? CoreTextUtf8(PreviewSummary(preview_)) + QLatin1Char('.')
                    : tr("Line %1: %2").arg(preview_.errorLine).arg(CoreTextUtf8(preview_.error));
  if (!ChangesSomething(preview_))
    summary += QLatin1Char(' ') + tr("Nothing to import.");
  else if (preview_.Count(RowState::Refused) > 0)
    summary += QLatin1Char(' ') + tr("Import leaves the refused rows out.");
  summary_->setText(summary);
  QStringList notes;
  for (const std::string &note : preview_.notes)
    notes << CoreTextUtf8(note);
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!notes.isEmpty());
  import_->setEnabled(ChangesSomething(preview_));
}

} // namespace kv508::ui
