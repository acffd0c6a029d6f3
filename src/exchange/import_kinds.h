#pragma once

// The preview of each kind of list; PreviewImport chooses among them.

#include "exchange/import_columns.h"

namespace kv508 {

void PreviewDirectory(const CsvTable &table, const ImportColumns &columns,
                      const RadioSettings &settings, ImportMode mode, ImportPreview &preview);
void PreviewExpansion(const CsvTable &table, const ImportColumns &columns,
                      const RadioSettings &settings, ImportPreview &preview);
void PreviewPlanChannels(const CsvTable &table, const ImportColumns &columns,
                         const RadioSettings &settings, ImportPreview &preview);

} // namespace kv508
