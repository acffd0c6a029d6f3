// The exchanges of the link: connection, synchronisation, status, block read
// and write, and the abandonment of a read.

#include "link/protocol.h"

namespace kv508 {

namespace {

std::vector<std::string> SplitAtTab(const std::string &text) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (c == '\t')
      pieces.emplace_back();
    else
      pieces.back() += c;
  }
  return pieces;
}

} // namespace

bool Link::ConfirmResync() {
  const Answer answer =
      session_.host.Message(Icon::Question, caption_,
                            "confirm the synchronization of the communication", Buttons::OkCancel);
  return answer == Answer::Ok && SyncCommand();
}

Link::TryResult Link::AfterAck(WaitOutcome outcome, int &tries) {
  switch (outcome) {
  case WaitOutcome::Done:
    return TryResult::Done;
  case WaitOutcome::TimedOut:
    --tries;
    break;
  case WaitOutcome::RadioError:
    // After "ERROR" on the last try the user may re-synchronise for one more.
    if (--tries <= 0 && ConfirmResync())
      tries = 1;
    break;
  default:
    return TryResult::Failed;
  }
  return tries > 0 ? TryResult::Retry : TryResult::Failed;
}

bool Link::Connect() {
  CancelRequested = false;
  LineLost = false;
  SyncRefused = false;
  connectStartMs_ = lastHeardMs_ = session_.host.NowMs();
  attempt_ = 1;
  silenceStatus_.clear();
  const bool connected = ConnectSteps();
  connectStartMs_ = -1;
  return connected;
}

// Every step checks for a cancel first: the next send would forget it and
// the user would wait out every try.
bool Link::ConnectSteps() {
  if (!OpenHandshakePort()) {
    PortOpenFailed();
    return false;
  }

  bool woke = false;
  for (int probe = 0; probe < 3 && !woke && !CancelRequested; ++probe) {
    SendByte('P');
    if (WaitByte('P', 1) == WaitOutcome::Done) {
      SendByte('0');
      woke = true;
    }
  }
  // A radio that does not answer the probe may still take the speed switch.
  if (CancelRequested)
    return false;
  if (!woke)
    Monitor("sync failed!!");

  Monitor("sending 'ACMD:002'...");
  SendAcmd("ACMD:002");
  std::string answer;
  switch (ReceiveLine(1, answer)) {
  case WaitOutcome::Done:
    if (answer == "ERROR") {
      Error("ACMD Command error!!");
      return false;
    }
    if (answer != "OK") {
      Error("error!!");
      return false;
    }
    break;
  case WaitOutcome::TimedOut:
    break; // silence is taken as consent
  case WaitOutcome::WrongReply:
    Error("error!!");
    if (answer.size() >= kMaxReplyLine)
      return false;
    break;
  default:
    if (LineLost)
      Error("Communication Error!!");
    return false;
  }

  if (!OpenWorkingPort()) {
    PortOpenFailed();
    return false;
  }
  session_.host.Pause(1000);
  lastHeardMs_ = session_.host.NowMs();
  return !CancelRequested && SyncCommand();
}

void Link::PortOpenFailed() {
  Error("port inicialize error!!");
  session_.host.Reason(port_.ErrorText());
}

bool Link::SyncCommand() {
  SyncRefused = false;
  for (int phase = 1; phase <= 2; ++phase) {
    int tries = RetryCount;
    bool acknowledged = false;
    for (;;) {
      if (CancelRequested)
        return false;
      if (phase == 1)
        attempt_ = RetryCount - tries + 1;
      Monitor("sending '#CMDSY'...(" + std::to_string(phase) + ")");
      SendLine("#CMDSY");
      const WaitOutcome outcome = ReceiveAck();
      if (outcome == WaitOutcome::Done) {
        acknowledged = true;
        break;
      }
      SyncRefused = outcome == WaitOutcome::RadioError;
      if ((outcome == WaitOutcome::TimedOut || outcome == WaitOutcome::RadioError) && --tries > 0)
        continue;
      break;
    }
    if (!acknowledged) {
      Monitor("can'not Receive '#CMDOK' !!");
      return false;
    }
  }
  return true;
}

bool Link::Arrived(WaitOutcome outcome) {
  if (outcome == WaitOutcome::Cancelled)
    Error("cancel!!");
  else if (outcome == WaitOutcome::TimedOut)
    Error("time out!!");
  return outcome == WaitOutcome::Done;
}

Link::StatusReply Link::ReceiveStatus() {
  std::string head;
  if (!Arrived(ReceiveText(6, 10, head)))
    return StatusReply::Failed;
  if (head != "#CEPSD") {
    SendLine("#CMDUN");
    return StatusReply::Failed;
  }
  std::string rest;
  if (!Arrived(ReceiveLineText(10, rest)))
    return StatusReply::Failed;
  if (!VerifyChecksum("#CEPSD" + rest)) {
    SendLine("#CMDSM");
    return StatusReply::Failed;
  }
  SendLine("#CMDOK");
  const std::vector<std::string> pieces = SplitAtTab(rest);
  const std::string status = pieces.size() > 1 ? pieces[1] : std::string();
  if (status == "00")
    return StatusReply::Ready;
  if (status == "01")
    return StatusReply::Busy;
  return StatusReply::Failed;
}

bool Link::StatusCheck() {
  for (;;) {
    Monitor("status check..");
    const Bytes frame = BuildFrame("#CEPSR", "00", "", "");
    int tries = RetryCount;
    TryResult result;
    do {
      SendFrame(frame);
      result = AfterAck(ReceiveAck(), tries);
    } while (result == TryResult::Retry);
    if (result == TryResult::Failed)
      return false;

    bool ready = false;
    switch (ReceiveStatus()) {
    case StatusReply::Ready:
      ready = true;
      break;
    case StatusReply::Busy:
      if (session_.host.Message(Icon::Exclamation, caption_, "Radio is busy!!",
                                Buttons::RetryCancel) == Answer::Retry)
        continue;
      break;
    case StatusReply::Failed:
      break;
    }
    Monitor(ready ? "status check.. OK" : "status check.. NG!!");
    return ready;
  }
}

void Link::ReadBlock(std::uint8_t *buffer, int address, int length) {
  if (address < 0 || length <= 0 || address + length > kImageSize) {
    ExchangeFailed = true;
    return;
  }
  Purge();
  const Bytes frame = BuildFrame("#CEPRD", HexField(static_cast<unsigned>(address), 4),
                                 HexField(static_cast<unsigned>(length), 2), "");
  int tries = RetryCount;
  for (;;) {
    ExchangeFailed = true;
    CancelRequested = false;
    SendFrame(frame);
    DiscardEcho(static_cast<int>(frame.size()));
    switch (AfterAck(ReceiveAck(), tries)) {
    case TryResult::Done:
      ReceiveData(buffer, address, length);
      return;
    case TryResult::Retry:
      break;
    case TryResult::Failed:
      // The echo discard may have cleared the flag; a refused block is a failure.
      ExchangeFailed = true;
      return;
    }
  }
}

void Link::ReceiveData(std::uint8_t *buffer, int address, int length) {
  ExchangeFailed = true;
  CancelRequested = false;

  std::string head;
  if (!Arrived(ReceiveText(6, 10, head)))
    return;
  if (head != "#CEPDT") {
    SendLine("#CMDER");
    ExchangeFailed = true; // the echo of "#CMDER" must not pass for success
    return;
  }
  std::string rest;
  const WaitOutcome restOutcome = ReceiveLineText(10, rest);
  if (restOutcome == WaitOutcome::Cancelled)
    return; // a cancel in the data line ends without a message
  if (!Arrived(restOutcome))
    return;
  if (!VerifyChecksum("#CEPDT" + rest)) {
    SendLine("#CMDSM");
    ExchangeFailed = true;
    return;
  }

  const std::vector<std::string> pieces = SplitAtTab(rest);
  unsigned replyAddress = 0;
  unsigned replyLength = 0;
  if (pieces.size() < 4 || !ParseHex(pieces[1], replyAddress)) {
    Error("data error!!");
    return;
  }
  if (replyAddress != static_cast<unsigned>(address)) {
    Error("address error!!");
    return;
  }
  const std::string &data = pieces[3];
  if (!ParseHex(pieces[2], replyLength) || replyLength != static_cast<unsigned>(length) ||
      data.size() != 2 * static_cast<std::size_t>(length)) {
    Error("data error!!");
    return;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned value = 0;
    if (!ParseHex(std::string_view(data).substr(2 * i, 2), value)) {
      Error("data error!!");
      return;
    }
    bytes[i] = static_cast<std::uint8_t>(value);
  }
  std::copy(bytes.begin(), bytes.end(), buffer + address);
  ExchangeFailed = false;
  SendLine("#CMDOK");
}

void Link::WriteBlock(int address, int length) {
  if (address < 0 || length <= 0 || address + length > kImageSize) {
    ExchangeFailed = true;
    return;
  }
  std::string data;
  data.reserve(2 * static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i)
    data += HexField(session_.data.Image[static_cast<std::size_t>(address + i)], 2);
  const Bytes frame = BuildFrame("#CEPWR", HexField(static_cast<unsigned>(address), 4),
                                 HexField(static_cast<unsigned>(length), 2), data);

  Purge();
  Unanswered = false;
  int tries = RetryCount;
  for (;;) {
    ExchangeFailed = true;
    CancelRequested = false;
    Purge();
    SendFrame(frame);
    DiscardEcho(static_cast<int>(frame.size()));
    const WaitOutcome outcome = ReceiveAck();
    switch (AfterAck(outcome, tries)) {
    case TryResult::Done:
      return;
    case TryResult::Retry:
      break;
    case TryResult::Failed:
      ExchangeFailed = true;
      Unanswered = outcome == WaitOutcome::TimedOut;
      return;
    }
  }
}

void Link::CancelRead() {
  Purge();
  session_.host.Pause(10);
  Write(Bytes{kCan});
  // The flag that ended the read would end this wait at once; give the radio
  // its time to acknowledge the CAN.
  CancelRequested = false;
  WaitByte(kAck, 10);
  CancelRequested = true;
}

} // namespace kv508
