#pragma once

// The widgets the setup screens are made of, built alike: named choice lists,
// labels, and the fixed-length digit fields (User MMSI, ATIS code).

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace kv508 {
struct RadioData;
struct Session;
} // namespace kv508

namespace kv508::ui {

class CommitLineEdit;

inline const QStringList kOffOnChoices = {QStringLiteral("Off"), QStringLiteral("On")};
inline const QStringList kLowHiChoices = {QStringLiteral("Low"), QStringLiteral("Hi")};

// "name_k" for index k of an indexed control.
inline QString Indexed(const char *name, int k) {
  return QLatin1String(name) + QLatin1Char('_') + QString::number(k);
}

QComboBox *NewList(QWidget *parent, const QString &name, const QStringList &choices);
QLabel *NewLabel(QWidget *parent, const QString &text, const QString &name = {});

// A field of exactly `digits` digits (or empty), checked on leaving: a refusal
// shows "Data Error!!" under `title` and stores nothing.
CommitLineEdit *NewDigitField(Session &session, QWidget *panel, QWidget *parent,
                              const QString &name, int digits, const std::string &title,
                              std::function<std::string &(RadioData &)> field, const QString &hint);

} // namespace kv508::ui
