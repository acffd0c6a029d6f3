#include "exchange/exchange_files.h"

#include "app/platform.h"
#include "app/safe_save.h"
#include "exchange/csv_export.h"

#include <cerrno>

namespace kv508 {

namespace {

void Refused(Session &session, const std::filesystem::path &path, int line,
             const std::string &why) {
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
  session.host.Reason(path.string() + ": line " + std::to_string(line) + ": " + why);
}

} // namespace

bool ExportCsvFile(Session &session, ExchangeKind kind, const std::filesystem::path &path) {
  const std::error_code ec = SafeWriteFile(path, ExportCsv(session.data, kind));
  if (!ec)
    return true;
  ErrLog(session.state, session.programDir, "frmMain.ExportCsv",
         ErrorText(ec.value() != 0 ? ec.value() : EIO));
  session.host.Message(Icon::Exclamation, session.state.TitleText, "FileSave Error!!");
  FileErrorReason(session.host, path, ec);
  return false;
}

std::optional<CsvTable> ReadCsvFile(Session &session, const std::filesystem::path &path) {
  std::string bytes;
  if (const std::error_code ec = platform::ReadRegularFile(path, bytes, kCsvMaxFileBytes)) {
    session.host.Message(Icon::Exclamation, session.state.TitleText, "FileRead Error!!");
    FileErrorReason(session.host, path, ec);
    return std::nullopt;
  }
  CsvReadResult read = ReadCsv(bytes);
  if (!read.Ok()) {
    Refused(session, path, read.errorLine, read.error);
    return std::nullopt;
  }
  return std::move(read.table);
}

std::optional<ImportPreview> PreviewImportFile(Session &session, ExchangeKind kind,
                                               const std::filesystem::path &path, ImportMode mode) {
  const std::optional<CsvTable> table = ReadCsvFile(session, path);
  if (!table)
    return std::nullopt;
  ImportPreview preview = PreviewImport(kind, *table, session.data, mode);
  if (!preview.Ok()) {
    Refused(session, path, preview.errorLine, preview.error);
    return std::nullopt;
  }
  return preview;
}

} // namespace kv508
