#pragma once

// Every per-user setting the programs keep, by name, so that a key is spelled
// in one place. Values the store holds in a form that does not parse read as
// their defaults.

#include "app/user_settings.h"

#include <optional>
#include <string>

namespace kv508::prefs {

// The model last chosen ("1" when none is stored), as global.ini's model index text.
std::string LastModel(UserSettings &settings);
void SetLastModel(UserSettings &settings, int variant);

// The debug hex dump is shown (Options > Hexdump).
bool HexVisible(UserSettings &settings);

// The destination chosen for a model ("usaa" when none is stored).
std::string Destination(UserSettings &settings, int variant);
void SetDestination(UserSettings &settings, int variant, const std::string &caption);

// The numbered serial port (ComNum); empty text when none was ever chosen.
std::string ComNumText(UserSettings &settings);
void SetComNum(UserSettings &settings, int port);
// Which kind of port entry is chosen: "" (numbered), "device" or "sim"; and the device path.
std::string PortSource(UserSettings &settings);
std::string PortDevice(UserSettings &settings);
void SetPortSource(UserSettings &settings, const std::string &source);
void SetPortDevice(UserSettings &settings, const std::string &device);

// Program to Radio reads back what it wrote (on unless turned off).
bool VerifyAfterWriting(UserSettings &settings);
void SetVerifyAfterWriting(UserSettings &settings, bool on);

// The desktop's colours: the system's, or a light or dark scheme of the program's own.
enum class Appearance { System, Light, Dark };
// System when none is stored or the stored text names no scheme.
Appearance AppearanceChoice(UserSettings &settings);
void SetAppearanceChoice(UserSettings &settings, Appearance appearance);

// The language of the desktop: "" follows the system, else "en", "de" or "es".
std::string Language(UserSettings &settings);
void SetLanguage(UserSettings &settings, const std::string &code);

// The main window's frame, in twips.
struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
void SetPlacement(UserSettings &settings, const WindowPlacement &placement);
// The frame stored last; nothing when none is stored, a value does not parse
// or the frame has no area.
std::optional<WindowPlacement> Placement(UserSettings &settings);

} // namespace kv508::prefs
