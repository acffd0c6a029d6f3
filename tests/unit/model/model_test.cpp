#include "model/channel_rules.h"
#include "model/convert.h"
#include "model/directory_rules.h"
#include "model/mmsi_rules.h"
#include "model/setup_rules.h"
#include "model/tables.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
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
      {"comp with a tx dcs code", txDcs, M::Expansion, "11110111"},
      {"comp not for an rx dcs code", rxDcs, M::Expansion, "11110110"},
      {"expansion read with transmit off", Record(0, true, false, true), M::Expansion, "11111110"},
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

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kCh88 = 157.42500000000032; // the channel table's running sum
using FreqCase = std::pair<double, const char *>;

TEST(NameAlphabet, HoldsExactlyTheSeventyOneCharacters) {
  std::string alphabet;
  for (int code = 0; code < 256; ++code) {
    if (InNameAlphabet(static_cast<char>(code)))
      alphabet += static_cast<char>(code);
  }
  EXPECT_EQ(alphabet, " ()*+,-./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

// Three decimals round an exact half away from zero (156.0625), and a value stored
// just below the half is still a half as a decimal (156.0125). Four decimals snap
// off-grid values down to 5 kHz, after rounding onto the grid (156.01499999).
TEST(FrequencyText, ThreeAndFourDecimals) {
  const FreqCase three[] = {{0.0, "---.---"},      {kNaN, "---.---"},     {kCh88, "157.425"},
                            {156.0625, "156.063"}, {156.0125, "156.013"}, {9.5, "009.500"}};
  for (const auto &[f, text] : three)
    EXPECT_EQ(FormatFreq3(f), text) << f;
  EXPECT_EQ(FormatTxFreq3(156.8, true) + FormatTxFreq3(156.8, false), "---.---156.800");
  const FreqCase four[] = {{156.0125, "156.0125"},     {156.013, "156.0100"},
                           {156.01499999, "156.0150"}, {kCh88, "157.4250"},
                           {0.0, "---.----"},          {1.7e308, "---.----"}};
  for (const auto &[f, text] : four)
    EXPECT_EQ(FormatFreq4(f), text) << f;
}

TEST(FrequencyText, ExpansionEntryAcceptsBandEdgesOnRasterOrEmpty) {
  const std::pair<const char *, double> accepted[] = {
      {"137", 137.0}, {"174", 174.0}, {"156.025", 156.025}, {"  ", 0.0}};
  for (const auto &[text, expected] : accepted) {
    double value = -5.0;
    EXPECT_TRUE(ParseExpansionFreq(text, value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char *text : {"136.975", "174.025", "156.0125", "156.025x", "1e2"}) {
    double value = -5.0;
    EXPECT_FALSE(ParseExpansionFreq(text, value)) << text;
    EXPECT_EQ(value, -5.0) << text;
  }
}

TEST(OffsetTime, Texts) {
  EXPECT_EQ(OffsetTimeList().size(), 49u);
  const std::pair<int, const char *> texts[] = {
      {-24, "-12:00"}, {-1, "-0:30"}, {0, " 0"}, {3, "+1:30"}, {25, ""}};
  for (const auto &[v, text] : texts)
    EXPECT_EQ(OffsetTimeText(v), text) << v;
}

TEST(TypedEntries, MmsiStoredInTenDigitsStatusNameCut) {
  EXPECT_EQ(StoreTypedMmsi(" 211234567 ", 9, false), "2112345670");
  EXPECT_EQ(StoreTypedMmsi("   ", 9, false), "");
  EXPECT_EQ(StoreTypedMmsi("21123456", 8, true), "0211234560");
  EXPECT_EQ(StoreTypedMmsi("1", 0, false), std::nullopt);
  for (const char *typed : {"21123456", "2112345678", "2112 4567"})
    EXPECT_EQ(StoreTypedMmsi(typed, 9, false), std::nullopt) << typed;

  EXPECT_EQ(StoreTypedStatusName("USCG12") + StoreTypedStatusName("    "), "USCG");
  EXPECT_EQ(StoreTypedStatusName("  ab  "), "  ab");
}

Directory WithEntries(int used, int size = kMemoryIdCount) {
  Directory dir{1, size};
  for (int n = 1; n <= used; ++n)
    dir[n] = {true, "SHIP" + std::to_string(n), std::to_string(n) + "111111110", {}};
  return dir;
}

// The edges a user cannot reach through the directory screen.
TEST(DirectoryRules, EdgesOfTheDirectory) {
  Directory gap = WithEntries(5);
  gap[3].Enable = false;
  EXPECT_EQ(UsedCount(gap), 2); // stops at the first entry not in use
  EXPECT_EQ(DirectoryEntryState(Directory{1, 80}, 1), EntryState::FirstFree);
  EXPECT_TRUE(MayEnableEntry(Directory{1, kMemoryIdCount}, 1));
  EXPECT_FALSE(MayEnableEntry(WithEntries(3), 3)); // already in use
  EXPECT_FALSE(MayEnableEntry(WithEntries(kGroupIdCount, kGroupIdCount), kGroupIdCount + 1));

  Directory full = WithEntries(kGroupIdCount, kGroupIdCount);
  DeleteDirectoryEntry(full, kGroupIdCount);
  EXPECT_EQ(UsedCount(full), kGroupIdCount - 1);
  EXPECT_EQ(full[kGroupIdCount].Mmsid, "");
  Directory dir = WithEntries(2);
  const Directory before = dir;
  DeleteDirectoryEntry(dir, 0);
  DeleteDirectoryEntry(dir, kMemoryIdCount + 1);
  EXPECT_EQ(dir, before);
}

TEST(DirectoryRules, MmsiTypedStoredAndShown) {
  const auto M = DirectoryKind::MemoryId;
  const auto G = DirectoryKind::GroupId;
  EXPECT_EQ(StoredMmsi(M, " 123456789  "), "1234567890");
  EXPECT_EQ(StoredMmsi(G, "12345678"), "0123456780");
  EXPECT_EQ(StoredMmsi(G, "   "), "");
  // A group's length for a ship, the stored form typed back, a letter.
  for (const auto &[kind, typed] : {std::pair{M, "12345678"}, std::pair{M, "1234567890"},
                                    std::pair{G, "123456789"}, std::pair{M, "12345678A"}})
    EXPECT_EQ(StoredMmsi(kind, typed), std::nullopt) << typed;

  EXPECT_EQ(TypedMmsi(M, "1234567890") + TypedMmsi(G, "9123456780"), "12345678991234567");
  EXPECT_EQ(ShownMmsi("0123456780") + "|" + ShownMmsi("1234"), "012345678|1234     ");
}

// Counts and spot rows at the edges of the plans, not a copy of them.
TEST(ChannelPlans, EnabledCountsAndRowsAtTheEdges) {
  RadioData data;
  ApplyUsaPlan(data);
  ApplyIntlPlan(data);
  ApplyCanadaPlan(data);
  const int enabled[] = {51, 57, 59};
  for (int plan = 0; plan < 3; ++plan) {
    const ChannelBank &bank = data.GroupBank(plan);
    ASSERT_EQ(bank.Size(), 240);
    int count = 0;
    for (int i = 0; i < 240; ++i) {
      const ChannelRecord &r = bank[i];
      count += r.Enable ? 1 : 0;
      ASSERT_EQ(r.Position, i);
      ASSERT_FALSE(r.PowUp || r.DispayA || r.ScanMemory || r.Scramble != 0) << i;
    }
    EXPECT_EQ(count, enabled[plan]) << plan;
  }
  // Plan, index, tag, then low power, duplex, receive only; a disabled row has no tag.
  const std::tuple<int, int, const char *, bool, bool, bool> rows[] = {
      {0, 2, "", false, false, false},           {1, 2, "TELEPHONE", false, true, false},
      {0, 30, "COMMERCIAL", false, false, true}, {1, 30, "COMMERCIAL", true, false, false},
      {0, 12, "SAFTY", false, false, false},     {2, 40, "PORT OPR", true, true, false}};
  for (const auto &[plan, index, tag, lowPower, duplex, rxOnly] : rows) {
    const ChannelRecord &r = data.GroupBank(plan)[index];
    EXPECT_EQ(
        std::tuple(r.Enable, r.ChTag, r.LowPower, r.Duplex, r.RxOnly, r.TxEnable, r.DuplexAllowed),
        std::tuple(*tag != '\0', tag, lowPower, duplex, rxOnly, !rxOnly, !rxOnly && index % 2 == 0))
        << plan << "/" << index;
  }
}

TEST(ChannelTable, RowsAtTheEdges) {
  const ChannelTableArray &t = ChannelTable();
  ASSERT_EQ(t.Size(), 240);
  const std::tuple<int, const char *, double, double> rows[] = {
      {0, "00", 156.000, 160.600}, {177, "88A", 157.425, 0.0}, {239, "119A", 158.975, 0.0}};
  for (const auto &[index, label, freq, dup] : rows) {
    const ChannelTableEntry &e = t[index];
    EXPECT_EQ(std::tuple(e.Label, e.DuplexAllowed), std::tuple(label, index % 2 == 0));
    EXPECT_NEAR(e.TxFreq, freq, 1e-9) << index;
    EXPECT_EQ(e.RxFreq, e.TxFreq);
    EXPECT_NEAR(e.RxDupFreq, dup, 1e-9) << index;
  }
  // The running sum, not 156.025 + 28 * 0.05.
  EXPECT_EQ(t[177].TxFreq, 157.42500000000032);
}

TEST(WxTable, BuildsTenReceiveOnlyRecordsNumberedFromOne) {
  ChannelBank bank(0, 9);
  BuildBankFromTable(bank, WxTable(), false);
  const ChannelRecord &r = bank[9];
  EXPECT_EQ(std::to_string(r.Position) + r.ChTag, "10163.275MHZ");
  EXPECT_TRUE(r.Enable && r.Duplex && r.DuplexAllowed);
  EXPECT_FALSE(r.TxEnable || r.DispayA || r.ScanMemory || r.LowPower || r.PowUp);
  BuildBankFromTable(bank, WxTable(), true);
  EXPECT_FALSE(bank[0].DuplexAllowed);
}

} // namespace
} // namespace kv508
