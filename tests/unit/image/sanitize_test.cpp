#include "image_builder.h"

#include <numeric>

namespace kv508::testing {
namespace {

// Usable groups 0..3; CHUSA channels 16 and 40, CHINT 3, CHCAN none; CHEXP
// records 3 and 5; weather channels 4 and 6. The image is encoded from it.
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
  image[426] = 0xF0;
  StoreAtisFlag(image);
  EXPECT_EQ(image[427], 1);

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
