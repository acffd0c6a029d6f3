#pragma once

// The screen area right of the tree: exactly one enabled panel at a time. The
// editing screens register themselves here; nodes whose screen is not
// registered show the empty grey panel.

#include <QStackedWidget>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLabel;

namespace kv508::ui {

enum class ScreenKind {
  General,
  Empty,
  Usable,
  Common,
  Dsc,
  Atis,
  GroupGrid,
  Weather,
  ChannelPanel,
  DirectoryGrid,
  DirectoryEntry,
  ExpGrid,
  ExpPanel,
};

struct ScreenRequest {
  ScreenKind kind = ScreenKind::Empty;
  QString key;     // the node's key
  int group = -1;  // 0..3 for group grids and channel panels; 0 Memory ID, 1 Group ID
  int record = -1; // record number of an item key
};

// Which screen a node shows, from its own key and its parent's key.
ScreenRequest ScreenForNode(const QString &parentKey, const QString &key);

// The order in which CommitActiveEdit looks for the enabled panel.
enum CommitOrder : int {
  kCommitUsable = 0,
  kCommitDirectoryEntry = 1,
  kCommitDsc = 2,
  kCommitAtis = 3,
  kCommitChannel = 4,
};

class EditorScreen {
public:
  virtual ~EditorScreen() = default;
  virtual QWidget *Panel() = 0;
  // Fills the panel from RadioData for the node it is shown for.
  virtual void Fill(const ScreenRequest &request) = 0;
  // RadioData was replaced as a whole.
  virtual void Refill() {}
};

class ScreenArea : public QStackedWidget {
  Q_OBJECT
public:
  explicit ScreenArea(QWidget *parent = nullptr);
  ~ScreenArea() override;

  void Register(ScreenKind kind, std::unique_ptr<EditorScreen> screen);
  // The field validation of a panel: runs when that panel is the enabled one.
  void RegisterEditValidator(int order, QWidget *panel, std::function<bool()> validate);
  // Finishes the edit in progress; false when the field refused its input.
  bool CommitActiveEdit() const;

  // Disables and hides every panel, then enables, raises and fills the one.
  void Show(const ScreenRequest &request);
  void RefillAll();

  QWidget *ActivePanel() const;
  QWidget *GeneralScreen() const { return general_; }
  QWidget *EmptyPanel() const { return empty_; }
  QLabel *Logo() const { return logo_; }

private:
  QWidget *PanelFor(ScreenKind kind) const;

  QWidget *general_;
  QWidget *empty_;
  QLabel *logo_;
  std::map<ScreenKind, std::unique_ptr<EditorScreen>> screens_;
  struct Validator {
    int order;
    QWidget *panel;
    std::function<bool()> validate;
  };
  std::vector<Validator> validators_;
};

} // namespace kv508::ui
