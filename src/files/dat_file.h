#pragma once

// The settings file (.dat): a sectioned text file written from and read into
// RadioData field by field.

#include "app/session.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace kv508 {

struct DatEntry {
  std::string key;   // trimmed, upper-cased
  std::string value; // trimmed, one leading '#' removed
};

struct DatSection {
  std::string name; // trimmed, upper-cased
  std::vector<DatEntry> entries;
};

using DatFile = std::vector<DatSection>;

// A real settings file is about 150 KB and 10,000 lines. Anything far beyond
// that is refused before it is parsed, so a hostile file cannot exhaust memory.
constexpr std::size_t kDatMaxFileBytes = std::size_t{16} << 20;
constexpr std::size_t kDatMaxLineBytes = std::size_t{64} << 10;
constexpr std::size_t kDatMaxLines = std::size_t{256} << 10;

// The file text exactly as SaveFileAs writes it.
std::string BuildDatText(const RadioData &data, const ModelInfo &model);
// As above, calling perDirectorySection once for every directory section written.
std::string BuildDatText(const RadioData &data, const ModelInfo &model,
                         const std::function<void()> &perDirectorySection);
// Writes the settings file through a temporary file, so the previous file survives
// a failure ("FileSave Error!!", OperationFailed and OperationIncomplete set).
// CurrentFilePath, DataChanged and the caption are the caller's.
bool SaveFileAs(Session &session, const std::filesystem::path &path);

// Every byte of a line is kept; CR LF, a lone CR and a lone LF each end a line.
DatFile ParseDatText(const std::string &text);
// Reads the whole file within the limits above. The error is the system's for a
// file that cannot be read, file_too_large for one beyond the limits.
std::error_code LoadDatText(const std::filesystem::path &path, std::string &text);
// Returns false (and leaves sections empty) when the file cannot be read.
bool ParseDatFile(const std::filesystem::path &path, DatFile &sections);
// MODELTYPE of section MAIN of a settings file's text, read as IniRead reads
// it, equals modelVariant.
bool CheckModelType(const std::string &text, int modelVariant);

// Applies parsed sections to RadioData (which NewData has reset).
void ApplyDatFile(Session &session, const DatFile &sections);
// Reads the file and checks its model type first; a refused or unreadable file
// leaves RadioData, the image, CurrentFilePath and DataChanged as they were
// ("ModelType Error !!" or "FileRead Error!!", OperationFailed set). An accepted
// file is applied over NewData; CurrentFilePath then names it and
// OperationIncomplete is cleared. DataChanged is never changed.
bool FileRead2(Session &session, const std::filesystem::path &path);

} // namespace kv508
