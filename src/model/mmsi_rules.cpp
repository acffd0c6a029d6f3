#include "model/mmsi_rules.h"

#include <algorithm>

namespace kv508 {

namespace {

constexpr std::size_t kStoredDigits = 10;

std::string Trimmed(const std::string &text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

} // namespace

std::optional<std::string> StoreTypedMmsi(const std::string &text, int digits, bool group) {
  const std::string typed = Trimmed(text);
  if (typed.empty())
    return std::string();
  if (digits <= 0 || typed.size() != static_cast<std::size_t>(digits) ||
      !std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  std::string stored = group ? "0" + typed : typed;
  if (stored.size() < kStoredDigits)
    stored.append(kStoredDigits - stored.size(), '0');
  return stored;
}

} // namespace kv508
