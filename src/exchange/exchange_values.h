#pragma once

// The four lists a CSV file carries and how their values read as text, both
// ways. Readers return the reason a text is refused, empty when it is read.

#include "model/directory_rules.h"
#include "model/radio_data.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv508 {

enum class ExchangeKind { Individual, Group, Expansion, Channels };

// "individual", "group", "expansion", "channels".
std::optional<ExchangeKind> ExchangeKindNamed(std::string_view name);
std::string ExchangeKindName(ExchangeKind kind);
// The header an export writes, in its order.
const std::vector<std::string> &ExchangeColumns(ExchangeKind kind);
// A header text as columns are matched: letters and digits only, lower case,
// so "RX MHz" and "rx_mhz" name the same column.
std::string ColumnKey(std::string_view header);

// "USA", "INTL", "CAN" for plan groups 0..2.
std::string PlanBankName(int group);
std::optional<int> PlanBankNamed(std::string_view text);
// The ChannelTable slot of a label. Leading zeros may be missing and the
// suffix lower case ("5" and "5a" find "05" and "05A"): spreadsheets drop them.
std::optional<int> PlanSlotLabelled(std::string_view text);

std::string FlagText(bool on);       // "1" / "0"
std::string MegahertzText(double f); // "156.0500", empty for no frequency
// "Off", a CTCSS tone ("67.0Hz") or a DCS code ("023") as the choosers list them.
std::string ToneText(std::int16_t ctcss, std::int16_t dcs);
std::string BandwidthText(bool narrow); // "Narrow" / "Wide"
// CHDisplayL and CHDisplayR; the left part blank-filled to 2 when a suffix follows.
std::string DisplayText(const ChannelRecord &record);
// The MMSI as typed: 9 digits, a group's as "0" and its 8 digits.
std::string DirectoryMmsiText(DirectoryKind kind, const std::string &mmsid);

std::string ReadFlag(std::string_view text, bool &value);
// With semicolons as separators a decimal comma reads as a point. Empty or
// dashes only: no frequency (0).
std::string ReadMegahertz(std::string_view text, char separator, double &value);
// The receive/transmit frequency rule of the editor: 137 to 174 MHz on the
// 25 kHz raster, or none. The text is the value as the file wrote it.
std::string CheckExpansionMegahertz(std::string_view text, double value);
std::string ReadTone(std::string_view text, char separator, std::int16_t &ctcss, std::int16_t &dcs);
std::string ReadBandwidth(std::string_view text, bool &narrow);
std::string ReadDisplay(std::string_view text, std::string &left, std::string &right);
// A typed MMSI of the directory: the 8 or 9 digits StoredMmsi takes.
std::string ReadDirectoryMmsi(DirectoryKind kind, std::string_view text, std::string &typed);
// A whole number from 1 to last; column names it in the reason.
std::string ReadNumberUpTo(std::string_view column, std::string_view text, int last, int &value);

// A UTF-8 name as the radio stores it: only the characters of the name
// alphabet, at most maxLength of them, without trailing blanks.
std::string StoredName(std::string_view text, std::size_t maxLength);
// A quoted UTF-8 text for messages; a long one cut after 40 bytes with "...".
std::string Quoted(std::string_view text);

} // namespace kv508
