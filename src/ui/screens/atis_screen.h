#pragma once

// "ATIS Setup": the channel groups that send ATIS and those whose ATIS is
// suppressed, and the ATIS code. Only models with ATIS have its node.

#include "ui/screen_area.h"

#include <array>

class QCheckBox;
class QLabel;

namespace kv508::ui {

class Binder;
class CommitLineEdit;
class ScreenContext;

class AtisScreen : public EditorScreen {
public:
  explicit AtisScreen(ScreenContext &context);

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::Atis}; }
  void Fill(const ScreenRequest &request) override;
  int CommitOrder() const override { return kCommitAtis; }

private:
  ScreenContext &context_;
  QWidget *panel_;
  Binder *binder_;
  std::array<QCheckBox *, 4> atis_{};
  std::array<QCheckBox *, 4> killer_{};
  CommitLineEdit *code_;
  QLabel *codeLabel_;
};

} // namespace kv508::ui
