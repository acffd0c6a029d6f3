#include "image/encode.h"

#include "image_builder.h"
#include "model/convert.h"

namespace kv508::testing {
namespace {

// Usable groups 0..3; CHUSA channels 16 and 40, CHINT 3, CHCAN none; CHEXP
// records 3 and 5; weather channels 4 and 6. The image is encoded from it.
std::unique_ptr<RadioData> Radio() {
  auto data = DataWithImage(FilledImage(0));
  for (ChannelGroupSetup &group : data->ChannelGroups)
    group.Enable = true;
  for (int c : {16, 40})
    data->CHUSA[c].Enable = true;
  data->CHINT[3].Enable = true;
  for (int r : {3, 5})
    data->CHEXP[r].Enable = true;
  for (int w : {4, 6})
    data->CHWX[w].Enable = true;
  EXPECT_FALSE(EncodeImage(*data, 11).has_value());
  return data;
}

TEST(ImageSanitize, CurrentGroupAndChannelAreRepairedInBothCopies) {
  struct Case {
    int unusableGroup;    // -1: all usable
    std::uint8_t expByte; // usable byte of the expansion group
    int group, channel;
    int wantGroup, wantChannel;
  } cases[] = {{-1, 1, 0, 16, 0, 16},    // valid; the second copy is brought in line
               {-1, 1, 0, 17, 0, 16},    // disabled channel: first enabled of the group
               {-1, 1, 1, 3, 1, 3},      //
               {0, 1, 0, 16, 1, 3},      // group 0 unusable: group 1 is tried first
               {1, 1, 1, 3, 2, 3},       // group 1 unusable: group 2, whose bank is empty
               {-1, 1, 0, 241, 0, 241},  // position 2 of the CHEXP bitmap: record 3
               {-1, 1, 0, 240, 0, 16},   // record 2 is disabled
               {-1, 1, 0, 303, 0, 16},   // past the bitmap
               {-1, 2, 0, 241, 0, 16},   // bit 0 of the expansion group byte is clear
               {-1, 1, 2, 100, 2, 3},    // empty bank: first enabled CHEXP record number
               {-1, 1, 5, 100, 5, 100}}; // no plan group: channel bytes untouched
  for (const Case &c : cases) {
    auto data = Radio();
    MemoryImage &image = data->Image;
    if (c.unusableGroup >= 0)
      image[192 + 16 * c.unusableGroup] = 0;
    image[240] = c.expByte;
    image[33] = std::uint8_t(c.group);
    image[34] = 0;
    Put(image, 35, {std::uint8_t(c.channel / 256), std::uint8_t(c.channel % 256), 0x12, 0x34});
    ImageSanitize(*data);
    const std::uint8_t copyLow = c.group == 5 ? 0x34 : std::uint8_t(c.wantChannel % 256);
    const std::uint8_t copyHigh = c.group == 5 ? 0x12 : std::uint8_t(c.wantChannel / 256);
    EXPECT_EQ(Slice(image, 33, 6),
              (Bytes{std::uint8_t(c.wantGroup), 0, std::uint8_t(c.wantChannel / 256),
                     std::uint8_t(c.wantChannel % 256), copyHigh, copyLow}))
        << c.group << "/" << c.channel;
  }
}

TEST(ImageSanitize, WeatherModeRepairsOnlyTheFirstCopyAndOtherModesNothing) {
  struct Case {
    std::uint8_t mode, weather;
    Bytes want;
  } cases[] = {{1, 6, {0, 1, 0, 6, 0x56, 0x78, 6}},
               {1, 5, {0, 1, 0, 4, 0x56, 0x78, 4}},
               {1, 12, {0, 1, 0, 4, 0x56, 0x78, 4}},
               {2, 12, {0, 2, 0x12, 0x34, 0x56, 0x78, 12}}};
  for (const Case &c : cases) {
    auto data = Radio();
    Put(data->Image, 33, {0, c.mode, 0x12, 0x34, 0x56, 0x78, c.weather});
    ImageSanitize(*data);
    EXPECT_EQ(Slice(data->Image, 33, 7), c.want);
  }
}

TEST(ImageSanitize, GroupChannelListsLoseEntriesThatAreNotValid) {
  auto data = Radio();
  Put(data->Image, 256, {0, 16, 0, 17, 0, 241, 1, 47, 0xFF, 0xFF, 0, 40, 0x12, 0x34, 0, 0});
  Put(data->Image, 288, {0, 16, 0, 3});
  ImageSanitize(*data);
  EXPECT_EQ(Slice(data->Image, 256, 16), (Bytes{0, 16, 0xFF, 0xFF, 0, 241, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0, 40, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Slice(data->Image, 288, 4), (Bytes{0xFF, 0xFF, 0, 3}));
}

TEST(ImageSanitize, UserMmsiCountFollowsTheTrimmedMmsi) {
  const std::pair<std::string, int> cases[] = {{"", 0}, {"   ", 0}, {"3661234560", 1}};
  for (const auto &[mmsi, count] : cases) {
    auto data = Radio();
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
  image[426] = 0xF0;
  StoreAtisFlag(image);
  EXPECT_EQ(image[427], 1);

  for (bool radioWrite : {false, true}) {
    auto data = Radio();
    data->Atis.AtisCode = "1234567890";
    data->Image[427] = 0;
    ASSERT_FALSE(PrepareOutgoingImage(*data, 11, radioWrite).has_value());
    EXPECT_EQ(data->Image[427], radioWrite ? 1 : 0);
    EXPECT_EQ(data->Image[95], ByteSum(data->Image, 66, 29));
  }
}

} // namespace
} // namespace kv508::testing
