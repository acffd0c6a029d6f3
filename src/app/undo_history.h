#pragma once

// Undo and redo of the user's edits. The front end calls Record after each user
// action; a step keeps the settings as they were before it. A missed Record
// only merges that change into the next step, nothing is lost.

#include "model/radio_data.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kv508 {

// What a step changed and where: its name for the menu ("CH Name"), the tree
// node and the control that show it again.
struct EditPlace {
  std::string name;
  std::string nodeKey;
  std::string widgetName;

  bool operator==(const EditPlace &) const = default;
};

class UndoHistory {
public:
  // Beyond this the oldest steps are forgotten.
  static constexpr std::size_t kMaxSteps = 100;

  // Forgets every step. `saved`: the settings are those last loaded or saved;
  // otherwise they count as changed until saved.
  void Reset(const RadioSettings &now, bool saved);
  // The settings now equal what was last saved.
  void MarkSaved(const RadioSettings &now) { saved_ = now; }
  // After a user action: a step when the settings differ from the last step's.
  bool Record(const RadioSettings &now, const EditPlace &place);

  bool CanUndo(const RadioSettings &now) const { return !undo_.empty() || now != base_; }
  bool CanRedo() const { return !redo_.empty(); }
  // The step Undo or Redo would take back or do again; null for none.
  const EditPlace *NextUndo() const { return undo_.empty() ? nullptr : &undo_.back().place; }
  const EditPlace *NextRedo() const { return redo_.empty() ? nullptr : &redo_.back().place; }

  // Puts `now` back as before the last step (an unrecorded change counts as
  // one) and says where it was; nothing when there is no step.
  std::optional<EditPlace> Undo(RadioSettings &now);
  std::optional<EditPlace> Redo(RadioSettings &now);

  // DataChanged: the settings differ from those last loaded or saved.
  bool Changed(const RadioSettings &now) const { return !saved_ || now != *saved_; }

private:
  struct Step {
    EditPlace place;
    RadioSettings settings; // the other side of the step
  };

  RadioSettings base_;
  std::optional<RadioSettings> saved_;
  std::vector<Step> undo_;
  std::vector<Step> redo_;
};

} // namespace kv508
