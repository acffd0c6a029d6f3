#include "model/channel_rules.h"

#include <cctype>
#include <string_view>

namespace kv508 {

ChannelDisplay PlanChannelDisplay(const std::string &label) {
  std::string upper = label;
  for (char &c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ChannelDisplay display;
  std::string number = upper;
  if (const auto a = upper.find('A'); a != std::string::npos) {
    number = upper.substr(0, a);
    display.right = "A";
  }
  // The leading digits count; a label without any reads as 0.
  long n = 0;
  for (char c : number) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || n > 100000)
      break;
    n = n * 10 + (c - '0');
  }
  if (n < 100) {
    display.left = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  } else if (n <= 109) {
    display.left = "o" + std::to_string(n - 100);
  } else {
    display.left = "'" + std::to_string(n - 110);
  }
  return display;
}

bool InChannelDisplayAlphabet(char c) {
  constexpr std::string_view kLetters = "AbCdEFGHIJLMnoPqrStUy";
  return (c >= '0' && c <= '9') || (c != '\0' && kLetters.find(c) != std::string_view::npos);
}

bool TxEnableShown(const ChannelRecord &record, ChannelMode mode) {
  if (mode == ChannelMode::Expansion)
    return record.TxEnable;
  return record.TxEnable && !record.RxOnly;
}

ChannelEnables ChannelPanelEnables(const ChannelRecord &record, ChannelMode mode) {
  const bool plan = mode == ChannelMode::Plan;
  const bool on = record.Enable;
  ChannelEnables e;
  e.fields = on;
  e.txEnable = on;
  e.duplex = on && record.DuplexAllowed;
  // An expansion channel has no "Tx Enable" box: its power boxes follow
  // "CH Enable", and choosing a power switches transmitting on, so a channel
  // read with transmit off can still be set to transmit.
  e.lowPower = plan ? e.txEnable && TxEnableShown(record, mode) : on;
  e.powerUp = e.lowPower && record.LowPower;
  e.scanMemory = on;
  e.scrambler = on;
  e.comp = on && record.Dcs[1] != 0;
  if (plan) {
    if (record.RxOnly)
      e.txEnable = false;
    if (record.Position == kChannel70Slot) {
      e.scanMemory = false;
      e.scrambler = false;
    }
    if (record.Position == kChannel16Slot)
      e.scrambler = false;
  }
  return e;
}

} // namespace kv508
