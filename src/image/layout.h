#pragma once

// The memory map of the radio's 32 KB image. Every offset that the codec, the
// sanitizer and the default image use is named here and nowhere else.

namespace kv508::layout {

// Model identifier, big-endian, at both ends of the image.
constexpr int kModelIdHead = 0;
constexpr int kModelIdTail = 32766;

// Bytes no field interprets; the default image gives them fixed values.
constexpr int kSpare2 = 2;
constexpr int kSpare3 = 3;
constexpr int kSpare41 = 41;
constexpr int kSpare47 = 47;
constexpr int kSpare48 = 48;
constexpr int kSpare58 = 58;
constexpr int kSpare59 = 59;
constexpr int kSpare65 = 65;

// The radio's current position (ChannelState).
constexpr int kCurrentGroup = 33;
constexpr int kCurrentMode = 34; // 0 group channel, 1 weather channel
constexpr int kModeGroupChannel = 0;
constexpr int kModeWeather = 1;
constexpr int kCurrentChannel = 35;     // big-endian 16
constexpr int kCurrentChannelCopy = 37; // big-endian 16
constexpr int kCurrentWeather = 39;

// CommonSetup.
constexpr int kTxPoDisplay = 40;
constexpr int kTimeByte = 43;
constexpr int kTimeDisplayBit = 7;
constexpr int kFormatBit = 6;
constexpr int kTimeDisplayMask = 0x80;
constexpr int kSog = 44;
constexpr int kDistance = 45;
constexpr int kDualWatch = 53;
constexpr int kScan = 54;
constexpr int kPttScanClear = 56;
constexpr int kResumeTime = 57;
constexpr int kWeater = 60;

// Checksum over a fixed run of settings bytes.
constexpr int kChecksumFirst = 66;
constexpr int kChecksumCount = 29;
constexpr int kChecksum = 95;

// Priority channel of plan groups 0..2, big-endian 16 each.
constexpr int kPriorityCh = 96;
constexpr int PriorityCh(int g) { return kPriorityCh + 2 * g; }

constexpr int kProductCode = 112;
constexpr int kProductCodeLength = 6;

// One 16-byte block per channel group 0..3.
constexpr int kGroupBlock = 192;
constexpr int kGroupStride = 16;
constexpr int kGroupCount = 4;
constexpr int kPlanGroupCount = 3;
constexpr int kExpansionGroup = 3;
constexpr int GroupUsable(int g) { return kGroupBlock + kGroupStride * g; }
constexpr int GroupDsc(int g) { return GroupUsable(g) + 1; }
constexpr int GroupStatusName(int g) { return GroupUsable(g) + 2; }
constexpr int kStatusNameLength = 4;
constexpr int GroupSpareText(int g) { return GroupUsable(g) + 6; }
constexpr int GroupAtis(int g) { return GroupUsable(g) + 15; }

// Channel lists of plan groups 0..2: eight big-endian 16 entries, 0xFFFF empty.
constexpr int kGroupChannelList = 256;
constexpr int kGroupChannelListStride = 32;
constexpr int kGroupChannelListEntries = 8;
constexpr int GroupChannelList(int g) { return kGroupChannelList + kGroupChannelListStride * g; }

// DscBasicSetup and AtisSetup.
constexpr int kUserMmsi = 416;
constexpr int kUserMmsiCount = 421;
constexpr int kAtisCode = 422;
constexpr int kBcdLength = 5;
constexpr int kAtisFlag = 427;

// DscAdvancedSetup: one byte per call kind, receive array in bits 7-4, TX in 3-0.
constexpr int kDscAllShipsCall = 432;
constexpr int kDscGroupCall = 433;
constexpr int kDscIndividualCall = 434;
constexpr int kDscPositionRequestCall = 435;
constexpr int kDscPositionReportCall = 436;

// Beep, position request and display menus.
constexpr int kDscMenuByte = 437;
constexpr int kBeep0Bit = 7;
constexpr int kPosRequestBit = 4;
constexpr int kDisplayMenuTopBit = 2; // elements 0, 1, 2 in bits 2, 1, 0
constexpr int kBeep1 = 438;
constexpr int kBeep2 = 439;
constexpr int kBeep3 = 440;
constexpr int kBeep5 = 441;
constexpr int kBeep6 = 442;
constexpr int kBeep4 = 443;

// AutoPosEntry 1.
constexpr int kAutoPosEnable = 464;
constexpr int kAutoPosChannel = 465; // 15-bit big-endian
constexpr int kAutoPosInterval = 467;
constexpr int kAutoPosMmsi = 469;
constexpr int kAutoPosMarineEnable = 479;
constexpr int kAutoPosSelectCall = 490;
constexpr int kAutoPosLastAddress = 491; // + SelectCall (0 or 1)

// Bitmaps: first record in bit 7 of the first byte.
constexpr int kPlanBitmapBytes = 30;
constexpr int kWxBitmapBytes = 2;
constexpr int kExpBitmapBytes = 8;
constexpr int kPlanEnable[kPlanGroupCount] = {1280, 1328, 1376};
constexpr int kWxEnable = 1424;
constexpr int kExpEnable = 1428;
constexpr int kPlanScan[kPlanGroupCount] = {1536, 1584, 1632};
constexpr int kWxScan = 1680;
constexpr int kExpScan = 1684;

// Plan-bank flag slots: the channel flag byte and one byte not interpreted.
constexpr int kPlanFlags[kPlanGroupCount] = {2048, 2560, 3072};
constexpr int kPlanFlagStride = 2;
constexpr int kPlanRecordCount = 240;
constexpr int kWxRecordCount = 10;

// Expansion records: 16 bytes each for CHEXP record k+1.
constexpr int kExpRecords = 3584;
constexpr int kExpRecordStride = 16;
constexpr int kExpRecordCount = 64;
constexpr int ExpRecord(int k) { return kExpRecords + kExpRecordStride * k; }
constexpr int kExpGroupByte = 0;    // ExpChGroup in bits 3, 2, 1
constexpr int kExpGroupMask = 0x0E; // those three bits
constexpr int kExpFlagByte = 1;
constexpr int kExpDisplay = 2; // CHDisplayL (2) then CHDisplayR (1)
constexpr int kExpDisplayLLength = 2;
constexpr int kExpDisplayRLength = 1;
constexpr int kExpDisplayLength = kExpDisplayLLength + kExpDisplayRLength;
constexpr int kExpRxFreq = 5;
constexpr int kExpTxFreq = 8;

// Channel names, 16 bytes per record.
constexpr int kPlanNames[kPlanGroupCount] = {4864, 8704, 12544};
constexpr int kWxNames = 16384;
constexpr int kExpNames = 16640;
constexpr int kNameStride = 16;
constexpr int kChTagLength = 16;

// Directory slots: MMSI (BCD) then the tag name.
constexpr int kMemoryIdSlots = 18176;
constexpr int kMemoryIdSlotCount = 80;
constexpr int kGroupIdSlots = 20224;
constexpr int kGroupIdSlotCount = 32;
constexpr int kDirectorySlotStride = 16;
constexpr int kSlotMmsi = 0;
constexpr int kSlotTagName = 5;
constexpr int kTagNameLength = 11;

// Channel flag byte.
constexpr int kPowerTopBit = 7; // power field in bits 7-6
constexpr int kPowerBits = 2;
constexpr int kDuplexBit = 5;
constexpr int kPowUpBit = 4;
constexpr int kScrambleTopBit = 3; // Scramble in bits 3-1
constexpr int kScrambleBits = 3;
constexpr int kNarrowBit = 0;

} // namespace kv508::layout
