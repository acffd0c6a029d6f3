#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace kv508 {

// An array whose first index is not necessarily 0: several file formats number
// entries from the lower bound (CHEXP 1..64, directories 1..80 and 1..32).
template <typename T> class BoundedArray {
public:
  BoundedArray() = default;
  BoundedArray(int lower, int upper) { Reset(lower, upper); }

  // Recreates the array with default-constructed elements.
  void Reset(int lower, int upper) {
    lower_ = lower;
    items_.assign(upper >= lower ? static_cast<std::size_t>(upper - lower + 1) : 0, T{});
  }
  void Append(const T &item) { items_.push_back(item); }

  int Lower() const { return lower_; }
  int Upper() const { return lower_ + static_cast<int>(items_.size()) - 1; }
  int Size() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  bool Contains(int index) const { return index >= lower_ && index <= Upper(); }

  // Out-of-range access throws instead of touching foreign memory.
  T &operator[](int index) { return items_.at(Offset(index)); }
  const T &operator[](int index) const { return items_.at(Offset(index)); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const BoundedArray &) const = default;

private:
  std::size_t Offset(int index) const {
    if (index < lower_)
      throw std::out_of_range("BoundedArray index below lower bound");
    return static_cast<std::size_t>(index - lower_);
  }

  int lower_ = 0;
  std::vector<T> items_;
};

} // namespace kv508
