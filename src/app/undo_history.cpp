#include "app/undo_history.h"

#include <utility>

namespace kv508 {

void UndoHistory::Reset(const RadioSettings &now, bool saved) {
  undo_.clear();
  redo_.clear();
  base_ = now;
  if (saved)
    saved_ = now;
  else
    saved_.reset();
}

bool UndoHistory::Record(const RadioSettings &now, const EditPlace &place) {
  if (now == base_)
    return false;
  undo_.push_back({place, std::move(base_)});
  base_ = now;
  redo_.clear();
  if (undo_.size() > kMaxSteps)
    undo_.erase(undo_.begin());
  return true;
}

std::optional<EditPlace> UndoHistory::Undo(RadioSettings &now) {
  Record(now, {});
  if (undo_.empty())
    return std::nullopt;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  std::swap(now, step.settings);
  base_ = now;
  redo_.push_back(std::move(step));
  return redo_.back().place;
}

std::optional<EditPlace> UndoHistory::Redo(RadioSettings &now) {
  if (redo_.empty() || now != base_)
    return std::nullopt;
  Step step = std::move(redo_.back());
  redo_.pop_back();
  std::swap(now, step.settings);
  base_ = now;
  undo_.push_back(std::move(step));
  return undo_.back().place;
}

} // namespace kv508
