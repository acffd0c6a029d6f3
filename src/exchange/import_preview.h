#pragma once

// An import in two steps: the preview says, row by row, what the file would
// change, and applying it changes RadioData in one call (one undo step on the
// desktop). Nothing is applied from a refused row; a file refused as a whole
// has no rows.

#include "exchange/csv_reader.h"
#include "exchange/exchange_values.h"

#include <optional>
#include <string>
#include <vector>

namespace kv508 {

// Directories only: Replace makes the file the whole directory; Merge matches
// entries by MMSI (a known MMSI gets the file's name, a new one the next free entry).
enum class ImportMode { Replace, Merge };

enum class RowState { Added, Changed, Unchanged, Refused, Removed };

// Texts are UTF-8.
struct PreviewRow {
  int line = 0; // the file's line; 0 for a directory entry Replace removes
  RowState state = RowState::Unchanged;
  std::string place;                // "entry 3", "USA 16", "EXP 5"
  std::vector<std::string> changes; // `name "PILOT" -> "PILOT 2"`; for an added entry its values
  std::string note; // refused: why; otherwise what the radio stores differently from the file
};

struct ChannelUpdate {
  int group = 0; // 0..2 plan banks, 3 expansion
  int index = 0;
  ChannelRecord record;
};

struct ImportPreview {
  ExchangeKind kind = ExchangeKind::Individual;
  int errorLine = 0; // the file refused as a whole: the line and why
  std::string error;
  std::vector<PreviewRow> rows;       // in file order; removed entries last
  std::vector<std::string> notes;     // "columns ignored: colour, notes"
  std::optional<Directory> directory; // the directory as the import leaves it
  std::vector<ChannelUpdate> channels;

  bool Ok() const { return errorLine == 0; }
  int Count(RowState state) const;
};

ImportPreview PreviewImport(ExchangeKind kind, const CsvTable &table, const RadioSettings &settings,
                            ImportMode mode);
// The accepted rows of a preview made from these settings.
void ApplyImport(const ImportPreview &preview, RadioSettings &settings);

// "line 4: changed entry 2: name "PILOT" -> "PILOT 2"" and the like.
std::string PreviewRowText(const PreviewRow &row);
// "2 added, 1 changed, 40 unchanged, 1 refused" (and ", 3 removed" when any).
std::string PreviewSummary(const ImportPreview &preview);

} // namespace kv508
