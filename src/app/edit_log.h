#pragma once

// The one path of every change the user makes to RadioData: it runs the
// change, records one undo step for it and keeps DataChanged true exactly
// while the data differ from what was last loaded or saved, or a typed text
// waits to be stored. Loading and saving tell it where the saved state is.

#include "app/app_state.h"
#include "app/undo_history.h"
#include "model/radio_data.h"

#include <functional>
#include <optional>

namespace kv508 {

enum class StepKind {
  Edit,   // one control's change
  Typing, // a keystroke in a text field: joins the field's open step
  Bulk,   // a clear, a restore, an import: the image is part of the step
};

class EditLog {
public:
  using Change = std::function<void(RadioData &)>;

  EditLog(RadioData &data, AppState &state) : data_(data), state_(state) {}

  // Runs the change; true when it changed the data (and so made a step).
  bool Apply(const EditPlace &place, const Change &change, StepKind kind = StepKind::Edit);
  // The user has left the text field whose keystrokes were being joined.
  void FinishTyping() { history_.CloseTyping(); }
  // A text has been typed that is stored only when the user leaves its field.
  void SetPending(bool typed);

  // The data were replaced by data that a file or the radio holds: a fresh
  // history, nothing changed.
  void Loaded();
  // The data were saved as they are.
  void Saved();

  std::optional<EditPlace> Undo();
  std::optional<EditPlace> Redo();
  bool CanUndo() const { return history_.CanUndo(data_); }
  bool CanRedo() const { return history_.CanRedo(); }
  const EditPlace *NextUndo() const { return history_.NextUndo(); }
  const EditPlace *NextRedo() const { return history_.NextRedo(); }

private:
  // The one place DataChanged is set.
  void Update();

  RadioData &data_;
  AppState &state_;
  UndoHistory history_;
  bool pending_ = false;
  // A bulk change altered bytes of the image that no setting carries.
  bool imageChanged_ = false;
};

} // namespace kv508
