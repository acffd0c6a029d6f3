#include "ui/screens/directory_grid_screen.h"

#include "app/session.h"
#include "model/directory_rules.h"
#include "ui/layout_rules.h"
#include "ui/node_keys.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

namespace kv508::ui {

namespace {
enum Column { kNumber, kName, kMmsi };
} // namespace

class DirectoryListModel : public GridModel {
public:
  DirectoryListModel(Session &session, QObject *parent)
      : GridModel({QStringLiteral("No."), QStringLiteral("STATION NAME"), QStringLiteral("MMSI")},
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
      return IsGroup() ? QStringLiteral("GROUP NAME") : QStringLiteral("STATION NAME");
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
  Attach(new ScreenGrid(panel_.get()), "MSFlexGrid2", entries_, {800, 2500, 2150}, 0);
}

void DirectoryGridScreen::Load(const ScreenRequest &request) {
  entries_->SetDirectory(request.directory);
  entries_->Reload();
  grid_->SetColumnTwips({800, 2500, 2150});
}

QString DirectoryGridScreen::KeyOfRow(int row) const {
  if (row < 0 || row >= entries_->rowCount())
    return {};
  return keys::EntryKey(entries_->DirectoryIndex(), entries_->EntryOf(row));
}

} // namespace kv508::ui
