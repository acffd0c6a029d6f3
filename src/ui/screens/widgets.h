#pragma once

// The widgets the screens are made of, built alike: named choice lists, labels
// and check boxes, and the names of indexed controls.

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace kv508::ui {

inline const QStringList kOffOnChoices = {QStringLiteral("Off"), QStringLiteral("On")};
inline const QStringList kLowHiChoices = {QStringLiteral("Low"), QStringLiteral("Hi")};

// "name_k" for index k of an indexed control.
inline QString Indexed(const char *name, int k) {
  return QLatin1String(name) + QLatin1Char('_') + QString::number(k);
}

QComboBox *NewList(QWidget *parent, const QString &name, const QStringList &choices);
QLabel *NewLabel(QWidget *parent, const QString &text, const QString &name = {});
// A check box with its caption and, when not 0, its help topic.
QCheckBox *NewBox(QWidget *parent, const QString &name, const QString &caption, int helpTopic = 0);

} // namespace kv508::ui
