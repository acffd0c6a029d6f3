#pragma once

// Most controls of a panel edit one RadioData field by one rule. A binder holds
// those pairs: it fills every widget from its field and, when the user changes
// a widget while the panel is enabled and the session is not busy, stores the
// value back, sets DataChanged, runs the widget's enabling rule (which also runs
// after every fill) and then its change action (user changes only). Fields are
// looked up on every access (NewData rebuilds the banks), never kept.

#include <QObject>

#include <functional>
#include <type_traits>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace kv508 {
struct Session;
struct RadioData;
} // namespace kv508

namespace kv508::ui {

class Binder : public QObject {
public:
  using Rule = std::function<void()>;

  Binder(Session &session, QWidget *panel);

  // The stored value is the list index; an index outside the list leaves the
  // selection as it was.
  template <class Field>
  void ListIndex(QComboBox *box, Field field, Rule rule = {}, Rule changed = {}) {
    Add(box, Kind::Index, Getter(field), Setter(field), std::move(rule), std::move(changed));
  }
  // A Boolean shown as index 0 (false) or 1 (true); index 0 stores false.
  template <class Field>
  void OnOff(QComboBox *box, Field field, Rule rule = {}, Rule changed = {}) {
    Add(box, Kind::Boolean, Getter(field), Setter(field), std::move(rule), std::move(changed));
  }
  // The stored value is the item's data; a value not in the list shows no selection.
  template <class Field>
  void ItemValue(QComboBox *box, Field field, Rule rule = {}, Rule changed = {}) {
    Add(box, Kind::ItemValue, Getter(field), Setter(field), std::move(rule), std::move(changed));
  }
  template <class Field>
  void Check(QAbstractButton *box, Field field, Rule rule = {}, Rule changed = {}) {
    Add(box, Kind::Check, Getter(field), Setter(field), std::move(rule), std::move(changed));
  }
  // A text stored on every change (Windows-1252 bytes).
  void Text(QLineEdit *edit, std::function<std::string &(RadioData &)> field, Rule rule = {},
            Rule changed = {});

  // Every widget from its field, then every rule.
  void Fill();
  // True while user changes are to be stored.
  bool Editable() const;
  Session &session() { return session_; }

private:
  enum class Kind { Index, Boolean, ItemValue, Check, Text };
  using Get = std::function<int(RadioData &)>;
  using Set = std::function<void(RadioData &, int)>;

  struct Binding {
    QWidget *widget;
    Kind kind;
    Get get;
    Set set;
    std::function<std::string &(RadioData &)> text;
    Rule rule;
    Rule changed;
  };

  template <class Field> static Get Getter(Field field) {
    return [field](RadioData &d) { return static_cast<int>(field(d)); };
  }
  template <class Field> static Set Setter(Field field) {
    return [field](RadioData &d, int v) {
      auto &target = field(d);
      using T = std::remove_reference_t<decltype(target)>;
      if constexpr (std::is_same_v<T, bool>)
        target = v != 0;
      else
        target = static_cast<T>(v);
    };
  }

  void Add(QWidget *widget, Kind kind, Get get, Set set, Rule rule, Rule changed);
  void FillOne(const Binding &b);
  void Store(const Binding &b, int value);
  void Changed(const Binding &b);

  Session &session_;
  QWidget *panel_;
  std::vector<Binding> bindings_;
};

} // namespace kv508::ui
