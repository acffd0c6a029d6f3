#pragma once

// The widgets the screens are made of, built alike: named choice lists, labels
// and check boxes, and the names of indexed controls.

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kv508::ui {

class CommitLineEdit;

// Built when asked for, so that they come in the language in use.
QStringList OffOnChoices();
QStringList LowHiChoices();

// "name_k" for index k of an indexed control.
inline QString Indexed(const char *name, int k) {
  return QLatin1String(name) + QLatin1Char('_') + QString::number(k);
}

QComboBox *NewList(QWidget *parent, const QString &name, const QStringList &choices);
QLabel *NewLabel(QWidget *parent, const QString &text, const QString &name = {});
// A check box with its caption and, when not 0, its help topic.
QCheckBox *NewBox(QWidget *parent, const QString &name, const QString &caption, int helpTopic = 0);
// "Numeric Only. Indispensable 9 figures." for a field of that many digits.
QString DigitsHint(int digits);
// Keeps a field at least wide enough for `count` of `sample` in its font, so
// that what it holds is never cut.
void FitChars(QLineEdit *edit, int count, QChar sample = QLatin1Char('0'));
// A field that takes at most `digits` digits, typed or pasted, with its hint.
CommitLineEdit *NewDigitField(QWidget *parent, const QString &name, int digits);

} // namespace kv508::ui
