#include "ui/screens/group_grid_screen.h"

#include "app/session.h"
#include "model/label_search.h"
#include "report/channel_grid_text.h"
#include "ui/help_topics.h"
#include "ui/node_keys.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

#include <algorithm>

namespace kv508::ui {

namespace {
bool IsPlanBank(int bank) { return bank >= 0 && bank <= 2; }
} // namespace

class GroupGridModel : public GridModel {
public:
  GroupGridModel(RadioData &data, QObject *parent)
      : GridModel({GridModel::tr("CH"), GridModel::tr("RX[MHz]"), GridModel::tr("TX[MHz]"),
                   GridModel::tr("TX"), GridModel::tr("LOW"), GridModel::tr("UP"),
                   GridModel::tr("DUP"), GridModel::tr("MEM"), GridModel::tr("CH Name")},
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

GroupGridScreen::GroupGridScreen(ScreenContext &context) : GridScreen(context, "fraGroup", 0) {
  groups_ = new GroupGridModel(context.session().data, panel_.get());
  view_ = new GroupGridView(*groups_, panel_.get());
  Attach(view_, "grdGroup", groups_, {800, 1000, 1000, 600, 600, 600, 600, 600, 2000},
         kHelpChannelGrid);
}

void GroupGridScreen::Load(const ScreenRequest &request) {
  view_->ResetSearch();
  groups_->SetBank(request.bank);
}

QString GroupGridScreen::KeyOfRow(int row) const {
  const int record = groups_->RecordOfRow(row);
  return record < 0 || !IsPlanBank(groups_->Bank()) ? QString()
                                                    : keys::ChannelKey(groups_->Bank(), record);
}

} // namespace kv508::ui
