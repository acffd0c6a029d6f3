#include "model/channel_rules.h"
#include "model/label_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv508 {
namespace {

TEST(PlanChannelDisplay, NumberAndSuffixFromTheLabel) {
  const std::pair<const char *, ChannelDisplay> cases[] = {
      {"05a", {"05", "A"}}, {"99", {"99", ""}},    {"100", {"o0", ""}},
      {"110", {"'0", ""}},  {"119A", {"'9", "A"}}, {"X7", {"00", ""}}};
  for (const auto &[label, display] : cases)
    EXPECT_EQ(PlanChannelDisplay(label), display) << label;
}

ChannelRecord Record(int position, bool enable, bool txEnable, bool lowPower,
                     bool duplexAllowed = true) {
  ChannelRecord r;
  r.Position = static_cast<std::int16_t>(position);
  r.Enable = enable;
  r.TxEnable = txEnable;
  r.LowPower = lowPower;
  r.DuplexAllowed = duplexAllowed;
  return r;
}

TEST(ChannelPanelEnables, CascadeAndExceptions) {
  using M = ChannelMode;
  ChannelRecord rxOnly = Record(30, true, true, false, false); // an image may set TX anyway
  rxOnly.RxOnly = true;
  ChannelRecord ch70 = Record(kChannel70Slot, true, false, false);
  ch70.RxOnly = true;
  ChannelRecord txDcs = Record(0, true, true, false);
  ChannelRecord rxDcs = txDcs;
  txDcs.Dcs[1] = 3;
  rxDcs.Dcs[0] = 3;
  // Enables in field order: fields, tx, duplex, low power, power up, scan, scrambler, comp.
  const std::tuple<const char *, ChannelRecord, M, std::string> cases[] = {
      {"disabled channel", Record(40, false, true, true), M::Plan, "00000000"},
      {"all on", Record(40, true, true, true), M::Plan, "11111110"},
      {"low power off stops power up", Record(40, true, true, false), M::Plan, "11110110"},
      {"tx off stops low power and power up", Record(40, true, false, true), M::Plan, "11100110"},
      {"receive only", rxOnly, M::Plan, "10000110"},
      {"duplex not allowed", Record(11, true, true, true, false), M::Plan, "11011110"},
      {"channel 70", ch70, M::Plan, "10100000"},
      {"channel 16", Record(kChannel16Slot, true, true, true), M::Plan, "11111100"},
      {"slot 70 in expansion mode", Record(kChannel70Slot, true, true, true), M::Expansion,
       "11111110"},
      {"expansion tx off", Record(3, true, false, true), M::Expansion, "11100110"},
      {"comp with a tx dcs code", txDcs, M::Expansion, "11110111"},
      {"comp not for an rx dcs code", rxDcs, M::Expansion, "11110110"},
  };
  for (const auto &[name, record, mode, on] : cases) {
    const ChannelEnables e = ChannelPanelEnables(record, mode);
    std::string got;
    for (bool b :
         {e.fields, e.txEnable, e.duplex, e.lowPower, e.powerUp, e.scanMemory, e.scrambler, e.comp})
      got += b ? '1' : '0';
    EXPECT_EQ(got, on) << name;
  }
}

// Keys typed one at a time: the index found after each key and the text kept. "167"
// begins no label, so the search starts again from "7".
TEST(LabelSearch, FindsWholeLabelsAndRestartsOnADeadEnd) {
  const struct {
    const char *keys;
    std::vector<int> found;
    std::string kept;
  } cases[] = {{"05a", {-1, 10, 11}, "05A"}, {"1670", {-1, 32, -1, 140}, "70"}};
  for (const auto &c : cases) {
    LabelSearch search;
    std::vector<int> found;
    for (const char *k = c.keys; *k; ++k)
      found.push_back(search.Type(std::string(1, *k)));
    EXPECT_EQ(found, c.found) << c.keys;
    EXPECT_EQ(search.Typed(), c.kept) << c.keys;
  }
}

} // namespace
} // namespace kv508
