#include "app/undo_history.h"

#include <utility>

namespace kv508 {

void UndoHistory::Reset(const RadioSettings &now, bool saved) {
  undo_.clear();
  redo_.clear();
  typing_ = false;
  base_ = now;
  if (saved)
    saved_ = now;
  else
    saved_.reset();
}

void UndoHistory::Push(Step step, const RadioSettings &now) {
  undo_.push_back(std::move(step));
  base_ = now;
  redo_.clear();
  if (undo_.size() > kMaxSteps)
    undo_.erase(undo_.begin());
}

bool UndoHistory::Record(const RadioSettings &now, const EditPlace &place, bool typed) {
  if (now == base_)
    return false;
  if (typed && typing_ && !undo_.empty() && undo_.back().place == place) {
    base_ = now;
    redo_.clear();
    return true;
  }
  Push({place, std::move(base_), std::nullopt}, now);
  typing_ = typed;
  return true;
}

void UndoHistory::RecordWithImage(const RadioSettings &now, const EditPlace &place,
                                  const MemoryImage &imageBefore) {
  Push({place, std::move(base_), imageBefore}, now);
  typing_ = false;
}

std::optional<EditPlace> UndoHistory::Swap(std::vector<Step> &from, std::vector<Step> &to,
                                           RadioSettings &now, MemoryImage *image) {
  Step step = std::move(from.back());
  from.pop_back();
  std::swap(now, step.settings);
  if (step.image && image)
    std::swap(*image, *step.image);
  to.push_back(std::move(step));
  return to.back().place;
}

std::optional<EditPlace> UndoHistory::Undo(RadioSettings &now, MemoryImage *image) {
  Record(now, {});
  typing_ = false;
  if (undo_.empty())
    return std::nullopt;
  std::optional<EditPlace> place = Swap(undo_, redo_, now, image);
  base_ = now;
  return place;
}

std::optional<EditPlace> UndoHistory::Redo(RadioSettings &now, MemoryImage *image) {
  if (redo_.empty() || now != base_)
    return std::nullopt;
  std::optional<EditPlace> place = Swap(redo_, undo_, now, image);
  base_ = now;
  return place;
}

} // namespace kv508
