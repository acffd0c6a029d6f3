#pragma once

// What every editing screen is to the screen area: a panel, the node kinds it
// serves, a fill from RadioData for one node, and the edit it may be holding.

#include <QString>

#include <vector>

class QWidget;

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

class EditorScreen {
public:
  virtual ~EditorScreen() = default;
  virtual QWidget *Panel() = 0;
  // The node kinds this screen serves (one panel may serve several).
  virtual std::vector<ScreenKind> Kinds() const = 0;
  // Fills the panel from RadioData for the node it is shown for.
  virtual void Fill(const ScreenRequest &request) = 0;
  // Finishes the edit in progress; false when a field refused its input (the
  // field has told the user why).
  virtual bool CommitEdit() { return true; }
};

} // namespace kv508::ui
