#include "image/encode.h"

#include "image/fields.h"
#include "image/layout.h"
#include "model/convert.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <utility>

namespace kv508 {

namespace {

using namespace layout;

struct EncodeFailure {
  EncodeError error;
};

[[noreturn]] void Fail(std::string field, std::string value) {
  throw EncodeFailure{EncodeError{std::move(field), std::move(value)}};
}

std::string NumberText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string RecordField(const char *owner, int index, const char *field) {
  return std::string(owner) + " " + std::to_string(index) + " " + field;
}

// Writes every field of RadioData into one image. Any value that does not fit
// throws EncodeFailure naming the field; the caller owns the image it writes to.
class Encoder {
public:
  Encoder(RadioData &data, MemoryImage &image) : data_(data), image_(image) {}

  void Run() {
    Groups();
    Common();
    DscBasic();
    DscAdvanced();
    DscDisplay();
    AutoPos();
    Atis();
    for (int g = 0; g < kPlanGroupCount; ++g)
      PlanBank(g);
    WxBank();
    DirectorySlots(data_.CHMMSID, kMemoryIdSlots, kMemoryIdSlotCount);
    DirectorySlots(data_.CHGRPID, kGroupIdSlots, kGroupIdSlotCount);
    ExpansionBank();
  }

private:
  void PutByte(int offset, long value, const std::string &field) {
    if (value < 0 || value > 255)
      Fail(field, std::to_string(value));
    image_[offset] = static_cast<std::uint8_t>(value);
  }

  void PutFreq(int offset, double f, const char *bank, int index, const char *field) {
    if (!FreqFits(f))
      Fail(RecordField(bank, index, field), NumberText(f));
    FreqWrite(image_, offset, f);
  }

  std::uint8_t Flags(std::uint8_t previous, const ChannelRecord &record, FlagLayout layout,
                     const char *bank, int index) {
    if (record.Scramble < 0 || record.Scramble > 255) {
      Fail(RecordField(bank, index, "Scramble"), std::to_string(record.Scramble));
    }
    return ChannelFlagsWrite(previous, record, layout);
  }

  template <typename Bank, typename Fn> void ForRecords(Bank &bank, int count, Fn fn) {
    const int last = std::min(bank.Upper(), bank.Lower() + count - 1);
    for (int r = bank.Lower(); r <= last; ++r)
      fn(bank[r], r, r - bank.Lower());
  }

  void Names(const ChannelBank &bank, int offset, int count) {
    ForRecords(bank, count, [&](const ChannelRecord &record, int, int k) {
      NameFieldWrite(image_, offset + kNameStride * k, kChTagLength, record.ChTag);
    });
  }

  void Groups() {
    for (int g = 0; g < kGroupCount; ++g) {
      const ChannelGroupSetup &group = data_.ChannelGroups[g];
      FlagWrite(image_, GroupUsable(g), group.Enable);
      if (g >= kPlanGroupCount)
        continue;
      if (group.PriorityCh > 0xFFFF) {
        Fail(RecordField("ChannelGroups", g, "PriorityCh"), std::to_string(group.PriorityCh));
      }
      Be16Write(image_, PriorityCh(g), group.PriorityCh);
      NameFieldWrite(image_, GroupStatusName(g), kStatusNameLength, group.StatusName);
    }
    const auto &exp = data_.ChannelGroups[kExpansionGroup].ExpChGroup;
    const int v = (exp[0] ? 8 : 0) + (exp[1] ? 4 : 0) + (exp[2] ? 2 : 0);
    for (int k = 0; k < kExpRecordCount; ++k) {
      std::uint8_t &byte = image_[ExpRecord(k) + kExpGroupByte];
      byte = static_cast<std::uint8_t>((byte & ~kExpGroupMask) | v);
    }
  }

  void Common() {
    CommonSetup &c = data_.Common;
    PutByte(kTxPoDisplay, c.TxPoDisplay, "CommonSetup TxPoDisplay");
    FlagWrite(image_, kScan, c.Scan);
    PutByte(kResumeTime, c.ResumeTime, "CommonSetup ResumeTime");
    FlagWrite(image_, kPttScanClear, c.PttScanClear);
    FlagWrite(image_, kDualWatch, c.DualWatch);
    BitWrite(image_, kTimeByte, kTimeDisplayBit, c.TimeDisplay);
    // OffsetTimeToByte clamps OffsetTime to -24..24 in RadioData as well.
    image_[kTimeByte] = static_cast<std::uint8_t>((image_[kTimeByte] & kTimeDisplayMask) |
                                                  OffsetTimeToByte(c.OffsetTime));
    BitWrite(image_, kTimeByte, kFormatBit, c.Format);
    PutByte(kWeater, c.Weater, "CommonSetup Weater");
    PutByte(kSog, c.Sog, "CommonSetup Sog");
    PutByte(kDistance, c.Distance, "CommonSetup Distance");
  }

  void DscBasic() {
    const DscBasicSetup &dsc = data_.DscBasic;
    for (int g = 0; g < kGroupCount; ++g)
      FlagWrite(image_, GroupDsc(g), dsc.DscGroup[g]);
    Bcd5Write(image_, kUserMmsi, dsc.UserMmsi, true);
    BitWrite(image_, kDscMenuByte, kPosRequestBit, dsc.PosRequest[0]);
    BitWrite(image_, kDscMenuByte, kBeep0Bit, dsc.BeepOut[0]);
    FlagWrite(image_, kBeep1, dsc.BeepOut[1]);
    FlagWrite(image_, kBeep2, dsc.BeepOut[2]);
    FlagWrite(image_, kBeep3, dsc.BeepOut[3]);
    FlagWrite(image_, kBeep4, dsc.BeepOut[4]);
    FlagWrite(image_, kBeep5, dsc.BeepOut[5]);
    FlagWrite(image_, kBeep6, dsc.BeepOut[6]);
  }

  void CallByte(int offset, const std::array<bool, 4> &receive, const std::array<bool, 4> &tx) {
    for (int i = 0; i < 4; ++i) {
      BitWrite(image_, offset, 7 - i, receive[i]);
      BitWrite(image_, offset, 3 - i, tx[i]);
    }
  }

  void DscAdvanced() {
    const DscAdvancedSetup &dsc = data_.DscAdvanced;
    CallByte(kDscAllShipsCall, dsc.AllShipsCall, dsc.AllShipsCallTx);
    CallByte(kDscGroupCall, dsc.GroupCall, dsc.GroupCallTx);
    CallByte(kDscIndividualCall, dsc.IndividualCall, dsc.IndividualCallTx);
    CallByte(kDscPositionRequestCall, dsc.PositionRequestCall, dsc.PositionRequestCallTx);
    CallByte(kDscPositionReportCall, dsc.PositionReportCall, dsc.PositionReportCallTx);
  }

  void DscDisplay() {
    for (int i = 0; i < 3; ++i) {
      BitWrite(image_, kDscMenuByte, kDisplayMenuTopBit - i, data_.DscDisplay[i]);
    }
  }

  void AutoPos() {
    const AutoPosEntry &entry = data_.AutoPos.Entry[1];
    PutByte(kAutoPosMarineEnable, entry.MarineEnable, "AutoPos 1 MarineEnable");
    FlagWrite(image_, kAutoPosEnable, entry.Enable);
    image_[kAutoPosChannel] = static_cast<std::uint8_t>((entry.Channel & 0x7F00) / 256);
    image_[kAutoPosChannel + 1] = static_cast<std::uint8_t>(entry.Channel & 0xFF);
    PutByte(kAutoPosInterval, entry.Interval, "AutoPos 1 Interval");
    PutByte(kAutoPosSelectCall, entry.SelectCall, "AutoPos 1 SelectCall");
    if (entry.SelectCall == 0 || entry.SelectCall == 1) {
      PutByte(kAutoPosLastAddress + entry.SelectCall, entry.LastAddress, "AutoPos 1 LastAddress");
    }
    Bcd5Write(image_, kAutoPosMmsi, entry.Mmsi, true);
  }

  void Atis() {
    const AtisSetup &atis = data_.Atis;
    for (int g = 0; g < kGroupCount; ++g) {
      FlagWrite(image_, GroupAtis(g), atis.UsableAtisChGroup[g]);
    }
    Bcd5Write(image_, kAtisCode, atis.AtisCode, false);
  }

  void PlanBank(int group) {
    static constexpr const char *kBankNames[kPlanGroupCount] = {"CHUSA", "CHINT", "CHCAN"};
    const ChannelBank &bank = data_.GroupBank(group);
    BitmapWrite(image_, kPlanEnable[group], kPlanBitmapBytes, bank, &ChannelRecord::Enable);
    BitmapWrite(image_, kPlanScan[group], kPlanBitmapBytes, bank, &ChannelRecord::ScanMemory);
    Names(bank, kPlanNames[group], kPlanRecordCount);
    ForRecords(bank, kPlanRecordCount, [&](const ChannelRecord &record, int r, int k) {
      std::uint8_t &flags = image_[kPlanFlags[group] + kPlanFlagStride * k];
      flags = Flags(flags, record, FlagLayout::Plan, kBankNames[group], r);
    });
  }

  void WxBank() {
    const ChannelBank &bank = data_.CHWX;
    BitmapWrite(image_, kWxEnable, kWxBitmapBytes, bank, &ChannelRecord::Enable);
    BitmapWrite(image_, kWxScan, kWxBitmapBytes, bank, &ChannelRecord::ScanMemory);
    Names(bank, kWxNames, kWxRecordCount);
  }

  // Enable is not stored: an entry is present exactly when its MMSI is not empty.
  void DirectorySlots(const Directory &directory, int slots, int slotCount) {
    ForRecords(directory, slotCount, [&](const DirectoryEntry &entry, int, int k) {
      const int slot = slots + kDirectorySlotStride * k;
      Bcd5Write(image_, slot + kSlotMmsi, entry.Mmsid, true);
      NameFieldWrite(image_, slot + kSlotTagName, kTagNameLength, entry.TagName);
    });
  }

  void ExpansionBank() {
    const ChannelBank &bank = data_.CHEXP;
    BitmapWrite(image_, kExpEnable, kExpBitmapBytes, bank, &ChannelRecord::Enable);
    BitmapWrite(image_, kExpScan, kExpBitmapBytes, bank, &ChannelRecord::ScanMemory);
    Names(bank, kExpNames, kExpRecordCount);
    ForRecords(bank, kExpRecordCount, [&](const ChannelRecord &record, int r, int k) {
      const int a = ExpRecord(k);
      std::uint8_t &flags = image_[a + kExpFlagByte];
      flags = Flags(flags, record, FlagLayout::Expansion, "CHEXP", r);
      // Display "LLR": a missing part of the channel number shows as a space.
      const std::string left = (record.CHDisplayL + "  ").substr(0, kExpDisplayLLength);
      const std::string right = (" " + record.CHDisplayR).substr(record.CHDisplayR.size());
      NameFieldWrite(image_, a + kExpDisplay, kExpDisplayLength, left + right);
      PutFreq(a + kExpRxFreq, record.Rxfreq, "CHEXP", r, "Rxfreq");
      PutFreq(a + kExpTxFreq, record.Txfreq, "CHEXP", r, "Txfreq");
    });
  }

  RadioData &data_;
  MemoryImage &image_;
};

} // namespace

std::string EncodeErrorMessage(const EncodeError &error) {
  return "Data Error!!\r\n" + error.field + " = " + error.value;
}

std::optional<EncodeError> EncodeImage(RadioData &data, int modelVariant) {
  if (modelVariant == 1)
    DisableEmptyGroups(data);
  auto scratch = std::make_unique<MemoryImage>(data.Image);
  try {
    Encoder(data, *scratch).Run();
  } catch (const EncodeFailure &failure) {
    return failure.error;
  } catch (const RangeError &error) {
    return EncodeError{"image", error.what()};
  }
  data.Image = *scratch;
  return std::nullopt;
}

void StoreImageChecksum(MemoryImage &image) {
  image[kChecksum] = ByteSum(image, kChecksumFirst, kChecksumCount);
}

void StoreAtisFlag(MemoryImage &image) {
  const bool present =
      std::any_of(image.begin() + kAtisCode, image.begin() + kAtisCode + kBcdLength,
                  [](std::uint8_t b) { return b < 0xFF; });
  if (present)
    image[kAtisFlag] = 1;
}

std::optional<EncodeError> PrepareOutgoingImage(RadioData &data, int modelVariant,
                                                bool radioWrite) {
  if (auto error = EncodeImage(data, modelVariant))
    return error;
  ImageSanitize(data);
  StoreImageChecksum(data.Image);
  if (radioWrite)
    StoreAtisFlag(data.Image);
  return std::nullopt;
}

} // namespace kv508
