#pragma once

// The ten weather channels (node "PW"): each one switched on or off, scanned
// or not, and named.

#include "model/radio_data.h"
#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace kv508::ui {

class WeatherScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(WeatherScreen)

public:
  static constexpr int kRows = kWxBankSize;

  explicit WeatherScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Weather}; }

private:
  struct Row {
    QLabel *label;
    QCheckBox *enable;
    QCheckBox *scan;
    QLineEdit *name;
  };

  void AddRow(QGridLayout *grid, int i);
  // A field of row i's record, by member.
  template <class T> Access<T> Rec(int i, T ChannelRecord::*member) {
    return [this, i, member](RadioData &d) -> T & { return Record(d, i).*member; };
  }
  ChannelRecord &Record(RadioData &data, int row);
  void ApplyRowRule(int row);

  std::array<Row, kRows> rows_{};
  QObject *marker_;
  // Stands in for a record a damaged bank lacks, so no row ever reaches past it.
  ChannelRecord missing_;
};

} // namespace kv508::ui
