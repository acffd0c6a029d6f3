// The settings-file reader on hostile text: the whole open (size and line
// limits, model type, parse, every value applied). What the values do
// further on is dat_values' part.

#include "fuzz_support.h"

#include "files/dat_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static kv508::fuzz::InputFile file;
  kv508::fuzz::FuzzSession fuzz;
  kv508::FileRead2(fuzz.session, file.Hold(data, size));
  return 0;
}
