#pragma once

// Undo and redo of the user's edits. Each step keeps the settings as they were
// before it (and, for a bulk change, the image too). Keystrokes in one text
// field merge into one step until the field is left.

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
  // A typed step at the same place as the open typed step before it joins it.
  bool Record(const RadioSettings &now, const EditPlace &place, bool typed = false);
  // A bulk change: always a step, which also keeps the image as it was before.
  void RecordWithImage(const RadioSettings &now, const EditPlace &place,
                       const MemoryImage &imageBefore);
  // The open typed step takes no more keystrokes.
  void CloseTyping() { typing_ = false; }

  bool CanUndo(const RadioSettings &now) const { return !undo_.empty() || now != base_; }
  bool CanRedo() const { return !redo_.empty(); }
  // The step Undo or Redo would take back or do again; null for none.
  const EditPlace *NextUndo() const { return undo_.empty() ? nullptr : &undo_.back().place; }
  const EditPlace *NextRedo() const { return redo_.empty() ? nullptr : &redo_.back().place; }

  // Puts `now` back as before the last step (an unrecorded change counts as
  // one) and says where it was; nothing when there is no step. A step that
  // kept an image swaps it with `image`.
  std::optional<EditPlace> Undo(RadioSettings &now, MemoryImage *image = nullptr);
  std::optional<EditPlace> Redo(RadioSettings &now, MemoryImage *image = nullptr);

  // The settings differ from those last loaded or saved.
  bool Changed(const RadioSettings &now) const { return !saved_ || now != *saved_; }

private:
  struct Step {
    EditPlace place;
    RadioSettings settings; // the other side of the step
    std::optional<MemoryImage> image;
  };

  void Push(Step step, const RadioSettings &now);
  static std::optional<EditPlace> Swap(std::vector<Step> &from, std::vector<Step> &to,
                                       RadioSettings &now, MemoryImage *image);

  RadioSettings base_;
  std::optional<RadioSettings> saved_;
  std::vector<Step> undo_;
  std::vector<Step> redo_;
  bool typing_ = false;
};

} // namespace kv508
