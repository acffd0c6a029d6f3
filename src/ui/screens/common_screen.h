#pragma once

// "Common Setup": TX power display, scanning, dual watch, time display,
// weather channel function and units of measure.

#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

#include <vector>

class QComboBox;
class QFrame;
class QGroupBox;

namespace kv508::ui {

class CommonScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(CommonScreen)

public:
  explicit CommonScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Common}; }

private:
  QGroupBox *BuildStart();
  QGroupBox *BuildScanning();
  QGroupBox *BuildDisplay();
  QGroupBox *BuildWeather();
  QGroupBox *BuildUnits();
  void EnableScanGroup();

  QComboBox *scan_ = nullptr;
  std::vector<QWidget *> scanGroup_;
  std::vector<QFrame *> scanLines_;
};

} // namespace kv508::ui
