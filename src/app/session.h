#pragma once

// Everything one running program holds: the radio data with its image, the
// application state, the model in use, the program folder and the front end's
// services. There is exactly one per process; operations take it by reference.

#include "app/app_state.h"
#include "app/backups.h"
#include "app/host.h"
#include "app/undo_history.h"
#include "app/user_settings.h"
#include "model/radio_data.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace kv508 {

struct ModelInfo {
  std::int16_t ModelVariant = 1;
  bool AtisCapable = false;
  bool ScrambleCapable = false;
};

// "TR4100/TR4300" (1), "TR4100M" (11), "Unknown model" otherwise.
std::string ModelName(int variant);
// Caption of the model's Edit > Model entry: empty for models without one.
std::string ModelMenuCaption(int variant);
// "_07D0" (1), "-M_07D0" (11), empty otherwise.
std::string DestinationSuffix(int variant);
inline std::string TitleTextFor(int variant) { return "PC Program for " + ModelName(variant); }

constexpr int kDestinationEntries = 11;

// The Destination menu: up to ten names, entries without a name are hidden.
struct DestinationMenu {
  bool Enabled = false;
  std::array<std::string, kDestinationEntries> Captions{};
  int Checked = -1; // menu index of the checked entry, -1 for none
};

// The editor's refresh steps; empty functions until a window is attached.
struct EditorHooks {
  std::function<void()> RefillScreens;   // every panel and grid from RadioData
  std::function<void()> RebuildTree;     // BuildTree
  std::function<void()> SelectGeneral;   // select "General" as if clicked, then no node chosen
  std::function<void()> ClearStatusHint; // first status-bar panel
  std::function<void()> UpdateCaption;
  std::function<void()> RefreshNodeTexts;
  std::function<void()> DestinationMenuChanged;
  // After a user action on a control: its edit name and object name.
  std::function<void(const std::string &name, const std::string &widgetName)> RecordEdit;
};

struct Session {
  Session(Host &h, UserSettings &s) : host(h), settings(s) {}

  RadioData data;
  AppState state;
  ModelInfo model;
  DestinationMenu destinations;
  std::int16_t ComPort = 1;
  std::filesystem::path programDir;
  Host &host;
  UserSettings &settings;
  EditorHooks editor;
  BackupOptions backups; // off until a front end names the folder
  UndoHistory undo;

  void Call(const std::function<void()> &hook) const {
    if (hook)
      hook();
  }
};

} // namespace kv508
