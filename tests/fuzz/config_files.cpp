// The configuration files on hostile text: global.ini and its model choice,
// the per-user settings file, a destination file and the destination names
// read from a folder listing.

#include "fuzz_support.h"

#include "app/config.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static kv508::fuzz::InputFile file;
  const std::filesystem::path path = file.Hold(data, size);
  const std::string text(reinterpret_cast<const char *>(data), size);

  kv508::SelectModelAtStartup(path, text.substr(0, 4));
  kv508::UnknownModelReason(path);
  for (int model : {1, 11})
    kv508::ReadAtisCapable(path, model);
  kv508::ParseBooleanText(text);

  kv508::IniFileUserSettings user(path);
  user.Get("ComPath", "ComNum", "1");
  kv508::StoredComPort(user);

  kv508::fuzz::FuzzSession fuzz;
  kv508::LoadDestinationFile(fuzz.session, path);

  std::vector<std::string> listing(1);
  for (char c : text) {
    if (c == '\n')
      listing.emplace_back();
    else
      listing.back() += c;
  }
  kv508::DestinationNames(listing, "_07D0");
  return 0;
}
