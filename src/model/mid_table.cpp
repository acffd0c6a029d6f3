#include "model/mid_table.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace kv508 {

namespace {

constexpr std::size_t kMaxCountryLength = 80;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

bool IsHeader(std::string_view line) {
  std::string lower(line);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  lower.erase(std::remove_if(lower.begin(), lower.end(), [](char c) { return c == ' '; }),
              lower.end());
  return lower == "mid,country";
}

// "201" -> 201; anything but three digits in the MID range -> 0.
int MidOf(std::string_view text) {
  if (text.size() != 3 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  const int mid = (text[0] - '0') * 100 + (text[1] - '0') * 10 + (text[2] - '0');
  return IsMidNumber(mid) ? mid : 0;
}

// The country text, unquoted; empty when it is not a usable name.
std::string CountryOf(std::string_view text) {
  std::string country;
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    const std::string_view inner = text.substr(1, text.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
      if (inner[i] == '"' && (i + 1 >= inner.size() || inner[++i] != '"'))
        return {}; // a lone quote inside
      country += inner[i];
    }
  } else {
    if (text.find('"') != std::string_view::npos)
      return {};
    country = text;
  }
  const bool control = std::any_of(country.begin(), country.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
  if (control || country.size() > kMaxCountryLength || Trim(country).empty())
    return {};
  return country;
}

} // namespace

bool IsMidNumber(int mid) { return mid >= kFirstMid && mid <= kLastMid; }

MidTable::MidTable() : countries_(kLastMid - kFirstMid + 1) {}

MidStatus MidTable::Status(int mid) const {
  if (!loaded_)
    return MidStatus::Unknown;
  return Country(mid).empty() ? MidStatus::Unallocated : MidStatus::Allocated;
}

const std::string &MidTable::Country(int mid) const {
  static const std::string kNone;
  if (!loaded_ || !IsMidNumber(mid))
    return kNone;
  return countries_[static_cast<std::size_t>(mid - kFirstMid)];
}

MidTable MidTable::FromCsv(std::string_view text, std::string &problem) {
  problem.clear();
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  MidTable table;
  bool headerAllowed = true;
  int lineNumber = 0;
  auto fail = [&](const std::string &reason) {
    problem = "line " + std::to_string(lineNumber) + ": " + reason;
    return MidTable();
  };
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++lineNumber;
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    line = Trim(line);
    if (line.empty() || line.front() == '#')
      continue;
    if (std::exchange(headerAllowed, false) && IsHeader(line))
      continue;
    const std::size_t comma = line.find(',');
    const int mid = comma == std::string_view::npos ? 0 : MidOf(Trim(line.substr(0, comma)));
    const std::string country =
        comma == std::string_view::npos ? std::string() : CountryOf(Trim(line.substr(comma + 1)));
    if (mid == 0 || country.empty())
      return fail("not a MID from 201 to 775 and a country");
    std::string &slot = table.countries_[static_cast<std::size_t>(mid - kFirstMid)];
    if (!slot.empty())
      return fail("MID " + std::to_string(mid) + " given twice");
    slot = country;
    table.loaded_ = true;
  }
  if (!table.loaded_) {
    problem = "no MID in the table";
    return MidTable();
  }
  return table;
}

} // namespace kv508
