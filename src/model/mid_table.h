#pragma once

// The Maritime Identification Digits (MID) and the country or area each one is
// allocated to. The table is data beside the program (mid-countries.csv), so a
// new allocation is a change of that file only.

#include <string>
#include <string_view>
#include <vector>

namespace kv508 {

constexpr int kFirstMid = 201;
constexpr int kLastMid = 775;

// Three digits from 201 to 775: the form of a MID, allocated or not.
bool IsMidNumber(int mid);

enum class MidStatus {
  Allocated,   // the table names its country
  Unallocated, // the table is loaded and does not hold it
  Unknown,     // no table loaded: nothing can be said
};

class MidTable {
public:
  // An empty table: every MID is Unknown.
  MidTable();

  // Reads "MID,country" lines: a '#' line is a comment, blank lines and a first
  // line "mid,country" are skipped, a country may be in double quotes. A line
  // that is none of these, a MID given twice or a table without any MID leaves
  // the table empty and names the first fault in `problem` ("line 7: ...").
  static MidTable FromCsv(std::string_view text, std::string &problem);

  bool Loaded() const { return loaded_; }
  MidStatus Status(int mid) const;
  // The country of an allocated MID; empty otherwise.
  const std::string &Country(int mid) const;

private:
  bool loaded_ = false;
  std::vector<std::string> countries_; // index mid - kFirstMid; empty when unallocated
};

} // namespace kv508
