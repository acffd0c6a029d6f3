#include "model/mid_table.h"
#include "model/mmsi_identity.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kv508 {
namespace {

MidTable Mids() {
  std::string problem;
  MidTable table = MidTable::FromCsv("# test table\nmid,country\n201,Albania\n211,Germany\n"
                                     "219,Denmark\n232,United Kingdom\n257,Norway\n775,Venezuela\n",
                                     problem);
  EXPECT_EQ(problem, "");
  return table;
}

TEST(ClassifyMmsi, FirstAndLastOfEveryKindAndTheirNeighboursOutside) {
  using K = MmsiKind;
  // Kind, its first and last value, the values just below and above; MIDs 201 and 775.
  const std::tuple<K, const char *, const char *, const char *, const char *> kinds[] = {
      {K::Ship, "201000000", "775999999", "200999999", "776000000"},
      {K::Group, "020100000", "077599999", "020099999", "077600000"},
      {K::CoastStation, "002010000", "007759999", "002009999", "007760000"},
      {K::SarAircraft, "111201000", "111775999", "111200999", "111776000"},
      {K::Handheld, "820100000", "877599999", "820099999", "877600000"},
      {K::CraftOfParentShip, "982010000", "987759999", "982009999", "987760000"},
      {K::AidToNavigation, "992010000", "997759999", "992009999", "997760000"},
      {K::AisSart, "970000000", "970999999", "969999999", "971000000"},
      {K::ManOverboard, "972000000", "972999999", "971999999", "973000000"},
      {K::EpirbAis, "974000000", "974999999", "973999999", "975000000"},
  };
  for (const auto &[kind, first, last, below, above] : kinds) {
    const bool mid = kind < K::AisSart;
    EXPECT_EQ(ClassifyMmsi(first), (MmsiIdentity{kind, mid ? 201 : 0})) << first;
    EXPECT_EQ(ClassifyMmsi(last), (MmsiIdentity{kind, mid ? 775 : 0})) << last;
    EXPECT_EQ(ClassifyMmsi(below), MmsiIdentity{}) << below;
    EXPECT_EQ(ClassifyMmsi(above), MmsiIdentity{}) << above;
  }
  for (const char *text : {"23200123", "2320012340", "23200123A", ""})
    EXPECT_EQ(ClassifyMmsi(text), MmsiIdentity{}) << text;
}

TEST(MidTable, ReadsQuotesBlanksLineEndsAndAByteOrderMark) {
  std::string problem;
  const MidTable mids =
      MidTable::FromCsv("\xEF\xBB\xBFMID, Country\r\n\r\n 211 , Germany \r\n"
                        "440,\"Korea, Republic of\"\r\n# 217,Nowhere\r\n620,\"The \"\"Isles\"\"\"",
                        problem);
  EXPECT_EQ(problem, "");
  EXPECT_EQ(mids.Country(211), "Germany");
  EXPECT_EQ(mids.Country(440), "Korea, Republic of");
  EXPECT_EQ(mids.Country(620), "The \"Isles\"");
  EXPECT_EQ(mids.Status(217), MidStatus::Unallocated);
}

TEST(MidTable, ADamagedTableIsNotUsedAndNamesItsFirstFault) {
  const std::pair<std::string, std::string> cases[] = {
      {"201,Albania\n202\n", "line 2: not a MID from 201 to 775 and a country"},
      {"200,Nowhere\n", "line 1: not a MID from 201 to 775 and a country"},
      {"201,\"Alb\"ania\"\n", "line 1: not a MID from 201 to 775 and a country"},
      {"201,Albania\nmid,country\n", "line 2: not a MID from 201 to 775 and a country"},
      {"201,Albania\n201,Albania\n", "line 2: MID 201 given twice"},
      {"mid,country\n# nothing\n", "no MID in the table"},
      {std::string("201,Alb\0nia", 11), "line 1: not a MID from 201 to 775 and a country"},
  };
  for (const auto &[text, fault] : cases) {
    std::string problem;
    const MidTable mids = MidTable::FromCsv(text, problem);
    EXPECT_EQ(problem, fault) << text;
    EXPECT_FALSE(mids.Loaded()) << text;
    EXPECT_EQ(mids.Status(201), MidStatus::Unknown) << text;
  }
}

TEST(MmsiInfoText, KindAndCountryBesideAStoredMmsi) {
  const MidTable mids = Mids();
  const std::pair<const char *, const char *> cases[] = {
      {"2320012340", "Ship \xC2\xB7 United Kingdom"},
      {"232001234", "Ship \xC2\xB7 United Kingdom"},
      {"0025700010", "Coast station \xC2\xB7 Norway"},
      {"0219000010", "Group \xC2\xB7 Denmark"},
      {"8211000010", "Handheld VHF \xC2\xB7 Germany"},
      {"2170000010", "Unknown country code 217"},
      {"9700000010", "AIS-SART"},
      {"1000000000", "Not a valid MMSI"},
      {"12345", "Not a valid MMSI"},
      {"", ""},
  };
  for (const auto &[stored, text] : cases)
    EXPECT_EQ(MmsiInfoText(stored, mids), text) << stored;
  EXPECT_EQ(MmsiInfoText("2320012340", MidTable()), "Ship \xC2\xB7 MID 232");
  EXPECT_EQ(MmsiInfoText("2170000010", MidTable()), "Ship \xC2\xB7 MID 217");
}

// The check's tests cover the warnings that fire; these are the places where they do not.
TEST(MmsiWarnings, TheKindMustFitThePlace) {
  const MidTable mids = Mids();
  using P = MmsiPlace;
  const std::tuple<P, const char *, std::vector<std::string>> cases[] = {
      {P::OwnMmsi, "8232001230", {}},
      {P::OwnMmsi, "", {}},
      {P::OwnMmsi, "1000000000", {"The own MMSI 100000000 is not a valid MMSI"}},
      {P::MemoryId, "0023200010", {}},
      {P::GroupId, "0219000010", {}},
      {P::GroupId, "0023200010", {"Group MMSI 002320001 is a coast station"}},
  };
  for (const auto &[place, stored, whats] : cases) {
    std::vector<std::string> got;
    for (const IdentityWarning &warning : MmsiWarnings(place, stored, mids))
      got.push_back(warning.what);
    EXPECT_EQ(got, whats) << stored;
  }
  // Without a table no MID is suspect.
  EXPECT_TRUE(MmsiWarnings(P::OwnMmsi, "2170000010", MidTable()).empty());
}

TEST(SameMmsiEntry, ComparesTheNineDigitsOfOtherEntries) {
  Directory directory{1, 4};
  directory[1].Mmsid = "2320012340";
  directory[2].Mmsid = "2320012341"; // the tenth digit is never shown
  directory[3].Mmsid = "2320012350";
  EXPECT_EQ(SameMmsiEntry(directory, 1), 2);
  EXPECT_EQ(SameMmsiEntry(directory, 2), 1);
  EXPECT_EQ(SameMmsiEntry(directory, 3), 0);
  EXPECT_EQ(SameMmsiEntry(directory, 4), 0); // empty
  EXPECT_EQ(SameMmsiEntry(directory, 9), 0); // outside
  EXPECT_EQ(
      SameMmsiWarning(directory, 2, 1, MmsiPlace::GroupId),
      (IdentityWarning{"MMSI 232001234 is also Group ID 1", "Delete one of the two entries"}));
  EXPECT_FALSE(SameMmsiWarning(directory, 3, 0, MmsiPlace::MemoryId));
}

TEST(AtisCode, NineThenAMidThenSixDigits) {
  const MidTable mids = Mids();
  using S = AtisCodeState;
  const std::tuple<const char *, S, int, const char *> cases[] = {
      {"", S::Empty, 0, ""},
      {"9211123456", S::Fits, 211, "ATIS \xC2\xB7 Germany"},
      {"9201000000", S::Fits, 201, "ATIS \xC2\xB7 Albania"},
      {"9775999999", S::Fits, 775, "ATIS \xC2\xB7 Venezuela"},
      {"9217123456", S::MidUnallocated, 217, "Unknown country code 217"},
      {"9200999999", S::NotAMid, 0, "Not 9 + MID + 6 digits"},
      {"9776000000", S::NotAMid, 0, "Not 9 + MID + 6 digits"},
      {"8211123456", S::NoLeadingNine, 0, "Not 9 + MID + 6 digits"},
      {"921112345", S::NotTenDigits, 0, "Not 10 digits"},
      {"92111234567", S::NotTenDigits, 0, "Not 10 digits"},
      {"921112345A", S::NotTenDigits, 0, "Not 10 digits"},
  };
  for (const auto &[code, state, mid, text] : cases) {
    EXPECT_EQ(CheckAtisCode(code, mids), (AtisCodeCheck{state, mid})) << code;
    EXPECT_EQ(AtisInfoText(code, mids), text) << code;
    EXPECT_EQ(AtisCodeWarning(code, mids).has_value(), state != S::Empty && state != S::Fits)
        << code;
  }
  EXPECT_EQ(CheckAtisCode("9217123456", MidTable()), (AtisCodeCheck{S::Fits, 217}));
  EXPECT_EQ(AtisInfoText("9217123456", MidTable()), "ATIS \xC2\xB7 MID 217");
}

TEST(AtisCodeFromMmsi, NineFollowedByTheOwnMmsi) {
  EXPECT_EQ(AtisCodeFromMmsi("2110012340"), "9211001234");
  EXPECT_EQ(AtisCodeFromMmsi("211001234"), "9211001234");
  EXPECT_EQ(AtisCodeFromMmsi(""), std::nullopt);
  EXPECT_EQ(AtisCodeFromMmsi("21100123"), std::nullopt);
  EXPECT_EQ(AtisCodeFromMmsi("2110A12340"), std::nullopt);
}

} // namespace
} // namespace kv508
