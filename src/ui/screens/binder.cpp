#include "ui/screens/binder.h"

#include "app/session.h"
#include "ui/screens/edit_record.h"
#include "ui/ui_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace kv508::ui {

Binder::Binder(Session &session, QWidget *panel)
    : QObject(panel), session_(session), panel_(panel) {}

bool Binder::Editable() const { return !session_.state.Busy && panel_->isEnabled(); }

void Binder::Add(QWidget *widget, Kind kind, Get get, Set set, Rule rule, Rule changed) {
  bindings_.push_back(
      {widget, kind, std::move(get), std::move(set), {}, std::move(rule), std::move(changed)});
  const std::size_t index = bindings_.size() - 1;
  if (auto *box = qobject_cast<QComboBox *>(widget)) {
    // activated is the user's choice only, never a fill.
    connect(box, &QComboBox::activated, this, [this, index, box](int item) {
      const Binding &b = bindings_[index];
      if (b.kind == Kind::Boolean)
        Store(b, item != 0 ? 1 : 0);
      else if (b.kind == Kind::ItemValue)
        Store(b, box->itemData(item).toInt());
      else
        Store(b, item);
    });
  } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
    connect(button, &QAbstractButton::clicked, this,
            [this, index](bool checked) { Store(bindings_[index], checked ? 1 : 0); });
  }
}

void Binder::Text(QLineEdit *edit, std::function<std::string &(RadioData &)> field, Rule rule,
                  Rule changed) {
  bindings_.push_back(
      {edit, Kind::Text, {}, {}, std::move(field), std::move(rule), std::move(changed)});
  const std::size_t index = bindings_.size() - 1;
  connect(edit, &QLineEdit::textEdited, this, [this, index, edit] {
    if (!Editable())
      return;
    const Binding &b = bindings_[index];
    b.text(session_.data) = FromQt(edit->text());
    session_.state.DataChanged = true;
    Changed(b);
  });
  // The text is stored on every key but is one step when the user is done.
  connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
    if (Editable())
      RecordEdit(session_, edit);
  });
}

void Binder::Store(const Binding &b, int value) {
  if (!Editable())
    return;
  b.set(session_.data, value);
  session_.state.DataChanged = true;
  Changed(b);
  RecordEdit(session_, b.widget);
}

void Binder::Changed(const Binding &b) {
  if (b.rule)
    b.rule();
  if (b.changed)
    b.changed();
}

void Binder::FillOne(const Binding &b) {
  RadioData &data = session_.data;
  switch (b.kind) {
  case Kind::Index: {
    auto *box = static_cast<QComboBox *>(b.widget);
    const int v = b.get(data);
    if (v >= 0 && v < box->count())
      box->setCurrentIndex(v);
    break;
  }
  case Kind::Boolean:
    static_cast<QComboBox *>(b.widget)->setCurrentIndex(b.get(data) != 0 ? 1 : 0);
    break;
  case Kind::ItemValue: {
    auto *box = static_cast<QComboBox *>(b.widget);
    box->setCurrentIndex(box->findData(b.get(data)));
    break;
  }
  case Kind::Check:
    static_cast<QAbstractButton *>(b.widget)->setChecked(b.get(data) != 0);
    break;
  case Kind::Text:
    static_cast<QLineEdit *>(b.widget)->setText(ToQt(b.text(data)));
    break;
  }
}

void Binder::Fill() {
  for (const Binding &b : bindings_)
    FillOne(b);
  for (const Binding &b : bindings_) {
    if (b.rule)
      b.rule();
  }
}

} // namespace kv508::ui
