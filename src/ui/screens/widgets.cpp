#include "ui/screens/widgets.h"

#include "model/convert.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace kv508::ui {

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
  return QStringLiteral("Numeric Only. Indispensable %1 figures.").arg(digits);
}

CommitLineEdit *NewDigitField(QWidget *parent, const QString &name, int digits) {
  auto *field = new CommitLineEdit(parent);
  field->setObjectName(name);
  Restrict(field, kDigitAlphabet, digits);
  SetHint(field, DigitsHint(digits));
  return field;
}

} // namespace kv508::ui
