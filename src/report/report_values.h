#pragma once

// The value -> text rules of the report, shared by the settings diff so that a
// value reads the same in both. "Other" values (outside a choice list) give the
// empty text unless noted.

#include "model/radio_data.h"

#include <cstdint>
#include <string>

namespace kv508 {

std::string OnOffText(bool on);          // "On" / "Off"
std::string LowHiText(bool hi);          // "Hi" / "Low" (the TX arrays of DSC)
std::string TxPoDisplayText(int value);  // "Lo Po Only", "Lo Po on Changing CH", "Last TX Po"
std::string ResumeTimeText(int value);   // "--", "1Sec", "2Sec", "3Sec"
std::string TimeDisplayText(bool local); // "UTC" / "Local"
std::string TimeFormatText(bool h24);    // "12H" / "24H"
std::string WeatherAlertText(int value); // "OFF", "On Wx", "On SCAN", "WX and SCAN"
std::string SogText(int value);          // "KTS", "MPH", "KMH"
std::string DistanceText(int value);     // "Nm", "Sm", "Km"

// A channel label for 0..239, "EXP1".."EXP40" for 240..279, else "Off".
std::string PriorityChText(std::int32_t p);
// The name as stored; "----" when it is empty after trimming blanks.
std::string StatusNameReportText(const std::string &name);

std::string TxFlagText(bool on);     // "TX" / "--"
std::string LowPowerText(bool on);   // "LOW" / "---"
std::string PowUpText(bool on);      // "UP" / "--"
std::string DuplexText(bool on);     // "DUP" / "---"
std::string ScanMemoryText(bool on); // "MEM" / "---"
std::string EnableText(bool on);     // "ENABLE" / "------"
// " 0".." 3" (the low two bits) when bit 2 is set, else "--".
std::string ScrambleText(int value);

// The ChannelTable label of a plan-bank slot; empty outside the table.
std::string ChannelLabel(int position);
// RX of a plan-bank record: the duplex receive frequency when Duplex is set.
std::string BankRxText(const ChannelRecord &record);
// TX of a plan-bank record: "---.---" also for receive-only records.
std::string BankTxText(const ChannelRecord &record);
// Expansion display: CHDisplayL blank-filled/cut to two, then the last
// character of CHDisplayR (a blank when empty).
std::string ChdText(const ChannelRecord &record);

} // namespace kv508
