#pragma once

// Rules of the channel panel that depend only on the record: the channel number
// a plan channel shows on the radio's display, and which controls the user may
// change.

#include "model/radio_data.h"

#include <string>
#include <string_view>

namespace kv508 {

// Slots whose channels never take a scrambler (70 and 16) or leave the scan
// memory (70): the radio's distress and DSC channels.
constexpr int kChannel70Slot = 140;
constexpr int kChannel16Slot = 32;

// What the expansion channel display can show: digits and the letters a
// seven-segment display draws, in exactly these cases.
inline constexpr std::string_view kChannelDisplayAlphabet = "0123456789AbCdEFGHIJLMnoPqrStUy";

// The two display fields: the number (at most 2 characters) and the suffix.
struct ChannelDisplay {
  std::string left;
  std::string right;

  bool operator==(const ChannelDisplay &) const = default;
};

// From a channel label: "16" -> "16","", "05A" -> "05","A", "101" -> "o1",
// "115" -> "'5" (two display digits cannot show three).
ChannelDisplay PlanChannelDisplay(const std::string &label);

// What an expansion channel's display digits can show: the digits and the
// letters a seven-segment digit can form ("AbCdEFGHIJLMnoPqrStUy").
bool InChannelDisplayAlphabet(char c);

enum class ChannelMode { Plan, Expansion };

// Enabled state of the panel's controls for a record as it is stored.
struct ChannelEnables {
  bool fields = false; // display, frequencies, name, option pair, tone choosers
  bool txEnable = false;
  bool duplex = false;
  bool lowPower = false;
  bool powerUp = false;
  bool scanMemory = false;
  bool scrambler = false;
  bool comp = false;

  bool operator==(const ChannelEnables &) const = default;
};

// What the "Tx Enable" box shows: a receive-only plan channel never transmits.
bool TxEnableShown(const ChannelRecord &record, ChannelMode mode);
// The cascade "CH Enable" -> "Tx Enable" -> "Low Power Only" -> "Power Up" and
// the exceptions of receive-only channels and of channels 70 and 16.
ChannelEnables ChannelPanelEnables(const ChannelRecord &record, ChannelMode mode);

} // namespace kv508
