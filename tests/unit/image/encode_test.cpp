#include "image/encode.h"

#include "image_builder.h"

#include <functional>

namespace kv508::testing {
namespace {

constexpr int kModel = 11; // no DisableEmptyGroups unless a test asks for model 1

MemoryImage Encoded(RadioData &data) {
  EXPECT_FALSE(EncodeImage(data, kModel).has_value());
  return data.Image;
}

TEST(EncodeImage, TimeByteClampsTheOffsetIntoRadioData) {
  struct Case {
    bool timeDisplay, format;
    std::int16_t offset;
    std::uint8_t byte;
    std::int16_t stored;
  } cases[] = {{true, true, 4, 0xE4, 4},
               {false, false, -30, 0x18, -24},
               {true, false, 31, 0xB8, 24},
               {false, true, 0, 0x60, 0}};
  for (const Case &c : cases) {
    auto data = DataWithImage(FilledImage(0xFF));
    data->Common.TimeDisplay = c.timeDisplay;
    data->Common.Format = c.format;
    data->Common.OffsetTime = c.offset;
    EXPECT_EQ(Encoded(*data)[43], c.byte) << c.offset;
    EXPECT_EQ(data->Common.OffsetTime, c.stored);
  }
}

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
  EXPECT_EQ(Slice(image, 18176, 5), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
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

TEST(EncodeImage, BitsAndBytesNoFieldOwnsComeOutAsTheyWentIn) {
  // Encoding the same data over an all-0x00 and an all-0xFF image: the bits
  // that differ afterwards are exactly those the encoder left alone.
  auto zero = DataWithImage(FilledImage(0x00));
  zero->AutoPos.Entry[1].SelectCall = 0;
  auto ones = std::make_unique<RadioData>(*zero);
  ones->Image = FilledImage(0xFF);
  const MemoryImage a = Encoded(*zero);
  const MemoryImage b = Encoded(*ones);
  auto carried = [&](int offset) { return a[offset] ^ b[offset]; };
  struct Case {
    int offset;
    int mask;
    const char *what;
  } cases[] = {{2048, 0x01, "CHUSA 0 flag byte, bit 0"},
               {2049, 0xFF, "second byte of the flag slot"},
               {3072 + 2 * 239, 0x01, "CHCAN 239 flag byte"},
               {3584, 0xF1, "expansion byte 0 beside ExpChGroup"},
               {3585, 0x20, "expansion flag byte, bit 5"},
               {3584 + 16 * 63 + 11, 0xFF, "expansion bytes 11-15"},
               {437, 0x68, "bits 6, 5, 3"},
               {43, 0x00, "time byte"},
               {465, 0x00, "position channel, high byte"},
               {1425, 0x00, "weather bitmap, second byte"},
               {492, 0xFF, "last address of the call kind not selected"},
               {1436, 0xFF, "after the expansion bitmap"},
               {198, 0xFF, "group spare text"},
               {242, 0xFF, "status name of the expansion group"},
               {2, 0xFF, "spare byte"},
               {35, 0xFF, "current channel"},
               {95, 0xFF, "checksum"},
               {421, 0xFF, "User MMSI count"},
               {427, 0xFF, "ATIS flag"},
               {32766, 0xFF, "model identifier"}};
  for (const Case &c : cases)
    EXPECT_EQ(carried(c.offset), c.mask) << c.what;
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

TEST(EncodeImage, LastAddressGoesToTheSlotOfTheCallKind) {
  for (int kind : {0, 1, 2}) {
    auto data = DataWithImage(FilledImage(0xEE));
    data->AutoPos.Entry[1].SelectCall = static_cast<std::int16_t>(kind);
    data->AutoPos.Entry[1].LastAddress = 7;
    data->AutoPos.Entry[1].Channel = 0x1FF34;
    const MemoryImage image = Encoded(*data);
    EXPECT_EQ(Slice(image, 490, 3),
              (Bytes{static_cast<std::uint8_t>(kind), std::uint8_t(kind == 0 ? 7 : 0xEE),
                     std::uint8_t(kind == 1 ? 7 : 0xEE)}));
    EXPECT_EQ(Slice(image, 465, 2), (Bytes{0x7F, 0x34}));
  }
}

TEST(EncodeImage, ARangeErrorLeavesTheImageByteIdenticalAndNamesTheField) {
  const auto base = DefaultData(1);
  struct Case {
    std::function<void(RadioData &)> change;
    std::string field, value;
  } cases[] = {
      {[](RadioData &d) { d.CHEXP[3].Rxfreq = 200.0; }, "CHEXP 3 Rxfreq", "200"},
      {[](RadioData &d) { d.CHEXP[64].Txfreq = 199.99995; }, "CHEXP 64 Txfreq", "199.99995"},
      {[](RadioData &d) { d.CHUSA[5].Scramble = 256; }, "CHUSA 5 Scramble", "256"},
      {[](RadioData &d) { d.CHCAN[0].Scramble = -1; }, "CHCAN 0 Scramble", "-1"},
      {[](RadioData &d) { d.ChannelGroups[2].PriorityCh = 65536; }, "ChannelGroups 2 PriorityCh",
       "65536"},
      {[](RadioData &d) { d.Common.TxPoDisplay = 256; }, "CommonSetup TxPoDisplay", "256"},
      {[](RadioData &d) { d.Common.Sog = -1; }, "CommonSetup Sog", "-1"},
      {[](RadioData &d) { d.AutoPos.Entry[1].Interval = 300; }, "AutoPos 1 Interval", "300"},
      {[](RadioData &d) {
         d.AutoPos.Entry[1].SelectCall = 1;
         d.AutoPos.Entry[1].LastAddress = 256;
       },
       "AutoPos 1 LastAddress", "256"}};
  for (const Case &c : cases) {
    auto data = std::make_unique<RadioData>(*base);
    data->ChannelGroups[0].StatusName = "ZZZZ"; // encoded before any failing field
    data->DscBasic.UserMmsi = "366123450";
    c.change(*data);
    const auto error = EncodeImage(*data, 1);
    ASSERT_TRUE(error.has_value()) << c.field;
    EXPECT_EQ(error->field, c.field);
    EXPECT_EQ(error->value, c.value);
    EXPECT_TRUE(data->Image == base->Image) << c.field;
    EXPECT_TRUE(PrepareOutgoingImage(*data, 1, true).has_value());
    EXPECT_TRUE(data->Image == base->Image) << c.field;
  }
  EXPECT_EQ(EncodeErrorMessage({"CHEXP 3 Rxfreq", "200"}), "Data Error!!\r\nCHEXP 3 Rxfreq = 200");
}

} // namespace
} // namespace kv508::testing
