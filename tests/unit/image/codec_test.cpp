#include "image/fields.h"
#include "model/convert.h"

#include "image_builder.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <random>

namespace kv508::testing {
namespace {

TEST(DecodeImage, ErasedImageGivesEmptyTextsFullBitmapsAndErasedFlags) {
  auto data = DataWithImage(FilledImage(0xFF));
  data->CHUSA[5].DuplexAllowed = data->CHUSA[5].RxOnly = true;
  data->CHUSA[5].Position = 5;
  DecodeImage(*data);
  for (int g = 0; g < 3; ++g) {
    for (const ChannelRecord &r : data->GroupBank(g)) {
      ASSERT_TRUE(r.Enable && r.ScanMemory && r.TxEnable && r.Duplex && r.PowUp && !r.LowPower);
      ASSERT_EQ(r.ChTag + std::to_string(r.Scramble), "7");
    }
    EXPECT_EQ(data->ChannelGroups[g].PriorityCh, 65535);
  }
  EXPECT_EQ(data->DscBasic.UserMmsi + data->Atis.AtisCode, "");
  EXPECT_EQ(data->Common.OffsetTime, 31);
  // Fields the plans own are left alone.
  EXPECT_TRUE(data->CHUSA[5].DuplexAllowed && data->CHUSA[5].RxOnly);
  EXPECT_EQ(data->CHUSA[5].Position, 5);
}

TEST(DecodeImage, DirectoryEntriesAfterAnEmptySlotAreDropped) {
  MemoryImage image = FilledImage(0xFF);
  for (int slot : {0, 1, 4})
    Put(image, 18176 + 16 * slot, {0x21, 0x10, 0x00, 0x00, 0x10, 'S', 'H', 'I', 'P'});
  auto data = DataWithImage(image);
  data->CHMMSID[3].TagName = "OLD";
  DecodeImage(*data);
  EXPECT_TRUE(data->CHMMSID[1].Enable && data->CHMMSID[2].Enable);
  EXPECT_EQ(data->CHMMSID[2].Mmsid + data->CHMMSID[2].TagName, "2110000010SHIP");
  for (int k = 3; k <= 80; ++k)
    ASSERT_TRUE(!data->CHMMSID[k].Enable && data->CHMMSID[k].Mmsid + data->CHMMSID[k].TagName == "")
        << k;
}

TEST(DecodeSettings, GroupsDscAutoPosAndAtisComeFromTheirBytes) {
  MemoryImage image = FilledImage(0);
  Put(image, 96, {0x00, 0x20, 0x01, 0x00, 0xFF, 0xFF});
  Put(image, 192, {1, 0, 'U', 'S', 'A', ' '});
  Put(image, 240, {0, 7, 'E', 'X', 'P', 'S'}); // group 3: the name lives only in RadioData
  image[3584] = 0x0A;                          // ExpChGroup elements 0 and 2
  for (int k = 1; k < 64; ++k)
    image[3584 + 16 * k] = 0x04;
  Put(image, 416, {0x12, 0x34, 0x56, 0x78, 0x90});
  Put(image, 422, {0x98, 0x76, 0x54, 0x32, 0x1F});
  Put(image, 432, {0x81, 0x42, 0x24, 0x18, 0xF0, 0x95, 0, 1, 0, 1, 0, 1});
  image[207 + 16] = 2;
  Put(image, 464, {1, 0xFF, 0x34, 9, 0xFF});
  image[479] = 77;
  Put(image, 490, {1, 11, 22});
  auto data = DataWithImage(image);
  data->ChannelGroups[3].StatusName = "KEEP";
  DecodeSettings(*data);

  const auto &g = data->ChannelGroups;
  EXPECT_EQ(std::tuple(g[0].PriorityCh, g[1].PriorityCh, g[0].StatusName, g[0].Enable, g[3].Enable),
            std::tuple(32, 256, "USA", true, false));
  EXPECT_EQ(g[3].StatusName, "KEEP");
  EXPECT_EQ(g[3].ExpChGroup, (std::array<bool, 3>{true, false, true}));
  using Four = std::array<bool, 4>;
  EXPECT_EQ(data->DscBasic.DscGroup, (Four{false, false, false, true}));
  EXPECT_EQ(data->DscBasic.UserMmsi, "1234567890");
  EXPECT_EQ(data->Atis.AtisCode, "987654321");
  EXPECT_EQ(data->Atis.UsableAtisChGroup, (Four{false, true, false, false}));
  const DscAdvancedSetup &adv = data->DscAdvanced;
  EXPECT_EQ(adv.AllShipsCallTx, (Four{false, false, false, true}));
  EXPECT_EQ(adv.GroupCall, (Four{false, true, false, false}));
  EXPECT_EQ(adv.PositionReportCall, (Four{true, true, true, true}));
  // 437 = 0x95: bit 7 beep 0, bit 4 position request, bits 2 and 0 display menus;
  // 438..443 = 0 1 0 1 0 1 hold beeps 1, 2, 3, 5, 6, 4; element 7 is not in the image.
  EXPECT_TRUE(data->DscBasic.PosRequest[0]);
  EXPECT_EQ(data->DscDisplay, (DscDisplaySetup{true, false, true}));
  EXPECT_EQ(data->DscBasic.BeepOut, (std::array<bool, 8>{1, 0, 1, 0, 1, 1, 0, 0}));
  const AutoPosEntry &pos = data->AutoPos.Entry[1];
  EXPECT_EQ(std::tuple(pos.Enable, pos.Channel, pos.Interval, pos.MarineEnable, pos.SelectCall,
                       pos.LastAddress),
            std::tuple(true, 0x7F34, 9, 77, 1, 22));
}

TEST(DecodeExpansionBank, RecordsCarryDisplayFrequenciesAndFlags) {
  MemoryImage image = FilledImage(0);
  Put(image, 1428, {0x40});
  Put(image, 3584 + 16, {0x00, 0xC1, '1', '6', 'A', 0x56, 0x05, 0x00, 0x60, 0x62, 0x50});
  Put(image, 16640 + 16, {'M', 'Y', ' ', 'C', 'H', 0xFF});
  auto data = DataWithImage(image);
  DecodeExpansionBank(*data);
  const ChannelRecord &r = data->CHEXP[2];
  EXPECT_TRUE(r.Enable && r.TxEnable && r.Narrow && !r.LowPower && !data->CHEXP[1].Enable);
  EXPECT_EQ(r.CHDisplayL + "|" + r.CHDisplayR + "|" + r.ChTag, "16|A|MY CH");
  EXPECT_EQ(std::pair(r.Rxfreq, r.Txfreq), std::pair(156.05, 160.625));
}

constexpr int kModel = 11; // no DisableEmptyGroups unless a test asks for model 1

MemoryImage Encoded(RadioData &data) {
  EXPECT_FALSE(EncodeImage(data, kModel).has_value());
  return data.Image;
}

// Bit 7 time display, bit 6 format, bit 5 sign, bits 4-0 half hours. Encoding clamps
// the offset to +-24 and stores the clamped value back; decoding takes any byte.
TEST(TimeByte, EncodeClampsDecodeTakesTheSignedOffset) {
  const std::tuple<bool, bool, std::int16_t, std::uint8_t, std::int16_t> encodes[] = {
      {false, false, -30, 0x18, -24}, {true, false, 31, 0xB8, 24}, {false, true, 0, 0x60, 0}};
  for (const auto &[timeDisplay, format, offset, byte, stored] : encodes) {
    auto data = DataWithImage(FilledImage(0xFF));
    data->Common.TimeDisplay = timeDisplay;
    data->Common.Format = format;
    data->Common.OffsetTime = offset;
    EXPECT_EQ(Encoded(*data)[43], byte) << offset;
    EXPECT_EQ(data->Common.OffsetTime, stored);
  }
  const std::tuple<std::uint8_t, bool, bool, int> decodes[] = {{0x9A, true, false, -26},
                                                               {0x58, false, true, -24}};
  for (const auto &[byte, timeDisplay, format, offset] : decodes) {
    auto data = DataWithImage(FilledImage(0));
    data->Image[43] = byte;
    DecodeSettings(*data);
    EXPECT_EQ(std::tuple(data->Common.TimeDisplay, data->Common.Format, data->Common.OffsetTime),
              std::tuple(timeDisplay, format, offset))
        << int(byte);
  }
}

// Stored MMSIs end in a zero digit whatever was typed; the ATIS code keeps its tenth
// digit, or 0xF when it has only nine.
TEST(EncodeImage, PriorityMmsiAndAtisCode) {
  auto data = DataWithImage(FilledImage(0));
  data->ChannelGroups[0].PriorityCh = -1;
  data->ChannelGroups[1].PriorityCh = 65535;
  data->ChannelGroups[2].PriorityCh = 32;
  data->DscBasic.UserMmsi = "123456789";
  data->Atis.AtisCode = "123456789";
  data->AutoPos.Entry[1].Mmsi = "1234567895";
  data->CHGRPID[32].Mmsid = "0123456780";
  const MemoryImage image = Encoded(*data);
  EXPECT_EQ(Slice(image, 96, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x20}));
  EXPECT_EQ(Slice(image, 416, 5), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90}));
  EXPECT_EQ(Slice(image, 422, 5), (Bytes{0x12, 0x34, 0x56, 0x78, 0x9F}));
  EXPECT_EQ(Slice(image, 469, 5), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90}));
  EXPECT_EQ(Slice(image, 20224 + 16 * 31, 6), (Bytes{0x01, 0x23, 0x45, 0x67, 0x80, 0xFF}));
}

// Model 1 stores a group without channels as unusable; no group is ever enabled.
TEST(EncodeImage, EmptyGroupsAreStoredUnusableOnlyForModel1) {
  for (int model : {1, 11}) {
    auto data = DataWithImage(FilledImage(0));
    for (ChannelGroupSetup &group : data->ChannelGroups)
      group.Enable = true;
    data->ChannelGroups[2].Enable = false;
    data->CHUSA[3].Enable = data->CHCAN[5].Enable = true;
    ASSERT_FALSE(EncodeImage(*data, model).has_value());
    EXPECT_EQ((Bytes{data->Image[192], data->Image[208], data->Image[224]}),
              (Bytes{1, std::uint8_t(model == 1 ? 0 : 1), 0}));
    EXPECT_EQ(data->ChannelGroups[1].Enable, model != 1);
  }
}

// The same data encoded over an all-0x00 and an all-0xFF image: the bits that differ
// are exactly those the encoder leaves alone (offset, carried bits).
TEST(EncodeImage, BitsAndBytesNoFieldOwnsComeOutAsTheyWentIn) {
  auto zero = DataWithImage(FilledImage(0x00));
  zero->AutoPos.Entry[1].SelectCall = 0;
  auto ones = std::make_unique<RadioData>(*zero);
  ones->Image = FilledImage(0xFF);
  const MemoryImage a = Encoded(*zero);
  const MemoryImage b = Encoded(*ones);
  const std::pair<int, int> cases[] = {
      {2048, 0x01}, {2049, 0xFF}, {3584, 0xF1}, {3585, 0x20}, {3584 + 16 * 63 + 11, 0xFF},
      {437, 0x68},  {43, 0x00},   {465, 0x00},  {492, 0xFF},  {242, 0xFF},
      {35, 0xFF},   {95, 0xFF},   {421, 0xFF},  {427, 0xFF},  {32766, 0xFF}};
  for (const auto &[offset, mask] : cases)
    EXPECT_EQ(a[offset] ^ b[offset], mask) << offset;
}

TEST(EncodeImage, ExpansionRecordsAndTheGroupFlagsInEveryRecord) {
  auto data = DataWithImage(FilledImage(0xFF));
  data->ChannelGroups[3].ExpChGroup = {true, false, true};
  ChannelRecord &r = data->CHEXP[64];
  r.Enable = true;
  r.CHDisplayL = "6";
  r.Rxfreq = 156.05;
  r.Txfreq = 160.625;
  data->CHEXP[2].CHDisplayL = "12";
  data->CHEXP[2].CHDisplayR = "A";
  const MemoryImage image = Encoded(*data);
  EXPECT_EQ(Slice(image, 1428, 9), (Bytes{0, 0, 0, 0, 0, 0, 0, 0x01, 0xFF}));
  const int a = 3584 + 16 * 63;
  EXPECT_EQ(Slice(image, a + 2, 9), (Bytes{'6', ' ', ' ', 0x56, 0x05, 0x00, 0x60, 0x62, 0x50}));
  EXPECT_EQ(Slice(image, 3584 + 16 + 2, 3), (Bytes{'1', '2', 'A'}));
  for (int k = 0; k < 64; ++k)
    ASSERT_EQ(image[3584 + 16 * k], 0xFB) << k;
}

// The last address has a slot per call kind: 491 for kind 0, 492 for kind 1, none for
// any other kind, which leaves the slots as they were and RadioData's value on decode.
TEST(AutoPosition, LastAddressGoesToTheSlotOfTheCallKind) {
  for (int kind : {0, 1, 2}) {
    auto data = DataWithImage(FilledImage(0xEE));
    data->AutoPos.Entry[1].SelectCall = static_cast<std::int16_t>(kind);
    data->AutoPos.Entry[1].LastAddress = 7;
    data->AutoPos.Entry[1].Channel = 0x1FF34;
    const MemoryImage image = Encoded(*data);
    EXPECT_EQ(Slice(image, 490, 3), (Bytes{std::uint8_t(kind), std::uint8_t(kind == 0 ? 7 : 0xEE),
                                           std::uint8_t(kind == 1 ? 7 : 0xEE)}));
    EXPECT_EQ(Slice(image, 465, 2), (Bytes{0x7F, 0x34}));
  }
  auto data = DataWithImage(FilledImage(0));
  Put(data->Image, 490, {2, 11, 22});
  data->AutoPos.Entry[1].LastAddress = 99;
  DecodeSettings(*data);
  EXPECT_EQ(data->AutoPos.Entry[1].LastAddress, 99);
}

TEST(EncodeImage, ARangeErrorLeavesTheImageByteIdenticalAndNamesTheField) {
  const auto base = DefaultData(1);
  const std::pair<std::function<void(RadioData &)>, std::string> cases[] = {
      {[](RadioData &d) { d.CHEXP[3].Rxfreq = 200.0; }, "CHEXP 3 Rxfreq = 200"},
      {[](RadioData &d) { d.CHEXP[64].Txfreq = 199.99995; }, "CHEXP 64 Txfreq = 199.99995"},
      {[](RadioData &d) { d.CHCAN[0].Scramble = -1; }, "CHCAN 0 Scramble = -1"},
      {[](RadioData &d) { d.ChannelGroups[2].PriorityCh = 65536; },
       "ChannelGroups 2 PriorityCh = 65536"},
      {[](RadioData &d) {
         d.AutoPos.Entry[1].SelectCall = 1;
         d.AutoPos.Entry[1].LastAddress = 256;
       },
       "AutoPos 1 LastAddress = 256"}};
  for (const auto &[change, message] : cases) {
    auto data = std::make_unique<RadioData>(*base);
    data->ChannelGroups[0].StatusName = "ZZZZ"; // encoded before any failing field
    data->DscBasic.UserMmsi = "366123450";
    change(*data);
    const auto error = EncodeImage(*data, 1);
    ASSERT_TRUE(error.has_value()) << message;
    EXPECT_EQ(EncodeErrorMessage(*error), "Data Error!!\r\n" + message);
    EXPECT_TRUE(data->Image == base->Image) << message;
    EXPECT_TRUE(PrepareOutgoingImage(*data, 1, true).has_value());
    EXPECT_TRUE(data->Image == base->Image) << message;
  }
}

// Field edges the encode and decode tests do not reach through real fields.
constexpr int kAt = 100;

MemoryImage WithBytesAt(const Bytes &bytes, std::uint8_t fill) {
  MemoryImage image = FilledImage(fill);
  Put(image, kAt, bytes);
  return image;
}

TEST(Bcd5, ReadStopsAtTheFirstNibbleAboveNineAndWriteFillsWithF) {
  EXPECT_EQ(Bcd5Read(WithBytesAt({0x12, 0x3A, 0x56, 0x78, 0x90}, 0), kAt), "123");
  MemoryImage image = FilledImage(0);
  Bcd5Write(image, kAt, " 12", false);
  EXPECT_EQ(Slice(image, kAt, 6), (Bytes{0xF1, 0x2F, 0xFF, 0xFF, 0xFF, 0}));
  Bcd5Write(image, kAt, "1234", true);
  EXPECT_EQ(Slice(image, kAt, 6), (Bytes{0x12, 0x34, 0xFF, 0xFF, 0xF0, 0}));
}

TEST(NameField, ReadCutsAtAForeignByteAndWritePadsWithFf) {
  const std::pair<Bytes, std::string> reads[] = {{{'A', 'B', 0xE9, 'C', 'D', 'E'}, "AB"},
                                                 {{'A', ' ', 'B', ' ', ' ', 0xFF}, "A B"},
                                                 {{0xFF, 'A', 'B', 'C', 'D', 'E'}, ""}};
  for (const auto &[bytes, name] : reads)
    EXPECT_EQ(NameFieldRead(WithBytesAt(bytes, 0xFF), kAt, 4), name);
  MemoryImage image = FilledImage(0);
  NameFieldWrite(image, kAt, 6, "ab_c");
  EXPECT_EQ(Slice(image, kAt, 7), (Bytes{'a', 'b', 0xFF, 'c', 0xFF, 0xFF, 0}));
  NameFieldWrite(image, kAt, 3, "LONGER");
  EXPECT_EQ(Slice(image, kAt, 4), (Bytes{'L', 'O', 'N', 'c'})); // nothing past the field
}

TEST(Freq, ReadTakesTheLeadingDecimalNumber) {
  const std::pair<Bytes, double> cases[] = {{{0xFF, 0xFF, 0xFF}, 0.0},
                                            {{0x5F, 0x12, 0x34}, 105.0},
                                            {{0x99, 0x99, 0x99}, 199.9999},
                                            {{0x00, 0x00, 0x01}, 100.0001}};
  for (const auto &[bytes, mhz] : cases)
    EXPECT_EQ(FreqRead(WithBytesAt(bytes, 0), kAt), mhz);
}

// The exact binary value rounds half to even: 100.03125 is a tie, 156.00035 just below.
TEST(Freq, WriteRoundsTheExactBinaryValueHalfToEven) {
  const std::pair<double, Bytes> cases[] = {{157.42500000000032, {0x57, 0x42, 0x50}},
                                            {100.03125, {0x00, 0x03, 0x12}},
                                            {156.00035, {0x56, 0x00, 0x03}},
                                            {156.00045, {0x56, 0x00, 0x05}},
                                            {std::nextafter(199.99995, 0.0), {0x99, 0x99, 0x99}},
                                            {-3.0, {0, 0, 0}},
                                            {std::nan(""), {0, 0, 0}}};
  for (const auto &[mhz, bytes] : cases) {
    MemoryImage image = FilledImage(0xEE);
    FreqWrite(image, kAt, mhz);
    EXPECT_EQ(Slice(image, kAt, 3), bytes) << mhz;
  }
  MemoryImage image = FilledImage(0xEE);
  EXPECT_THROW(FreqWrite(image, kAt, std::numeric_limits<double>::infinity()), RangeError);
  EXPECT_EQ(Slice(image, kAt, 3), (Bytes{0xEE, 0xEE, 0xEE}));
}

TEST(DefaultImage, HoldsTheFixedBytesAfterNewDataEncodesIt) {
  const auto data = DefaultData(1);
  const MemoryImage &image = data->Image;
  EXPECT_EQ(Slice(image, 0, 4), (Bytes{0x07, 0xD0, 0, 0}));
  EXPECT_EQ(Slice(image, 32766, 2), (Bytes{0x07, 0xD0}));
  EXPECT_EQ(Slice(image, 33, 9), (Bytes{0, 0, 0, 30, 0, 30, 0, 0, 0}));
  EXPECT_EQ(Slice(image, 57, 3), (Bytes{3, 0, 0}));
  EXPECT_EQ(image[65], 0xFF);
  EXPECT_EQ(Slice(image, 96, 6), (Bytes{0, 32, 0, 32, 0, 32}));
  EXPECT_EQ(Slice(image, 198, 5), (Bytes{'R', 'A', 'D', 'I', 'O'}));
  EXPECT_EQ(Slice(image, 230, 4), (Bytes{'R', 'A', 'M', '2'}));
  EXPECT_EQ(Slice(image, 416, 12),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(image, 432, 6), (Bytes{0x60, 0x10, 0x10, 0xFF, 0xFF, 0xFE}));
  EXPECT_EQ(Slice(image, 1428, 8), Bytes(8, 0));
  // Model 1 stores the expansion group, which has no channel, as not usable.
  EXPECT_EQ((Bytes{image[192], image[208], image[224], image[240]}), (Bytes{1, 1, 1, 0}));
  EXPECT_EQ(data->DscDisplay, (DscDisplaySetup{true, true, false}));
}

// Random images: decoding, encoding and decoding again gives the same data and image.
TEST(RoundTrip, RandomImagesDecodeToTheSameDataAfterEncoding) {
  std::mt19937 random(508);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 25; ++round) {
    MemoryImage image;
    for (std::uint8_t &b : image)
      b = static_cast<std::uint8_t>(byte(random));
    // Stored MMSIs always end in a zero digit; any other tenth digit is not kept.
    for (int at : {416, 469})
      image[at + 4] &= 0xF0;
    for (int slot = 0; slot < 80 + 32; ++slot)
      image[(slot < 80 ? 18176 + 16 * slot : 20224 + 16 * (slot - 80)) + 4] &= 0xF0;
    auto first = DataWithImage(image);
    for (int g = 0; g < 3; ++g) {
      for (ChannelRecord &r : first->GroupBank(g))
        r.DuplexAllowed = true; // Duplex is only stored where it is allowed
    }
    DecodeImage(*first);
    ASSERT_FALSE(EncodeImage(*first, 1).has_value());
    auto second = std::make_unique<RadioData>(*first);
    DecodeImage(*second);
    EXPECT_TRUE(*second == *first) << "round " << round;
    ASSERT_FALSE(EncodeImage(*second, 1).has_value());
    EXPECT_TRUE(second->Image == first->Image) << "round " << round;
  }
}

// Usable groups 0..3; CHUSA 16 and 40, CHINT 3, CHCAN none, CHEXP 3 and 5, WX 4 and 6.
std::unique_ptr<RadioData> Radio() {
  auto data = DataWithImage(FilledImage(0));
  for (ChannelGroupSetup &group : data->ChannelGroups)
    group.Enable = true;
  data->CHUSA[16].Enable = data->CHUSA[40].Enable = data->CHINT[3].Enable = true;
  data->CHEXP[3].Enable = data->CHEXP[5].Enable = true;
  data->CHWX[4].Enable = data->CHWX[6].Enable = true;
  EXPECT_FALSE(EncodeImage(*data, 11).has_value());
  return data;
}

// Rows: unusable group (-1: none), expansion group's usable byte, current group and
// channel, repaired group and channel. An invalid channel becomes the group's first
// enabled one, an unusable group the next; CHEXP channel 241 is record 3. Group 5 is
// no plan group: its channel bytes stay.
TEST(ImageSanitize, CurrentGroupAndChannelAreRepairedInBothCopies) {
  const std::tuple<int, std::uint8_t, int, int, int, int> cases[] = {
      {-1, 1, 0, 17, 0, 16},   {0, 1, 0, 16, 1, 3},    {1, 1, 1, 3, 2, 3},
      {-1, 1, 0, 241, 0, 241}, {-1, 1, 0, 240, 0, 16}, {-1, 2, 0, 241, 0, 16},
      {-1, 1, 2, 100, 2, 3},   {-1, 1, 5, 100, 5, 100}};
  for (const auto &[unusable, expByte, group, channel, wantGroup, want] : cases) {
    auto data = Radio();
    MemoryImage &image = data->Image;
    if (unusable >= 0)
      image[192 + 16 * unusable] = 0;
    image[240] = expByte;
    Put(image, 33,
        {std::uint8_t(group), 0, std::uint8_t(channel / 256), std::uint8_t(channel % 256), 0x12,
         0x34});
    ImageSanitize(*data);
    const bool plan = group != 5;
    EXPECT_EQ(Slice(image, 33, 6),
              (Bytes{std::uint8_t(wantGroup), 0, std::uint8_t(want / 256), std::uint8_t(want % 256),
                     plan ? std::uint8_t(want / 256) : std::uint8_t(0x12),
                     plan ? std::uint8_t(want % 256) : std::uint8_t(0x34)}))
        << group << "/" << channel;
  }
}

TEST(ImageSanitize, WeatherModeRepairsOnlyTheFirstCopyAndOtherModesNothing) {
  const std::pair<Bytes, Bytes> cases[] = {
      {{0, 1, 0x12, 0x34, 0x56, 0x78, 6}, {0, 1, 0, 6, 0x56, 0x78, 6}},
      {{0, 1, 0x12, 0x34, 0x56, 0x78, 12}, {0, 1, 0, 4, 0x56, 0x78, 4}},
      {{0, 2, 0x12, 0x34, 0x56, 0x78, 12}, {0, 2, 0x12, 0x34, 0x56, 0x78, 12}}};
  for (const auto &[before, after] : cases) {
    auto data = Radio();
    Put(data->Image, 33, before);
    ImageSanitize(*data);
    EXPECT_EQ(Slice(data->Image, 33, 7), after);
  }
}

TEST(ImageSanitize, GroupChannelListsLoseEntriesThatAreNotValidAndTheMmsiCountFollows) {
  auto data = Radio();
  Put(data->Image, 256, {0, 16, 0, 17, 0, 241, 1, 47, 0xFF, 0xFF, 0, 40, 0x12, 0x34, 0, 0});
  Put(data->Image, 288, {0, 16, 0, 3});
  ImageSanitize(*data);
  EXPECT_EQ(Slice(data->Image, 256, 16), (Bytes{0, 16, 0xFF, 0xFF, 0, 241, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0, 40, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(data->Image, 288, 4), (Bytes{0xFF, 0xFF, 0, 3}));

  for (const auto &[mmsi, count] : {std::pair{"3661234560", 1}, std::pair{"   ", 0}}) {
    data->DscBasic.UserMmsi = mmsi;
    ImageSanitize(*data);
    EXPECT_EQ(data->Image[421], count) << mmsi;
  }
}

TEST(OutgoingImage, ChecksumAndAtisFlag) {
  MemoryImage image = FilledImage(0xFF);
  StoreImageChecksum(image);
  EXPECT_EQ(image[95], 0xE3);
  StoreAtisFlag(image);
  EXPECT_EQ(image[427], 0xFF); // no ATIS code: the flag byte is not written

  for (bool radioWrite : {false, true}) {
    auto data = Radio();
    data->Atis.AtisCode = "1234567890";
    data->Image[427] = 0;
    ASSERT_FALSE(PrepareOutgoingImage(*data, 11, radioWrite).has_value());
    EXPECT_EQ(data->Image[427], radioWrite ? 1 : 0);
    EXPECT_EQ(data->Image[95],
              std::uint8_t(std::accumulate(&data->Image[66], &data->Image[95], 0)));
  }
}

} // namespace
} // namespace kv508::testing
