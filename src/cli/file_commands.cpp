// The commands that work on files only: new, convert, report, diff.

#include "cli/commands.h"
#include "cli/file_io.h"

#include "app/new_data.h"
#include "image/default_image.h"
#include "report/diff.h"
#include "report/report.h"

#include <cstdio>

namespace kv508::cli {

int RunNew(Context &ctx) {
  if (ctx.options.output.empty() || !ctx.options.arguments.empty()) {
    throw UsageError{"new needs -o OUT.hex or -o OUT.dat"};
  }
  RequireKind(ctx.options.output, {FileKind::Hex, FileKind::Dat});
  // Only the known models have a default image; anything else would be an
  // all-zero image that no command accepts.
  if (!HasDefaultImage(ctx.session.model.ModelVariant)) {
    ctx.session.host.Message(Icon::Critical, kApplicationTitle, "Unknown model!!");
    ctx.session.host.Reason((ctx.session.programDir / "global.ini").string() + ": model " +
                            std::to_string(ctx.session.model.ModelVariant) +
                            " is not one this program knows");
    return kFailed;
  }
  NewData(ctx.session, true);
  return SaveSettingsOrImage(ctx.session, ctx.options.output) ? kSuccess : kFailed;
}

int RunConvert(Context &ctx) {
  if (ctx.options.arguments.size() != 2)
    throw UsageError{"convert needs IN and OUT"};
  const std::string &in = ctx.options.arguments[0];
  const std::string &out = ctx.options.arguments[1];
  RequireKind(in, {FileKind::Hex, FileKind::Dat});
  RequireKind(out, {FileKind::Hex, FileKind::Dat});
  if (!LoadSettingsOrImage(ctx.session, in, ctx.options.base))
    return kFailed;
  return SaveSettingsOrImage(ctx.session, out) ? kSuccess : kFailed;
}

int RunReport(Context &ctx) {
  if (ctx.options.arguments.size() != 1)
    throw UsageError{"report needs one input file"};
  RequireKind(ctx.options.arguments[0], {FileKind::Hex, FileKind::Dat});
  if (!ctx.options.output.empty())
    RequireKind(ctx.options.output, {FileKind::Txt, FileKind::Other});
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[0], ctx.options.base))
    return kFailed;

  std::string text = ReportFileText(BuildReport(ctx.session.data, ctx.session.model));
  if (ctx.options.output.empty())
    return WriteStandardOutput(ctx.session, text) ? kSuccess : kFailed;
  return WriteWholeFile(ctx.session, ctx.options.output, text) ? kSuccess : kFailed;
}

int RunDiff(Context &ctx) {
  if (ctx.options.arguments.size() != 2)
    throw UsageError{"diff needs two files"};
  for (const auto &file : ctx.options.arguments)
    RequireKind(file, {FileKind::Hex, FileKind::Dat});

  Session other(ctx.host, ctx.settings);
  if (!PrepareSession(other, ctx.options))
    return kFailed;
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[0], ctx.options.base))
    return kFailed;
  if (!LoadSettingsOrImage(other, ctx.options.arguments[1], ctx.options.base))
    return kFailed;

  auto lines = DiffSettings(ctx.session.data, other.data, ctx.session.model);
  for (const auto &line : lines)
    std::printf("%s\n", line.c_str());
  return lines.empty() ? kSuccess : kFailed;
}

} // namespace kv508::cli
