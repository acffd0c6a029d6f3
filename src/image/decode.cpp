#include "image/decode.h"

#include "image/fields.h"
#include "image/layout.h"
#include "model/convert.h"

#include <algorithm>

namespace kv508 {

namespace {

using namespace layout;

// Record loops start at the bank's lower bound and stop at its upper bound or
// after `count` records, whichever comes first.
template <typename Bank, typename Fn> void ForRecords(Bank &bank, int count, Fn fn) {
  const int last = std::min(bank.Upper(), bank.Lower() + count - 1);
  for (int r = bank.Lower(); r <= last; ++r)
    fn(bank[r], r - bank.Lower());
}

void DecodeNames(const MemoryImage &image, int offset, int count, ChannelBank &bank) {
  ForRecords(bank, count, [&](ChannelRecord &record, int k) {
    record.ChTag = NameFieldRead(image, offset + kNameStride * k, kChTagLength);
  });
}

void DecodePlanBank(const MemoryImage &image, int group, ChannelBank &bank) {
  BitmapRead(image, kPlanEnable[group], kPlanBitmapBytes, bank, &ChannelRecord::Enable);
  BitmapRead(image, kPlanScan[group], kPlanBitmapBytes, bank, &ChannelRecord::ScanMemory);
  DecodeNames(image, kPlanNames[group], kPlanRecordCount, bank);
  ForRecords(bank, kPlanRecordCount, [&](ChannelRecord &record, int k) {
    ChannelFlagsRead(image[kPlanFlags[group] + kPlanFlagStride * k], record, FlagLayout::Plan);
  });
}

void DecodeWxBank(const MemoryImage &image, ChannelBank &bank) {
  BitmapRead(image, kWxEnable, kWxBitmapBytes, bank, &ChannelRecord::Enable);
  BitmapRead(image, kWxScan, kWxBitmapBytes, bank, &ChannelRecord::ScanMemory);
  DecodeNames(image, kWxNames, kWxRecordCount, bank);
}

// Entries after the first empty MMSI are dropped, so the enabled entries always
// run unbroken from entry 1.
void DecodeDirectory(const MemoryImage &image, int slots, int slotCount, Directory &directory) {
  ForRecords(directory, slotCount, [&](DirectoryEntry &entry, int k) {
    const int slot = slots + kDirectorySlotStride * k;
    entry.Mmsid = Bcd5Read(image, slot + kSlotMmsi);
    entry.TagName = NameFieldRead(image, slot + kSlotTagName, kTagNameLength);
  });
  bool ended = false;
  for (DirectoryEntry &entry : directory) {
    ended = ended || entry.Mmsid.empty();
    if (ended) {
      entry.Mmsid.clear();
      entry.TagName.clear();
    }
    entry.Enable = !ended;
  }
}

void DecodeGroups(const MemoryImage &image, RadioData &data) {
  for (int g = 0; g < kGroupCount; ++g) {
    ChannelGroupSetup &group = data.ChannelGroups[g];
    group.Enable = FlagRead(image, GroupUsable(g));
    if (g < kPlanGroupCount) {
      group.PriorityCh = Be16Read(image, PriorityCh(g));
      group.StatusName = NameFieldRead(image, GroupStatusName(g), kStatusNameLength);
    } else {
      // The expansion group flags are repeated in every record; record 0 is the one read.
      for (int i = 0; i < 3; ++i) {
        group.ExpChGroup[i] = BitRead(image, ExpRecord(0) + kExpGroupByte, 3 - i);
      }
    }
  }
}

void DecodeCommon(const MemoryImage &image, CommonSetup &common) {
  common.TxPoDisplay = image[kTxPoDisplay];
  common.Scan = FlagRead(image, kScan);
  common.PttScanClear = FlagRead(image, kPttScanClear);
  common.ResumeTime = image[kResumeTime];
  common.DualWatch = FlagRead(image, kDualWatch);
  common.TimeDisplay = BitRead(image, kTimeByte, kTimeDisplayBit);
  common.OffsetTime = ByteToOffsetTime(image[kTimeByte]);
  common.Format = BitRead(image, kTimeByte, kFormatBit);
  common.Weater = image[kWeater];
  common.Sog = image[kSog];
  common.Distance = image[kDistance];
}

void DecodeDscBasic(const MemoryImage &image, DscBasicSetup &dsc) {
  for (int g = 0; g < kGroupCount; ++g)
    dsc.DscGroup[g] = FlagRead(image, GroupDsc(g));
  dsc.UserMmsi = Bcd5Read(image, kUserMmsi);
  dsc.PosRequest[0] = BitRead(image, kDscMenuByte, kPosRequestBit);
  dsc.BeepOut[0] = BitRead(image, kDscMenuByte, kBeep0Bit);
  dsc.BeepOut[1] = FlagRead(image, kBeep1);
  dsc.BeepOut[2] = FlagRead(image, kBeep2);
  dsc.BeepOut[3] = FlagRead(image, kBeep3);
  dsc.BeepOut[4] = FlagRead(image, kBeep4);
  dsc.BeepOut[5] = FlagRead(image, kBeep5);
  dsc.BeepOut[6] = FlagRead(image, kBeep6);
}

void DecodeCallByte(const MemoryImage &image, int offset, std::array<bool, 4> &receive,
                    std::array<bool, 4> &tx) {
  for (int i = 0; i < 4; ++i) {
    receive[i] = BitRead(image, offset, 7 - i);
    tx[i] = BitRead(image, offset, 3 - i);
  }
}

void DecodeDscAdvanced(const MemoryImage &image, DscAdvancedSetup &dsc) {
  DecodeCallByte(image, kDscAllShipsCall, dsc.AllShipsCall, dsc.AllShipsCallTx);
  DecodeCallByte(image, kDscGroupCall, dsc.GroupCall, dsc.GroupCallTx);
  DecodeCallByte(image, kDscIndividualCall, dsc.IndividualCall, dsc.IndividualCallTx);
  DecodeCallByte(image, kDscPositionRequestCall, dsc.PositionRequestCall,
                 dsc.PositionRequestCallTx);
  DecodeCallByte(image, kDscPositionReportCall, dsc.PositionReportCall, dsc.PositionReportCallTx);
}

void DecodeDscDisplay(const MemoryImage &image, DscDisplaySetup &display) {
  for (int i = 0; i < 3; ++i)
    display[i] = BitRead(image, kDscMenuByte, kDisplayMenuTopBit - i);
}

void DecodeAutoPos(const MemoryImage &image, AutoPosEntry &entry) {
  entry.MarineEnable = image[kAutoPosMarineEnable];
  entry.Enable = FlagRead(image, kAutoPosEnable);
  entry.Channel = (image[kAutoPosChannel] & 0x7F) * 256 + image[kAutoPosChannel + 1];
  entry.Interval = image[kAutoPosInterval];
  entry.SelectCall = image[kAutoPosSelectCall];
  if (entry.SelectCall == 0 || entry.SelectCall == 1) {
    entry.LastAddress = image[kAutoPosLastAddress + entry.SelectCall];
  }
  entry.Mmsi = Bcd5Read(image, kAutoPosMmsi);
}

void DecodeAtis(const MemoryImage &image, AtisSetup &atis) {
  for (int g = 0; g < kGroupCount; ++g)
    atis.UsableAtisChGroup[g] = FlagRead(image, GroupAtis(g));
  atis.AtisCode = Bcd5Read(image, kAtisCode);
}

} // namespace

void DecodeSettings(RadioData &data) {
  const MemoryImage &image = data.Image;
  DecodeGroups(image, data);
  DecodeCommon(image, data.Common);
  DecodeDscBasic(image, data.DscBasic);
  DecodeDscAdvanced(image, data.DscAdvanced);
  DecodeDscDisplay(image, data.DscDisplay);
  DecodeAutoPos(image, data.AutoPos.Entry[1]);
  DecodeAtis(image, data.Atis);
}

void DecodeExpansionBank(RadioData &data) {
  const MemoryImage &image = data.Image;
  ChannelBank &bank = data.CHEXP;
  BitmapRead(image, kExpEnable, kExpBitmapBytes, bank, &ChannelRecord::Enable);
  BitmapRead(image, kExpScan, kExpBitmapBytes, bank, &ChannelRecord::ScanMemory);
  DecodeNames(image, kExpNames, kExpRecordCount, bank);
  ForRecords(bank, kExpRecordCount, [&](ChannelRecord &record, int k) {
    const int a = ExpRecord(k);
    ChannelFlagsRead(image[a + kExpFlagByte], record, FlagLayout::Expansion);
    record.CHDisplayL = NameFieldRead(image, a + kExpDisplay, kExpDisplayLLength);
    record.CHDisplayR =
        NameFieldRead(image, a + kExpDisplay + kExpDisplayLLength, kExpDisplayRLength);
    record.Rxfreq = FreqRead(image, a + kExpRxFreq);
    record.Txfreq = FreqRead(image, a + kExpTxFreq);
  });
}

void DecodeImage(RadioData &data) {
  DecodeSettings(data);
  for (int g = 0; g < kPlanGroupCount; ++g)
    DecodePlanBank(data.Image, g, data.GroupBank(g));
  DecodeWxBank(data.Image, data.CHWX);
  DecodeDirectory(data.Image, kMemoryIdSlots, kMemoryIdSlotCount, data.CHMMSID);
  DecodeDirectory(data.Image, kGroupIdSlots, kGroupIdSlotCount, data.CHGRPID);
  DecodeExpansionBank(data);
}

} // namespace kv508
