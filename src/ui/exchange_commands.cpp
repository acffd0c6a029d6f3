#include "ui/exchange_commands.h"

#include "app/platform.h"
#include "app/safe_save.h"
#include "app/session.h"
#include "cards/card_printer.h"
#include "exchange/exchange_files.h"
#include "ui/edit_controller.h"
#include "ui/file_places.h"
#include "ui/import_dialog.h"
#include "ui/navigator.h"
#include "ui/node_keys.h"
#include "ui/print_commands.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kv508::ui {

namespace {

struct List {
  ExchangeKind kind;
  const char *objectName; // mnuExport… and mnuImport…
  const char *text;       // the menu entry; without "&" and "..." the dialog's title
  const char *step;       // the undo step of an import
};

constexpr List kLists[] = {
    {ExchangeKind::Individual, "Individual",
     QT_TRANSLATE_NOOP("ExchangeCommands", "&Individual Directory..."), "Import Memory IDs"},
    {ExchangeKind::Group, "Group", QT_TRANSLATE_NOOP("ExchangeCommands", "&Group Directory..."),
     "Import Group IDs"},
    {ExchangeKind::Expansion, "Expansion",
     QT_TRANSLATE_NOOP("ExchangeCommands", "E&xpansion Channels..."), "Import EXP Channels"},
    {ExchangeKind::Channels, "Channels", QT_TRANSLATE_NOOP("ExchangeCommands", "&Channels..."),
     "Import Channels"},
};

const List &ListOf(ExchangeKind kind) {
  for (const List &list : kLists) {
    if (list.kind == kind)
      return list;
  }
  return kLists[0];
}

QString Title(ExchangeKind kind) {
  return ExchangeCommands::tr(ListOf(kind).text)
      .remove(QLatin1Char('&'))
      .remove(QStringLiteral("..."));
}

// The list's node: its directory, the expansion channels, or the plan bank of
// the first channel the import changes.
EditPlace PlaceOf(ExchangeKind kind, const ImportPreview &preview) {
  QString key = keys::kExpChannel;
  if (kind == ExchangeKind::Individual || kind == ExchangeKind::Group)
    key = keys::DirectoryKey(kind == ExchangeKind::Group ? 1 : 0);
  else if (kind == ExchangeKind::Channels)
    key = keys::GroupKey(preview.channels.empty() ? 0 : preview.channels.front().group);
  return {ListOf(kind).step, FromQt(key), ""};
}

// A failed save names the file and the reason: the one known, else the one
// the target gives now.
UiHost::Activity Saving(const QString &file, std::string known = {}) {
  const std::filesystem::path path = PathFromQt(file);
  return {.doing = "Saving " + FromQt(QDir::toNativeSeparators(file)), .why = [path, known] {
            if (!known.empty())
              return known;
            const std::error_code ec = CheckSaveTarget(path);
            return ec ? ec.message() : WriteFailureReason(path.string());
          }};
}

} // namespace

ExchangeCommands::ExchangeCommands(WindowParts parts) : QObject(&parts.window), parts_(parts) {}

void ExchangeCommands::AddMenus(QMenu *fileMenu) {
  QMenu *exports = fileMenu->addMenu(tr("Expor&t"));
  exports->setObjectName(QStringLiteral("mnuFileExportCsv"));
  QMenu *imports = fileMenu->addMenu(tr("&Import"));
  imports->setObjectName(QStringLiteral("mnuFileImportCsv"));
  for (const List &list : kLists) {
    QAction *out = exports->addAction(tr(list.text));
    out->setObjectName(QStringLiteral("mnuExport") + QLatin1String(list.objectName));
    connect(out, &QAction::triggered, this, [this, kind = list.kind] { Export(kind); });
    QAction *in = imports->addAction(tr(list.text));
    in->setObjectName(QStringLiteral("mnuImport") + QLatin1String(list.objectName));
    connect(in, &QAction::triggered, this, [this, kind = list.kind] { Import(kind); });
  }
  QAction *print = fileMenu->addAction(tr("Print &Cards..."));
  print->setObjectName(QStringLiteral("mnuFilePrintCards"));
  connect(print, &QAction::triggered, this, &ExchangeCommands::PrintCards);
  QAction *pdf = fileMenu->addAction(tr("Export Car&ds as PDF..."));
  pdf->setObjectName(QStringLiteral("mnuFileExportCardsPdf"));
  connect(pdf, &QAction::triggered, this, &ExchangeCommands::ExportCardsPdf);
}

QString ExchangeCommands::Proposed(const QString &suffix, const QString &fallback) const {
  const std::string &current = parts_.session.state.CurrentFilePath;
  return current.empty() ? fallback : QFileInfo(QtFromPath(current)).completeBaseName() + suffix;
}

// --- CSV ------------------------------------------------------------------------------

void ExchangeCommands::Export(ExchangeKind kind) {
  if (parts_.session.state.Busy || !parts_.navigator.CommitActiveEdit())
    return;
  const QString name = QString::fromStdString(ExchangeKindName(kind));
  QString target = parts_.dialogs.SaveFileName(
      &parts_.window, FilterFor(FileKind::Csv), parts_.places.StartFolder(FileKind::Csv),
      Proposed(QLatin1Char('-') + name + SuffixFor(FileKind::Csv), name + SuffixFor(FileKind::Csv)),
      tr("Export %1").arg(Title(kind)));
  parts_.ActivateAgain();
  target = WithDefaultSuffix(target, FileKind::Csv);
  if (target.isEmpty())
    return;
  bool written = false;
  {
    WorkingScope working(parts_.host);
    MessageContext context(parts_.host, Saving(target));
    written = ExportCsvFile(parts_.session, kind, PathFromQt(target));
  }
  if (written)
    parts_.places.Remember(FileKind::Csv, target);
}

void ExchangeCommands::Import(ExchangeKind kind) {
  Session &session = parts_.session;
  if (session.state.Busy || !parts_.navigator.CommitActiveEdit())
    return;
  const QString file = parts_.dialogs.OpenFileName(&parts_.window, FilterFor(FileKind::Csv),
                                                   parts_.places.StartFolder(FileKind::Csv));
  parts_.ActivateAgain();
  if (file.isEmpty())
    return;
  const std::optional<CsvTable> table = ReadTable(file);
  if (!table)
    return;
  parts_.places.Remember(FileKind::Csv, file);
  // A column missing or named twice refuses the whole file, whichever the mode.
  if (const ImportPreview whole = PreviewImport(kind, *table, session.data, ImportMode::Replace);
      !whole.Ok()) {
    Refuse(file, "line " + std::to_string(whole.errorLine) + ": " + whole.error);
    return;
  }
  ImportDialog dialog(*table, kind, session.data, Title(kind), QDir::toNativeSeparators(file),
                      &parts_.window);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  parts_.ActivateAgain();
  if (accepted)
    Apply(kind, dialog.Preview());
}

std::optional<CsvTable> ExchangeCommands::ReadTable(const QString &file) {
  std::string bytes;
  if (const std::error_code ec =
          platform::ReadRegularFile(PathFromQt(file), bytes, kCsvMaxFileBytes)) {
    Refuse(file, ec.message());
    return std::nullopt;
  }
  CsvReadResult read = ReadCsv(bytes);
  if (!read.Ok()) {
    Refuse(file, "line " + std::to_string(read.errorLine) + ": " + read.error);
    return std::nullopt;
  }
  return std::move(read.table);
}

void ExchangeCommands::Refuse(const QString &file, const std::string &why) {
  // The reasons are UTF-8 (they may quote the file); messages are single-byte.
  MessageContext context(parts_.host,
                         {.doing = "Importing " + FromQt(QDir::toNativeSeparators(file)),
                          .why = [why] { return FromQt(QString::fromStdString(why)); }});
  parts_.host.Message(Icon::Exclamation, parts_.session.state.TitleText, "FileRead Error!!",
                      Buttons::Ok);
}

// All accepted rows in one undo step; the tree follows as after any edit and
// the list imported is shown, filled anew.
void ExchangeCommands::Apply(ExchangeKind kind, const ImportPreview &preview) {
  const EditPlace place = PlaceOf(kind, preview);
  parts_.edits.Apply(
      place, [&preview](RadioData &data) { ApplyImport(preview, data); }, StepKind::Edit);
  parts_.navigator.ShowPlace(place);
}

// --- cards ------------------------------------------------------------------------------

cards::CardFooter ExchangeCommands::Footer() const {
  const std::string &path = parts_.session.state.CurrentFilePath;
  return {QDate::currentDate().toString(Qt::ISODate),
          path.empty() ? tr("radio read") : QFileInfo(QtFromPath(path)).fileName()};
}

void ExchangeCommands::PrintCards() {
  const auto print = [this](QPrinter &printer) {
    WorkingScope working(parts_.host);
    cards::PrintCards(cards::BuildCards(parts_.session.data, parts_.session.model), printer,
                      Footer());
  };
  PrintOrOffer(
      parts_, print, [this] { PreviewCards(); }, [this] { ExportCardsPdf(); });
}

void ExchangeCommands::PreviewCards() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(parts_.dialogs.Paper()));
  QPrintPreviewDialog preview(&printer, &parts_.window);
  preview.setObjectName(QStringLiteral("dlgCardsPreview"));
  const std::vector<cards::Card> content =
      cards::BuildCards(parts_.session.data, parts_.session.model);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&](QPrinter *p) { cards::PrintCards(content, *p, Footer()); });
  preview.exec();
  parts_.ActivateAgain();
}

void ExchangeCommands::ExportCardsPdf() {
  if (!parts_.navigator.CommitActiveEdit())
    return;
  QString target = parts_.dialogs.SaveFileName(
      &parts_.window, FilterFor(FileKind::Pdf), parts_.places.StartFolder(FileKind::Pdf),
      Proposed(QStringLiteral("-cards.pdf"), QStringLiteral("cards.pdf")),
      tr("Export Cards as PDF"));
  parts_.ActivateAgain();
  target = WithDefaultSuffix(target, FileKind::Pdf);
  if (target.isEmpty())
    return;
  std::string failure;
  {
    WorkingScope working(parts_.host);
    const QByteArray pdf =
        cards::CardsPdf(cards::BuildCards(parts_.session.data, parts_.session.model), Footer(),
                        parts_.dialogs.Paper());
    // Written beside the target and renamed over it once complete, like every other file.
    if (pdf.isEmpty())
      failure = "the cards could not be drawn";
    else if (const std::error_code ec = SafeWriteFile(
                 PathFromQt(target), std::string_view(pdf.constData(), std::size_t(pdf.size()))))
      failure = ec.message();
  }
  if (!failure.empty()) {
    MessageContext context(parts_.host, Saving(target, failure));
    parts_.host.Message(Icon::Exclamation, parts_.session.state.TitleText, "FileSave Error!!",
                        Buttons::Ok);
    return;
  }
  parts_.places.Remember(FileKind::Pdf, target);
}

} // namespace kv508::ui
