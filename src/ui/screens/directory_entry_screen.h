#pragma once

// One entry of an MMSI directory: its name, its MMSI, and the boxes that add
// the next entry or delete this one.

#include "model/directory_rules.h"
#include "ui/screens/panel_screen.h"
#include <QCoreApplication>

class QCheckBox;
class QLabel;

namespace kv508::ui {

class CommitLineEdit;
class IdentityNote;

class DirectoryEntryScreen : public PanelScreen {
  Q_DECLARE_TR_FUNCTIONS(DirectoryEntryScreen)

public:
  explicit DirectoryEntryScreen(ScreenContext &context);
  std::vector<ScreenKind> Kinds() const override { return {ScreenKind::DirectoryEntry}; }

private:
  void BuildLayout();
  void Bind();
  void BeforeFill() override;
  void AfterFill() override;
  // Leaving an entry switched on with neither name nor MMSI says so: the radio never gets it.
  bool CommitEdit() override;
  Directory &Entries(RadioData &data) const;
  DirectoryEntry &Entry(RadioData &data);
  DirectoryKind Kind() const;
  bool IsGroup() const { return Kind() == DirectoryKind::GroupId; }
  // Arms the panel for the entry's state: in use, the first free one, or beyond.
  void ShowEntryState();
  // The kind and country of the entry's MMSI and what does not fit its directory.
  void ShowIdentity();
  void EnableClicked(bool checked);
  void DeleteClicked(bool checked);

  DirectoryEntry scratch_; // stands in for an entry the directory does not hold
  CommitLineEdit *name_;
  CommitLineEdit *mmsi_;
  QLabel *nameLabel_;
  QLabel *mmsiLabel_;
  QLabel *groupLabel_;
  QCheckBox *enable_;
  QCheckBox *delete_;
  IdentityNote *identity_;
};

} // namespace kv508::ui
