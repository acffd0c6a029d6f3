#include "exchange/import_columns.h"

#include <algorithm>

namespace kv508 {

namespace {

std::vector<std::string> RequiredColumns(ExchangeKind kind) {
  switch (kind) {
  case ExchangeKind::Expansion:
    return {"number"};
  case ExchangeKind::Channels:
    return {"bank", "label"};
  default:
    return {"name", "mmsi"};
  }
}

void Refuse(ImportPreview &preview, int line, std::string why) {
  preview.errorLine = std::max(line, 1);
  preview.error = std::move(why);
}

} // namespace

ImportColumns::ImportColumns(const CsvTable &table, ExchangeKind kind, ImportPreview &preview) {
  const std::vector<std::string> &known = ExchangeColumns(kind);
  std::string ignored;
  for (std::size_t i = 0; i < table.header.size(); ++i) {
    const std::string &title = table.header[i];
    const std::string key = ColumnKey(title);
    const auto match = std::find_if(known.begin(), known.end(),
                                    [&](const std::string &c) { return ColumnKey(c) == key; });
    if (match == known.end() || key.empty()) {
      if (!title.empty())
        ignored += (ignored.empty() ? "" : ", ") + title;
      continue;
    }
    if (!index_.emplace(*match, i).second) {
      Refuse(preview, table.headerLine, "column " + Quoted(title) + " appears twice");
      return;
    }
  }
  for (const std::string &column : RequiredColumns(kind)) {
    if (!Has(column)) {
      Refuse(preview, table.headerLine, "no column " + Quoted(column));
      return;
    }
  }
  if (!ignored.empty())
    preview.notes.push_back("columns ignored: " + ignored);
}

std::string_view ImportColumns::Cell(const CsvRow &row, const std::string &column) const {
  const auto found = index_.find(column);
  if (found == index_.end() || found->second >= row.fields.size())
    return {};
  return row.fields[found->second];
}

void NoteChange(PreviewRow &row, const std::string &column, const std::string &before,
                const std::string &after) {
  if (before != after)
    row.changes.push_back(column + " " + before + " -> " + after);
}

} // namespace kv508
