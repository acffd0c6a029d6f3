#include "app/config.h"

#include "app/busy_scope.h"
#include "app/platform.h"
#include "app/user_prefs.h"
#include "image/decode.h"
#include "image/default_image.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>
#include <map>
#include <mutex>
#include <string_view>
#include <system_error>

#ifndef KV508_DATADIR
#define KV508_DATADIR "/usr/local/share/kv508"
#endif

namespace kv508 {

namespace {

namespace fs = std::filesystem;

// global.ini and settings files are small; anything beyond this is not a
// settings file and is not read further.
constexpr std::size_t kIniReadCap = 8u << 20;
// The private-profile buffer holds 128 characters including the terminator.
constexpr std::size_t kIniValueMax = 127;
constexpr int kModelMenuEntries = 10;
constexpr int kDestinationNames = 10;
constexpr int kLoadPauseMs = 500;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string ToUpper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Upper);
  return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && EqualNoCase(text.substr(text.size() - tail.size()), tail);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// Reads what a regular file holds, up to the cap; anything else (missing, a
// folder, a device) and a file that cannot be read read as nothing.
std::string ReadCapped(const fs::path &file) {
  std::string bytes;
  if (platform::ReadRegularFile(file, bytes, kIniReadCap))
    return {};
  if (bytes.size() > kIniReadCap)
    bytes.resize(kIniReadCap);
  return bytes;
}

// The raw value of the first key of the first matching section, or nothing.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF")
    text.remove_prefix(3);
  bool inSection = false;
  bool sectionSeen = false;
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    std::string_view line = TrimBlanks(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    if (!line.empty() && line.front() == '[') {
      // The first section of that name is the only one searched.
      if (sectionSeen)
        return std::nullopt;
      // A header without its closing bracket names the rest of the line.
      std::size_t close = line.rfind(']');
      std::string_view name = line.substr(1, close == std::string_view::npos ? close : close - 1);
      inSection = EqualNoCase(TrimBlanks(name), section);
      sectionSeen = inSection;
      continue;
    }
    if (!inSection)
      continue;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
      continue;
    if (EqualNoCase(TrimBlanks(line.substr(0, equals)), key))
      return TrimBlanks(line.substr(equals + 1));
  }
  return std::nullopt;
}

// The leading number of a text, as a BASIC Val reads it: blanks, a sign,
// digits with an optional fraction. Nothing when no digit leads.
std::optional<double> LeadingNumber(std::string_view text) {
  text = TrimBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    negative = text[i++] == '-';
  double value = 0;
  bool digits = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
      digits = true;
    }
  }
  if (!digits)
    return std::nullopt;
  return negative ? -value : value;
}

// A whole text that is a decimal integer (blanks around it allowed).
template <typename Int> std::optional<Int> WholeInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);
  Int value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

// A file of the folder whose name equals the wanted one without regard to case,
// so destination captions find their files on case-sensitive file systems.
fs::path ResolveNoCase(const fs::path &folder, const std::string &name) {
  fs::path exact = folder / name;
  std::error_code ec;
  if (fs::exists(exact, ec))
    return exact;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (EqualNoCase(it->path().filename().string(), name))
      return it->path();
  }
  return exact;
}

bool SameMenu(const DestinationMenu &a, const DestinationMenu &b) {
  return a.Enabled == b.Enabled && a.Captions == b.Captions && a.Checked == b.Checked;
}

fs::path DestinationFilePath(const Session &session, const std::string &caption) {
  std::string name = ToUpper(caption);
  if (name.size() > 2 && name.ends_with("-M"))
    name.resize(name.size() - 2);
  return ResolveNoCase(session.programDir,
                       name + DestinationSuffix(session.model.ModelVariant) + ".ini");
}
} // namespace

std::string IniRead(const fs::path &file, const std::string &section, const std::string &key) {
  return IniReadText(ReadCapped(file), section, key);
}

std::string IniReadText(std::string_view text, const std::string &section, const std::string &key) {
  std::optional<std::string_view> found = FindIniValue(text.substr(0, kIniReadCap), section, key);
  std::string value(found ? *found : std::string_view(kNoneMarker));
  if (value.size() > kIniValueMax)
    value.resize(kIniValueMax);
  value = value.substr(0, value.find('\0'));
  if (value == kNoneMarker)
    return {};
  if (!value.empty() && value.front() == '#')
    value.erase(0, 1);
  return value;
}

GlobalIni GlobalIni::Read(const fs::path &file) { return GlobalIni(ReadCapped(file)); }

std::string GlobalIni::Value(const std::string &section, const std::string &key) const {
  return IniReadText(text_, section, key);
}

const GlobalIni &KeptGlobalIni(const fs::path &file) {
  static std::mutex guard;
  static std::map<fs::path, GlobalIni> kept;
  std::error_code ec;
  fs::path key = fs::absolute(file, ec).lexically_normal();
  if (ec)
    key = file;
  const std::lock_guard<std::mutex> lock(guard);
  auto found = kept.find(key);
  if (found == kept.end())
    found = kept.emplace(key, GlobalIni::Read(file)).first;
  return found->second;
}

std::optional<bool> ParseBooleanText(const std::string &text) {
  std::string_view trimmed = TrimBlanks(text);
  if (EqualNoCase(trimmed, "true"))
    return true;
  if (EqualNoCase(trimmed, "false"))
    return false;
  std::size_t i = 0;
  if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-'))
    ++i;
  bool digits = false;
  bool nonZero = false;
  bool point = false;
  for (; i < trimmed.size(); ++i) {
    char c = trimmed[i];
    if (c == '.' && !point) {
      point = true;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      digits = true;
      nonZero = nonZero || c != '0';
    } else {
      return std::nullopt;
    }
  }
  if (!digits)
    return std::nullopt;
  return nonZero;
}

ModelSelection SelectModelAtStartup(const fs::path &globalIni, const std::string &lastModel) {
  return SelectModelAtStartup(KeptGlobalIni(globalIni), lastModel);
}

ModelSelection SelectModelAtStartup(const GlobalIni &globalIni, const std::string &lastModel) {
  ModelSelection selection;
  for (int n = 1; n <= kModelMenuEntries; ++n) {
    std::string use = globalIni.Value("model" + std::to_string(n), "use");
    if (use.empty())
      break;
    std::optional<double> value = LeadingNumber(use);
    if (value && *value == 1) {
      selection.OfferedModels.push_back(n);
      selection.ModelVariant = static_cast<std::int16_t>(n);
    }
  }
  if (selection.OfferedModels.empty()) {
    selection.UnknownModel = true;
    return selection;
  }
  std::optional<int> last = WholeInteger<int>(lastModel);
  const auto &offered = selection.OfferedModels;
  if (last && *last < kModelMenuEntries &&
      std::find(offered.begin(), offered.end(), *last) != offered.end())
    selection.ModelVariant = static_cast<std::int16_t>(*last);
  selection.AtisCapable = ReadAtisCapable(globalIni, selection.ModelVariant);
  selection.TitleText = TitleTextFor(selection.ModelVariant);
  selection.ShowEditMenu = offered.size() >= 2;
  return selection;
}

std::string UnknownModelReason(const fs::path &globalIni) {
  std::string bytes;
  if (std::error_code ec = platform::ReadRegularFile(globalIni, bytes, kIniReadCap))
    return globalIni.string() + ": " + ec.message();
  return globalIni.string() + ": no model with use=1";
}

bool ReadAtisCapable(const fs::path &globalIni, int variant) {
  return ReadAtisCapable(KeptGlobalIni(globalIni), variant);
}

bool ReadAtisCapable(const GlobalIni &globalIni, int variant) {
  return ParseBooleanText(globalIni.Value("model" + std::to_string(variant), "atis"))
      .value_or(false);
}

void ApplyModelSelection(Session &session, const ModelSelection &selection) {
  session.model.ModelVariant = selection.ModelVariant;
  session.model.AtisCapable = selection.AtisCapable;
  session.state.TitleText =
      selection.TitleText.empty() ? TitleTextFor(selection.ModelVariant) : selection.TitleText;
}

std::vector<std::string> DestinationNames(const std::vector<std::string> &fileNames,
                                          const std::string &suffix) {
  std::vector<std::string> names;
  // Without a suffix the pattern would match every .ini file, global.ini included.
  if (suffix.empty())
    return names;
  const std::string tail = suffix + ".ini";
  for (const std::string &file : fileNames) {
    if (static_cast<int>(names.size()) == kDestinationNames)
      break;
    if (!EndsWithNoCase(file, tail))
      continue;
    names.push_back(ToUpper(file.substr(0, file.find('_'))));
  }
  std::stable_sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
  });
  return names;
}

bool LoadDestinationFile(Session &session, const fs::path &path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) != kImageSize || ec)
    return false;

  session.state.OperationFailed = false;
  bool accepted = false;
  {
    BusyScope busy(session.state);
    std::string bytes;
    if (!platform::ReadRegularFile(path, bytes, kImageSize) && bytes.size() == kImageSize) {
      MemoryImage buffer{};
      std::copy(bytes.begin(), bytes.end(), buffer.begin());
      accepted = ImageMatchesModel(buffer, session.model.ModelVariant);
      if (accepted)
        session.data.Image = buffer;
    }
    session.host.RepaintPause(kLoadPauseMs);
  }
  session.state.OperationFailed = !accepted;
  if (!accepted)
    return false;
  DecodeImage(session.data);
  return true;
}

void RebuildDestinationList(Session &session) {
  const DestinationMenu before = session.destinations;
  DestinationMenu &menu = session.destinations;
  menu = DestinationMenu{};

  std::vector<std::string> files;
  std::error_code ec;
  for (fs::directory_iterator it(session.programDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code statusError;
    if (it->is_regular_file(statusError))
      files.push_back(it->path().filename().string());
  }
  std::vector<std::string> names =
      DestinationNames(files, DestinationSuffix(session.model.ModelVariant));

  int stored = -1;
  if (!names.empty()) {
    menu.Enabled = true;
    for (std::size_t i = 0; i < names.size(); ++i)
      menu.Captions[i] = names[i];
    std::string storedName = prefs::Destination(session.settings, session.model.ModelVariant);
    for (int i = 0; i < kDestinationEntries && stored < 0; ++i) {
      if (!menu.Captions[i].empty() && EqualNoCase(menu.Captions[i], storedName))
        stored = i;
    }
    // The stored destination is loaded on the side of NewData: its failure must
    // not become the failure of the file operation that called NewData.
    const bool failedBefore = session.state.OperationFailed;
    if (stored >= 0 && LoadDestinationFile(session, DestinationFilePath(session, storedName)))
      menu.Checked = stored;
    session.state.OperationFailed = failedBefore;
  }
  if (!SameMenu(before, menu))
    session.DestinationsChanged();
  if (menu.Checked >= 0)
    session.DataReplaced();
}

void LoadDestination(Session &session, int menuIndex) {
  if (menuIndex < 0 || menuIndex >= kDestinationEntries)
    return;
  DestinationMenu &menu = session.destinations;
  session.host.SetWaitCursor(true);
  session.host.SetMainWindowEnabled(false);

  const int previous = menu.Checked;
  menu.Checked = -1;
  const std::string caption = menu.Captions[menuIndex];
  if (LoadDestinationFile(session, DestinationFilePath(session, caption))) {
    menu.Checked = menuIndex;
    prefs::SetDestination(session.settings, session.model.ModelVariant, caption);
    session.DestinationsChanged();
    session.DataReplaced();
  } else {
    session.host.Message(Icon::Exclamation, session.state.TitleText, "IniFileRead Error!!");
    menu.Checked = previous;
    session.DestinationsChanged();
  }

  session.host.SetMainWindowEnabled(true);
  session.host.SetWaitCursor(false);
}

void SelectPort(Session &session, int menuIndex, bool store) {
  const auto port = static_cast<std::int16_t>(
      std::clamp<long long>(menuIndex + 1LL, std::numeric_limits<std::int16_t>::min(),
                            std::numeric_limits<std::int16_t>::max()));
  session.ComPort = port;
  if (store)
    prefs::SetComNum(session.settings, port);
}

std::int16_t StoredComPort(UserSettings &settings) {
  return WholeInteger<std::int16_t>(prefs::ComNumText(settings)).value_or(1);
}

fs::path SelectHelpFile(const fs::path &programDir, bool atisCapable) {
  fs::path file = programDir / "help" / (atisCapable ? "KV508.html" : "KV508_NA.html");
  std::error_code ec;
  return fs::is_regular_file(file, ec) ? file : fs::path{};
}

fs::path LocateProgramFolder(const fs::path &executableDir) {
  std::error_code ec;
  if (fs::is_regular_file(executableDir / "global.ini", ec))
    return executableDir;
  // An installed tree keeps its data in <prefix>/share/kv508, wherever the prefix is.
  fs::path installed = executableDir.parent_path() / "share" / "kv508";
  if (fs::is_regular_file(installed / "global.ini", ec))
    return installed;
  return fs::path(KV508_DATADIR);
}

} // namespace kv508
