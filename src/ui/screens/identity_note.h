#pragma once

// The line under an MMSI or ATIS box: a warning icon when the value does not
// fit its place, then the kind and country of the value ("Ship · Norway").
// Shown, never enforced. The warnings also go into the box's status-bar hint
// (ahead of its usual hint) and into the icon's tooltip.

#include "model/mmsi_identity.h"
#include <QCoreApplication>

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QLabel;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class IdentityNote : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(IdentityNote)

public:
  // infoName, iconName: the object names of the text and of the icon.
  IdentityNote(QWidget *parent, const QString &infoName, const QString &iconName);

  // `box` is the field the note belongs to, `boxHint` its usual hint.
  void Attach(QWidget *box, const QString &boxHint);
  void SetBoxHint(const QString &boxHint) { boxHint_ = boxHint; }
  // info: MmsiInfoText or AtisInfoText. Without a MID table the text says why
  // no country is shown.
  void Show(const std::string &info, const std::vector<IdentityWarning> &warnings,
            const Session &session);

private:
  QLabel *icon_;
  QLabel *info_;
  QWidget *box_ = nullptr;
  QString boxHint_;
};

// "<what>. <fix>." for each warning, one per line.
QString WarningText(const std::vector<IdentityWarning> &warnings);

} // namespace kv508::ui
