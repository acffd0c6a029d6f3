// Where each bank and directory lives in the image, written out from the radio's
// memory map rather than taken from image/layout.h: a swapped or shifted area in
// the layout must fail here, even though the round trips stay symmetric.

#include "image_builder.h"

#include <string>

namespace kv508::testing {
namespace {

struct BankPlace {
  const char *bank;
  ChannelBank RadioData::*records;
  int record;      // position from the bank's lower bound; its bit is not bit 7 of a byte
  int bitmapBytes; // of the Enable and the ScanMemory bitmap
  int enableBitmap, scanBitmap;
  int flagByte; // the record's channel flag byte; 0 when the bank has none
  int name;     // the record's 16-byte name field
};

const BankPlace kBanks[] = {
    {"CHUSA", &RadioData::CHUSA, 17, 30, 1280, 1536, 2048 + 2 * 17, 4864 + 16 * 17},
    {"CHINT", &RadioData::CHINT, 130, 30, 1328, 1584, 2560 + 2 * 130, 8704 + 16 * 130},
    {"CHCAN", &RadioData::CHCAN, 239, 30, 1376, 1632, 3072 + 2 * 239, 12544 + 16 * 239},
    {"CHWX", &RadioData::CHWX, 9, 2, 1424, 1680, 0, 16384 + 16 * 9},
    {"CHEXP", &RadioData::CHEXP, 37, 8, 1428, 1684, 3584 + 16 * 37 + 1, 16640 + 16 * 37},
};

Bytes OneBit(int bytes, int position) {
  Bytes bitmap(bytes, 0);
  bitmap[position / 8] = static_cast<std::uint8_t>(0x80 >> (position % 8));
  return bitmap;
}

// The chosen record is enabled, named and transmits; the one before it is scanned.
TEST(LayoutGuard, EachBankWritesAndReadsItsOwnBitmapsFlagAndName) {
  Bytes name = {'L', 'A', 'Y', 'O', 'U', 'T'};
  name.resize(16, 0xFF);
  for (const BankPlace &place : kBanks) {
    SCOPED_TRACE(place.bank);
    const Bytes enable = OneBit(place.bitmapBytes, place.record);
    const Bytes scan = OneBit(place.bitmapBytes, place.record - 1);
    auto data = DataWithImage(FilledImage(0));
    ChannelBank &bank = (*data).*place.records;
    ChannelRecord &r = bank[bank.Lower() + place.record];
    r.Enable = r.TxEnable = r.PowUp = true;
    r.ChTag = "LAYOUT";
    bank[bank.Lower() + place.record - 1].ScanMemory = true;
    ASSERT_FALSE(EncodeImage(*data, 11).has_value());
    for (const BankPlace &other : kBanks) {
      const bool mine = &other == &place;
      const Bytes none(other.bitmapBytes, 0);
      EXPECT_EQ(Slice(data->Image, other.enableBitmap, other.bitmapBytes), mine ? enable : none);
      EXPECT_EQ(Slice(data->Image, other.scanBitmap, other.bitmapBytes), mine ? scan : none);
      EXPECT_EQ(Slice(data->Image, other.name, 16), mine ? name : Bytes(16, 0xFF)) << other.bank;
    }
    // Power field 3 (TX, high power) and PowUp; bit 0 (plan) or bit 5 (CHEXP) is carried.
    if (place.flagByte != 0) {
      EXPECT_EQ(data->Image[place.flagByte] & 0xDE, 0xD0);
    }

    // And back: a zeroed image with only these bytes decodes into that record alone.
    auto decoded = DataWithImage(FilledImage(0));
    Put(decoded->Image, place.enableBitmap, enable);
    Put(decoded->Image, place.scanBitmap, scan);
    Put(decoded->Image, place.name, name);
    if (place.flagByte != 0)
      decoded->Image[place.flagByte] = 0x50; // power field 1: TX at low power, PowUp
    DecodeImage(*decoded);
    for (const BankPlace &other : kBanks) {
      const ChannelBank &got = (*decoded).*other.records;
      for (int k = 0; k < got.Size(); ++k) {
        const ChannelRecord &g = got[got.Lower() + k];
        const bool chosen = &other == &place && k == place.record;
        ASSERT_EQ(
            std::tuple(g.Enable, g.ScanMemory, g.ChTag),
            std::tuple(chosen, &other == &place && k == place.record - 1, chosen ? "LAYOUT" : ""))
            << other.bank << " " << k;
        if (chosen && place.flagByte != 0) {
          EXPECT_TRUE(g.TxEnable && g.LowPower && g.PowUp);
        }
      }
    }
  }
}

struct DirectoryPlace {
  const char *directory;
  Directory RadioData::*entries;
  int firstSlot, slots;
};

const DirectoryPlace kDirectories[] = {{"CHMMSID", &RadioData::CHMMSID, 18176, 80},
                                       {"CHGRPID", &RadioData::CHGRPID, 20224, 32}};

// Three entries in one directory fill its first slots; all other slots stay erased.
TEST(LayoutGuard, EachDirectoryWritesAndReadsItsSlots) {
  for (const DirectoryPlace &place : kDirectories) {
    SCOPED_TRACE(place.directory);
    auto data = DataWithImage(FilledImage(0));
    Directory &directory = (*data).*place.entries;
    for (int k = 1; k <= 3; ++k)
      directory[k] = {true, "SHIP" + std::to_string(k), "21100000" + std::to_string(k) + "0", {}};
    ASSERT_FALSE(EncodeImage(*data, 11).has_value());
    for (const DirectoryPlace &other : kDirectories) {
      for (int slot = 0; slot < other.slots; ++slot) {
        Bytes expected;
        if (&other == &place && slot < 3) {
          const auto digit = static_cast<std::uint8_t>(slot + 1);
          expected = {0x21, 0x10, 0x00, 0x00, std::uint8_t(digit << 4),
                      'S',  'H',  'I',  'P',  std::uint8_t('0' + digit)};
        }
        expected.resize(16, 0xFF);
        ASSERT_EQ(Slice(data->Image, other.firstSlot + 16 * slot, 16), expected)
            << other.directory << " slot " << slot;
      }
    }

    auto decoded = DataWithImage(FilledImage(0xFF));
    Put(decoded->Image, place.firstSlot, Slice(data->Image, place.firstSlot, 48));
    DecodeImage(*decoded);
    for (const DirectoryPlace &other : kDirectories) {
      const Directory &got = (*decoded).*other.entries;
      const int used = &other == &place ? 3 : 0;
      for (int k = 1; k <= got.Upper(); ++k)
        ASSERT_EQ(got[k].TagName, k <= used ? "SHIP" + std::to_string(k) : "") << other.directory;
    }
  }
}

} // namespace
} // namespace kv508::testing
