#include "app/user_prefs.h"

#include "app/config.h"

#include <charconv>

namespace kv508::prefs {

namespace {
constexpr const char *kSettings = "Settings";
constexpr const char *kPorts = "ComPath";
constexpr const char *kDestinations = "IniFilePath";

std::string DestinationKey(int variant) { return "IniFileName_" + std::to_string(variant); }
std::string TrueFalse(bool on) { return on ? "True" : "False"; }

std::optional<int> Twips(UserSettings &settings, const char *key) {
  const std::string text = settings.Get(kSettings, key, "");
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
    return std::nullopt;
  return value;
}
} // namespace

std::string LastModel(UserSettings &settings) { return settings.Get(kSettings, "lastmodel", "1"); }

void SetLastModel(UserSettings &settings, int variant) {
  settings.Set(kSettings, "lastmodel", std::to_string(variant));
}

bool HexVisible(UserSettings &settings) {
  return ParseBooleanText(settings.Get(kSettings, "hexvisible", "False")).value_or(false);
}

std::string Destination(UserSettings &settings, int variant) {
  return settings.Get(kDestinations, DestinationKey(variant), "usaa");
}

void SetDestination(UserSettings &settings, int variant, const std::string &caption) {
  settings.Set(kDestinations, DestinationKey(variant), caption);
}

std::string ComNumText(UserSettings &settings) { return settings.Get(kPorts, "ComNum", ""); }

void SetComNum(UserSettings &settings, int port) {
  settings.Set(kPorts, "ComNum", std::to_string(port));
}

std::string PortSource(UserSettings &settings) { return settings.Get(kPorts, "ComSource", ""); }

std::string PortDevice(UserSettings &settings) { return settings.Get(kPorts, "ComDevice", ""); }

void SetPortSource(UserSettings &settings, const std::string &source) {
  settings.Set(kPorts, "ComSource", source);
}

void SetPortDevice(UserSettings &settings, const std::string &device) {
  settings.Set(kPorts, "ComDevice", device);
}

bool VerifyAfterWriting(UserSettings &settings) {
  return ParseBooleanText(settings.Get(kSettings, "VerifyAfterWriting", "True")).value_or(true);
}

void SetVerifyAfterWriting(UserSettings &settings, bool on) {
  settings.Set(kSettings, "VerifyAfterWriting", TrueFalse(on));
}

namespace {
constexpr const char *kAppearanceNames[] = {"System", "Light", "Dark"};
}

Appearance AppearanceChoice(UserSettings &settings) {
  const std::string text = settings.Get(kSettings, "Appearance", "System");
  for (int i = 0; i < 3; ++i) {
    if (text == kAppearanceNames[i])
      return static_cast<Appearance>(i);
  }
  return Appearance::System;
}

void SetAppearanceChoice(UserSettings &settings, Appearance appearance) {
  settings.Set(kSettings, "Appearance", kAppearanceNames[static_cast<int>(appearance)]);
}

std::string Language(UserSettings &settings) { return settings.Get(kSettings, "Language", ""); }

void SetLanguage(UserSettings &settings, const std::string &code) {
  settings.Set(kSettings, "Language", code);
}

void SetPlacement(UserSettings &settings, const WindowPlacement &placement) {
  settings.Set(kSettings, "MainLeft", std::to_string(placement.left));
  settings.Set(kSettings, "MainTop", std::to_string(placement.top));
  settings.Set(kSettings, "MainWidth", std::to_string(placement.width));
  settings.Set(kSettings, "MainHeight", std::to_string(placement.height));
}

std::optional<WindowPlacement> Placement(UserSettings &settings) {
  const auto left = Twips(settings, "MainLeft");
  const auto top = Twips(settings, "MainTop");
  const auto width = Twips(settings, "MainWidth");
  const auto height = Twips(settings, "MainHeight");
  if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
    return std::nullopt;
  return WindowPlacement{*left, *top, *width, *height};
}

} // namespace kv508::prefs
