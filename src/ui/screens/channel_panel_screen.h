#pragma once

// fraChannel: one channel of a plan bank (CHUSA, CHINT, CHCAN; its frequencies
// come from the channel table and cannot be changed) or of the expansion bank
// CHEXP (display, frequencies and tones of its own).

#include "model/channel_rules.h"
#include "model/radio_data.h"
#include "ui/screen_area.h"

#include <QPalette>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QValidator;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class Binder;
class ChannelTones;
class CommitLineEdit;
class ConnectorLine;
class ScreenContext;

class ChannelPanelScreen : public EditorScreen {
public:
  explicit ChannelPanelScreen(ScreenContext &context);
  ~ChannelPanelScreen() override;

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override {
    return {ScreenKind::ChannelPanel, ScreenKind::ExpPanel};
  }
  void Fill(const ScreenRequest &request) override;
  void Refill() override;
  int CommitOrder() const override { return kCommitChannel; }
  bool CommitEdit() override;

private:
  void BuildWidgets();
  void Bind();
  ChannelRecord &Record(RadioData &data);
  ChannelMode Mode() const { return expansion_ ? ChannelMode::Expansion : ChannelMode::Plan; }
  void SetMode();
  void ShowPlanFields(const ChannelRecord &record);
  void ShowExpansionFields(const ChannelRecord &record);
  void ApplyRules();
  void EnableChanged();
  void ShowPlanRx();
  void ChooseBandwidth(bool narrow);
  bool CheckFrequency(CommitLineEdit *edit, double ChannelRecord::*field, const char *title);

  ScreenContext &context_;
  Session &session_;
  QPointer<QWidget> panel_;
  Binder *binder_ = nullptr;
  ScreenRequest request_;
  bool expansion_ = false;
  ChannelRecord scratch_; // stands in for a record that no longer exists

  QCheckBox *enable_ = nullptr;
  QLabel *dispLabel_ = nullptr;
  std::array<QLineEdit *, 2> disp_{};
  std::array<const QValidator *, 2> dispFilter_{};
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
  QPalette editablePalette_;
  QPalette lockedPalette_;
};

} // namespace kv508::ui
