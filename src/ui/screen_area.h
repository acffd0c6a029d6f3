#pragma once

// The screen area right of the tree: exactly one enabled panel at a time. The
// editing screens register themselves here; nodes whose screen is not
// registered show the empty grey panel.

#include <QStackedWidget>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QLabel;

namespace kv508 {
struct RadioData;
}

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

// What a node's screen edits. Bank is the channel group 0..3 (CHUSA, CHINT,
// CHCAN, CHEXP), directory 0 is Memory ID and 1 Group ID, record the number of
// an item key; -1 where the screen has none.
struct ScreenRequest {
  ScreenKind kind = ScreenKind::Empty;
  QString key;
  int bank = -1;
  int directory = -1;
  int record = -1;

  bool operator==(const ScreenRequest &) const = default;
};

// Which screen a node shows, from its own key and its parent's key.
ScreenRequest ScreenForNode(const QString &parentKey, const QString &key);
// False when the request names a record its bank or directory does not hold.
bool RecordExists(const ScreenRequest &request, const RadioData &data);

// The order in which CommitActiveEdit looks for the enabled panel.
enum CommitOrder : int {
  kCommitNone = -1,
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
  // The node kinds this screen serves (one panel may serve several).
  virtual std::vector<ScreenKind> Kinds() const = 0;
  // Fills the panel from RadioData for the node it is shown for.
  virtual void Fill(const ScreenRequest &request) = 0;
  // RadioData was replaced as a whole.
  virtual void Refill() {}
  // Where CommitActiveEdit looks at this screen; kCommitNone for never.
  virtual int CommitOrder() const { return kCommitNone; }
  // Finishes the edit in progress; false when a field refused its input (the
  // field has told the user why). By default every edited text field commits.
  virtual bool CommitEdit();
};

class ScreenArea : public QStackedWidget {
  Q_OBJECT
public:
  explicit ScreenArea(QWidget *parent = nullptr);
  ~ScreenArea() override;

  // A later screen for the same kind replaces the earlier one.
  void Register(std::unique_ptr<EditorScreen> screen);
  // Finishes the edit in progress; false when the field refused its input.
  bool CommitActiveEdit() const;

  // Disables every panel, then enables, raises and fills the one; a record
  // that does not exist shows the empty panel.
  void Show(const ScreenRequest &request, const RadioData &data);
  void RefillAll();

  QWidget *ActivePanel() const;
  EditorScreen *ScreenFor(ScreenKind kind) const;
  QWidget *GeneralScreen() const { return general_; }
  QWidget *EmptyPanel() const { return empty_; }
  QLabel *Logo() const { return logo_; }

private:
  QWidget *PanelFor(ScreenKind kind) const;

  QWidget *general_;
  QWidget *empty_;
  QLabel *logo_;
  std::vector<std::unique_ptr<EditorScreen>> owned_;
  std::map<ScreenKind, EditorScreen *> screens_;
};

} // namespace kv508::ui
