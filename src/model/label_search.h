#pragma once

// Typing a channel number in a channel list: the keys typed so far are kept
// while they still begin some channel label, so "1" then "6" finds 16 and a
// following "7" starts again at "7".

#include <string>

namespace kv508 {

class LabelSearch {
public:
  // Adds the typed text; the ChannelTable index of the label now typed in
  // full, or -1 when the text is no whole label (yet).
  int Type(const std::string &keys);
  void Reset() { typed_.clear(); }

private:
  std::string typed_;
};

} // namespace kv508
