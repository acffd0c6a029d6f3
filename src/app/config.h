#pragma once

// Configuration: global.ini, the per-user store, destination images, the
// serial port number and the help file.

#include "app/session.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv508 {

inline constexpr const char *kNoneMarker = "<NONE>";

// Private-profile read: section and key without regard to case, first match,
// at most 127 characters, "<NONE>" (absent) gives "", one leading '#' removed.
// A missing or unreadable file reads as absent.
std::string IniRead(const std::filesystem::path &file, const std::string &section,
                    const std::string &key);
// The same read from a file's text already in memory.
std::string IniReadText(std::string_view text, const std::string &section, const std::string &key);

// global.ini as read once: its text, looked up as IniRead looks up the file.
class GlobalIni {
public:
  GlobalIni() = default; // no file: every key is absent
  explicit GlobalIni(std::string text) : text_(std::move(text)) {}
  // Reads the file now (missing or unreadable: every key is absent).
  static GlobalIni Read(const std::filesystem::path &file);
  std::string Value(const std::string &section, const std::string &key) const;

private:
  std::string text_;
};

// The global.ini at that path, read the first time the process asks for it and
// kept from then on; global.ini of another program folder is read on its own.
const GlobalIni &KeptGlobalIni(const std::filesystem::path &file);

// Boolean text: True/False in any case, or a number (non-zero is true).
std::optional<bool> ParseBooleanText(const std::string &text);

struct ModelSelection {
  bool UnknownModel = false;      // no model offered: "Unknown model!!", the program ends
  std::vector<int> OfferedModels; // model indexes 1..10 whose use=1, in order
  std::int16_t ModelVariant = 0;
  bool AtisCapable = false;
  std::string TitleText;
  bool ShowEditMenu = false; // two or more models offered
};

// The model choice from global.ini and the stored lastmodel. The path forms
// use the kept global.ini of that path.
ModelSelection SelectModelAtStartup(const GlobalIni &globalIni, const std::string &lastModel);
ModelSelection SelectModelAtStartup(const std::filesystem::path &globalIni,
                                    const std::string &lastModel);
// Why global.ini offers no model, for the line after "Unknown model!!": the
// path and the system's reason, or that no model has use=1.
std::string UnknownModelReason(const std::filesystem::path &globalIni);
// AtisCapable of a model from global.ini (missing or unreadable: false).
bool ReadAtisCapable(const GlobalIni &globalIni, int variant);
bool ReadAtisCapable(const std::filesystem::path &globalIni, int variant);
// Applies a selection to the session (ModelVariant, AtisCapable, TitleText).
void ApplyModelSelection(Session &session, const ModelSelection &selection);

// Destination names from a folder listing: files NAME + suffix + ".ini", first ten
// in listing order, names before the first '_' upper-cased, sorted without case.
std::vector<std::string> DestinationNames(const std::vector<std::string> &fileNames,
                                          const std::string &suffix);
// Accepts a 32,768-byte image with model identifier 2000 at both ends for models
// 1 and 11, copies it into the image and decodes it.
bool LoadDestinationFile(Session &session, const std::filesystem::path &path);
void RebuildDestinationList(Session &session);
void LoadDestination(Session &session, int menuIndex);

// ComPort = menuIndex + 1; stored as ComNum when store is true.
void SelectPort(Session &session, int menuIndex, bool store);
// The stored port number (default 1; text that is not a number gives 1).
std::int16_t StoredComPort(UserSettings &settings);

// The help page for the model in use: help/KV508.html with ATIS, help/KV508_NA.html
// without; empty when the file does not exist.
std::filesystem::path SelectHelpFile(const std::filesystem::path &programDir, bool atisCapable);

// The folder of the executable when it holds global.ini, else the installed data folder.
std::filesystem::path LocateProgramFolder(const std::filesystem::path &executableDir);

} // namespace kv508
