// The cards command: the channel and DSC cards as a PDF file.

#include "cli/commands.h"
#include "cli/file_io.h"

#include "cards/card_printer.h"

#include <QDate>

#include <filesystem>

namespace kv508::cli {

int RunCards(Context &ctx) {
  const Options &options = ctx.options;
  if (options.arguments.size() != 1 || options.output.empty())
    throw UsageError{"cards needs IN and -o OUT.pdf"};
  RequireKind(options.arguments[0], {FileKind::Hex, FileKind::Dat});
  QPageSize::PageSizeId paper = QPageSize::A4;
  if (options.paper == "letter")
    paper = QPageSize::Letter;
  else if (options.paper != "a4")
    throw UsageError{"--paper is a4 or letter, not '" + options.paper + "'"};
  if (!LoadSettingsOrImage(ctx.session, options.arguments[0], options.base))
    return kFailed;

  const std::string source = std::filesystem::path(options.arguments[0]).filename().string();
  const cards::CardFooter footer{QDate::currentDate().toString(Qt::ISODate),
                                 QString::fromLocal8Bit(source.c_str())};
  const QByteArray pdf =
      cards::CardsPdf(cards::BuildCards(ctx.session.data, ctx.session.model), footer, paper);
  if (pdf.isEmpty()) {
    ctx.session.host.Message(Icon::Exclamation, ctx.session.state.TitleText, "FileSave Error!!");
    ctx.session.host.Reason(options.output + ": the cards could not be drawn");
    return kFailed;
  }
  return WriteWholeFile(ctx.session, options.output, pdf.toStdString()) ? kSuccess : kFailed;
}

} // namespace kv508::cli
