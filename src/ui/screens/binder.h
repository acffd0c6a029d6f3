#pragma once

// Most controls of a panel edit one RadioData field by one rule. A binder
// holds those pairs: it fills every widget from its field and sends each user
// change of a widget down the panel's one edit path, named once here. After a
// change it runs the widget's enabling rule (which also runs after every fill)
// and then its change action. A change refused because the panel may not be
// edited shows the stored value again. Fields are looked up on every access
// (NewData rebuilds the banks), never kept.

#include "app/edit_log.h"
#include "model/radio_data.h"
#include "ui/screens/commit_line_edit.h"
#include <QCoreApplication>

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace kv508::ui {

class PanelScreen;

// Where a control's value lives in RadioData.
template <class T> using Access = std::function<T &(RadioData &)>;

// Fields by member pointer: Field(&RadioSettings::Common, &CommonSetup::Scan),
// Field(&RadioSettings::DscBasic, &DscBasicSetup::BeepOut, k),
// Field(&RadioSettings::DscDisplay, k), Field(&RadioSettings::ChannelGroups, k,
// &ChannelGroupSetup::Enable).
template <class Part, class T> Access<T> Field(Part RadioSettings::*part, T Part::*member) {
  return [part, member](RadioData &d) -> T & { return (d.*part).*member; };
}
template <class Part, class T, std::size_t N>
Access<T> Field(Part RadioSettings::*part, std::array<T, N> Part::*member, int k) {
  return [part, member, k](RadioData &d) -> T & {
    return ((d.*part).*member)[static_cast<std::size_t>(k)];
  };
}
template <class T, std::size_t N> Access<T> Field(std::array<T, N> RadioSettings::*array, int k) {
  return [array, k](RadioData &d) -> T & { return (d.*array)[static_cast<std::size_t>(k)]; };
}
template <class E, std::size_t N, class T>
Access<T> Field(std::array<E, N> RadioSettings::*array, int k, T E::*member) {
  return [array, k, member](RadioData &d) -> T & {
    return (d.*array)[static_cast<std::size_t>(k)].*member;
  };
}

template <class E, std::size_t N, class T, std::size_t M>
Access<T> Field(std::array<E, N> RadioSettings::*array, int i, std::array<T, M> E::*member, int k) {
  return [array, i, member, k](RadioData &d) -> T & {
    return ((d.*array)[static_cast<std::size_t>(i)].*member)[static_cast<std::size_t>(k)];
  };
}

// A text checked and stored when the user leaves its field.
template <class T> struct TextRule {
  // What the field shows of the stored value.
  std::function<QString(const T &stored)> show;
  // The value the typed text stores, or nothing: refused with "Data Error!!"
  // under `refusedTitle`, the field keeps the focus.
  std::function<std::optional<T>(const QString &typed, const T &stored)> parse;
  std::string refusedTitle;
  // The rule a refused text broke: the second line of "Data Error!!".
  std::string broken = {};
  // Asked before a value other than the stored one is stored; false stores
  // nothing: the field shows the stored value again and keeps the focus.
  std::function<bool(const T &value, const T &stored)> confirm = {};
};

// A field of exactly `digits` digits or empty (the User MMSI, the ATIS code):
// shows at most `shown` characters of the stored value and stores the
// ten-digit form the image codec uses.
TextRule<std::string> FixedDigitsRule(int digits, std::size_t shown, std::string refusedTitle,
                                      std::string broken);

class Binder : public QObject {
  Q_DECLARE_TR_FUNCTIONS(Binder)

public:
  using Rule = std::function<void()>;
  // What a binding does besides storing: Hooks{}.Enabling(rule).Changed(action).Also(change).
  struct Hooks {
    Rule rule;            // the enabling rule: after every fill and every change
    Rule changed;         // after a user change
    EditLog::Change also; // what else the same step changes

    Hooks Enabling(Rule r) const {
      Hooks h = *this;
      h.rule = std::move(r);
      return h;
    }
    Hooks Changed(Rule r) const {
      Hooks h = *this;
      h.changed = std::move(r);
      return h;
    }
    Hooks Also(EditLog::Change c) const {
      Hooks h = *this;
      h.also = std::move(c);
      return h;
    }
  };
  // What a list shows for a stored value it does not hold.
  enum class Missing { NoSelection, KeepSelection };

  explicit Binder(PanelScreen &screen) : screen_(screen) {}

  // The stored value is the list index; an index outside the list leaves the
  // selection as it was.
  template <class T>
  void ListIndex(QComboBox *box, const QString &name, Access<T> field, Hooks hooks = {}) {
    AddList(box, name, Numbers(std::move(field)), Mapping::Index, Missing::KeepSelection,
            std::move(hooks));
  }
  // A Boolean shown as index 0 (false) or 1 (true); index 0 stores false.
  void OnOff(QComboBox *box, const QString &name, Access<bool> field, Hooks hooks = {});
  // The stored value is the item's data.
  template <class T>
  void ItemValue(QComboBox *box, const QString &name, Access<T> field, Missing missing,
                 Hooks hooks = {}) {
    AddList(box, name, Numbers(std::move(field)), Mapping::ItemData, missing, std::move(hooks));
  }
  void Check(QAbstractButton *box, const QString &name, Access<bool> field, Hooks hooks = {});
  // Two option buttons for one Boolean: the first stands for true.
  void Choice(QAbstractButton *whenTrue, QAbstractButton *whenFalse, const QString &name,
              Access<bool> field, Hooks hooks = {});
  // A text stored on every key; the keys typed in one go make one undo step.
  void Text(QLineEdit *edit, const QString &name, Access<std::string> field, Hooks hooks = {});
  // A text checked and stored when the user leaves the field.
  template <class T>
  void Committed(CommitLineEdit *edit, const QString &name, Access<T> field, TextRule<T> rule,
                 Hooks hooks = {});

  // Every widget from its field, then every rule.
  void Fill();

private:
  enum class Mapping { Index, Boolean, ItemData };
  struct Number {
    std::function<int(RadioData &)> get;
    std::function<void(RadioData &, int)> set;
  };
  template <class T> static Number Numbers(Access<T> field) {
    return {[field](RadioData &d) { return static_cast<int>(field(d)); },
            [field](RadioData &d, int v) { field(d) = static_cast<T>(v); }};
  }
  struct Binding {
    Rule fill;
    Rule rule;
  };

  void AddList(QComboBox *box, const QString &name, Number field, Mapping mapping, Missing missing,
               Hooks hooks);
  // A control without a caption of its own is read out by its undo step's name.
  static void Named(QWidget *widget, const QString &name);
  std::size_t Add(Rule fill, Rule rule);
  // One user change through the panel's edit path; false when it was refused.
  bool Store(std::size_t binding, const QString &name, const QWidget *widget,
             const EditLog::Change &change, const Hooks &hooks, StepKind kind = StepKind::Edit);
  bool Editable() const;
  RadioData &Data() const;
  void TellUser(const std::string &title, const std::string &broken) const;
  void MarkPending(CommitLineEdit *edit) const;
  // A typed value the user did not confirm: the field shows the stored one again.
  void Declined(CommitLineEdit *edit, const QString &shown) const;

  PanelScreen &screen_;
  std::vector<Binding> bindings_;
};

template <class T>
void Binder::Committed(CommitLineEdit *edit, const QString &name, Access<T> field, TextRule<T> rule,
                       Hooks hooks) {
  const std::size_t index = Add(
      [this, edit, field, show = rule.show] { edit->ShowStored(show(field(Data()))); }, hooks.rule);
  MarkPending(edit);
  Named(edit, name);
  edit->check = [this, index, edit, name, field, rule, hooks] {
    const std::optional<T> value = rule.parse(edit->text(), field(Data()));
    if (!value) {
      TellUser(rule.refusedTitle, rule.broken);
      return false;
    }
    if (rule.confirm && !(*value == field(Data())) && !rule.confirm(*value, field(Data()))) {
      Declined(edit, rule.show(field(Data())));
      return false;
    }
    Store(
        index, name, edit, [&](RadioData &d) { field(d) = *value; }, hooks);
    edit->ShowStored(rule.show(field(Data())));
    return true;
  };
}

} // namespace kv508::ui
