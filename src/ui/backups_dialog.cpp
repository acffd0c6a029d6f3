#include "ui/backups_dialog.h"

#include "app/backups.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv508::ui {

BackupsDialog::BackupsDialog(const std::filesystem::path &folder, std::function<void()> showFolder,
                             QWidget *parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmBackups"));
  setWindowTitle(tr("Restore Backup"));
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("lstBackups"));
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({tr("Date and time"), tr("Kind"), tr("Model"), tr("Own MMSI")});
  for (const BackupEntry &entry : ListBackups(folder)) {
    const BackupColumns shown = DescribeBackup(entry);
    auto *item = new QTreeWidgetItem(
        list_, {ToQt(shown.time), ToQt(shown.kind), ToQt(shown.model), ToQt(shown.mmsi)});
    item->setData(0, Qt::UserRole, QtFromPath(entry.file));
    item->setToolTip(0, QtFromPath(entry.file));
  }
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  if (list_->topLevelItemCount() > 0)
    list_->setCurrentItem(list_->topLevelItem(0));

  auto *buttons = new QDialogButtonBox(this);
  QPushButton *restore = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
  restore->setObjectName(QStringLiteral("cmdRestore"));
  restore->setDefault(true);
  restore->setEnabled(list_->currentItem() != nullptr);
  QPushButton *show = buttons->addButton(tr("Show in Folder"), QDialogButtonBox::ActionRole);
  show->setObjectName(QStringLiteral("cmdShowFolder"));
  QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(show, &QPushButton::clicked, this, [showFolder] { showFolder(); });
  connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(560, 320);
}

QString BackupsDialog::Chosen() const {
  const QTreeWidgetItem *item = list_->currentItem();
  return result() == Accepted && item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace kv508::ui
