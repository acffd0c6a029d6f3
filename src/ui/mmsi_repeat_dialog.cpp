#include "ui/mmsi_repeat_dialog.h"

#include "model/convert.h"
#include "ui/screens/char_filter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {
constexpr int kMmsiDigits = 9;
}

// Keys only: no paste by key, context menu, middle button or drop.
class MmsiRepeatDialog::TypedOnlyEdit : public QLineEdit {
public:
  explicit TypedOnlyEdit(QWidget *parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
  }

protected:
  void keyPressEvent(QKeyEvent *event) override {
    if (event->matches(QKeySequence::Paste))
      return;
    QLineEdit::keyPressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent *event) override {
    if (event->button() == Qt::MiddleButton)
      return;
    QLineEdit::mouseReleaseEvent(event);
  }
};

MmsiRepeatDialog::MmsiRepeatDialog(const QString &info, QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmMmsiConfirm"));
  setWindowTitle(tr("User MMSI"));
  auto *lead = new QLabel(
      tr("Most radios accept their own MMSI only once. Type it again to confirm."), this);
  lead->setObjectName(QStringLiteral("lblMmsiConfirm"));
  lead->setWordWrap(true);
  auto *kind = new QLabel(info, this);
  kind->setObjectName(QStringLiteral("lblMmsiKind"));
  kind->setWordWrap(true);
  again_ = new TypedOnlyEdit(this);
  again_->setObjectName(QStringLiteral("txtMmsiAgain"));
  Restrict(again_, kDigitAlphabet, kMmsiDigits);

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  // Only a whole MMSI is compared; a half-typed one is neither a match nor a mismatch.
  ok_->setEnabled(false);
  connect(again_, &QLineEdit::textChanged, this,
          [this] { ok_->setEnabled(again_->text().size() == kMmsiDigits); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *form = new QFormLayout;
  form->addRow(tr("Typed first:"), kind);
  form->addRow(tr("MMSI again:"), again_);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(lead);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(360);
  again_->setFocus(Qt::OtherFocusReason);
}

QString MmsiRepeatDialog::Typed() const { return again_->text(); }

} // namespace kv508::ui
