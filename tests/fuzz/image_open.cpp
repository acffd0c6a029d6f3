// The image file open on hostile bytes, then the report and the encoding of
// what it decoded. Bytes of another length than an image are refused at once,
// so they also go laid over the default image (the model identifier kept)
// straight to the decoder.

#include "fuzz_support.h"

#include "app/hex_file.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "report/report.h"

#include <algorithm>

namespace {

void UseDecoded(kv508::Session &session) {
  kv508::ReportFileText(kv508::BuildReport(session.data, session.model));
  kv508::PrepareOutgoingImage(session.data, session.model.ModelVariant, /*radioWrite=*/true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static kv508::fuzz::InputFile file;
  kv508::fuzz::FuzzSession fuzz;
  kv508::Session &session = fuzz.session;
  kv508::BuildDefaultImage(session.data, 1);
  if (kv508::ReadHexFile(session, file.Hold(data, size))) {
    UseDecoded(session);
    return 0;
  }
  kv508::MemoryImage &image = session.data.Image;
  std::copy_n(data, std::min<std::size_t>(size, image.size() - 4), image.begin() + 2);
  kv508::DecodeImage(session.data);
  UseDecoded(session);
  return 0;
}
