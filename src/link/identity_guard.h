#pragma once

// The radio's identity: its own MMSI and ATIS code, image bytes 416-427 (the
// MMSI, its count byte, the ATIS code, the ATIS flag). Most radios accept a
// new own MMSI once or not at all, so Program to Radio looks at what the radio
// holds before it writes a different one.

#include "model/radio_data.h"

#include <string>

namespace kv508 {

inline constexpr int kIdentityFirst = 416;
inline constexpr int kIdentityLast = 427;
// The 64-byte block that holds the identity.
inline constexpr int kIdentityBlock = 384;

struct RadioIdentity {
  // As stored in the data ("3661234500", ten digits); empty when the image
  // holds no complete one (nine MMSI digits, ten ATIS digits).
  std::string mmsi;
  std::string atis;
};

RadioIdentity IdentityOf(const MemoryImage &image);
// The fields as a decode of the image gives them, partly filled ones included.
RadioIdentity StoredIdentity(const MemoryImage &image);

enum class IdentityChange {
  None,     // nothing the radio holds would change
  Receives, // the radio has no own MMSI and would get one
  Replaces, // the radio's own MMSI or ATIS code would be replaced or removed
};

IdentityChange ChangeOfIdentity(const RadioIdentity &radio, const RadioIdentity &written);

// "This radio's own MMSI is 366123450. The data would change it to 232000450.
// Most radios accept a new own MMSI only once.", and the same for the ATIS code.
std::string IdentityChangeText(const RadioIdentity &radio, const RadioIdentity &written);
// "This radio has no own MMSI. The data would give it 232000450. Most radios
// accept a new own MMSI only once."
std::string NewMmsiText(const RadioIdentity &written);

// The answers to the question.
inline constexpr const char *kKeepIdentity = "Keep the Radio's Identity";
inline constexpr const char *kWriteNewIdentity = "Write the New Identity";

// Puts the radio's identity bytes into the image about to be written.
void KeepIdentityBytes(MemoryImage &written, const MemoryImage &radio);

} // namespace kv508
