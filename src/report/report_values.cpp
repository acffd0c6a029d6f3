#include "report/report_values.h"

#include "model/convert.h"
#include "model/tables.h"
#include "report/report.h"

#include <array>

namespace kv508 {

namespace {

template <std::size_t N> std::string Choice(const std::array<const char *, N> &texts, int value) {
  if (value < 0 || value >= static_cast<int>(N))
    return {};
  return texts[static_cast<std::size_t>(value)];
}

const ChannelTableEntry *TableEntry(int position) {
  const ChannelTableArray &table = ChannelTable();
  if (!table.Contains(position))
    return nullptr;
  return &table[position];
}

} // namespace

std::string OnOffText(bool on) { return on ? "On" : "Off"; }
std::string LowHiText(bool hi) { return hi ? "Hi" : "Low"; }

std::string TxPoDisplayText(int value) {
  return Choice(std::array{"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"}, value);
}

std::string ResumeTimeText(int value) {
  return Choice(std::array{"--", "1Sec", "2Sec", "3Sec"}, value);
}

std::string TimeDisplayText(bool local) { return local ? "Local" : "UTC"; }
std::string TimeFormatText(bool h24) { return h24 ? "24H" : "12H"; }

std::string WeatherAlertText(int value) {
  return Choice(std::array{"OFF", "On Wx", "On SCAN", "WX and SCAN"}, value);
}

std::string SogText(int value) { return Choice(std::array{"KTS", "MPH", "KMH"}, value); }
std::string DistanceText(int value) { return Choice(std::array{"Nm", "Sm", "Km"}, value); }

std::string PriorityChText(std::int32_t p) {
  if (p >= 0 && p < kPlanBankSize) {
    if (const ChannelTableEntry *entry = TableEntry(p))
      return entry->Label;
  }
  if (p >= kPlanBankSize && p < kPlanBankSize + 40)
    return "EXP" + std::to_string(p - 239);
  return "Off";
}

std::string StatusNameReportText(const std::string &name) {
  if (name.find_first_not_of(' ') == std::string::npos)
    return "----";
  return name;
}

std::string TxFlagText(bool on) { return on ? "TX" : "--"; }
std::string LowPowerText(bool on) { return on ? "LOW" : "---"; }
std::string PowUpText(bool on) { return on ? "UP" : "--"; }
std::string DuplexText(bool on) { return on ? "DUP" : "---"; }
std::string ScanMemoryText(bool on) { return on ? "MEM" : "---"; }
std::string EnableText(bool on) { return on ? "ENABLE" : "------"; }

std::string ScrambleText(int value) {
  if ((value & 4) == 0)
    return "--";
  return " " + std::to_string(value & 3);
}

std::string ChannelLabel(int position) {
  const ChannelTableEntry *entry = TableEntry(position);
  return entry ? entry->Label : std::string();
}

std::string BankRxText(const ChannelRecord &record) {
  const ChannelTableEntry *entry = TableEntry(record.Position);
  if (!entry)
    return FormatFreq3(0.0);
  return FormatFreq3(record.Duplex ? entry->RxDupFreq : entry->RxFreq);
}

std::string BankTxText(const ChannelRecord &record) {
  const ChannelTableEntry *entry = TableEntry(record.Position);
  return FormatTxFreq3(entry ? entry->TxFreq : 0.0, record.RxOnly);
}

std::string ChdText(const ChannelRecord &record) {
  const std::string &right = record.CHDisplayR;
  return FitField(record.CHDisplayL, 2) +
         (right.empty() ? std::string(" ") : right.substr(right.size() - 1));
}

} // namespace kv508
