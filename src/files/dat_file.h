#pragma once

// The settings file (.dat): a sectioned text file written from and read into
// RadioData field by field.

#include "app/session.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kv508 {

struct DatEntry {
  std::string key;    // trimmed, upper-cased
  std::string value;  // trimmed, one leading '#' removed
};

struct DatSection {
  std::string name;   // trimmed, upper-cased
  std::vector<DatEntry> entries;
};

using DatFile = std::vector<DatSection>;

// The file text exactly as SaveFileAs writes it.
std::string BuildDatText(const RadioData& data, const ModelInfo& model);
// Writes the settings file through a temporary file ("FileSave Error!!" on failure).
bool SaveFileAs(Session& session, const std::filesystem::path& path);

DatFile ParseDatText(const std::string& text);
// Returns false (and leaves sections empty) when the file cannot be read.
bool ParseDatFile(const std::filesystem::path& path, DatFile& sections);
std::string LookupDatValue(const DatFile& sections, const std::string& section,
                           const std::string& key);
bool CheckModelType(const std::filesystem::path& path, int modelVariant);

// Applies parsed sections to RadioData (which NewData has reset).
void ApplyDatFile(Session& session, const DatFile& sections);
// Checks the model type, then NewData and applies the file. A rejected file
// leaves RadioData, the image, CurrentFilePath and DataChanged as they were.
bool FileRead2(Session& session, const std::filesystem::path& path);

} // namespace kv508
