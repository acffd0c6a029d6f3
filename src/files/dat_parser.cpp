#include "app/platform.h"
#include "files/dat_file.h"
#include "files/dat_values.h"

#include <iterator>
#include <string_view>
#include <vector>

namespace kv508 {

namespace {

// Hands out the lines of a text; CR LF, a lone CR and a lone LF each end one.
class LineReader {
public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  std::string_view Next() {
    std::size_t start = pos_;
    std::size_t end = start;
    while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n')
      ++end;
    if (end == text_.size()) {
      pos_ = end;
      return text_.substr(start);
    }
    pos_ = end + 1;
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
      ++pos_;
    return text_.substr(start, end - start);
  }

private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool WithinLineLimits(std::string_view text) {
  LineReader reader(text);
  std::size_t lines = 0;
  while (!reader.AtEnd()) {
    if (reader.Next().size() > kDatMaxLineBytes || ++lines > kDatMaxLines)
      return false;
  }
  return true;
}

DatEntry MakeEntry(std::string_view line, std::size_t equals) {
  std::string_view value = TrimDatBlanks(line.substr(equals + 1));
  if (!value.empty() && value.front() == '#')
    value.remove_prefix(1);
  return {UpperAscii(TrimDatBlanks(line.substr(0, equals))), std::string(value)};
}

} // namespace

DatFile ParseDatText(const std::string &text) {
  DatFile sections;
  LineReader reader(text);
  // A line that ended the previous section and may start the next one.
  std::string_view held;
  // A section's entries are gathered here and then moved into it at their
  // exact number, so that it is not grown step by step.
  std::vector<DatEntry> entries;

  while (!reader.AtEnd()) {
    if (held.empty())
      held = reader.Next();
    std::string_view line = held;
    held = {};
    if (line.empty() || line.front() != '[')
      continue;

    line.remove_prefix(1);
    std::size_t close = line.find(']');
    if (close == std::string_view::npos || close == 0)
      continue;
    DatSection &section =
        sections.emplace_back(DatSection{UpperAscii(TrimDatBlanks(line.substr(0, close))), {}});

    while (!reader.AtEnd()) {
      std::string_view entry = reader.Next();
      std::size_t equals = entry.find('=');
      if (equals == std::string_view::npos || equals == 0) {
        if (entry.find('[') != std::string_view::npos) {
          held = entry;
          break;
        }
        continue;
      }
      entries.push_back(MakeEntry(entry, equals));
    }
    section.entries.assign(std::make_move_iterator(entries.begin()),
                           std::make_move_iterator(entries.end()));
    entries.clear();
  }
  return sections;
}

std::error_code LoadDatText(const std::filesystem::path &path, std::string &text) {
  text.clear();
  std::string bytes;
  if (std::error_code ec = platform::ReadRegularFile(path, bytes, kDatMaxFileBytes))
    return ec;
  if (bytes.size() > kDatMaxFileBytes || !WithinLineLimits(bytes))
    return std::make_error_code(std::errc::file_too_large);
  text = std::move(bytes);
  return {};
}

bool ParseDatFile(const std::filesystem::path &path, DatFile &sections) {
  sections.clear();
  std::string text;
  if (LoadDatText(path, text))
    return false;
  sections = ParseDatText(text);
  return true;
}

} // namespace kv508
