#pragma once

// Topics of the help page, by what they explain; the numbers are the anchors
// the page carries.

namespace kv508::ui {

enum HelpTopic : int {
  kHelpContents = 1001,
  kHelpTransfer = 1012,
  kHelpChannelEnable = 1028,
  kHelpTxEnable = 1029,
  kHelpDuplex = 1030,
  kHelpLowPower = 1031,
  kHelpPowerUp = 1032,
  kHelpScanMemory = 1033,
  kHelpChannelName = 1034,
  kHelpDirectoryBoxes = 1049,
  kHelpDirectoryName = 1050,
  kHelpDirectoryMmsi = 1051,
  kHelpTree = 1054,
  kHelpScrambler = 1064,
  kHelpChannelGrid = 1077,
  kHelpUsable = 1090,
  kHelpCommon = 1091,
  kHelpDsc = 1092,
  kHelpAtis = 1093,
};

} // namespace kv508::ui
