#include "app/mid_table_file.h"

#include "app/platform.h"

namespace kv508 {

namespace {

// The real table is about 6 KB.
constexpr std::size_t kMaxTableBytes = 256 * 1024;

} // namespace

MidTable LoadMidTable(const std::filesystem::path &programDir, std::string &problem) {
  const std::filesystem::path path = programDir / kMidTableFileName;
  const std::string lead = "MID table not used, countries are unknown: " + path.string() + ": ";
  std::string text;
  if (std::error_code ec = platform::ReadRegularFile(path, text, kMaxTableBytes)) {
    problem = lead + ec.message();
    return MidTable();
  }
  if (text.size() > kMaxTableBytes) {
    problem = lead + std::make_error_code(std::errc::file_too_large).message();
    return MidTable();
  }
  MidTable table = MidTable::FromCsv(text, problem);
  if (!problem.empty())
    problem = lead + problem;
  return table;
}

} // namespace kv508
