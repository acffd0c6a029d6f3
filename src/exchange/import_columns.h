#pragma once

// The columns of an import file, found by their header texts.

#include "exchange/import_preview.h"

#include <map>
#include <string>
#include <string_view>

namespace kv508 {

class ImportColumns {
public:
  // Refuses the preview when a column the kind needs is missing or a known
  // column appears twice; notes the columns it does not know.
  ImportColumns(const CsvTable &table, ExchangeKind kind, ImportPreview &preview);

  bool Has(const std::string &column) const { return index_.count(column) != 0; }
  // The row's text in a column; empty when the column or the field is missing.
  std::string_view Cell(const CsvRow &row, const std::string &column) const;

private:
  std::map<std::string, std::size_t> index_;
};

// Adds `column old -> new` when the texts differ.
void NoteChange(PreviewRow &row, const std::string &column, const std::string &before,
                const std::string &after);

} // namespace kv508
