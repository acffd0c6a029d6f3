#include "app/edit_log.h"

namespace kv508 {

bool EditLog::Apply(const EditPlace &place, const Change &change, StepKind kind) {
  bool stepped = false;
  if (kind == StepKind::Bulk) {
    const MemoryImage before = data_.Image;
    const RadioSettings settingsBefore = data_;
    change(data_);
    const bool imageChanged = data_.Image != before;
    stepped = imageChanged || settingsBefore != static_cast<const RadioSettings &>(data_);
    if (stepped)
      history_.RecordWithImage(data_, place, before);
    imageChanged_ = imageChanged_ || imageChanged;
  } else {
    change(data_);
    stepped = history_.Record(data_, place, kind == StepKind::Typing);
  }
  pending_ = false;
  Update();
  return stepped;
}

void EditLog::SetPending(bool typed) {
  pending_ = typed;
  Update();
}

void EditLog::Loaded() {
  history_.Reset(data_, true);
  pending_ = false;
  imageChanged_ = false;
  Update();
}

void EditLog::Saved() {
  history_.MarkSaved(data_);
  pending_ = false;
  imageChanged_ = false;
  Update();
}

std::optional<EditPlace> EditLog::Undo() {
  std::optional<EditPlace> place = history_.Undo(data_, &data_.Image);
  pending_ = false;
  Update();
  return place;
}

std::optional<EditPlace> EditLog::Redo() {
  std::optional<EditPlace> place = history_.Redo(data_, &data_.Image);
  Update();
  return place;
}

void EditLog::Update() {
  state_.DataChanged = pending_ || imageChanged_ || history_.Changed(data_);
}

} // namespace kv508
