#include "ui/screens/directory_grid_screen.h"

#include "app/session.h"
#include "model/directory_rules.h"
#include "ui/layout_rules.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

#include <QVBoxLayout>

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

DirectoryGridScreen::DirectoryGridScreen(ScreenContext &context) : context_(context) {
  panel_ = new QWidget;
  panel_->setObjectName(QStringLiteral("fraDirectoryList"));
  auto *layout = new QVBoxLayout(panel_);
  const int margin = ToPixels(kScreenMarginTwips);
  layout->setContentsMargins(margin, margin, margin, margin);
  grid_ = new ScreenGrid(panel_);
  grid_->setObjectName(QStringLiteral("MSFlexGrid2"));
  model_ = new DirectoryListModel(context.session(), panel_);
  grid_->setModel(model_);
  grid_->SetColumnTwips({800, 2500, 2150});
  layout->addWidget(grid_);
  QObject::connect(grid_, &ScreenGrid::JumpRequested, panel_, [this](int row) {
    if (row < 0 || row >= model_->rowCount())
      return;
    const QString prefix = model_->IsGroup() ? QStringLiteral("SG ") : QStringLiteral("SM ");
    context_.SelectNodeByKey(prefix + QString::number(model_->EntryOf(row)));
  });
}

DirectoryGridScreen::~DirectoryGridScreen() = default;

void DirectoryGridScreen::Fill(const ScreenRequest &request) {
  model_->SetDirectory(request.directory);
  model_->Reload();
  grid_->SetColumnTwips({800, 2500, 2150});
  // Enter works at once, on the first entry.
  grid_->setCurrentIndex(model_->index(0, 0));
}

void DirectoryGridScreen::Refill() { model_->Reload(); }

} // namespace kv508::ui
