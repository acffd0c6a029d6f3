#include "ui/screens/setup_widgets.h"

#include "app/session.h"
#include "model/mmsi_rules.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

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

CommitLineEdit *NewDigitField(Session &session, QWidget *panel, QWidget *parent,
                              const QString &name, int digits, const std::string &title,
                              std::function<std::string &(RadioData &)> field,
                              const QString &hint) {
  auto *edit = new CommitLineEdit(session, panel, parent);
  edit->setObjectName(name);
  Restrict(edit, kDigits, digits);
  SetHint(edit, hint);
  edit->check = [&session, edit, digits, title, field = std::move(field)] {
    const auto stored = StoreTypedMmsi(FromQt(edit->text()), digits, false);
    if (!stored) {
      session.host.Message(Icon::Exclamation, title, "Data Error!!", Buttons::Ok);
      return false;
    }
    field(session.data) = *stored;
    return true;
  };
  return edit;
}

} // namespace kv508::ui
