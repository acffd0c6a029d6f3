#include "ui/screens/widgets.h"

#include "model/convert.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kv508::ui {

QStringList OffOnChoices() {
  return {QCoreApplication::translate("Widgets", "Off"),
          QCoreApplication::translate("Widgets", "On")};
}

QStringList LowHiChoices() {
  return {QCoreApplication::translate("Widgets", "Low"),
          QCoreApplication::translate("Widgets", "Hi")};
}

QComboBox *NewList(QWidget *parent, const QString &name, const QStringList &choices) {
  auto *box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(choices);
  box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return box;
}

QLabel *NewLabel(QWidget *parent, const QString &text, const QString &name) {
  auto *label = new QLabel(text, parent);
  if (!name.isEmpty())
    label->setObjectName(name);
  return label;
}

QCheckBox *NewBox(QWidget *parent, const QString &name, const QString &caption, int helpTopic) {
  auto *box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  if (helpTopic != 0)
    SetHelpTopic(box, helpTopic);
  return box;
}

QString DigitsHint(int digits) {
  return QCoreApplication::translate("Widgets", "Numeric Only. Indispensable %1 figures.")
      .arg(digits);
}

void FitChars(QLineEdit *edit, int count, QChar sample) {
  // As QLineEdit measures its own size: the text, its margins and the frame.
  constexpr int kInnerMargins = 2 * 2 + 2;
  const QMargins margins = edit->textMargins();
  const int text = edit->fontMetrics().horizontalAdvance(QString(count, sample));
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.lineWidth = edit->hasFrame()
                         ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                         : 0;
  const QSize inner(text + margins.left() + margins.right() + kInnerMargins,
                    edit->sizeHint().height());
  edit->setMinimumWidth(
      edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, edit).width());
}

CommitLineEdit *NewDigitField(QWidget *parent, const QString &name, int digits) {
  auto *field = new CommitLineEdit(parent);
  field->setObjectName(name);
  FitChars(field, digits);
  Restrict(field, kDigitAlphabet, digits);
  SetHint(field, DigitsHint(digits));
  return field;
}

} // namespace kv508::ui
