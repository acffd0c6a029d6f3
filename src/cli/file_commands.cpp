// The commands that work on files only: new, convert, report, diff, check.

#include "cli/commands.h"
#include "cli/file_io.h"

#include "app/mid_table_file.h"
#include "app/new_data.h"
#include "check/settings_check.h"
#include "diff/diff.h"
#include "image/default_image.h"
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

  // As diff(1): 1 says "different", so trouble must say 2.
  Session other(ctx.host, ctx.settings);
  if (!PrepareSession(other, ctx.options))
    return kTrouble;
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[0], ctx.options.base))
    return kTrouble;
  if (!LoadSettingsOrImage(other, ctx.options.arguments[1], ctx.options.base))
    return kTrouble;

  auto lines = DiffSettings(ctx.session.data, other.data, ctx.session.model);
  std::string text;
  for (const auto &line : lines)
    text += line + "\n";
  if (!WriteStandardOutput(ctx.session, text))
    return kTrouble;
  return lines.empty() ? kSame : kDifferent;
}

} // namespace kv508::cli

namespace kv508::cli {

namespace {

// Whether any country is looked up: an MMSI or an ATIS code is set.
bool HoldsIdentities(const RadioData &data) {
  auto any = [](const Directory &directory) {
    for (const DirectoryEntry &entry : directory) {
      if (!entry.Mmsid.empty())
        return true;
    }
    return false;
  };
  return !data.DscBasic.UserMmsi.empty() || !data.Atis.AtisCode.empty() || any(data.CHMMSID) ||
         any(data.CHGRPID);
}

} // namespace

int RunCheck(Context &ctx) {
  if (ctx.options.arguments.size() != 1)
    throw UsageError{"check needs one input file"};
  RequireKind(ctx.options.arguments[0], {FileKind::Hex, FileKind::Dat});
  if (!LoadSettingsOrImage(ctx.session, ctx.options.arguments[0], ctx.options.base))
    return kCheckErrors;
  std::string problem;
  const MidTable mids = LoadMidTable(ctx.session.programDir, problem);
  if (!problem.empty() && HoldsIdentities(ctx.session.data))
    std::fprintf(stderr, "kv508-cli: %s\n", problem.c_str());
  const std::vector<Finding> findings = CheckSettings(ctx.session.data, ctx.session.model, mids);
  std::string text;
  for (const Finding &finding : findings)
    text += FindingLine(finding) + "\n";
  if (!WriteStandardOutput(ctx.session, text))
    return kCheckErrors;
  return CheckStatus(findings);
}

} // namespace kv508::cli
