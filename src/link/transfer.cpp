#include "link/transfer.h"

#include "app/backups.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "image/layout.h"
#include "link/protocol.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace kv508 {

namespace {

constexpr const char *kProductCode = "QZ318R";
constexpr int kProductCodeAddress = layout::kProductCode;
constexpr int kProductCodeLength = layout::kProductCodeLength;

// The radio's memory areas that the clear modes fill (inclusive addresses).
struct Area {
  int first;
  int last;
};
constexpr Area kDscLog{26880, 30975};
constexpr Area kDistressLog{30976, 32703};
constexpr int kIndividualDirectoryEnd =
    layout::kMemoryIdSlots + layout::kMemoryIdSlotCount * layout::kDirectorySlotStride;
constexpr Area kIndividualDirectory{layout::kMemoryIdSlots, kIndividualDirectoryEnd - 1};
constexpr Area kGroupDirectory{layout::kGroupIdSlots,
                               layout::kGroupIdSlots +
                                   layout::kGroupIdSlotCount *layout::kDirectorySlotStride - 1};
constexpr Area kWaypointDirectory{20736, 24191};
constexpr Area kWaypointZeroes{20736, 20835};
constexpr Area kDscTxLog{25344, 26879};
constexpr Area kMmsiData{layout::kUserMmsi, layout::kUserMmsi + layout::kBcdLength - 1};
constexpr int kMmsiLastByte = layout::kUserMmsiCount;

// The highest block address of the programming plan, and the clear-all loop's first.
constexpr int kWriteAllLast = 20736;
constexpr long kWriteAllBytes = kWriteAllLast + kBlockSize;
constexpr int kClearAllFirst = layout::kMemoryIdSlots;

void Fill(MemoryImage &image, Area area, std::uint8_t value) {
  std::fill(image.begin() + area.first, image.begin() + area.last + 1, value);
}

void FillWaypoints(MemoryImage &image) {
  Fill(image, kWaypointDirectory, 255);
  Fill(image, kWaypointZeroes, 0);
}

std::string Hex(unsigned value) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return text;
}

long Percent(double part, double whole) { return std::lround(part / whole * 100.0); }

// What a broken-off write may have left in the radio: the blocks already
// written stay written.
constexpr const char *kPartlyProgrammed = "The radio now holds a partly written memory; the "
                                          "blocks already written stay written. Program it "
                                          "again before use.";

// What a broken-off clear of the mode (2 to 9) may have left in the radio.
std::string PartlyCleared(int mode) {
  if (mode == kClearMmsi)
    return "The radio's own MMSI may now be damaged. Clear it again.";
  if (mode == kClearAll)
    return "The radio's logs and directories may now be partly erased. Clear all data again.";
  static const char *const kAreas[] = {
      "DSC log",         "distress log",       "individual directory",
      "group directory", "WayPoint directory", "DSC TX log"};
  return std::string("The radio's ") + kAreas[mode - kClearDscLog] +
         " may now be partly erased. Clear it again.";
}

constexpr const char *kStoppedStatus =
    "Stopped after an error. Check the radio and press OK to try again.";

} // namespace

std::string TransferCaption(int mode) {
  switch (mode) {
  case kTransferRead:
    return "Read from Radio";
  case kTransferProgram:
    return "Program to Radio";
  case kClearMmsi:
    return "Clear MMSI Data";
  case kClearDscLog:
    return "Clear DSC Log Data";
  case kClearDistressLog:
    return "Clear Distress Log Data";
  case kClearIndividual:
    return "Clear Individual Directory";
  case kClearGroup:
    return "Clear Group Directory";
  case kClearWaypoint:
    return "Clear WayPoint Directory";
  case kClearDscTxLog:
    return "Clear DSC TX Log Data";
  case kClearAll:
    return "Clear All Data";
  case kTransferCompare:
    return "Compare with Radio";
  case kTransferProgramChanges:
    return "Program Changes to Radio";
  default:
    return {};
  }
}

std::string RadioErrorMessage(const std::string &portName) {
  return "The radio answered with an error on " +
         (portName.empty() ? "the serial port" : portName) +
         ".\r\nTurn the radio off, then on again in PC CONTROL mode (hold [DISTRESS] and [CALL] "
         "while turning it on), and try again.";
}

std::string NoAnswerMessage(const std::string &portName) {
  return "The radio did not answer on " + (portName.empty() ? "the serial port" : portName) +
         ".\r\nCheck that:\r\n"
         "- the cable is plugged into this port and into the radio;\r\n"
         "- the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on);\r\n"
         "- Options > SerialPort names the port the cable is plugged into.";
}

TransferSession::TransferSession(Session &session, Port &port)
    : session_(session), port_(port), tracingPort_(port, trace_, session.host),
      link_(std::make_unique<Link>(session, tracingPort_)) {}

TransferSession::~TransferSession() = default;

Link &TransferSession::link() { return *link_; }

void TransferSession::RequestCancel() { link_->CancelRequested = true; }

void TransferSession::ShowProgress(long percent) {
  session_.host.Progress(static_cast<int>(std::clamp(percent, 0L, 100L)));
}

void TransferSession::ShowStatus(const std::string &text) {
  if (text == status_)
    return;
  status_ = text;
  trace_.Step(text, session_.host.NowMs());
  session_.host.Status(text);
}

void TransferSession::ShowBlockStatus(const char *verb, long done, long total) {
  Host &host = session_.host;
  const long runDone = runDoneBefore_ + done;
  const long runTotal = std::max(runTotal_, runDoneBefore_ + total);
  if (runDone <= 0)
    loopStartMs_ = host.NowMs();
  std::string text = std::string(verb) + " " + std::to_string(done / 1024) + " of " +
                     std::to_string((total + 1023) / 1024) + " KB";
  const std::int64_t elapsed = host.NowMs() - loopStartMs_;
  // Before a second has passed the rate says little.
  if (runDone > 0 && runDone < runTotal && elapsed >= 1000) {
    const std::int64_t left = elapsed * (runTotal - runDone) / runDone;
    text += ", about " + std::to_string((left + 999) / 1000) + " s left";
  }
  ShowStatus(text);
}

void TransferSession::ShowBlockProgress(long done, long total) {
  ShowProgress(Percent(static_cast<double>(runDoneBefore_ + done),
                       static_cast<double>(std::max(runTotal_, runDoneBefore_ + total))));
}

void TransferSession::ShowFinalStatus() {
  ShowStatus(succeeded_ ? "Done" : link_->CancelRequested ? "Cancelled." : kStoppedStatus);
}

void TransferSession::StartWriteRun(long writeBytes, std::size_t verifyBlocks) {
  runDoneBefore_ = 0;
  runTotal_ = writeBytes + (verify_ ? static_cast<long>(verifyBlocks) * kBlockSize : 0);
}

void TransferSession::StartVerifyPhase(long writeBytes) { runDoneBefore_ = writeBytes; }

void TransferSession::StartRun(int mode) {
  link_->SetCaption(TransferCaption(mode));
  succeeded_ = false;
  nothingToSend_ = false;
  identityRefused_ = false;
  session_.state.Busy = true;
  session_.host.SetWaitCursor(true);
}

TransferResult TransferSession::EndRun(TransferResult result) {
  Link &link = *link_;
  ShowProgress(0);
  ShowFinalStatus();
  runDoneBefore_ = 0;
  runTotal_ = 0;
  session_.host.SetWaitCursor(false);
  session_.state.Busy = false;
  result.succeeded = succeeded_;
  result.exchangeFailed = link.ExchangeFailed;
  result.cancelled = link.CancelRequested;
  result.identityRefused = identityRefused_;
  result.nothingToSend = nothingToSend_;
  return result;
}

TransferResult TransferSession::Run(int mode) {
  Link &link = *link_;
  Host &host = session_.host;
  const std::string portName = portName_.empty() ? "the serial port" : portName_;
  trace_.Start(TransferCaption(mode) + " on " + portName, host.NowMs());
  StartRun(mode);
  TransferResult result;
  link.Monitor("startsync...");
  ShowStatus("Connecting to " + portName + "...");
  const int errorsBefore = link.ErrorsShown;
  if (!link.Connect()) {
    link.Monitor("can not syncing!!");
    // Without this a radio that never answered looks like nothing happened.
    const bool explained = link.CancelRequested || link.ErrorsShown != errorsBefore;
    if (!explained && link.LineLost)
      link.Error("Communication Error!!");
    else if (!explained)
      host.Message(Icon::Critical, link.Caption(),
                   link.SyncRefused ? RadioErrorMessage(portName_) : NoAnswerMessage(portName_));
    ShowStatus(link.CancelRequested ? "Cancelled." : kStoppedStatus);
    host.SetWaitCursor(false);
    session_.state.Busy = false;
    result.exchangeFailed = true;
    result.cancelled = link.CancelRequested;
    return result;
  }
  result.connected = true;
  link.Monitor("sync ok");
  RunOperation(mode);
  return EndRun(result);
}

void TransferSession::RunOperation(int mode) {
  switch (mode) {
  case kTransferRead:
    ReadFromRadio();
    break;
  case kTransferProgram:
    if (PrepareImageOver(session_.data.Image))
      ProgramToRadio();
    break;
  case kTransferCompare:
    CompareRead();
    break;
  case kTransferProgramChanges:
    ProgramChanges();
    break;
  default:
    if (mode >= kClearMmsi && mode <= kClearAll)
      ClearRadioData(mode);
    break;
  }
}

bool TransferSession::PrepareImageOver(const MemoryImage &base) {
  const MemoryImage before = session_.data.Image;
  session_.data.Image = base;
  const auto error =
      PrepareOutgoingImage(session_.data, session_.model.ModelVariant, /*radioWrite=*/true);
  if (!error)
    return true;
  // A value that does not fit the image must not reach the radio.
  session_.data.Image = before;
  session_.host.Message(Icon::Exclamation, "Program to Radio", EncodeErrorMessage(*error));
  link_->ExchangeFailed = true;
  return false;
}

// ---- checks --------------------------------------------------------------

bool TransferSession::CommonFrame() {
  Link &link = *link_;
  ShowStatus("Checking the radio's status...");
  if (!link.StatusCheck()) {
    link.Error(link.LineLost ? "Communication Error!!" : "Radio not ready!!");
    link.ExchangeFailed = true;
    return false;
  }
  // Both checks run; either failing ends the operation, even when the second
  // one's successful read cleared the flag.
  const bool modelOk = ModelCheck();
  const bool productOk = !link.LineLost && ProductCodeCheck();
  if (modelOk && productOk)
    return true;
  link.ExchangeFailed = true;
  return false;
}

bool TransferSession::ModelCheck() {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return false;
  }
  link.Monitor("model check...");
  ShowStatus("Checking the radio's model...");
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  link.ReadBlock(buffer.data(), 0, 2);
  if (!link.ExchangeFailed)
    link.ReadBlock(buffer.data(), ImageLastIndex - 1, 2);
  if (link.CancelRequested)
    return false;
  if (link.ExchangeFailed) {
    link.Error("Communication Error!!", "Model Check");
    return false;
  }
  if (!ImageMatchesModel(buffer.data(), session_.model.ModelVariant)) {
    link.ExchangeFailed = true;
    link.Error("ModelType Error !!", "Read from Radio");
    return false;
  }
  return true;
}

bool TransferSession::ProductCodeCheck() {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return false;
  }
  link.Monitor("product-code check...");
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  link.ReadBlock(buffer.data(), kProductCodeAddress, 7);
  if (link.CancelRequested)
    return false;
  if (link.ExchangeFailed) {
    link.Error("Communication Error!!", "Model Check");
    return false;
  }
  for (int i = 0; i < kProductCodeLength; ++i) {
    const int address = kProductCodeAddress + i;
    const std::uint8_t byte = buffer[static_cast<std::size_t>(address)];
    if (byte == static_cast<std::uint8_t>(kProductCode[i]))
      continue;
    if (session_.state.DebugMode) {
      link.Error("address: 0x" + Hex(static_cast<unsigned>(address)) + " -> 0x" + Hex(byte),
                 "Product Code Error!");
    }
    link.ExchangeFailed = true;
    link.Error("ModelType Error !!", "Read from Radio");
    return false;
  }
  return true;
}

void TransferSession::Complete() {
  succeeded_ = true;
  ShowFinalStatus();
  link_->Monitor("");
  session_.host.Message(Icon::Information, link_->Caption(), "Complete!!");
}

// ---- read ----------------------------------------------------------------

void TransferSession::ReadFromRadio() {
  if (!CommonFrame() || !ReadRadioImage(/*keepOpen=*/false))
    return;
  TakeImageAsRead(session_.data, radioImage_);
  session_.DataReplaced();
  Complete();
}

bool TransferSession::ReadRadioImage(bool keepOpen) {
  Link &link = *link_;
  link.Monitor("radio reading...");
  const MemoryImage &image = session_.data.Image;
  std::vector<std::uint8_t> buffer(image.begin(), image.end());
  ReadAll(buffer.data(), keepOpen);
  if (link.ExchangeFailed || link.CancelRequested)
    return false;
  std::copy(buffer.begin(), buffer.end(), radioImage_.begin());
  SaveBackup(session_, radioImage_, BackupKind::Read, link.Caption());
  return true;
}

void TransferSession::CompareRead() {
  if (!CommonFrame() || !ReadRadioImage(/*keepOpen=*/true))
    return;
  // The comparison is the answer: no "Complete!!" before it.
  succeeded_ = true;
  link_->Monitor("");
}

void TransferSession::ReadAll(std::uint8_t *buffer, bool keepOpen) {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return;
  }
  ShowProgress(0);
  for (int address = 0; address <= kImageSize - kBlockSize; address += kBlockSize) {
    ShowProgress(Percent(address, ImageLastIndex));
    ShowBlockStatus("Reading", address, kImageSize);
    link.ReadBlock(buffer, address, kBlockSize);
    if (link.ExchangeFailed || link.CancelRequested)
      break;
  }
  const bool cancelled = link.CancelRequested;
  if (cancelled)
    link.CancelRead();
  // A write that follows in the same connection needs the port as it is.
  if (cancelled || link.ExchangeFailed || !keepOpen)
    link.ClosePort();
  if (cancelled)
    return;
  if (!link.ExchangeFailed)
    session_.host.Pause(500);
  else
    link.Error("Communication Error!!", "Read from Radio");
}

// ---- program -------------------------------------------------------------

void TransferSession::ProgramToRadio() {
  if (!CommonFrame() || !CheckRadioIdentity() || !BackUpProgram())
    return;
  Link &link = *link_;
  link.Monitor("radio writing...");
  std::vector<int> blocks;
  for (const ProgramStep &step : ProgramPlan()) {
    if (step.Writes())
      blocks.push_back(step.address);
  }
  StartWriteRun(kWriteAllBytes, blocks.size());
  WriteAll();
  StartVerifyPhase(kWriteAllBytes);
  if (!link.ExchangeFailed && !link.CancelRequested && verify_)
    VerifyProgram(blocks);
  if (!link.ExchangeFailed && !link.CancelRequested)
    Complete();
}

bool TransferSession::BackUpProgram() {
  Link &link = *link_;
  // The backup is what gets the radio back if the new settings are wrong: the
  // user decides whether to go on without one.
  const std::string noBackup = WriteBackup(session_, session_.data.Image, BackupKind::Program);
  if (!noBackup.empty() && session_.host.Message(Icon::Exclamation, link.Caption(),
                                                 noBackup + "\r\nProgram the radio without it?",
                                                 Buttons::YesNo) != Answer::Yes) {
    link.ExchangeFailed = true;
    return false;
  }
  return true;
}

void TransferSession::WriteAll() {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return;
  }
  ShowProgress(0);
  for (const ProgramStep &step : ProgramPlan()) {
    ShowBlockProgress(step.address, kWriteAllLast);
    ShowBlockStatus("Programming", step.address, kWriteAllBytes);
    if (!step.Writes())
      session_.host.Pause(50);
    else if (!WriteStep(step))
      break;
  }
  FinishWriteLoop("Program to Radio", kPartlyProgrammed);
}

bool TransferSession::WriteStep(const ProgramStep &step) {
  Link &link = *link_;
  // One write, single byte or block; false once the run must stop, so that a
  // later good write cannot hide an earlier failure.
  auto write = [&link](int address, int length) {
    link.WriteBlock(address, length);
    return !link.ExchangeFailed && !link.CancelRequested;
  };
  if (!step.singleBytes)
    return write(step.address, kBlockSize);
  for (int a = step.first; a <= step.last; ++a) {
    if (!write(a, 1))
      return false;
  }
  return true;
}

void TransferSession::WriteSteps(const std::vector<ProgramStep> &steps) {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return;
  }
  ShowProgress(0);
  const long count = static_cast<long>(steps.size());
  for (long i = 0; i < count; ++i) {
    ShowBlockProgress(i * kBlockSize, count * kBlockSize);
    ShowBlockStatus("Programming", i * kBlockSize, count * kBlockSize);
    if (!WriteStep(steps[static_cast<std::size_t>(i)]))
      break;
  }
  FinishWriteLoop("Program to Radio", kPartlyProgrammed);
}

void TransferSession::FinishWriteLoop(const char *title, const std::string &left) {
  Link &link = *link_;
  link.ClosePort();
  if (!link.CancelRequested && !link.ExchangeFailed) {
    session_.host.Pause(500);
    return;
  }
  link.Error(std::string(link.CancelRequested ? "cancel!!" : "Communication Error!!") + "\r\n" +
                 left,
             title);
}

// ---- clear ---------------------------------------------------------------

void TransferSession::ClearRadioData(int mode) {
  if (!CommonFrame())
    return;
  if (mode == kClearMmsi) {
    ClearMmsiData();
    return;
  }
  Link &link = *link_;
  MemoryImage &image = session_.data.Image;
  const MemoryImage backup = image;
  const std::string left = PartlyCleared(mode);

  auto clearRange = [&](const char *line, Area area) {
    link.Monitor(line);
    Fill(image, area, 255);
    WriteRange(area.first, area.last, left);
  };
  switch (mode) {
  case kClearDscLog:
    clearRange("radio clear DSC...", kDscLog);
    break;
  case kClearDistressLog:
    clearRange("radio clear Distress...", kDistressLog);
    break;
  case kClearIndividual:
    clearRange("radio clear individual...", kIndividualDirectory);
    break;
  case kClearGroup:
    clearRange("radio clear group...", kGroupDirectory);
    break;
  case kClearWaypoint:
    link.Monitor("radio clear waypoint...");
    FillWaypoints(image);
    WriteRange(kWaypointDirectory.first, kWaypointDirectory.last, left);
    break;
  case kClearDscTxLog:
    clearRange("radio clear DSCTX...", kDscTxLog);
    break;
  default:
    link.Monitor("radio clear All...");
    Fill(image, kDscLog, 255);
    Fill(image, kDistressLog, 255);
    Fill(image, kIndividualDirectory, 255);
    Fill(image, kGroupDirectory, 255);
    FillWaypoints(image);
    Fill(image, kDscTxLog, 255);
    WriteClearAll(left);
    break;
  }
  if (!link.ExchangeFailed && !link.CancelRequested) {
    session_.DataReplaced();
    Complete();
  } else {
    image = backup;
  }
}

void TransferSession::WriteRange(int first, int last, const std::string &left) {
  WriteBlocks(
      0, [first, last](int address) { return address >= first && address <= last; }, left);
}

// Clear-all writes its areas block by block and skips the gap between the two
// directories and the last block.
void TransferSession::WriteClearAll(const std::string &left) {
  WriteBlocks(
      kClearAllFirst,
      [](int address) {
        return !(address >= kIndividualDirectoryEnd && address < kGroupDirectory.first) &&
               address < kImageSize - kBlockSize;
      },
      left);
}

void TransferSession::WriteBlocks(int start, const std::function<bool(int)> &writes,
                                  const std::string &left) {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return;
  }
  ShowProgress(0);
  for (int address = start; address <= ImageLastIndex; address += kBlockSize) {
    session_.host.Yield();
    ShowProgress(Percent(address - start, ImageLastIndex - start));
    ShowBlockStatus("Clearing", address - start, kImageSize - start);
    if (writes(address)) {
      link.WriteBlock(address, kBlockSize);
      if (link.ExchangeFailed || link.CancelRequested)
        break;
    } else {
      session_.host.Pause(10);
    }
    if (link.CancelRequested)
      break;
  }
  FinishWriteLoop("Program to Radio", left);
}

void TransferSession::ClearMmsiData() {
  Link &link = *link_;
  MemoryImage &image = session_.data.Image;
  link.Monitor("radio clear...");
  const std::uint8_t keptLast = image[kMmsiLastByte];
  std::array<std::uint8_t, 5> kept{};
  std::copy(image.begin() + kMmsiData.first, image.begin() + kMmsiData.last + 1, kept.begin());

  image[kMmsiLastByte] = 0;
  Fill(image, kMmsiData, 255);
  WriteMmsiBytes();

  if (!link.ExchangeFailed && !link.CancelRequested) {
    session_.data.DscBasic.UserMmsi.clear();
    session_.DataReplaced();
    Complete();
  } else {
    image[kMmsiLastByte] = keptLast;
    std::copy(kept.begin(), kept.end(), image.begin() + kMmsiData.first);
  }
}

void TransferSession::WriteMmsiBytes() {
  Link &link = *link_;
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return;
  }
  ShowProgress(0);
  ShowStatus("Clearing the MMSI...");
  // A byte the radio refused does not keep the others from being tried, but
  // the clear only succeeds when all six were written. A radio that said
  // nothing at all is gone: the next bytes would only wait out their tries.
  bool anyFailed = false;
  for (int address = kMmsiData.first; address <= kMmsiLastByte; ++address) {
    link.WriteBlock(address, 1);
    anyFailed = anyFailed || link.ExchangeFailed;
    if (link.CancelRequested || link.LineLost || link.Unanswered)
      break;
  }
  if (anyFailed)
    link.ExchangeFailed = true;
  if (!link.ExchangeFailed && !link.CancelRequested)
    ShowProgress(100);
  FinishWriteLoop("Clear Data", PartlyCleared(kClearMmsi));
}

} // namespace kv508
