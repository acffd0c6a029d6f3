#pragma once

// The operations of the transfer dialog: read, program and the clear modes,
// run behind Host so that the dialog, the command line and the tests share them.
//
// Use: TransferSession transfer(session, port); result = transfer.Run(mode);
// Run is the dialog's OK button: it connects, checks the radio (status, model
// identifier, product code) and runs the operation of the mode on
// session.data.Image. Messages, the monitor line and the progress bar go
// through session.host; Host::Yield is called on every pass of every wait, and
// may call RequestCancel (the dialog's Cancel button while Busy). The caller
// owns the port and closes it when the dialog closes. Run may be called again
// on the same object after a failure (the dialog stays open for another try).
//
// Host questions asked during a run: "Radio is busy!!" (Buttons::RetryCancel;
// Retry repeats the status check) and "confirm the synchronization of the
// communication" (Buttons::OkCancel; Ok re-synchronises and gives the command
// one more try). A host that always agrees loops as long as the radio refuses,
// so an unattended host should agree a bounded number of times. Before a
// program writes its first block, when the radio's own MMSI or ATIS code would
// change (IdentityAnswer::Ask): Host::Choose with kKeepIdentity,
// kWriteNewIdentity and "Cancel"; when a radio without an own MMSI would get
// one: the new MMSI (Buttons::OkCancel).
//
// Every run keeps its serial traffic in Trace(), the last run's only.

#include "app/session.h"
#include "app/transfer_mode.h"
#include "image/radio_ranges.h"
#include "link/identity_guard.h"
#include "link/port.h"
#include "link/serial_trace.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kv508 {

// The dialog caption of a transfer mode; empty outside 0..9.
std::string TransferCaption(int mode);

// The message of a connection the radio never answered, naming the port.
std::string NoAnswerMessage(const std::string &portName);
// The message of a connection the radio refused with "ERROR", naming the port.
std::string RadioErrorMessage(const std::string &portName);

// One step of Program to Radio: the 64-byte block at `address`, of which the
// bytes first..last are written, one frame per byte (singleBytes) or as the
// whole block; a step that writes nothing is a pause.
struct ProgramStep {
  int address = 0;
  int first = 0;
  int last = -1;
  bool singleBytes = false;
  bool Writes() const { return first <= last; }
};
// The steps of a full write, blocks 0 to 20736 (ProgramWritesByte's bytes).
const std::vector<ProgramStep> &ProgramPlan();
// The steps of the plan that write a byte differing between the two images.
std::vector<ProgramStep> ChangedSteps(const MemoryImage &radio, const MemoryImage &written);

// What a program does when the radio's own MMSI or ATIS code would change.
enum class IdentityAnswer {
  Ask,      // the question (Host::Choose) and, for a radio without an own MMSI, OK/Cancel
  Keep,     // the radio's identity is written instead and taken into the data
  WriteNew, // the data's identity is written
  Refuse,   // nothing is written ("...Nothing was written.")
};

struct TransferResult {
  bool connected = false;       // Connect succeeded
  bool succeeded = false;       // TransferSucceeded: the operation completed ("Complete!!")
  bool exchangeFailed = false;  // ExchangeFailed at the end: the dialog stays open when true
  bool cancelled = false;       // CancelRequested at the end
  bool identityRefused = false; // IdentityAnswer::Refuse stopped the program
  bool nothingToSend = false;   // a changes-only program found no block that differs
};

class Link; // protocol state: ExchangeFailed, CancelRequested, RetryCount

class TransferSession {
public:
  TransferSession(Session &session, Port &port);
  ~TransferSession();
  TransferSession(const TransferSession &) = delete;
  TransferSession &operator=(const TransferSession &) = delete;

  TransferResult Run(int mode);
  // After Run(kTransferCompare) succeeded, in the same connection: programs
  // the blocks that differ between the image read and the data, as
  // Run(kTransferProgramChanges) does after its read.
  TransferResult ProgramChangesAfterCompare();
  // The radio's memory as the last compare or changes-only read found it.
  const MemoryImage &RadioImage() const { return radioImage_; }

  // How the messages and the status line name the port ("COM1 (/dev/ttyS0)").
  void SetPortName(std::string name) { portName_ = std::move(name); }
  void RequestCancel(); // the Cancel button while Busy
  // Program to Radio then reads back every block it wrote and compares.
  void SetVerifyAfterProgram(bool verify) { verify_ = verify; }
  void SetIdentityAnswer(IdentityAnswer answer) { identityAnswer_ = answer; }
  // How the radio's identity, kept, gets into the data (the window's undo
  // step); without one the fields are set.
  void SetIdentityTaker(std::function<void(const RadioIdentity &)> taker) {
    identityTaker_ = std::move(taker);
  }
  const SerialTrace &Trace() const { return trace_; }
  Link &link();

private:
  void StartRun(int mode);
  TransferResult EndRun(TransferResult result);
  void RunOperation(int mode);
  // Encodes the data for the radio over `base`; false after the message of a
  // value that does not fit (the image then is as it was).
  bool PrepareImageOver(const MemoryImage &base);
  bool CommonFrame();
  bool ModelCheck();
  bool ProductCodeCheck();
  void ReadFromRadio();
  // Reads the whole radio into RadioImage(), backed up as a read; with
  // keepOpen the port stays open for a write that follows.
  bool ReadRadioImage(bool keepOpen);
  void ReadAll(std::uint8_t *buffer, bool keepOpen = false);
  void CompareRead();
  void ProgramToRadio();
  void ProgramChanges();
  void WriteChanges();
  // The backup of the image about to be programmed; false when the user would
  // rather not program without it.
  bool BackUpProgram();
  void WriteAll();
  void WriteSteps(const std::vector<ProgramStep> &steps);
  bool WriteStep(const ProgramStep &step);
  // Reads back the 64-byte blocks at these addresses and compares the bytes written.
  void VerifyProgram(const std::vector<int> &blocks);
  // Reads the radio's identity block and runs GuardIdentity on it.
  bool CheckRadioIdentity();
  // The identity guard over the image about to be written: false to stop
  // before the first write.
  bool GuardIdentity(const MemoryImage &radio);
  bool ResolveIdentity(const MemoryImage &radio, const RadioIdentity &held,
                       const RadioIdentity &next);
  bool ConfirmNewMmsi(const RadioIdentity &next);
  // A stop the user chose before anything was written.
  void StopBeforeWriting();
  void ClearRadioData(int mode);
  void ClearMmsiData();
  // `left` says what the radio may hold when the loop breaks off.
  void WriteRange(int first, int last, const std::string &left);
  void WriteClearAll(const std::string &left);
  // Every block from `start` to the end: written where `writes` says so, else a pause.
  void WriteBlocks(int start, const std::function<bool(int)> &writes, const std::string &left);
  void WriteMmsiBytes();
  // After a write loop: ClosePort, then the pause of success, or the message of
  // a failure or cancel followed by `left`.
  void FinishWriteLoop(const char *title, const std::string &left);
  void Complete();
  void ShowProgress(long percent);
  // The status line; the host hears of it only when the text changes.
  void ShowStatus(const std::string &text);
  // "Reading 12 of 32 KB, about 9 s left" while a block loop runs. The time
  // left and the bar cover the whole run: a program with verify is one run
  // whose verify phase starts at runDoneBefore_ of runTotal_ bytes.
  void ShowBlockStatus(const char *verb, long done, long total);
  // The bar of a block loop, as a share of the whole run.
  void ShowBlockProgress(long done, long total);
  // "Done" before the "Complete!!" message, not the last progress text.
  void ShowFinalStatus();
  // A write followed by the verify of these blocks as one run for the bar and
  // the time left.
  void StartWriteRun(long writeBytes, std::size_t verifyBlocks);
  void StartVerifyPhase(long writeBytes);

  Session &session_;
  Port &port_;
  SerialTrace trace_;
  TracingPort tracingPort_;
  std::unique_ptr<Link> link_;
  bool succeeded_ = false;
  bool verify_ = false;
  bool nothingToSend_ = false;
  bool identityRefused_ = false;
  IdentityAnswer identityAnswer_ = IdentityAnswer::Ask;
  std::function<void(const RadioIdentity &)> identityTaker_;
  MemoryImage radioImage_{};
  std::string portName_;
  std::string status_;
  std::int64_t loopStartMs_ = 0;
  long runDoneBefore_ = 0; // bytes of earlier phases of the run
  long runTotal_ = 0;      // bytes of the whole run; 0: the loop is the run
};

} // namespace kv508
