// The identity guard of Program to Radio: before the first write, the radio's
// own MMSI and ATIS code against those about to be written.

#include "link/protocol.h"
#include "link/transfer.h"

namespace kv508 {

bool TransferSession::CheckRadioIdentity() {
  Link &link = *link_;
  ShowStatus("Checking the radio's own MMSI...");
  std::vector<std::uint8_t> buffer(kImageSize, 0xFF);
  link.ReadBlock(buffer.data(), kIdentityBlock, kBlockSize);
  if (link.CancelRequested)
    return false;
  if (link.ExchangeFailed) {
    link.Error("Communication Error!!");
    return false;
  }
  MemoryImage radio{};
  std::copy(buffer.begin(), buffer.end(), radio.begin());
  return GuardIdentity(radio);
}

bool TransferSession::GuardIdentity(const MemoryImage &radio) {
  const RadioIdentity held = IdentityOf(radio);
  const RadioIdentity next = IdentityOf(session_.data.Image);
  switch (ChangeOfIdentity(held, next)) {
  case IdentityChange::None:
    return true;
  case IdentityChange::Receives:
    return ConfirmNewMmsi(next);
  case IdentityChange::Replaces:
    return ResolveIdentity(radio, held, next);
  }
  return false;
}

bool TransferSession::ConfirmNewMmsi(const RadioIdentity &next) {
  Host &host = session_.host;
  const std::string &caption = link_->Caption();
  if (identityAnswer_ != IdentityAnswer::Ask) {
    host.Message(Icon::Information, caption,
                 "This radio has no own MMSI: it receives " + next.mmsi.substr(0, 9) + ".");
    return true;
  }
  if (host.Message(Icon::Question, caption, NewMmsiText(next), Buttons::OkCancel) == Answer::Ok)
    return true;
  StopBeforeWriting();
  return false;
}

bool TransferSession::ResolveIdentity(const MemoryImage &radio, const RadioIdentity &held,
                                      const RadioIdentity &next) {
  Host &host = session_.host;
  Link &link = *link_;
  const std::string text = IdentityChangeText(held, next);
  IdentityAnswer answer = identityAnswer_;
  if (answer == IdentityAnswer::Ask) {
    const int choice = host.Choose(Icon::Exclamation, link.Caption(), text,
                                   {kKeepIdentity, kWriteNewIdentity, "Cancel"});
    answer = choice == 0   ? IdentityAnswer::Keep
             : choice == 1 ? IdentityAnswer::WriteNew
                           : IdentityAnswer::Refuse;
    if (answer == IdentityAnswer::Refuse) {
      StopBeforeWriting();
      return false;
    }
  } else if (answer == IdentityAnswer::Refuse) {
    identityRefused_ = true;
    link.Error(text + "\r\nNothing was written.");
    link.ExchangeFailed = true;
    return false;
  } else {
    host.Message(Icon::Information, link.Caption(),
                 text + (answer == IdentityAnswer::Keep
                             ? "\r\nThe radio keeps its own MMSI and ATIS code."
                             : "\r\nThe new own MMSI and ATIS code are written."));
  }
  if (answer == IdentityAnswer::Keep) {
    const RadioIdentity stored = StoredIdentity(radio);
    if (identityTaker_) {
      identityTaker_(stored);
    } else {
      session_.data.DscBasic.UserMmsi = stored.mmsi;
      session_.data.Atis.AtisCode = stored.atis;
    }
    KeepIdentityBytes(session_.data.Image, radio);
  }
  return true;
}

void TransferSession::StopBeforeWriting() {
  link_->CancelRequested = true;
  link_->ExchangeFailed = true;
}

} // namespace kv508
