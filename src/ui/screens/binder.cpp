#include "ui/screens/binder.h"

#include "app/session.h"
#include "model/mmsi_rules.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/panel_screen.h"
#include "ui/screens/screen_access.h"
#include "ui/ui_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace kv508::ui {

TextRule<std::string> FixedDigitsRule(int digits, std::size_t shown, std::string refusedTitle,
                                      std::string broken) {
  return {[shown](const std::string &stored) { return ToQt(stored.substr(0, shown)); },
          [digits](const QString &typed, const std::string &) {
            return StoreTypedMmsi(FromQt(typed), digits, false);
          },
          std::move(refusedTitle), std::move(broken)};
}

RadioData &Binder::Data() const { return screen_.session().data; }

bool Binder::Editable() const { return screen_.Editable(); }

std::size_t Binder::Add(Rule fill, Rule rule) {
  bindings_.push_back({std::move(fill), std::move(rule)});
  return bindings_.size() - 1;
}

bool Binder::Store(std::size_t binding, const QString &name, const QWidget *widget,
                   const EditLog::Change &change, const Hooks &hooks, StepKind kind) {
  const Binding &b = bindings_[binding];
  if (!Editable()) {
    // The widget moved but the data did not: show the data again.
    b.fill();
    return false;
  }
  screen_.Apply(
      name, widget,
      [&](RadioData &d) {
        change(d);
        if (hooks.also)
          hooks.also(d);
      },
      kind);
  if (b.rule)
    b.rule();
  if (hooks.changed)
    hooks.changed();
  return true;
}

void Binder::AddList(QComboBox *box, const QString &name, Number field, Mapping mapping,
                     Missing missing, Hooks hooks) {
  const auto fill = [this, box, get = field.get, mapping, missing] {
    const int v = get(Data());
    if (mapping == Mapping::Boolean) {
      box->setCurrentIndex(v != 0 ? 1 : 0);
      return;
    }
    const int index = mapping == Mapping::ItemData ? box->findData(v) : v;
    if (index >= 0 && index < box->count())
      box->setCurrentIndex(index);
    else if (missing == Missing::NoSelection)
      box->setCurrentIndex(-1);
  };
  const std::size_t index = Add(fill, hooks.rule);
  Named(box, name);
  // activated is the user's choice only, never a fill.
  connect(box, &QComboBox::activated, this, [=, this](int item) {
    const int value = mapping == Mapping::Boolean    ? (item != 0 ? 1 : 0)
                      : mapping == Mapping::ItemData ? box->itemData(item).toInt()
                                                     : item;
    Store(
        index, name, box, [&](RadioData &d) { field.set(d, value); }, hooks);
  });
}

void Binder::OnOff(QComboBox *box, const QString &name, Access<bool> field, Hooks hooks) {
  AddList(box, name, Numbers(std::move(field)), Mapping::Boolean, Missing::KeepSelection,
          std::move(hooks));
}

void Binder::Check(QAbstractButton *box, const QString &name, Access<bool> field, Hooks hooks) {
  const std::size_t index = Add([this, box, field] { box->setChecked(field(Data())); }, hooks.rule);
  Named(box, name);
  connect(box, &QAbstractButton::clicked, this, [=, this](bool checked) {
    Store(
        index, name, box, [&](RadioData &d) { field(d) = checked; }, hooks);
  });
}

void Binder::Choice(QAbstractButton *whenTrue, QAbstractButton *whenFalse, const QString &name,
                    Access<bool> field, Hooks hooks) {
  const std::size_t index =
      Add([this, whenTrue, whenFalse,
           field] { (field(Data()) ? whenTrue : whenFalse)->setChecked(true); },
          hooks.rule);
  for (QAbstractButton *button : {whenTrue, whenFalse}) {
    const bool value = button == whenTrue;
    connect(button, &QAbstractButton::clicked, this, [=, this] {
      Store(
          index, name, button, [&](RadioData &d) { field(d) = value; }, hooks);
    });
  }
}

void Binder::Text(QLineEdit *edit, const QString &name, Access<std::string> field, Hooks hooks) {
  const std::size_t index =
      Add([this, edit, field] { ShowText(edit, ToQt(field(Data()))); }, hooks.rule);
  Named(edit, name);
  connect(edit, &QLineEdit::textEdited, this, [=, this] {
    const std::string text = FromQt(edit->text());
    Store(
        index, name, edit, [&](RadioData &d) { field(d) = text; }, hooks, StepKind::Typing);
  });
  connect(edit, &QLineEdit::editingFinished, this, [this] { screen_.context().FinishTyping(); });
}

void Binder::Named(QWidget *widget, const QString &name) {
  auto *button = qobject_cast<QAbstractButton *>(widget);
  if (button && !button->text().trimmed().isEmpty())
    return;
  SetStepName(widget, name);
  widget->setAccessibleName(name);
}

void Binder::Fill() {
  for (const Binding &b : bindings_)
    b.fill();
  for (const Binding &b : bindings_) {
    if (b.rule)
      b.rule();
  }
}

void Binder::TellUser(const std::string &title, const std::string &broken) const {
  screen_.session().host.Message(Icon::Exclamation, title,
                                 broken.empty() ? "Data Error!!" : "Data Error!!\r\n" + broken,
                                 Buttons::Ok);
}

void Binder::Declined(CommitLineEdit *edit, const QString &shown) const {
  edit->ShowStored(shown);
  screen_.context().SetPending(false);
}

void Binder::MarkPending(CommitLineEdit *edit) const {
  edit->mayEdit = [this] { return Editable(); };
  edit->edited = [this] { screen_.context().SetPending(true); };
}

} // namespace kv508::ui
