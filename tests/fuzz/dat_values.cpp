// What follows the open of a hostile settings file: the values it set go into
// the report, the file written back and the image encoded for a radio.

#include "fuzz_support.h"

#include "files/dat_file.h"
#include "image/encode.h"
#include "report/report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static kv508::fuzz::InputFile file;
  kv508::fuzz::FuzzSession fuzz;
  kv508::Session &session = fuzz.session;
  if (!kv508::FileRead2(session, file.Hold(data, size)))
    return 0;
  kv508::ReportFileText(kv508::BuildReport(session.data, session.model));
  kv508::BuildDatText(session.data, session.model);
  kv508::PrepareOutgoingImage(session.data, session.model.ModelVariant, /*radioWrite=*/true);
  return 0;
}
