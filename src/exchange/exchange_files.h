#pragma once

// The CSV files of a session: what File > Export and File > Import read and
// write, with the messages every file operation shows.

#include "app/session.h"
#include "exchange/import_preview.h"

#include <filesystem>
#include <optional>

namespace kv508 {

// The list as a CSV file, through a temporary file; "FileSave Error!!" with
// the path and the reason when it cannot be written.
bool ExportCsvFile(Session &session, ExchangeKind kind, const std::filesystem::path &path);

// "FileRead Error!!" with the path, the line and the reason for a file that
// cannot be read or is refused as a whole; nothing changes either way.
std::optional<CsvTable> ReadCsvFile(Session &session, const std::filesystem::path &path);

// Reads the file and previews its import into the session's data; a file
// refused as a whole has been reported and gives nothing.
std::optional<ImportPreview> PreviewImportFile(Session &session, ExchangeKind kind,
                                               const std::filesystem::path &path, ImportMode mode);

} // namespace kv508
