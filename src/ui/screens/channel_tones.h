#pragma once

// The RX and TX tone choosers (CTCSS and DCS) of an expansion channel and its
// "Comp" box. A channel uses either a CTCSS tone or a DCS code per direction,
// never both. Neither the radio's image nor the settings file keeps them, so
// they show what a CSV import brought, disabled, with the reason as their hint.

#include "ui/screens/binder.h"
#include <QCoreApplication>

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;

namespace kv508::ui {

class ChannelTones : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(ChannelTones)

public:
  using Tones = std::array<std::int16_t, 2>;

  // Binds the choosers to the record's Ctcss, Dcs and Cmp; `rules` runs after
  // each choice (the "Comp" box follows the TX DCS code).
  ChannelTones(QWidget *parent, Binder &binder, Access<Tones> ctcss, Access<Tones> dcs,
               Access<bool> comp, std::function<void()> rules);

  // Why the choosers cannot be used.
  static const QString kNotKeptHint;

private:
  std::array<QComboBox *, 2> ctcss_{};
  std::array<QComboBox *, 2> dcs_{};
  std::array<QLabel *, 4> labels_{};
  QCheckBox *comp_ = nullptr;
};

} // namespace kv508::ui
