#include "image_builder.h"

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
  for (const ChannelRecord &r : data->CHEXP) {
    ASSERT_TRUE(r.Enable && r.Narrow && r.TxEnable && r.Rxfreq + r.Txfreq == 0.0);
    ASSERT_EQ(r.CHDisplayL + r.CHDisplayR + r.ChTag, "");
  }
  for (const DirectoryEntry &e : data->CHGRPID)
    ASSERT_TRUE(!e.Enable && e.Mmsid.empty());
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

} // namespace
} // namespace kv508::testing
