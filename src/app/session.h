#pragma once

// Everything one running program holds: the radio data with its image, the
// application state, the model in use, the program folder and the front end's
// services. There is exactly one per process; operations take it by reference.

#include "app/app_state.h"
#include "app/backups.h"
#include "app/edit_log.h"
#include "app/host.h"
#include "app/user_settings.h"
#include "model/mid_table.h"
#include "model/radio_data.h"

#include <array>
#include <cstdint>
#include <filesystem>
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

// What a front end hears about the data it shows.
class DataObserver {
public:
  virtual ~DataObserver() = default;
  // RadioData was replaced as a whole (new data, a file, a radio read, a
  // destination) or in bulk by a transfer: every view of it is stale.
  virtual void DataReplaced() = 0;
  // The Destination menu's entries or its checked entry changed.
  virtual void DestinationsChanged() = 0;
};

struct Session {
  Session(Host &h, UserSettings &s) : host(h), settings(s) {}
  Session(const Session &) = delete;
  Session &operator=(const Session &) = delete;

  RadioData data;
  AppState state;
  ModelInfo model;
  DestinationMenu destinations;
  std::int16_t ComPort = 1;
  std::filesystem::path programDir;
  Host &host;
  UserSettings &settings;
  BackupOptions backups; // off until a front end names the folder
  EditLog edits{data, state};
  DataObserver *observer = nullptr;
  // The MID table of the program folder, loaded once by a front end; empty
  // (countries unknown) until then or when it could not be read.
  MidTable mids;
  std::string midsProblem; // why it is empty and where it was looked for

  // Tells the observer that RadioData was replaced. Inside a ReplacingData
  // scope it is told once, when the outermost scope ends.
  void DataReplaced();
  void DestinationsChanged() {
    if (observer)
      observer->DestinationsChanged();
  }

private:
  friend class ReplacingData;
  int replacing_ = 0;
  bool replaced_ = false;
};

// An operation that replaces the data and may nest another one (NewData inside
// a file read): the observer hears of it once, at the end.
class ReplacingData {
public:
  explicit ReplacingData(Session &session) : session_(session) { ++session_.replacing_; }
  ~ReplacingData();
  ReplacingData(const ReplacingData &) = delete;
  ReplacingData &operator=(const ReplacingData &) = delete;

private:
  Session &session_;
};

} // namespace kv508
