#pragma once

// fraChannel: one channel of a plan bank (CHUSA, CHINT, CHCAN; its frequencies
// come from the channel table and cannot be changed) or of the expansion bank
// CHEXP (display, frequencies and tones of its own).

#include "model/channel_rules.h"
#include "model/radio_data.h"
#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kv508::ui {

class ChannelTones;
class CommitLineEdit;
class ConnectorLine;

class ChannelPanelScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(ChannelPanelScreen)

public:
  explicit ChannelPanelScreen(ScreenContext &context);

  std::vector<ScreenKind> Kinds() const override {
    return {ScreenKind::ChannelPanel, ScreenKind::ExpPanel};
  }
  bool CommitEdit() override;

private:
  void BuildWidgets();
  void BuildFrequencies(QGridLayout *grid);
  void BuildCascade(QGridLayout *grid);
  void Bind();
  void BeforeFill() override;
  void AfterFill() override;
  ChannelRecord &Record(RadioData &data);
  // A field of the record shown, by member.
  template <class T> Access<T> Rec(T ChannelRecord::*member) {
    return [this, member](RadioData &d) -> T & { return Record(d).*member; };
  }
  bool Expansion() const { return Request().kind == ScreenKind::ExpPanel; }
  ChannelMode Mode() const { return Expansion() ? ChannelMode::Expansion : ChannelMode::Plan; }
  TextRule<double> FrequencyRule(CommitLineEdit *edit, const char *title);
  void SetMode();
  void ShowLocked();
  void ShowPlanFields(const ChannelRecord &record);
  void ApplyRules();
  void EnableChanged();
  void ShowPlanRx();

  ChannelRecord scratch_; // stands in for a record that no longer exists

  QCheckBox *enable_ = nullptr;
  QLabel *dispLabel_ = nullptr;
  std::array<QLineEdit *, 2> disp_{};
  QLabel *rxLabel_ = nullptr;
  QLabel *rxUnit_ = nullptr;
  CommitLineEdit *rx_ = nullptr;
  QLabel *txLabel_ = nullptr;
  QLabel *txUnit_ = nullptr;
  CommitLineEdit *tx_ = nullptr;
  QCheckBox *txEnable_ = nullptr;
  QCheckBox *lowPower_ = nullptr;
  QCheckBox *powerUp_ = nullptr;
  QCheckBox *duplex_ = nullptr;
  QCheckBox *scanMemory_ = nullptr;
  ConnectorLine *lowPowerLine_ = nullptr;
  ConnectorLine *powerUpLine_ = nullptr;
  QLabel *nameLabel_ = nullptr;
  QLineEdit *name_ = nullptr;
  QLabel *scramblerLabel_ = nullptr;
  QComboBox *scrambler_ = nullptr;
  QWidget *bandwidth_ = nullptr;
  QRadioButton *narrow_ = nullptr;
  QRadioButton *wide_ = nullptr;
  ChannelTones *tones_ = nullptr;
};

} // namespace kv508::ui
