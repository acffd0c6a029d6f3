#include "exchange/exchange_values.h"

#include "model/channel_rules.h"
#include "model/convert.h"
#include "model/tables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kv508 {

namespace {

constexpr std::array<const char *, 4> kKindNames = {"individual", "group", "expansion", "channels"};
constexpr std::array<const char *, 3> kBankNames = {"USA", "INTL", "CAN"};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char &c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string WithDecimalPoint(std::string_view text, char separator, std::string &reason) {
  std::string out(text);
  if (out.find(',') != std::string::npos) {
    if (separator != ';') {
      reason = Quoted(text) +
               " has a decimal comma, read only in files separated by semicolons; use a point";
      return {};
    }
    std::replace(out.begin(), out.end(), ',', '.');
  }
  return out;
}

bool ReadNumber(const std::string &text, double &value) {
  const char *end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

// The index of text in a chooser's list; 0 ("Off") when it is not there.
std::int16_t ListIndex(void (*build)(std::vector<std::string> &), const std::string &text) {
  std::vector<std::string> list;
  build(list);
  const auto found = std::find(list.begin() + 1, list.end(), text);
  return found == list.end() ? 0 : static_cast<std::int16_t>(found - list.begin());
}

std::string ListText(void (*build)(std::vector<std::string> &), int index) {
  std::vector<std::string> list;
  build(list);
  return index > 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)]
                                                            : std::string();
}

} // namespace

std::optional<ExchangeKind> ExchangeKindNamed(std::string_view name) {
  for (std::size_t k = 0; k < kKindNames.size(); ++k) {
    if (name == kKindNames[k])
      return static_cast<ExchangeKind>(k);
  }
  return std::nullopt;
}

std::string ExchangeKindName(ExchangeKind kind) {
  return kKindNames[static_cast<std::size_t>(kind)];
}

const std::vector<std::string> &ExchangeColumns(ExchangeKind kind) {
  static const std::vector<std::string> kDirectory = {"position", "name", "mmsi"};
  static const std::vector<std::string> kExpansion = {
      "number",    "enabled",  "display", "rx_mhz",    "tx_mhz",  "name",
      "low_power", "power_up", "scan",    "bandwidth", "rx_tone", "tx_tone"};
  static const std::vector<std::string> kChannels = {"bank",      "label",    "enabled", "name",
                                                     "low_power", "power_up", "duplex",  "scan"};
  switch (kind) {
  case ExchangeKind::Expansion:
    return kExpansion;
  case ExchangeKind::Channels:
    return kChannels;
  default:
    return kDirectory;
  }
}

std::string ColumnKey(std::string_view header) {
  std::string key;
  for (char c : header) {
    if (std::isalnum(static_cast<unsigned char>(c)))
      key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

std::string PlanBankName(int group) {
  return group >= 0 && group < 3 ? kBankNames[static_cast<std::size_t>(group)] : "";
}

std::optional<int> PlanBankNamed(std::string_view text) {
  // Also the settings file's section names (CHUSA, CHINT, CHCAN) and the words.
  static const std::array<std::vector<std::string>, 3> kNames = {{
      {"usa", "chusa"},
      {"intl", "int", "chint", "international"},
      {"can", "chcan", "canada"},
  }};
  const std::string key = ColumnKey(text);
  for (std::size_t k = 0; k < kNames.size(); ++k) {
    if (std::find(kNames[k].begin(), kNames[k].end(), key) != kNames[k].end())
      return static_cast<int>(k);
  }
  return std::nullopt;
}

std::optional<int> PlanSlotLabelled(std::string_view text) {
  std::string label = Trim(text);
  for (char &c : label)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const bool suffix = !label.empty() && label.back() == 'A';
  std::string digits = suffix ? label.substr(0, label.size() - 1) : label;
  if (!AllDigits(digits) || digits.size() > 3)
    return std::nullopt;
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (digits.size() < 2)
    digits.insert(0, "0");
  const std::string index = FindChannelByLabel(digits + (suffix ? "A" : ""));
  if (index.empty())
    return std::nullopt;
  return std::stoi(index);
}

std::string FlagText(bool on) { return on ? "1" : "0"; }

std::string MegahertzText(double f) {
  if (!std::isfinite(f) || f <= 0.0)
    return {};
  char buffer[400]; // the largest double written out in full
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, f, std::chars_format::fixed, 4);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

std::string ToneText(std::int16_t ctcss, std::int16_t dcs) {
  if (std::string text = ListText(BuildCtcssList, ctcss); !text.empty())
    return text;
  if (std::string text = ListText(BuildDcsList, dcs); !text.empty())
    return text;
  return "Off";
}

std::string BandwidthText(bool narrow) { return narrow ? "Narrow" : "Wide"; }

std::string DisplayText(const ChannelRecord &record) {
  std::string left = record.CHDisplayL;
  if (!record.CHDisplayR.empty() && left.size() < 2)
    left.resize(2, ' ');
  return left + record.CHDisplayR;
}

std::string DirectoryMmsiText(DirectoryKind kind, const std::string &mmsid) {
  if (mmsid.empty())
    return {};
  const std::string typed = TypedMmsi(kind, mmsid);
  return kind == DirectoryKind::GroupId ? "0" + typed : typed;
}

std::string ReadFlag(std::string_view text, bool &value) {
  const std::string key = Lower(Trim(text));
  if (key.empty() || key == "0" || key == "false" || key == "no" || key == "off") {
    value = false;
  } else if (key == "1" || key == "true" || key == "yes" || key == "on" || key == "x") {
    value = true;
  } else {
    return Quoted(text) + " is not 1 or 0";
  }
  return {};
}

std::string ReadMegahertz(std::string_view text, char separator, double &value) {
  const std::string trimmed = Trim(text);
  if (trimmed.find_first_not_of("-.") == std::string::npos) {
    value = 0.0;
    return {};
  }
  std::string reason;
  const std::string number = WithDecimalPoint(trimmed, separator, reason);
  if (!reason.empty())
    return reason;
  if (!ReadNumber(number, value))
    return Quoted(text) + " is not a number of MHz";
  return {};
}

std::string CheckExpansionMegahertz(std::string_view text, double value) {
  double accepted = 0.0;
  if (value == 0.0 || ParseExpansionFreq(MegahertzText(value), accepted))
    return {};
  if (value < 137.0 || value > 174.0)
    return Quoted(text) + " is outside 137 to 174 MHz";
  return Quoted(text) + " is off the 25 kHz raster";
}

std::string ReadTone(std::string_view text, char separator, std::int16_t &ctcss,
                     std::int16_t &dcs) {
  std::string tone = Lower(Trim(text));
  ctcss = 0;
  dcs = 0;
  if (tone.empty() || tone == "off")
    return {};
  if (tone.size() > 2 && tone.compare(tone.size() - 2, 2, "hz") == 0)
    tone = Trim(tone.substr(0, tone.size() - 2));
  if (AllDigits(tone) && tone.size() <= 3) {
    dcs = ListIndex(BuildDcsList, std::string(3 - tone.size(), '0') + tone);
    if (dcs != 0)
      return {};
  }
  std::string reason;
  const std::string number = WithDecimalPoint(tone, separator, reason);
  double hz = 0.0;
  if (reason.empty() && ReadNumber(number, hz) && hz < 1000.0) {
    char formatted[32];
    const auto result =
        std::to_chars(formatted, formatted + sizeof formatted, hz, std::chars_format::fixed, 1);
    ctcss = ListIndex(BuildCtcssList, std::string(formatted, result.ptr) + "Hz");
    if (ctcss != 0)
      return {};
  }
  return reason.empty() ? Quoted(text) + " is no CTCSS tone or DCS code" : reason;
}

std::string ReadBandwidth(std::string_view text, bool &narrow) {
  const std::string key = Lower(Trim(text));
  if (key.empty() || key == "wide" || key == "w") {
    narrow = false;
  } else if (key == "narrow" || key == "n") {
    narrow = true;
  } else {
    return Quoted(text) + " is not Narrow or Wide";
  }
  return {};
}

std::string ReadDisplay(std::string_view text, std::string &left, std::string &right) {
  const std::string display = Trim(text);
  if (display.size() > 3)
    return Quoted(text) + " is longer than 3 characters";
  for (char c : display) {
    if (c != ' ' && !InChannelDisplayAlphabet(c))
      return Quoted(text) + " has characters the display cannot show";
  }
  left = display.substr(0, 2);
  left.erase(left.find_last_not_of(' ') + 1);
  right = display.size() > 2 ? display.substr(2) : std::string();
  return {};
}

std::string ReadDirectoryMmsi(DirectoryKind kind, std::string_view text, std::string &typed) {
  const std::string digits = Trim(text);
  if (kind == DirectoryKind::MemoryId) {
    if (digits.size() != 9 || !AllDigits(digits))
      return "MMSI " + Quoted(text) + " is not 9 digits";
    typed = digits;
    return {};
  }
  // A spreadsheet that took the MMSI for a number has dropped its leading 0.
  if (AllDigits(digits) && (digits.size() == 8 || (digits.size() == 9 && digits[0] == '0'))) {
    typed = digits.substr(digits.size() - 8);
    return {};
  }
  return "group MMSI " + Quoted(text) + " is not 0 and 8 digits";
}

std::string ReadNumberUpTo(std::string_view column, std::string_view text, int last, int &value) {
  const std::string digits = Trim(text);
  int number = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || number < 1 ||
      number > last)
    return std::string(column) + " " + Quoted(text) + " is not a number from 1 to " +
           std::to_string(last);
  value = number;
  return {};
}

std::string StoredName(std::string_view text, std::size_t maxLength) {
  std::string name;
  for (char c : text) {
    // Bytes of multi-byte UTF-8 characters are never in the alphabet.
    if (InNameAlphabet(c) && name.size() < maxLength)
      name += c;
  }
  name.erase(name.find_last_not_of(' ') + 1); // the radio pads names with blanks
  return name;
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongest = 40; // a whole field would drown the message
  if (text.size() <= kLongest)
    return "\"" + std::string(text) + "\"";
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut; // not inside a UTF-8 character
  return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

} // namespace kv508
