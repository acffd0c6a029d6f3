// The commands that move lists in and out as CSV files: export, import.

#include "cli/commands.h"
#include "cli/file_io.h"

#include "exchange/csv_export.h"
#include "exchange/exchange_files.h"

#include <cstdio>

namespace kv508::cli {

namespace {

ExchangeKind KindArgument(const std::string &command, const std::string &text) {
  const std::optional<ExchangeKind> kind = ExchangeKindNamed(text);
  if (!kind)
    throw UsageError{command + " KIND: individual, group, expansion or channels, not '" + text +
                     "'"};
  return *kind;
}

void PrintPreview(const ImportPreview &preview) {
  for (const PreviewRow &row : preview.rows)
    std::printf("%s\n", PreviewRowText(row).c_str());
  for (const std::string &note : preview.notes)
    std::printf("%s\n", note.c_str());
  std::printf("%s\n", PreviewSummary(preview).c_str());
  std::fflush(stdout);
}

} // namespace

int RunExport(Context &ctx) {
  if (ctx.options.arguments.size() != 2)
    throw UsageError{"export needs KIND and IN"};
  const ExchangeKind kind = KindArgument("export", ctx.options.arguments[0]);
  RequireKind(ctx.options.arguments[1], {FileKind::Hex, FileKind::Dat});
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[1], ctx.options.base))
    return kFailed;
  if (ctx.options.output.empty())
    return WriteStandardOutput(ctx.session, ExportCsv(ctx.session.data, kind)) ? kSuccess : kFailed;
  return ExportCsvFile(ctx.session, kind, ctx.options.output) ? kSuccess : kFailed;
}

int RunImport(Context &ctx) {
  const Options &options = ctx.options;
  if (options.arguments.size() != 3 || options.output.empty())
    throw UsageError{"import needs KIND, IN.csv, FILE and -o OUT"};
  const ExchangeKind kind = KindArgument("import", options.arguments[0]);
  if (options.merge && kind != ExchangeKind::Individual && kind != ExchangeKind::Group)
    throw UsageError{"--merge goes with the individual and group directories"};
  RequireKind(options.arguments[2], {FileKind::Hex, FileKind::Dat});
  RequireKind(options.output, {FileKind::Hex, FileKind::Dat});
  if (!LoadSettingsOrImage(ctx.session, options.arguments[2], options.base))
    return kFailed;
  const std::optional<ImportPreview> preview =
      PreviewImportFile(ctx.session, kind, options.arguments[1],
                        options.merge ? ImportMode::Merge : ImportMode::Replace);
  if (!preview)
    return kFailed;
  PrintPreview(*preview);
  if (const int refused = preview->Count(RowState::Refused); refused > 0 && !options.skipRefused) {
    ctx.session.host.Message(Icon::Exclamation, ctx.session.state.TitleText,
                             "Import refused: " + std::to_string(refused) +
                                 (refused == 1 ? " row" : " rows") +
                                 " refused, nothing written (--skip-refused imports the others)");
    return kFailed;
  }
  ApplyImport(*preview, ctx.session.data);
  return SaveSettingsOrImage(ctx.session, options.output) ? kSuccess : kFailed;
}

} // namespace kv508::cli
