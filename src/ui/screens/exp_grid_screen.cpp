#include "ui/screens/exp_grid_screen.h"

#include "app/session.h"
#include "report/channel_grid_text.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QVBoxLayout>

namespace kv508::ui {

namespace {
constexpr int kHelpChannelGrid = 1077;
}

// Row r shows CHEXP record r + 1; the row count follows the bank, so a bank
// of another size never shows a row without its record.
class ExpGridModel : public GridModel {
public:
  ExpGridModel(RadioData &data, QObject *parent)
      : GridModel({QStringLiteral("CH"), QStringLiteral("ENABLE"), QStringLiteral("DISP"),
                   QStringLiteral("RX[MHz]"), QStringLiteral("TX[MHz]"), QStringLiteral("LOW"),
                   QStringLiteral("UP"), QStringLiteral("MEM"), QStringLiteral("CH Name")},
                  parent),
        data_(data) {}

  int rowCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : rows_;
  }
  int RecordOfRow(int row) const {
    const int record = data_.CHEXP.Lower() + row;
    return row >= 0 && row < rows_ && data_.CHEXP.Contains(record) ? record : -1;
  }

protected:
  QString Cell(int row, int column) const override {
    const int record = RecordOfRow(row);
    return record < 0 ? QString() : ToQt(ExpGridCell(record, data_.CHEXP[record], column));
  }
  void Rebuild() override { rows_ = data_.CHEXP.Size(); }

private:
  RadioData &data_;
  int rows_ = 0;
};

ExpGridScreen::ExpGridScreen(ScreenContext &context)
    : context_(context), panel_(std::make_unique<QWidget>()) {
  panel_->setObjectName(QStringLiteral("fraExp"));
  model_ = new ExpGridModel(context_.session().data, panel_.get());
  grid_ = new ScreenGrid(panel_.get());
  grid_->setObjectName(QStringLiteral("grdExp"));
  grid_->setModel(model_);
  grid_->SetColumnTwips({800, 1000, 800, 1000, 1000, 600, 600, 600, 2000});
  SetHelpTopic(grid_, kHelpChannelGrid);
  auto *layout = new QVBoxLayout(panel_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  QObject::connect(grid_, &ScreenGrid::JumpRequested, panel_.get(), [this](int row) { Jump(row); });
}

ExpGridScreen::~ExpGridScreen() = default;

QWidget *ExpGridScreen::Panel() { return panel_.get(); }

void ExpGridScreen::Fill(const ScreenRequest &) {
  model_->Reload();
  if (model_->rowCount() > 0)
    grid_->setCurrentIndex(model_->index(0, 0));
  grid_->scrollToTop();
}

void ExpGridScreen::Refill() { model_->Reload(); }

void ExpGridScreen::Jump(int row) {
  const int record = model_->RecordOfRow(row);
  if (record >= 0)
    context_.SelectNodeByKey(QStringLiteral("E ") + QString::number(record));
}

} // namespace kv508::ui
