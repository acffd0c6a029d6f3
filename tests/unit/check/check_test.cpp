// The check before programming: each finding with a case that fires and one
// that does not, on data that is otherwise clean.

#include "app/config_fixtures.h"
#include "check/settings_check.h"
#include "model/tables.h"

#include <gtest/gtest.h>

#include <functional>

namespace kv508::testing {
namespace {

// File > New on an ATIS model with the factory choices, an own MMSI, an ATIS
// code and one Memory ID: nothing to find.
struct CheckTest : ::testing::Test {
  CheckTest() : fresh(1, true) {
    RadioData &d = fresh.data();
    ApplyFactoryChoices(d);
    d.DscBasic.UserMmsi = "2320012340";
    d.Atis.AtisCode = "9232001234";
    d.CHMMSID[1] = {true, "HARBOUR", "2320056780", d.CHMMSID[1].Member};
    std::string problem;
    mids = MidTable::FromCsv("211,Germany\n219,Denmark\n232,United Kingdom\n", problem);
  }
  // Severity, place and what of each finding (the fix is left out).
  std::vector<std::string> Lines(const RadioData &data) const {
    std::vector<std::string> lines;
    for (const Finding &f : CheckSettings(data, fresh.session.model, mids))
      lines.push_back(SeverityText(f.severity) + ": " + f.where.text + ": " + f.what);
    return lines;
  }
  NewSession fresh;
  MidTable mids;
};

using Change = std::function<void(RadioData &)>;
struct Case {
  const char *name;
  Change fires;
  Change quiet;
  std::vector<std::string> lines;
};

int PositionOf(const ChannelBank &bank, bool enabled) {
  for (const ChannelRecord &record : bank) {
    if (record.Enable == enabled)
      return record.Position;
  }
  return -1;
}

Change OwnMmsi(const char *mmsi) {
  return [=](RadioData &d) { d.DscBasic.UserMmsi = mmsi; };
}
Change MemoryId(int n, const char *name, const char *mmsi) {
  return [=](RadioData &d) { d.CHMMSID[n] = {true, name, mmsi, d.CHMMSID[n].Member}; };
}
Change GroupId(const char *mmsi) {
  return [=](RadioData &d) { d.CHGRPID[1] = {true, "FLEET", mmsi, d.CHGRPID[1].Member}; };
}
Change AtisCode(const char *code) {
  return [=](RadioData &d) { d.Atis.AtisCode = code; };
}
Change Expansion(bool enable, double rx, double tx) {
  return [=](RadioData &d) {
    d.CHEXP[3] = ChannelRecord{};
    d.CHEXP[3].Enable = enable;
    d.CHEXP[3].Txfreq = tx;
    d.CHEXP[3].Rxfreq = rx;
  };
}
Change Priority(std::function<int(const RadioData &)> p) {
  return [=](RadioData &d) {
    d.ChannelGroups[0].Enable = true;
    d.ChannelGroups[0].PriorityCh = p(d);
  };
}
Change Set(std::function<void(RadioData &)> change) { return change; }

std::vector<Case> RuleCases(const RadioData &base) {
  const std::string off = ChannelTable()[PositionOf(base.CHUSA, false)].Label;
  return {
      {"own MMSI of a coast station",
       OwnMmsi("0023200010"),
       OwnMmsi("8232001230"),
       {"warning: DSC Setup: The own MMSI 002320001 is a coast station, not a ship or handheld "
        "station"}},
      {"own MMSI of no country",
       OwnMmsi("2170000010"),
       OwnMmsi("2110000010"),
       {"warning: DSC Setup: The own MMSI 217000001 has the unknown country code 217"}},
      {"DSC on without an own MMSI",
       Set([](RadioData &d) {
         d.DscBasic = {};
         d.DscBasic.DscGroup = {true, true, true, true};
       }),
       Set([](RadioData &d) { d.DscBasic = {}; }),
       {"warning: DSC Setup: DSC is switched on for Group1, but there is no own MMSI"}},
      {"group MMSI as Memory ID",
       MemoryId(2, "FLEET", "0232001230"),
       MemoryId(2, "COAST", "0023200120"),
       {"warning: Memory ID 2: MMSI 023200123 is a group MMSI, not a station"}},
      {"no valid MMSI as Memory ID",
       MemoryId(2, "ODD", "1000000000"),
       MemoryId(2, "SART", "9700000010"),
       {"warning: Memory ID 2: MMSI 100000000 is not a valid MMSI"}},
      {"Group ID of no country",
       GroupId("0217000010"),
       GroupId("0219000010"),
       {"warning: Group ID 1: Group MMSI 021700001 has the unknown country code 217"}},
      {"same MMSI twice",
       MemoryId(2, "AGAIN", "2320056780"),
       MemoryId(2, "OTHER", "2320056790"),
       {"warning: Memory ID 2: MMSI 232005678 is also Memory ID 1"}},
      {"MMSI without a name",
       MemoryId(2, "", "2320056790"),
       MemoryId(2, "X", "2320056790"),
       {"warning: Memory ID 2: MMSI 232005679 has no name"}},
      {"ATIS on without a code",
       Set([](RadioData &d) {
         d.Atis = {};
         d.Atis.UsableAtisChGroup = {true, false, false, false};
       }),
       Set([](RadioData &d) { d.Atis = {}; }),
       {"warning: ATIS Setup: ATIS is switched on for Group1, but there is no ATIS code"}},
      {"ATIS code without its 9",
       AtisCode("8211123456"),
       AtisCode("9211123456"),
       {"warning: ATIS Setup: ATIS code 8211123456 is not 9 + MID + 6 digits"}},
      {"ATIS code of no country",
       AtisCode("9217123456"),
       AtisCode("9219123456"),
       {"warning: ATIS Setup: ATIS code 9217123456 has the unknown country code 217"}},
      {"channel 16's frequency",
       Expansion(true, 156.8, 0),
       Expansion(false, 156.8, 0),
       {"warning: EXP Channel 3: Receive frequency is that of channel 16 (156.800 MHz), kept for "
        "distress and DSC"}},
      {"channel 70's frequency",
       Expansion(true, 160.0, 156.525),
       Expansion(true, 160.0, 156.55),
       {"warning: EXP Channel 3: Transmit frequency is that of channel 70 (156.525 MHz), kept "
        "for distress and DSC"}},
      {"off the raster",
       Expansion(false, 156.8125, 0),
       Expansion(false, 156.825, 0),
       {"error: EXP Channel 3: Receive frequency 156.8125 MHz is off the 25 kHz raster, which "
        "the radio cannot tune"}},
      {"outside the band",
       Expansion(false, 160.0, 174.025),
       Expansion(false, 160.0, 174.0),
       {"error: EXP Channel 3: Transmit frequency 174.0250 MHz is outside 137-174 MHz, which the "
        "radio cannot tune"}},
      {"priority channel switched off",
       Priority([](const RadioData &d) { return PositionOf(d.CHUSA, false); }),
       Priority([](const RadioData &d) { return PositionOf(d.CHUSA, true); }),
       {"warning: Usable CH Group Setup: The priority channel CH" + off +
        " of Group1 is not switched on in the group"}},
      {"priority channel beyond its list",
       Priority([](auto &) { return 500; }),
       Priority([](auto &) { return 0xFFFF; }),
       {"error: Usable CH Group Setup: Group1 has the priority channel 500, which is no channel "
        "of the group"}},
      {"choice beyond its list",
       Set([](RadioData &d) { d.Common.Sog = 3; }),
       Set([](RadioData &d) { d.Common.Sog = 2; }),
       {"error: Common Setup: SOG holds 3, which is none of its 3 choices"}},
  };
}

// What the radio would hold differently from what the editor shows.
std::vector<Case> StoredValueCases() {
  auto offset = [](int v) { return Set([=](RadioData &d) { d.Common.OffsetTime = v; }); };
  auto usaTag = [](const char *tag) { return Set([=](RadioData &d) { d.CHUSA[32].ChTag = tag; }); };
  auto emptyGroup = [](bool anyChannel) {
    return Set([=](RadioData &d) {
      d.ChannelGroups[3].Enable = true;
      d.CHEXP[5].Enable = anyChannel;
    });
  };
  return {
      {"name longer than its field",
       MemoryId(1, "HARBOUR MAST", "2320056780"),
       MemoryId(1, "HARBOUR MAS ", "2320056780"),
       {"error: Memory ID 1: Name \"HARBOUR MAST\" becomes \"HARBOUR MAS\" in the radio"}},
      {"name outside the alphabet",
       usaTag("CALL!16"),
       usaTag("CALL,16"),
       {"error: Group1 CH16: Name \"CALL!16\" becomes \"CALL\" in the radio"}},
      {"MMSI with a letter",
       MemoryId(1, "HARBOUR", "23200A6780"),
       MemoryId(1, "HARBOUR", "232005678"),
       {"error: Memory ID 1: MMSI \"23200A6780\" becomes \"23200\" in the radio",
        "warning: Memory ID 1: MMSI 23200A678 is not a valid MMSI"}},
      {"offset beyond its list",
       offset(25),
       offset(-24),
       {"error: Common Setup: Offset time \"\" (25) becomes \"+12:00\" in the radio"}},
      {"usable group without a channel",
       emptyGroup(false),
       emptyGroup(true),
       {"error: Usable CH Group Setup: EXP CH Group usable \"On\" becomes \"Off\" in the radio"}},
      {"entry in use without an MMSI",
       MemoryId(2, "GAP", ""),
       MemoryId(2, "GAP", "2320056790"),
       {"error: Memory ID 2: Entry in use \"On\" becomes \"Off\" in the radio",
        "error: Memory ID 2: Name \"GAP\" becomes \"\" in the radio"}},
      {"value that does not fit at all",
       Set([](RadioData &d) { d.Common.TxPoDisplay = 256; }),
       Set([](RadioData &d) { d.Common.TxPoDisplay = 2; }),
       {"error: Common Setup: CommonSetup TxPoDisplay = 256 does not fit the radio: Program to "
        "Radio and convert refuse the data",
        "error: Common Setup: TX Po Display holds 256, which is none of its 3 choices"}},
  };
}

TEST_F(CheckTest, EachFindingFiresAndStaysQuiet) {
  EXPECT_EQ(Lines(fresh.data()), std::vector<std::string>{});
  std::vector<Case> cases = RuleCases(fresh.data());
  for (const Case &c : StoredValueCases())
    cases.push_back(c);
  for (const Case &c : cases) {
    RadioData fires = fresh.data();
    c.fires(fires);
    EXPECT_EQ(Lines(fires), c.lines) << c.name;
    RadioData quiet = fresh.data();
    c.quiet(quiet);
    EXPECT_EQ(Lines(quiet), std::vector<std::string>{}) << c.name;
  }
}

TEST_F(CheckTest, ModelsWithoutAtisAreNotAskedForACode) {
  RadioData data = fresh.data();
  data.Atis = {.UsableAtisChGroup = {true, true, true, true}, .AtisCode = "8211123456"};
  fresh.session.model.AtisCapable = false;
  EXPECT_EQ(Lines(data), std::vector<std::string>{});
}

TEST(CheckFindings, LineStatusOrderAndTreeKeys) {
  const Finding warning{Severity::Warning, ExpansionPlace(12), "W", "F"};
  const Finding error{Severity::Error, MemoryIdPlace(4), "E", "F"};
  EXPECT_EQ(FindingLine(warning), "warning: EXP Channel 12: W. F.");
  EXPECT_EQ(CheckStatus({}), 0);
  EXPECT_EQ(CheckStatus({warning}), 1);
  EXPECT_EQ(CheckStatus({warning, error}), 2);
  std::vector<Finding> findings{warning, error};
  SortFindings(findings);
  EXPECT_EQ(findings, (std::vector<Finding>{error, warning}));

  using Keys = std::vector<std::string>;
  EXPECT_EQ(TreeKeys(ExpansionPlace(12)), (Keys{"E 12", "ExpChannel", "Usable"}));
  EXPECT_EQ(TreeKeys(MemoryIdPlace(4)), (Keys{"SM 4", "SM", "DSCSetting"}));
  EXPECT_EQ(TreeKeys(PlanChannelPlace(1, 32)), (Keys{"PI 32", "PI", "Usable"}));
  EXPECT_EQ(PlanChannelPlace(1, 32).text, "Group2 CH16");
}

} // namespace
} // namespace kv508::testing
