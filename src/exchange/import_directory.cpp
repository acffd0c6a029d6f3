// Directory rows: a name and an MMSI each, placed as an unbroken run of entries from entry 1.

#include "exchange/import_kinds.h"

#include "exchange/text_encoding.h"
#include "image/layout.h"

#include <algorithm>
#include <climits>
#include <map>

namespace kv508 {

namespace {

constexpr int kNoPosition = INT_MAX;

struct Candidate {
  std::size_t row = 0; // in preview.rows
  int position = kNoPosition;
  std::string name;  // as stored
  std::string typed; // the MMSI's digits as StoredMmsi takes them
};

class DirectoryImport {
public:
  DirectoryImport(const CsvTable &table, const ImportColumns &columns,
                  const RadioSettings &settings, ImportMode mode, ImportPreview &preview)
      : table_(table), columns_(columns), mode_(mode), preview_(preview),
        kind_(preview.kind == ExchangeKind::Group ? DirectoryKind::GroupId
                                                  : DirectoryKind::MemoryId),
        current_(kind_ == DirectoryKind::GroupId ? settings.CHGRPID : settings.CHMMSID) {}

  void Run() {
    ReadRows();
    if (mode_ == ImportMode::Replace)
      Replace();
    else
      Merge();
  }

private:
  std::string MmsiText(const std::string &typed) const {
    return kind_ == DirectoryKind::GroupId ? "0" + typed : typed;
  }
  std::string OldName(const DirectoryEntry &entry) const {
    return Quoted(Utf8FromWindows1252(entry.TagName));
  }
  std::string OldMmsi(const DirectoryEntry &entry) const {
    return DirectoryMmsiText(kind_, entry.Mmsid);
  }

  // The reason a row is refused, empty when it is read.
  std::string Read(const CsvRow &row, Candidate &candidate, PreviewRow &out) const {
    const std::string_view name = columns_.Cell(row, "name");
    candidate.name = StoredName(name, static_cast<std::size_t>(layout::kTagNameLength));
    if (candidate.name.empty())
      return name.find_first_not_of(" \t") == std::string_view::npos
                 ? "name missing"
                 : "name " + Quoted(name) + " has no character the radio can show";
    if (candidate.name != name)
      out.note = "name " + Quoted(name) + " is stored as " + Quoted(candidate.name);
    if (std::string why = ReadDirectoryMmsi(kind_, columns_.Cell(row, "mmsi"), candidate.typed);
        !why.empty())
      return why;
    const std::string_view position = columns_.Cell(row, "position");
    if (mode_ == ImportMode::Replace && position.find_first_not_of(" \t") != std::string::npos)
      return ReadNumberUpTo("position", position, current_.Size(), candidate.position);
    return {};
  }

  void ReadRows() {
    std::map<std::string, int> mmsiLines;
    std::map<int, int> positionLines;
    for (const CsvRow &row : table_.rows) {
      PreviewRow out;
      out.line = row.line;
      Candidate candidate;
      candidate.row = preview_.rows.size();
      std::string why = Read(row, candidate, out);
      if (why.empty() && mmsiLines.count(candidate.typed) != 0)
        why = "MMSI " + MmsiText(candidate.typed) + " is also on line " +
              std::to_string(mmsiLines[candidate.typed]);
      if (why.empty() && candidate.position != kNoPosition &&
          positionLines.count(candidate.position) != 0)
        why = "position " + std::to_string(candidate.position) + " is also on line " +
              std::to_string(positionLines[candidate.position]);
      if (why.empty()) {
        mmsiLines[candidate.typed] = row.line;
        positionLines[candidate.position] = row.line;
        candidates_.push_back(candidate);
      } else {
        out.state = RowState::Refused;
        out.note = why;
      }
      preview_.rows.push_back(std::move(out));
    }
  }

  // The stored form of a typed MMSI: that of an entry with the same digits
  // when there is one, so a tenth digit that the file does not carry stays.
  std::string Stored(const std::string &typed) const {
    for (const DirectoryEntry &entry : current_) {
      if (entry.Enable && TypedMmsi(kind_, entry.Mmsid) == typed)
        return entry.Mmsid;
    }
    return StoredMmsi(kind_, typed).value_or(std::string());
  }

  void Place(DirectoryEntry &entry, const Candidate &candidate) const {
    entry.Enable = true;
    entry.TagName = candidate.name;
    entry.Mmsid = Stored(candidate.typed);
  }

  void Added(PreviewRow &row, int entry, const Candidate &candidate) const {
    row.state = RowState::Added;
    row.place = "entry " + std::to_string(entry);
    row.changes = {"name " + Quoted(candidate.name), "MMSI " + MmsiText(candidate.typed)};
  }

  void Replace() {
    std::stable_sort(
        candidates_.begin(), candidates_.end(),
        [](const Candidate &a, const Candidate &b) { return a.position < b.position; });
    Directory result(current_.Lower(), current_.Upper());
    int next = result.Lower();
    for (const Candidate &candidate : candidates_) {
      PreviewRow &row = preview_.rows[candidate.row];
      if (next > result.Upper()) {
        row.state = RowState::Refused;
        row.note = "beyond the " + std::to_string(result.Size()) + " entries of the directory";
        continue;
      }
      Place(result[next], candidate);
      const DirectoryEntry &old = current_[next];
      if (!old.Enable) {
        Added(row, next, candidate);
      } else {
        row.place = "entry " + std::to_string(next);
        NoteChange(row, "name", OldName(old), Quoted(candidate.name));
        NoteChange(row, "MMSI", OldMmsi(old), MmsiText(candidate.typed));
        row.state = row.changes.empty() ? RowState::Unchanged : RowState::Changed;
      }
      ++next;
    }
    for (int i = next; i <= current_.Upper(); ++i) {
      if (current_[i].Enable)
        preview_.rows.push_back({0,
                                 RowState::Removed,
                                 "entry " + std::to_string(i),
                                 {"name " + OldName(current_[i]), "MMSI " + OldMmsi(current_[i])},
                                 {}});
    }
    preview_.directory = std::move(result);
  }

  void Merge() {
    Directory result = current_;
    for (const Candidate &candidate : candidates_) {
      PreviewRow &row = preview_.rows[candidate.row];
      const auto known = std::find_if(result.begin(), result.end(), [&](const DirectoryEntry &e) {
        return e.Enable && TypedMmsi(kind_, e.Mmsid) == candidate.typed;
      });
      if (known != result.end()) {
        row.place = "entry " + std::to_string(result.Lower() + (known - result.begin()));
        NoteChange(row, "name", OldName(*known), Quoted(candidate.name));
        row.state = row.changes.empty() ? RowState::Unchanged : RowState::Changed;
        known->TagName = candidate.name;
        continue;
      }
      const auto free = std::find_if(result.begin(), result.end(),
                                     [](const DirectoryEntry &e) { return !e.Enable; });
      if (free == result.end()) {
        row.state = RowState::Refused;
        row.note = "the directory is full (" + std::to_string(result.Size()) + " entries)";
        continue;
      }
      Place(*free, candidate);
      Added(row, result.Lower() + static_cast<int>(free - result.begin()), candidate);
    }
    preview_.directory = std::move(result);
  }

  const CsvTable &table_;
  const ImportColumns &columns_;
  ImportMode mode_;
  ImportPreview &preview_;
  DirectoryKind kind_;
  const Directory &current_;
  std::vector<Candidate> candidates_;
};

} // namespace

void PreviewDirectory(const CsvTable &table, const ImportColumns &columns,
                      const RadioSettings &settings, ImportMode mode, ImportPreview &preview) {
  DirectoryImport(table, columns, settings, mode, preview).Run();
}

} // namespace kv508
