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
  int record;       // position from the bank's lower bound
  int enableBitmap; // first byte of the Enable bitmap
  int scanBitmap;   // first byte of the ScanMemory bitmap
  int flagByte;     // the record's channel flag byte; 0 when the bank has none
  int name;         // the record's 16-byte name field
};

// Record positions are picked so that the bit is not bit 7 of the first byte. The
// record before the chosen one carries ScanMemory, so that the two bitmaps differ.
const BankPlace kBanks[] = {
    {"CHUSA", &RadioData::CHUSA, 17, 1280, 1536, 2048 + 2 * 17, 4864 + 16 * 17},
    {"CHINT", &RadioData::CHINT, 130, 1328, 1584, 2560 + 2 * 130, 8704 + 16 * 130},
    {"CHCAN", &RadioData::CHCAN, 239, 1376, 1632, 3072 + 2 * 239, 12544 + 16 * 239},
    {"CHWX", &RadioData::CHWX, 9, 1424, 1680, 0, 16384 + 16 * 9},
    {"CHEXP", &RadioData::CHEXP, 37, 1428, 1684, 3584 + 16 * 37 + 1, 16640 + 16 * 37},
};
constexpr int kBitmapBytes[] = {30, 30, 30, 2, 8};

const Bytes kName = {'L',  'A',  'Y',  'O',  'U',  'T',  0xFF, 0xFF,
                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// A bitmap of `bytes` bytes with only the bit of record `position` set.
Bytes OneBit(int bytes, int position) {
  Bytes bitmap(bytes, 0);
  bitmap[position / 8] = static_cast<std::uint8_t>(0x80 >> (position % 8));
  return bitmap;
}

void ClearAllBanks(RadioData &data) {
  for (const BankPlace &place : kBanks) {
    for (ChannelRecord &r : data.*place.records) {
      r.Enable = r.ScanMemory = r.TxEnable = r.LowPower = r.PowUp = r.Duplex = false;
      r.Scramble = 0;
      r.ChTag.clear();
    }
  }
}

TEST(LayoutGuard, EachBankWritesAndReadsItsOwnBitmapsFlagAndName) {
  for (const BankPlace &place : kBanks) {
    SCOPED_TRACE(place.bank);
    auto data = DefaultData(11);
    ClearAllBanks(*data);
    ChannelBank &bank = *data.get().*place.records;
    ChannelRecord &r = bank[bank.Lower() + place.record];
    r.Enable = r.TxEnable = r.PowUp = true;
    r.ChTag = "LAYOUT";
    bank[bank.Lower() + place.record - 1].ScanMemory = true;
    ASSERT_FALSE(EncodeImage(*data, 11).has_value());
    const MemoryImage &image = data->Image;

    // Every bank's areas: the chosen record's bits and name, nothing anywhere else.
    for (std::size_t b = 0; b < std::size(kBanks); ++b) {
      const BankPlace &other = kBanks[b];
      const bool mine = other.records == place.records;
      const int bytes = kBitmapBytes[b];
      const Bytes none(bytes, 0);
      EXPECT_EQ(Slice(image, other.enableBitmap, bytes), mine ? OneBit(bytes, place.record) : none)
          << "Enable of " << other.bank;
      EXPECT_EQ(Slice(image, other.scanBitmap, bytes),
                mine ? OneBit(bytes, place.record - 1) : none)
          << "ScanMemory of " << other.bank;
      EXPECT_EQ(Slice(image, other.name, 16), mine ? kName : Bytes(16, 0xFF))
          << "name in " << other.bank;
    }
    // Power field 3 (TX, high power) and PowUp; bit 0 (plan) or bit 5 (CHEXP) is carried.
    if (place.flagByte != 0) {
      EXPECT_EQ(image[place.flagByte] & 0xDE, 0xD0);
    }

    // And back: a zeroed image with only these bytes decodes into that record alone.
    auto decoded = DataWithImage(FilledImage(0));
    const int b = static_cast<int>(&place - kBanks);
    const Bytes enable = OneBit(kBitmapBytes[b], place.record);
    const Bytes scan = OneBit(kBitmapBytes[b], place.record - 1);
    std::copy(enable.begin(), enable.end(), decoded->Image.begin() + place.enableBitmap);
    std::copy(scan.begin(), scan.end(), decoded->Image.begin() + place.scanBitmap);
    std::copy(kName.begin(), kName.end(), decoded->Image.begin() + place.name);
    if (place.flagByte != 0)
      decoded->Image[place.flagByte] = 0x50; // power field 1: TX at low power, PowUp
    DecodeImage(*decoded);
    for (const BankPlace &other : kBanks) {
      const ChannelBank &got = *decoded.get().*other.records;
      for (int k = 0; k < got.Size(); ++k) {
        const ChannelRecord &g = got[got.Lower() + k];
        const bool mine = other.records == place.records;
        const bool chosen = mine && k == place.record;
        ASSERT_EQ(g.Enable, chosen) << other.bank << " " << k;
        ASSERT_EQ(g.ScanMemory, mine && k == place.record - 1) << other.bank << " " << k;
        ASSERT_EQ(g.ChTag, chosen ? "LAYOUT" : "") << other.bank << " " << k;
      }
    }
    const ChannelRecord &g = (*decoded.get().*place.records)[bank.Lower() + place.record];
    if (place.flagByte != 0) {
      EXPECT_TRUE(g.TxEnable && g.LowPower && g.PowUp);
    }
  }
}

struct DirectoryPlace {
  const char *directory;
  Directory RadioData::*entries;
  int firstSlot;
  int slots;
};

const DirectoryPlace kDirectories[] = {
    {"CHMMSID", &RadioData::CHMMSID, 18176, 80},
    {"CHGRPID", &RadioData::CHGRPID, 20224, 32},
};

TEST(LayoutGuard, EachDirectoryWritesAndReadsItsSlots) {
  for (const DirectoryPlace &place : kDirectories) {
    SCOPED_TRACE(place.directory);
    auto data = DefaultData(11);
    Directory &directory = *data.get().*place.entries;
    for (int k = 1; k <= 3; ++k) {
      directory[k].Enable = true;
      directory[k].Mmsid = "21100000" + std::to_string(k) + "0";
      directory[k].TagName = "SHIP" + std::to_string(k);
    }
    ASSERT_FALSE(EncodeImage(*data, 11).has_value());
    const MemoryImage &image = data->Image;
    for (const DirectoryPlace &other : kDirectories) {
      for (int slot = 0; slot < other.slots; ++slot) {
        const int at = other.firstSlot + 16 * slot;
        Bytes expected(16, 0xFF);
        if (other.entries == place.entries && slot < 3) {
          const auto digit = static_cast<std::uint8_t>(slot + 1);
          expected = {0x21, 0x10, 0x00, 0x00, static_cast<std::uint8_t>(digit << 4),
                      'S',  'H',  'I',  'P',  static_cast<std::uint8_t>('0' + digit),
                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                      0xFF};
        }
        ASSERT_EQ(Slice(image, at, 16), expected) << other.directory << " slot " << slot;
      }
    }

    auto decoded = DataWithImage(FilledImage(0xFF));
    std::copy(image.begin() + place.firstSlot, image.begin() + place.firstSlot + 48,
              decoded->Image.begin() + place.firstSlot);
    DecodeImage(*decoded);
    for (const DirectoryPlace &other : kDirectories) {
      const Directory &got = *decoded.get().*other.entries;
      const int used = other.entries == place.entries ? 3 : 0;
      for (int k = 1; k <= got.Upper(); ++k) {
        ASSERT_EQ(got[k].Enable, k <= used) << other.directory << " " << k;
        ASSERT_EQ(got[k].TagName, k <= used ? "SHIP" + std::to_string(k) : "")
            << other.directory << " " << k;
      }
    }
  }
}

} // namespace
} // namespace kv508::testing
