// Program only the changes: the data are encoded over the image just read from
// the radio, so every byte the settings do not carry stays as the radio has
// it, and only the steps of the full write whose bytes differ are sent, each
// exactly as the full write sends it. The read and the write share one
// connection.

#include "link/protocol.h"
#include "link/transfer.h"

namespace kv508 {

namespace {

constexpr int kWriteAllLast = 20736;
constexpr const char *kNothingToSend = "Nothing to send: the radio already holds these settings.";

std::vector<ProgramStep> MakePlan() {
  std::vector<ProgramStep> plan;
  for (int address = 0; address <= kWriteAllLast; address += kBlockSize) {
    ProgramStep step{address, address, address + kBlockSize - 1, false};
    // Below 384 the radio takes single bytes, and only those it lets go.
    if (address == 0)
      step = {address, 33, 63, true};
    else if (address == 64)
      step = {address, 64, 111, true};
    else if (address == 320)
      step = {address, 352, 383, true};
    else if (address == 256 || (address >= 1792 && address <= 2047) || address >= kWriteAllLast)
      step = {address, 0, -1, false};
    plan.push_back(step);
  }
  return plan;
}

} // namespace

const std::vector<ProgramStep> &ProgramPlan() {
  static const std::vector<ProgramStep> plan = MakePlan();
  return plan;
}

std::vector<ProgramStep> ChangedSteps(const MemoryImage &radio, const MemoryImage &written) {
  std::vector<ProgramStep> steps;
  for (const ProgramStep &step : ProgramPlan()) {
    if (!step.Writes())
      continue;
    const auto first = static_cast<std::size_t>(step.first);
    const auto end = static_cast<std::size_t>(step.last) + 1;
    if (!std::equal(radio.begin() + first, radio.begin() + end, written.begin() + first))
      steps.push_back(step);
  }
  return steps;
}

void TransferSession::ProgramChanges() {
  if (CommonFrame() && ReadRadioImage(/*keepOpen=*/true))
    WriteChanges();
}

TransferResult TransferSession::ProgramChangesAfterCompare() {
  StartRun(kTransferProgramChanges);
  TransferResult result;
  result.connected = true;
  // Only the connection the compare left open has read this radio.
  if (tracingPort_.IsOpen())
    WriteChanges();
  else
    link_->ExchangeFailed = true;
  return EndRun(result);
}

void TransferSession::WriteChanges() {
  Link &link = *link_;
  if (!PrepareImageOver(radioImage_) || !GuardIdentity(radioImage_)) {
    link.ClosePort();
    return;
  }
  const std::vector<ProgramStep> steps = ChangedSteps(radioImage_, session_.data.Image);
  if (steps.empty()) {
    link.ClosePort();
    succeeded_ = nothingToSend_ = true;
    link.Monitor("");
    session_.host.Message(Icon::Information, link.Caption(), kNothingToSend);
    return;
  }
  if (!BackUpProgram()) {
    link.ClosePort();
    return;
  }
  link.Monitor("radio writing...");
  std::vector<int> blocks;
  for (const ProgramStep &step : steps)
    blocks.push_back(step.address);
  const long writeBytes = static_cast<long>(steps.size()) * kBlockSize;
  StartWriteRun(writeBytes, blocks.size());
  WriteSteps(steps);
  StartVerifyPhase(writeBytes);
  if (!link.ExchangeFailed && !link.CancelRequested && verify_)
    VerifyProgram(blocks);
  if (!link.ExchangeFailed && !link.CancelRequested)
    Complete();
}

} // namespace kv508
