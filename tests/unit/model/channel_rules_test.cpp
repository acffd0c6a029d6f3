#include "model/channel_rules.h"
#include "model/tables.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

struct DisplayCase {
  std::string label;
  std::string left;
  std::string right;
};

TEST(PlanChannelDisplay, NumberAndSuffixFromTheLabel) {
  const DisplayCase cases[] = {
      {"16", "16", ""},  {"05A", "05", "A"}, {"05a", "05", "A"},  {"00", "00", ""},
      {"99", "99", ""},  {"100", "o0", ""},  {"101", "o1", ""},   {"109A", "o9", "A"},
      {"110", "'0", ""}, {"115", "'5", ""},  {"119A", "'9", "A"}, {"", "00", ""},
      {"X7", "00", ""},
  };
  for (const DisplayCase &c : cases) {
    EXPECT_EQ(PlanChannelDisplay(c.label), (ChannelDisplay{c.left, c.right})) << c.label;
  }
}

TEST(PlanChannelDisplay, EveryTableLabelFitsTheTwoFields) {
  const ChannelTableArray &table = ChannelTable();
  for (int i = table.Lower(); i <= table.Upper(); ++i) {
    const ChannelDisplay d = PlanChannelDisplay(table[i].Label);
    EXPECT_EQ(d.left.size(), 2u) << table[i].Label;
    EXPECT_EQ(d.right, i % 2 == 1 ? "A" : "") << table[i].Label;
  }
}

ChannelRecord Record(int position, bool enable, bool txEnable, bool lowPower) {
  ChannelRecord r;
  r.Position = static_cast<std::int16_t>(position);
  r.Enable = enable;
  r.TxEnable = txEnable;
  r.LowPower = lowPower;
  r.DuplexAllowed = true;
  return r;
}

struct EnableCase {
  const char *name;
  ChannelRecord record;
  ChannelMode mode;
  ChannelEnables expected;
};

TEST(ChannelPanelEnables, CascadeAndExceptions) {
  using M = ChannelMode;
  //                       fields tx   dup  low  up   scan scr  comp
  const ChannelEnables all{true, true, true, true, true, true, true, false};
  const ChannelEnables none{};
  ChannelRecord rxOnly = Record(30, true, false, false);
  rxOnly.RxOnly = true;
  rxOnly.DuplexAllowed = false;
  ChannelRecord rxOnlyDecodedTx = rxOnly; // an image may set the power bits anyway
  rxOnlyDecodedTx.TxEnable = true;
  ChannelRecord noDuplex = Record(11, true, true, true);
  noDuplex.DuplexAllowed = false;
  ChannelRecord ch70 = Record(kChannel70Slot, true, false, false);
  ch70.RxOnly = true;
  ChannelRecord exp70 = Record(kChannel70Slot, true, true, true);
  ChannelRecord withDcs = Record(0, true, true, false);
  withDcs.Dcs[1] = 3;
  ChannelRecord rxDcsOnly = Record(0, true, true, false);
  rxDcsOnly.Dcs[0] = 3;

  const EnableCase cases[] = {
      {"disabled channel", Record(40, false, true, true), M::Plan, none},
      {"all on", Record(40, true, true, true), M::Plan, all},
      {"low power off stops power up",
       Record(40, true, true, false),
       M::Plan,
       {true, true, true, true, false, true, true, false}},
      {"tx off stops low power and power up",
       Record(40, true, false, true),
       M::Plan,
       {true, true, true, false, false, true, true, false}},
      {"receive only", rxOnly, M::Plan, {true, false, false, false, false, true, true, false}},
      {"receive only with tx bits",
       rxOnlyDecodedTx,
       M::Plan,
       {true, false, false, false, false, true, true, false}},
      {"duplex not allowed", noDuplex, M::Plan, {true, true, false, true, true, true, true, false}},
      {"channel 70", ch70, M::Plan, {true, false, true, false, false, false, false, false}},
      {"channel 16",
       Record(kChannel16Slot, true, true, true),
       M::Plan,
       {true, true, true, true, true, true, false, false}},
      {"slot 70 in expansion mode", exp70, M::Expansion, all},
      {"expansion tx off",
       Record(3, true, false, true),
       M::Expansion,
       {true, true, true, false, false, true, true, false}},
      {"comp with a tx dcs code",
       withDcs,
       M::Expansion,
       {true, true, true, true, false, true, true, true}},
      {"comp not for an rx dcs code",
       rxDcsOnly,
       M::Expansion,
       {true, true, true, true, false, true, true, false}},
  };
  for (const EnableCase &c : cases) {
    EXPECT_EQ(ChannelPanelEnables(c.record, c.mode), c.expected) << c.name;
  }
}

} // namespace
} // namespace kv508
