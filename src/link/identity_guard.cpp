#include "link/identity_guard.h"

#include "image/fields.h"
#include "image/layout.h"

#include <algorithm>

namespace kv508 {

namespace {

constexpr std::size_t kMmsiDigits = 9;
constexpr std::size_t kAtisDigits = 10;

std::string Mmsi(const std::string &stored) { return stored.substr(0, kMmsiDigits); }

} // namespace

RadioIdentity IdentityOf(const MemoryImage &image) {
  RadioIdentity identity;
  // A partly filled field is no identity a radio calls with.
  identity.mmsi = Bcd5Read(image, layout::kUserMmsi);
  if (identity.mmsi.size() < kMmsiDigits)
    identity.mmsi.clear();
  identity.atis = Bcd5Read(image, layout::kAtisCode);
  if (identity.atis.size() < kAtisDigits)
    identity.atis.clear();
  return identity;
}

RadioIdentity StoredIdentity(const MemoryImage &image) {
  return {Bcd5Read(image, layout::kUserMmsi), Bcd5Read(image, layout::kAtisCode)};
}

IdentityChange ChangeOfIdentity(const RadioIdentity &radio, const RadioIdentity &written) {
  const bool mmsiReplaced = !radio.mmsi.empty() && Mmsi(radio.mmsi) != Mmsi(written.mmsi);
  const bool atisReplaced = !radio.atis.empty() && radio.atis != written.atis;
  if (mmsiReplaced || atisReplaced)
    return IdentityChange::Replaces;
  if (radio.mmsi.empty() && !written.mmsi.empty())
    return IdentityChange::Receives;
  return IdentityChange::None;
}

std::string IdentityChangeText(const RadioIdentity &radio, const RadioIdentity &written) {
  auto sentences = [](const std::string &what, const std::string &held, const std::string &next) {
    return "This radio's " + what + " is " + held + ". The data would " +
           (next.empty() ? "remove it." : "change it to " + next + ".");
  };
  std::string text;
  const bool mmsiReplaced = !radio.mmsi.empty() && Mmsi(radio.mmsi) != Mmsi(written.mmsi);
  if (mmsiReplaced)
    text = sentences("own MMSI", Mmsi(radio.mmsi), Mmsi(written.mmsi));
  if (!radio.atis.empty() && radio.atis != written.atis)
    text += (text.empty() ? "" : " ") + sentences("ATIS code", radio.atis, written.atis);
  if (mmsiReplaced)
    text += " Most radios accept a new own MMSI only once.";
  return text;
}

std::string NewMmsiText(const RadioIdentity &written) {
  return "This radio has no own MMSI. The data would give it " + Mmsi(written.mmsi) +
         ". Most radios accept a new own MMSI only once.";
}

void KeepIdentityBytes(MemoryImage &written, const MemoryImage &radio) {
  std::copy(radio.begin() + kIdentityFirst, radio.begin() + kIdentityLast + 1,
            written.begin() + kIdentityFirst);
}

} // namespace kv508
