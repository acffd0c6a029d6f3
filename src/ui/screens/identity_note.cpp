#include "ui/screens/identity_note.h"
#include "ui/core_texts.h"

#include "app/session.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace kv508::ui {

namespace {
constexpr int kIconPixels = 16;
}

QString WarningText(const std::vector<IdentityWarning> &warnings) {
  QStringList lines;
  for (const IdentityWarning &w : warnings)
    lines << CoreTextUtf8(w.what + ". " + w.fix + ".");
  return lines.join(QLatin1Char('\n'));
}

IdentityNote::IdentityNote(QWidget *parent, const QString &infoName, const QString &iconName)
    : QWidget(parent) {
  icon_ = new QLabel(this);
  icon_->setObjectName(iconName);
  icon_->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconPixels, kIconPixels));
  icon_->setFixedSize(kIconPixels, kIconPixels);
  // The row keeps the icon's height when there is no warning, so that a
  // warning appearing does not grow the screen past the window.
  QSizePolicy keep = icon_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  icon_->setSizePolicy(keep);
  icon_->hide();
  info_ = new QLabel(this);
  info_->setObjectName(infoName);
  info_->setWordWrap(true);
  info_->setTextFormat(Qt::PlainText);
  auto *row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  row->addWidget(icon_, 0, Qt::AlignTop);
  row->addWidget(info_, 1);
}

void IdentityNote::Attach(QWidget *box, const QString &boxHint) {
  box_ = box;
  boxHint_ = boxHint;
  SetHint(box_, boxHint_);
}

void IdentityNote::Show(const std::string &info, const std::vector<IdentityWarning> &warnings,
                        const Session &session) {
  info_->setText(CoreTextUtf8(info));
  // Without the table a country is a MID number; the tooltip says why.
  info_->setToolTip(!info.empty() && !session.mids.Loaded() ? SystemToQt(session.midsProblem)
                                                            : QString());
  const QString warning = WarningText(warnings);
  icon_->setVisible(!warning.isEmpty());
  icon_->setToolTip(warning);
  if (box_)
    SetHint(box_, warning.isEmpty()
                      ? boxHint_
                      : QString(warning).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                            QLatin1Char(' ') + boxHint_);
}

} // namespace kv508::ui
