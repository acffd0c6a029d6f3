#include "exchange/csv_reader.h"

#include "exchange/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kv508 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line (from 1) that offset is on: CR LF, LF and a lone CR each end one.
int LineAt(std::string_view text, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
      ++line;
  }
  return line;
}

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(std::string_view s) {
  const auto first = std::find_if_not(s.begin(), s.end(), Blank);
  const auto last = std::find_if_not(s.rbegin(), s.rend(), Blank).base();
  return first < last ? std::string(first, last) : std::string();
}

// The candidate the first line uses most outside quotes; a comma on a tie.
char DetectSeparator(std::string_view text) {
  constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
  std::array<std::size_t, 3> counts{};
  bool quoted = false;
  for (char c : text) {
    if (c == '"')
      quoted = !quoted;
    if (!quoted && (c == '\n' || c == '\r'))
      break;
    for (std::size_t k = 0; k < kCandidates.size(); ++k) {
      if (!quoted && c == kCandidates[k])
        ++counts[k];
    }
  }
  const auto most = std::max_element(counts.begin(), counts.end());
  return *most == 0 ? ',' : kCandidates[static_cast<std::size_t>(most - counts.begin())];
}

class Parser {
public:
  Parser(std::string_view text, char separator, CsvReadResult &result)
      : text_(text), separator_(separator), result_(result) {}

  void Run() {
    while (pos_ < text_.size() && result_.Ok())
      Record();
  }

private:
  void Fail(int line, std::string reason) {
    if (result_.Ok()) {
      result_.errorLine = line;
      result_.error = std::move(reason);
    }
  }

  bool AtLineEnd() const { return text_[pos_] == '\n' || text_[pos_] == '\r'; }

  void SkipLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
      ++pos_;
    ++pos_;
    ++line_;
  }

  void Record() {
    CsvRow row;
    row.line = line_;
    for (;;) {
      if (row.fields.size() == kCsvMaxFields) {
        Fail(row.line, "more than " + std::to_string(kCsvMaxFields) + " fields");
        return;
      }
      row.fields.push_back(Field());
      if (!result_.Ok())
        return;
      if (pos_ >= text_.size())
        break;
      if (AtLineEnd()) {
        SkipLineEnd();
        break;
      }
      ++pos_; // the separator
    }
    Keep(std::move(row));
  }

  std::string Field() {
    std::size_t start = pos_;
    while (pos_ < text_.size() && Blank(text_[pos_]) && text_[pos_] != separator_)
      ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '"')
      return Quoted();
    pos_ = start;
    while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
      ++pos_;
    return Trimmed(text_.substr(start, pos_ - start));
  }

  // A doubled quote stands for one; text after the closing quote is kept too,
  // as lenient readers do.
  std::string Quoted() {
    const int opened = line_;
    ++pos_;
    std::string value;
    for (;;) {
      if (pos_ >= text_.size()) {
        Fail(opened, "a quoted field never ends");
        return value;
      }
      const char c = text_[pos_];
      if (c == '"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          value += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      if (AtLineEnd()) {
        const std::size_t before = pos_;
        SkipLineEnd();
        value.append(text_.substr(before, pos_ - before));
        continue;
      }
      value += c;
      ++pos_;
    }
    const std::size_t rest = pos_;
    while (pos_ < text_.size() && text_[pos_] != separator_ && !AtLineEnd())
      ++pos_;
    value += Trimmed(text_.substr(rest, pos_ - rest));
    return value;
  }

  void Keep(CsvRow row) {
    const bool empty = std::all_of(row.fields.begin(), row.fields.end(),
                                   [](const std::string &f) { return f.empty(); });
    if (empty)
      return;
    if (!headerRead_) {
      result_.table.header = std::move(row.fields);
      result_.table.headerLine = row.line;
      headerRead_ = true;
      return;
    }
    if (result_.table.rows.size() == kCsvMaxRows) {
      Fail(row.line, "more than " + std::to_string(kCsvMaxRows) + " rows");
      return;
    }
    result_.table.rows.push_back(std::move(row));
  }

  std::string_view text_;
  char separator_;
  CsvReadResult &result_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool headerRead_ = false;
};

std::string HexByte(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// Refuses what is no text; otherwise the text as UTF-8.
bool DecodeText(std::string_view bytes, std::string &text, CsvReadResult &result) {
  if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
    result.errorLine = LineAt(bytes, nul);
    result.error = "a NUL byte: this is not a text file";
    return false;
  }
  if (!FirstInvalidUtf8(bytes)) {
    text.assign(bytes);
    return true;
  }
  if (const auto bad = FirstNonWindows1252Text(bytes)) {
    result.errorLine = LineAt(bytes, *bad);
    result.error = "byte " + HexByte(static_cast<unsigned char>(bytes[*bad])) +
                   " is text neither in UTF-8 nor in Windows-1252";
    return false;
  }
  text = Utf8FromWindows1252(bytes);
  return true;
}

} // namespace

CsvReadResult ReadCsv(std::string_view bytes) {
  CsvReadResult result;
  if (bytes.size() > kCsvMaxFileBytes) {
    result.errorLine = LineAt(bytes, kCsvMaxFileBytes);
    result.error = "the file is larger than " + std::to_string(kCsvMaxFileBytes >> 20) + " MB";
    return result;
  }
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    bytes.remove_prefix(kByteOrderMark.size());
  std::string text;
  if (!DecodeText(bytes, text, result))
    return result;

  result.table.separator = DetectSeparator(text);
  Parser(text, result.table.separator, result).Run();
  if (!result.Ok())
    return result;
  if (result.table.header.empty()) {
    result.errorLine = 1;
    result.error = "the file is empty";
  } else if (result.table.rows.empty()) {
    result.errorLine = result.table.headerLine + 1;
    result.error = "only a header, no rows";
  }
  return result;
}

} // namespace kv508
