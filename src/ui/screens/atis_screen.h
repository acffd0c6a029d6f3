#pragma once

// "ATIS Setup": the channel groups that send ATIS and those whose ATIS is
// suppressed, and the ATIS code. Only models with ATIS have its node.

#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kv508::ui {

class CommitLineEdit;
class IdentityNote;

class AtisScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(AtisScreen)

public:
  explicit AtisScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Atis}; }

private:
  void AfterFill() override;
  // Whether the code fits the rule, and what From MMSI would give.
  void ShowCodeState();
  // 9 followed by the own MMSI, as one edit of the code.
  void CodeFromMmsi();

  std::array<QCheckBox *, 4> atis_{};
  std::array<QCheckBox *, 4> killer_{};
  CommitLineEdit *code_;
  QLabel *codeLabel_;
  QPushButton *fromMmsi_;
  IdentityNote *identity_;
};

} // namespace kv508::ui
