#include "image_builder.h"

#include <functional>

namespace kv508::testing {
namespace {

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

TEST(EncodeImage, EmptyGroupsAreStoredUnusableOnlyForModel1) {
  for (int model : {1, 11}) {
    auto data = DataWithImage(FilledImage(0));
    for (ChannelGroupSetup &group : data->ChannelGroups)
      group.Enable = true;
    data->CHUSA[3].Enable = true;
    ASSERT_FALSE(EncodeImage(*data, model).has_value());
    EXPECT_EQ(data->Image[192], 1);
    EXPECT_EQ(data->Image[208], model == 1 ? 0 : 1);
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

} // namespace
} // namespace kv508::testing
