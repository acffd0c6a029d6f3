#pragma once

// Readers and writers of the image's field encodings. Readers accept every byte
// pattern; writers throw RangeError (model/convert.h) for a value that does not
// fit, before touching the image.

#include "model/radio_data.h"

#include <cstdint>
#include <string>

namespace kv508 {

// Flag byte: 0 is false, anything else true; written as 1 or 0.
bool FlagRead(const MemoryImage &image, int offset);
void FlagWrite(MemoryImage &image, int offset, bool value);

// Bit n (0 = least significant) of one byte; other bits are left alone.
bool BitRead(const MemoryImage &image, int offset, int bit);
void BitWrite(MemoryImage &image, int offset, int bit, bool value);

// Big-endian 16. A negative value writes 0xFF 0xFF; above 65535 is a range error.
int Be16Read(const MemoryImage &image, int offset);
void Be16Write(MemoryImage &image, int offset, std::int32_t value);

// Ten BCD digits in five bytes, high nibble first; a nibble above 9 ends the
// digits. Writing an empty (or all-space) text gives five 0xFF bytes; with
// zeroTenthDigit the last nibble is 0, as every stored MMSI has it.
std::string Bcd5Read(const MemoryImage &image, int offset);
void Bcd5Write(MemoryImage &image, int offset, const std::string &text, bool zeroTenthDigit);

// Name field of `length` bytes in the name alphabet; 0xFF marks an empty position.
// The reader stops at the first byte outside the alphabet and drops trailing spaces.
std::string NameFieldRead(const MemoryImage &image, int offset, int length);
void NameFieldWrite(MemoryImage &image, int offset, int length, const std::string &text);

// Frequency in three BCD bytes MM dd dd, MHz minus 100 with four decimals.
// 0 decodes from anything outside 100 < f < 200 and encodes as 00 00 00 (f <= 100 or NaN).
double FreqRead(const MemoryImage &image, int offset);
// False when f would need a seventh digit: f >= 199.99995 MHz.
bool FreqFits(double f);
void FreqWrite(MemoryImage &image, int offset, double f);

// Bitmap: one bit per record from the bank's lower bound, the first in bit 7.
// The reader leaves records beyond the bitmap unchanged; the writer builds each
// byte whole (bits past the bank's end are 0) and stops after the byte that
// holds the bank's last record.
using RecordFlag = bool ChannelRecord::*;
void BitmapRead(const MemoryImage &image, int offset, int byteCount, ChannelBank &bank,
                RecordFlag field);
void BitmapWrite(MemoryImage &image, int offset, int byteCount, const ChannelBank &bank,
                 RecordFlag field);
// The bitmap bit of record position p (0 = the first record).
bool BitmapBit(const MemoryImage &image, int offset, int position);

// Channel flag byte. Plan banks keep bit 0 and use bit 5 for Duplex; expansion
// channels keep bit 5 and use bit 0 for Narrow. Scramble must be 0..255; only
// its low three bits are stored.
enum class FlagLayout { Plan, Expansion };
void ChannelFlagsRead(std::uint8_t flags, ChannelRecord &record, FlagLayout layout);
std::uint8_t ChannelFlagsWrite(std::uint8_t previous, const ChannelRecord &record,
                               FlagLayout layout);

} // namespace kv508
