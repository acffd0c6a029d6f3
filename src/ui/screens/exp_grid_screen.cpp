#include "ui/screens/exp_grid_screen.h"

#include "app/session.h"
#include "report/channel_grid_text.h"
#include "ui/help_topics.h"
#include "ui/node_keys.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

namespace kv508::ui {

// Row r shows CHEXP record r + 1; the row count follows the bank, so a bank
// of another size never shows a row without its record.
class ExpGridModel : public GridModel {
public:
  ExpGridModel(RadioData &data, QObject *parent)
      : GridModel({GridModel::tr("CH"), GridModel::tr("ENABLE"), GridModel::tr("DISP"),
                   GridModel::tr("RX[MHz]"), GridModel::tr("TX[MHz]"), GridModel::tr("LOW"),
                   GridModel::tr("UP"), GridModel::tr("MEM"), GridModel::tr("CH Name")},
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

ExpGridScreen::ExpGridScreen(ScreenContext &context) : GridScreen(context, "fraExp", 0) {
  channels_ = new ExpGridModel(context.session().data, panel_.get());
  Attach(new ScreenGrid(panel_.get()), "grdExp", channels_,
         {800, 1000, 800, 1000, 1000, 600, 600, 600, 2000}, kHelpChannelGrid);
}

void ExpGridScreen::Load(const ScreenRequest &) { channels_->Reload(); }

QString ExpGridScreen::KeyOfRow(int row) const {
  const int record = channels_->RecordOfRow(row);
  return record < 0 ? QString() : keys::ChannelKey(3, record);
}

} // namespace kv508::ui
