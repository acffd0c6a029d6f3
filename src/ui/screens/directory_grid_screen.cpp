#include "ui/screens/directory_grid_screen.h"
#include "ui/core_texts.h"

#include "app/session.h"
#include "model/directory_rules.h"
#include "model/mmsi_identity.h"
#include "ui/layout_rules.h"
#include "ui/node_keys.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

namespace kv508::ui {

namespace {

enum Column { kNumber, kName, kMmsi, kIdentity };
// The radio's own list has the first three; the kind and country come after them.
constexpr std::initializer_list<int> kColumnTwips = {800, 2500, 2150};

// Runs `fit` whenever the watched widget changes its size.
class ResizeWatch : public QObject {
public:
  ResizeWatch(QWidget *watched, std::function<void()> fit)
      : QObject(watched), fit_(std::move(fit)) {
    watched->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Resize)
      fit_();
    return false;
  }

private:
  std::function<void()> fit_;
};

int Needed(const QTableView &grid, int column) {
  const QAbstractItemView &view = grid; // where sizeHintForColumn is public
  return std::max(view.sizeHintForColumn(column), grid.horizontalHeader()->sectionSizeHint(column));
}

// The radio's columns keep their widths while there is room. In a narrow
// window they give up what their texts do not need, so that the kind and
// country stay in view.
void FitColumns(ScreenGrid &grid) {
  grid.SetColumnTwips(kColumnTwips);
  // A larger font needs more than the radio's widths.
  for (int column = kNumber; column <= kIdentity; ++column)
    grid.setColumnWidth(column, std::max(grid.columnWidth(column), Needed(grid, column)));
  int over = Needed(grid, kIdentity) - grid.viewport()->width();
  for (int column = kNumber; column < kIdentity; ++column)
    over += grid.columnWidth(column);
  for (const int column : {kName, kMmsi, kNumber}) {
    const int spare = std::min(over, grid.columnWidth(column) - Needed(grid, column));
    if (spare <= 0)
      continue;
    grid.setColumnWidth(column, grid.columnWidth(column) - spare);
    over -= spare;
  }
}

} // namespace

class DirectoryListModel : public GridModel {
public:
  DirectoryListModel(Session &session, QObject *parent)
      : GridModel({GridModel::tr("No."), GridModel::tr("STATION NAME"), GridModel::tr("MMSI"),
                   GridModel::tr("KIND \u00B7 COUNTRY")},
                  parent),
        session_(session) {}

  void SetDirectory(int directory) { directory_ = directory; }
  int DirectoryIndex() const { return directory_; }
  bool IsGroup() const { return directory_ == 1; }
  const Directory &Entries() const {
    return IsGroup() ? session_.data.CHGRPID : session_.data.CHMMSID;
  }
  // The entry number a row shows.
  int EntryOf(int row) const { return Entries().Lower() + row; }

  int rowCount(const QModelIndex &parent = {}) const override {
    return parent.isValid() ? 0 : Entries().Size();
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (section == kName && orientation == Qt::Horizontal && role == Qt::DisplayRole)
      return IsGroup() ? GridModel::tr("GROUP NAME") : GridModel::tr("STATION NAME");
    return GridModel::headerData(section, orientation, role);
  }

protected:
  QString Cell(int row, int column) const override {
    const Directory &entries = Entries();
    const int n = EntryOf(row);
    if (!entries.Contains(n))
      return {};
    switch (column) {
    case kNumber:
      return QString::number(n);
    case kName:
      return ToQt(entries[n].TagName);
    case kMmsi:
      return ToQt(ShownMmsi(entries[n].Mmsid));
    case kIdentity:
      return CoreTextUtf8(MmsiInfoText(entries[n].Mmsid, session_.mids));
    default:
      return {};
    }
  }

private:
  Session &session_;
  int directory_ = 0;
};

DirectoryGridScreen::DirectoryGridScreen(ScreenContext &context)
    : GridScreen(context, "fraDirectoryList", kScreenMarginTwips) {
  entries_ = new DirectoryListModel(context.session(), panel_.get());
  Attach(new ScreenGrid(panel_.get()), "MSFlexGrid2", entries_, kColumnTwips, 0);
  new ResizeWatch(grid_->viewport(), [this] { FitColumns(*grid_); });
}

void DirectoryGridScreen::Load(const ScreenRequest &request) {
  entries_->SetDirectory(request.directory);
  entries_->Reload();
  FitColumns(*grid_);
}

QString DirectoryGridScreen::KeyOfRow(int row) const {
  if (row < 0 || row >= entries_->rowCount())
    return {};
  return keys::EntryKey(entries_->DirectoryIndex(), entries_->EntryOf(row));
}

} // namespace kv508::ui
