#pragma once

// The RX and TX tone choosers (CTCSS and DCS) of an expansion channel and its
// "Comp" box. A channel uses either a CTCSS tone or a DCS code per direction,
// never both.

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;

namespace kv508 {
struct ChannelRecord;
struct RadioData;
} // namespace kv508

namespace kv508::ui {

class Binder;

class ChannelTones : public QWidget {
public:
  using RecordOf = std::function<ChannelRecord &(RadioData &)>;

  // Binds the choosers to the record's Ctcss, Dcs and Cmp; `rules` runs after
  // each choice (the "Comp" box follows the TX DCS code).
  ChannelTones(QWidget *parent, Binder &binder, RecordOf record, std::function<void()> rules);

  void SetEnables(bool fields, bool comp);

private:
  void ChooseCtcss(int element);
  void ChooseDcs(int element);

  Binder &binder_;
  RecordOf record_;
  std::function<void()> rules_;
  std::array<QComboBox *, 2> ctcss_{};
  std::array<QComboBox *, 2> dcs_{};
  std::array<QLabel *, 4> labels_{};
  QCheckBox *comp_ = nullptr;
};

} // namespace kv508::ui
