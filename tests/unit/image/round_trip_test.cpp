#include "image_builder.h"

#include <random>

namespace kv508::testing {
namespace {

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

TEST(DefaultImage, OnlyModels1And11GetOne) {
  auto data = DataWithImage(FilledImage(0));
  BuildDefaultImage(*data, 11);
  EXPECT_TRUE(ImageMatchesModel(data->Image, 11) && !ImageMatchesModel(data->Image, 5));
  auto other = DataWithImage(FilledImage(0));
  other->Image[57] = 2;
  const MemoryImage before = other->Image;
  BuildDefaultImage(*other, 5);
  EXPECT_TRUE(other->Image == before);
  EXPECT_EQ(other->Common.ResumeTime, 2); // the settings are decoded all the same
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

} // namespace
} // namespace kv508::testing
