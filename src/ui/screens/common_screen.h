#pragma once

// "Common Setup": TX power display, scanning, dual watch, time display,
// weather channel function and units of measure.

#include "ui/screen_area.h"

#include <vector>

class QComboBox;
class QFrame;
class QLabel;

namespace kv508::ui {

class Binder;
class ScreenContext;

class CommonScreen : public EditorScreen {
public:
  explicit CommonScreen(ScreenContext &context);

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Common}; }
  void Fill(const ScreenRequest &request) override;

private:
  void EnableScanGroup();

  QWidget *panel_;
  Binder *binder_;
  QComboBox *scan_ = nullptr;
  std::vector<QWidget *> scanGroup_;
  std::vector<QFrame *> scanLines_;
};

} // namespace kv508::ui
