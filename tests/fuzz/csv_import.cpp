// A CSV file as a spreadsheet may have written it, or not: read, previewed
// as each kind of list in both modes, and applied over the default data.

#include "exchange/csv_reader.h"
#include "exchange/import_preview.h"
#include "image/decode.h"
#include "image/default_image.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const kv508::CsvReadResult read =
      kv508::ReadCsv(std::string_view(reinterpret_cast<const char *>(data), size));
  if (!read.Ok())
    return 0;
  static const kv508::RadioSettings demo = [] {
    kv508::RadioData data;
    kv508::BuildDefaultImage(data, 1);
    kv508::DecodeImage(data);
    return kv508::RadioSettings(data);
  }();
  using K = kv508::ExchangeKind;
  for (K kind : {K::Individual, K::Group, K::Expansion, K::Channels}) {
    for (kv508::ImportMode mode : {kv508::ImportMode::Replace, kv508::ImportMode::Merge}) {
      const kv508::ImportPreview preview = kv508::PreviewImport(kind, read.table, demo, mode);
      if (preview.Ok()) {
        kv508::RadioSettings settings = demo;
        kv508::ApplyImport(preview, settings);
      }
      (void)kv508::PreviewSummary(preview);
    }
  }
  return 0;
}
