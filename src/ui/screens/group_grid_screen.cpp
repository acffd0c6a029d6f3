#include "ui/screens/group_grid_screen.h"

#include "app/session.h"
#include "model/label_search.h"
#include "report/channel_grid_text.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QVBoxLayout>

#include <algorithm>

namespace kv508::ui {

namespace {

constexpr int kHelpChannelGrid = 1077;
const char *const kGroupPrefixes[] = {"PU", "PI", "PC"};

bool IsPlanBank(int bank) { return bank >= 0 && bank <= 2; }

} // namespace

class GroupGridModel : public GridModel {
public:
  GroupGridModel(RadioData &data, QObject *parent)
      : GridModel({QStringLiteral("CH"), QStringLiteral("RX[MHz]"), QStringLiteral("TX[MHz]"),
                   QStringLiteral("TX"), QStringLiteral("LOW"), QStringLiteral("UP"),
                   QStringLiteral("DUP"), QStringLiteral("MEM"), QStringLiteral("CH Name")},
                  parent),
        data_(data) {}

  void SetBank(int bank) {
    bank_ = bank;
    Reload();
  }
  int Bank() const { return bank_; }

  int rowCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }

  // The record a row shows; -1 for none.
  int RecordOfRow(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row] : -1;
  }
  int RowOfRecord(int record) const {
    const auto it = std::find(rows_.begin(), rows_.end(), record);
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
  }

protected:
  QString Cell(int row, int column) const override {
    const int record = RecordOfRow(row);
    if (!IsPlanBank(bank_) || !data_.GroupBank(bank_).Contains(record))
      return {};
    return ToQt(GroupGridCell(data_.GroupBank(bank_)[record], column));
  }
  void Rebuild() override {
    rows_.clear();
    if (IsPlanBank(bank_))
      rows_ = EnabledRecords(data_.GroupBank(bank_));
  }

private:
  RadioData &data_;
  int bank_ = -1;
  std::vector<int> rows_;
};

namespace {

// Keys typed in the list look for a channel number instead of a cell prefix.
class GroupGridView : public ScreenGrid {
public:
  GroupGridView(GroupGridModel &model, QWidget *parent) : ScreenGrid(parent), model_(model) {}
  void ResetSearch() { search_.Reset(); }

  void keyboardSearch(const QString &keys) override {
    const int position = search_.Type(FromQt(keys));
    const int row = position < 0 ? -1 : model_.RowOfRecord(position);
    if (row >= 0)
      setCurrentIndex(model_.index(row, 0));
  }

private:
  GroupGridModel &model_;
  LabelSearch search_;
};

} // namespace

GroupGridScreen::GroupGridScreen(ScreenContext &context)
    : context_(context), panel_(std::make_unique<QWidget>()) {
  panel_->setObjectName(QStringLiteral("fraGroup"));
  model_ = new GroupGridModel(context_.session().data, panel_.get());
  auto *view = new GroupGridView(*model_, panel_.get());
  grid_ = view;
  grid_->setObjectName(QStringLiteral("grdGroup"));
  grid_->setModel(model_);
  grid_->SetColumnTwips({800, 1000, 1000, 600, 600, 600, 600, 600, 2000});
  SetHelpTopic(grid_, kHelpChannelGrid);
  auto *layout = new QVBoxLayout(panel_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  QObject::connect(grid_, &ScreenGrid::JumpRequested, panel_.get(), [this](int row) { Jump(row); });
}

GroupGridScreen::~GroupGridScreen() = default;

QWidget *GroupGridScreen::Panel() { return panel_.get(); }

void GroupGridScreen::Fill(const ScreenRequest &request) {
  static_cast<GroupGridView *>(grid_)->ResetSearch();
  model_->SetBank(request.bank);
  if (model_->rowCount() > 0)
    grid_->setCurrentIndex(model_->index(0, 0));
  grid_->scrollToTop();
}

void GroupGridScreen::Refill() { model_->SetBank(model_->Bank()); }

void GroupGridScreen::Jump(int row) {
  const int record = model_->RecordOfRow(row);
  if (record < 0 || !IsPlanBank(model_->Bank()))
    return;
  context_.SelectNodeByKey(QString::fromLatin1(kGroupPrefixes[model_->Bank()]) + QLatin1Char(' ') +
                           QString::number(record));
}

} // namespace kv508::ui
