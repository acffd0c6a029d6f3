#pragma once

// One entry of an MMSI directory: its name, its MMSI, and the boxes that add
// the next entry or delete this one.

#include "model/directory_rules.h"
#include "ui/screen_area.h"

class QCheckBox;
class QLabel;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

class CommitLineEdit;
class ScreenContext;

class DirectoryEntryScreen : public EditorScreen {
public:
  explicit DirectoryEntryScreen(ScreenContext &context);

  QWidget *Panel() override { return panel_; }
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::DirectoryEntry}; }
  void Fill(const ScreenRequest &request) override;
  int CommitOrder() const override { return kCommitDirectoryEntry; }

private:
  Directory &Entries();
  bool IsGroup() const { return kind_ == DirectoryKind::GroupId; }
  bool Editable() const;
  // Fills and arms the panel for the current entry.
  void ShowDirectoryEntry();
  void RefreshTreeMarks();
  void EnableClicked(bool checked);
  void DeleteClicked(bool checked);
  bool CommitName();
  bool CommitMmsi();

  ScreenContext &context_;
  Session &session_;
  DirectoryKind kind_ = DirectoryKind::MemoryId;
  int entry_ = 1;

  QWidget *panel_;
  CommitLineEdit *name_;
  CommitLineEdit *mmsi_;
  QLabel *nameLabel_;
  QLabel *mmsiLabel_;
  QLabel *groupLabel_;
  QCheckBox *enable_;
  QCheckBox *delete_;
};

} // namespace kv508::ui
