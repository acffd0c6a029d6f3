#pragma once

// The ten weather channels (node "PW"): each one switched on or off, scanned
// or not, and named.

#include "model/radio_data.h"
#include "ui/screen_area.h"

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kv508::ui {

class Binder;
class ScreenContext;

class WeatherScreen : public EditorScreen {
public:
  static constexpr int kRows = kWxBankSize;

  explicit WeatherScreen(ScreenContext &context);
  ~WeatherScreen() override;

  QWidget *Panel() override;
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Weather}; }
  void Fill(const ScreenRequest &request) override;
  void Refill() override;

private:
  struct Row {
    QLabel *label;
    QCheckBox *enable;
    QCheckBox *scan;
    QLineEdit *name;
  };

  ChannelRecord &Record(RadioData &data, int row);
  void ApplyRowRule(int row);

  ScreenContext &context_;
  std::unique_ptr<QWidget> panel_;
  Binder *binder_;
  std::array<Row, kRows> rows_{};
  // Stands in for a record a damaged bank lacks, so no row ever reaches past it.
  ChannelRecord missing_;
};

} // namespace kv508::ui
