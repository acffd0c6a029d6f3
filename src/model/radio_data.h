#pragma once

// The single in-memory set of everything the application edits for one radio.
// Booleans: producers store true/false; every consumer treats any non-zero value
// read from a file as true, so a C++ bool holds them without loss.

#include "model/bounded_array.h"

#include <array>
#include <cstdint>
#include <string>

namespace kv508 {

constexpr int kImageSize = 32768;
constexpr int ImageLastIndex = kImageSize - 1;
using MemoryImage = std::array<std::uint8_t, kImageSize>;

struct ChannelRecord {
  std::int16_t Position = 0;
  bool Enable = false;
  bool LowPower = false;
  bool PowUp = false;
  bool Duplex = false;
  bool DuplexAllowed = false;
  bool TxEnable = false;
  bool DispayA = false;
  bool ScanMemory = false;
  std::string ChTag;
  std::int16_t Scramble = 0;
  bool RxOnly = false;
  bool Narrow = false;
  std::array<std::int16_t, 2> Dcs{};   // 0 To 1
  std::array<std::int16_t, 2> Ctcss{}; // 0 To 1
  bool Cmp = false;
  std::string CHDisplayL;
  std::string CHDisplayR;
  double Txfreq = 0.0;
  double Rxfreq = 0.0;

  bool operator==(const ChannelRecord &) const = default;
};

using ChannelBank = BoundedArray<ChannelRecord>;

constexpr int kPlanBankSize = 240; // CHUSA, CHINT, CHCAN: 0 To 239
constexpr int kWxBankSize = 10;    // CHWX: 0 To 9
constexpr int kExpLower = 1;       // CHEXP: 1 To 64
constexpr int kExpUpper = 64;
constexpr int kMemoryIdCount = 80; // CHMMSID: 1 To 80
constexpr int kGroupIdCount = 32;  // CHGRPID: 1 To 32
constexpr int kMultiStationCount = 24;
constexpr int kCallSignCount = 32; // AtisCallSign 1 To 32

struct DirectoryEntry {
  bool Enable = false;
  std::string TagName;
  std::string Mmsid;
  BoundedArray<std::int16_t> Member{1, kMemoryIdCount};

  bool operator==(const DirectoryEntry &) const = default;
};

using Directory = BoundedArray<DirectoryEntry>;

struct ChannelGroupSetup {
  bool Enable = false;
  std::int32_t PriorityCh = 0;
  std::string StatusName;
  std::array<bool, 3> ExpChGroup{}; // entry 3 only

  bool operator==(const ChannelGroupSetup &) const = default;
};

struct CommonSetup {
  std::int16_t TxPoDisplay = 0;
  bool Scan = false;
  bool TimeDisplay = false;
  bool Format = false;
  std::int16_t ResumeTime = 0;
  bool PttScanClear = false;
  bool DualWatch = false;
  std::int16_t OffsetTime = 0;
  std::int16_t Weater = 0;
  std::int16_t Sog = 0;
  std::int16_t Distance = 0;

  bool operator==(const CommonSetup &) const = default;
};

struct DscBasicSetup {
  std::array<bool, 4> DscGroup{};
  std::string UserMmsi;
  std::array<bool, 4> PosRequest{};
  std::array<bool, 4> PosRequestTx{};
  std::array<bool, 8> BeepOut{};

  bool operator==(const DscBasicSetup &) const = default;
};

struct DscAdvancedSetup {
  std::array<bool, 4> AllShipsCall{};
  std::array<bool, 4> AllShipsCallTx{};
  std::array<bool, 4> GroupCall{};
  std::array<bool, 4> GroupCallTx{};
  std::array<bool, 4> IndividualCall{};
  std::array<bool, 4> IndividualCallTx{};
  std::array<bool, 4> PositionRequestCall{};
  std::array<bool, 4> PositionRequestCallTx{};
  std::array<bool, 4> PositionReportCall{};
  std::array<bool, 4> PositionReportCallTx{};

  bool operator==(const DscAdvancedSetup &) const = default;
};

// Elements 0 IndividualAckMenu, 1 IndividualAckMessageMenu, 2 PosRequestAckMenu.
using DscDisplaySetup = std::array<bool, 3>;
constexpr int IndividualAckMenu = 0;
constexpr int IndividualAckMessageMenu = 1;
constexpr int PosRequestAckMenu = 2;

struct AutoPosEntry {
  std::string Mmsi;
  bool Enable = false;
  bool RcEnable = false;
  std::int32_t Channel = 0; // a Variant in the radio's vocabulary; empty is never produced here
  std::int32_t Interval = 0;
  std::int16_t SelectCall = 0;
  std::int32_t LastAddress = 0;
  std::int16_t MarineEnable = 0;

  bool operator==(const AutoPosEntry &) const = default;
};

struct AutoPosSetup {
  bool MenuDisplay = false;
  std::array<AutoPosEntry, 2> Entry{};

  bool operator==(const AutoPosSetup &) const = default;
};

struct AtisSetup {
  std::array<bool, 4> UsableAtisChGroup{};
  std::string AtisCode;
  std::array<bool, 4> UsableAtisKikkerChGroup{};

  bool operator==(const AtisSetup &) const = default;
};

struct AtisCallSign {
  std::string Mid;
  std::string Disp;

  bool operator==(const AtisCallSign &) const = default;
};

// Everything the user edits: the whole RadioData but its memory image. Undo
// keeps one copy per step, far smaller than the image.
struct RadioSettings {
  ChannelBank CHUSA{0, kPlanBankSize - 1};
  ChannelBank CHINT{0, kPlanBankSize - 1};
  ChannelBank CHCAN{0, kPlanBankSize - 1};
  ChannelBank CHWX{0, kWxBankSize - 1};
  ChannelBank CHEXP{kExpLower, kExpUpper};

  Directory CHMMSID{1, kMemoryIdCount};
  Directory CHGRPID{1, kGroupIdCount};
  Directory MultiStation{1, kMultiStationCount}; // part of the model; nothing fills or stores it

  std::array<ChannelGroupSetup, 4> ChannelGroups{};
  CommonSetup Common;
  DscBasicSetup DscBasic;
  DscAdvancedSetup DscAdvanced;
  DscDisplaySetup DscDisplay{};
  AutoPosSetup AutoPos;
  AtisSetup Atis;
  BoundedArray<AtisCallSign> AtisCallSigns{1, kCallSignCount};

  bool operator==(const RadioSettings &) const = default;
};

struct RadioData : RadioSettings {
  MemoryImage Image{};

  // The bank of channel group 0..3 (CHUSA, CHINT, CHCAN, CHEXP).
  ChannelBank &GroupBank(int group);
  const ChannelBank &GroupBank(int group) const;

  bool operator==(const RadioData &) const = default;
};

// Lowest index from the bank's lower bound whose Enable is set; -1 when none.
int FirstEnabledChannel(const ChannelBank &bank);
// Clears Enable of every group whose bank has no enabled channel; never enables one.
void DisableEmptyGroups(RadioData &data);
void ClearDirectory(Directory &directory);

} // namespace kv508
