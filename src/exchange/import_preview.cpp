#include "exchange/import_preview.h"

#include "exchange/import_kinds.h"

#include <algorithm>

namespace kv508 {

int ImportPreview::Count(RowState state) const {
  return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                        [&](const PreviewRow &r) { return r.state == state; }));
}

ImportPreview PreviewImport(ExchangeKind kind, const CsvTable &table, const RadioSettings &settings,
                            ImportMode mode) {
  ImportPreview preview;
  preview.kind = kind;
  const ImportColumns columns(table, kind, preview);
  if (!preview.Ok())
    return preview;
  switch (kind) {
  case ExchangeKind::Individual:
  case ExchangeKind::Group:
    PreviewDirectory(table, columns, settings, mode, preview);
    break;
  case ExchangeKind::Expansion:
    PreviewExpansion(table, columns, settings, preview);
    break;
  case ExchangeKind::Channels:
    PreviewPlanChannels(table, columns, settings, preview);
    break;
  }
  return preview;
}

void ApplyImport(const ImportPreview &preview, RadioSettings &settings) {
  if (!preview.Ok())
    return;
  if (preview.directory) {
    (preview.kind == ExchangeKind::Group ? settings.CHGRPID : settings.CHMMSID) =
        *preview.directory;
  }
  ChannelBank *banks[] = {&settings.CHUSA, &settings.CHINT, &settings.CHCAN, &settings.CHEXP};
  for (const ChannelUpdate &update : preview.channels) {
    if (update.group < 0 || update.group > 3)
      continue;
    ChannelBank &bank = *banks[update.group];
    if (bank.Contains(update.index))
      bank[update.index] = update.record;
  }
}

std::string PreviewRowText(const PreviewRow &row) {
  static const char *const kStates[] = {"added", "changed", "unchanged", "refused", "removed"};
  std::string text = row.line > 0 ? "line " + std::to_string(row.line) + ": " : "";
  text += kStates[static_cast<int>(row.state)];
  if (!row.place.empty())
    text += " " + row.place;
  for (std::size_t i = 0; i < row.changes.size(); ++i)
    text += (i == 0 ? ": " : "; ") + row.changes[i];
  if (!row.note.empty())
    text += (row.state == RowState::Refused ? ": " : " (") + row.note +
            (row.state == RowState::Refused ? "" : ")");
  return text;
}

std::string PreviewSummary(const ImportPreview &preview) {
  std::string text = std::to_string(preview.Count(RowState::Added)) + " added, " +
                     std::to_string(preview.Count(RowState::Changed)) + " changed, " +
                     std::to_string(preview.Count(RowState::Unchanged)) + " unchanged, " +
                     std::to_string(preview.Count(RowState::Refused)) + " refused";
  if (const int removed = preview.Count(RowState::Removed); removed > 0)
    text += ", " + std::to_string(removed) + " removed";
  return text;
}

} // namespace kv508
