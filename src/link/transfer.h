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
// so an unattended host should agree a bounded number of times.

#include "app/session.h"
#include "app/transfer_mode.h"
#include "link/port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace kv508 {

// The dialog caption of a transfer mode; empty outside 0..9.
std::string TransferCaption(int mode);

// The message of a connection the radio never answered, naming the port.
std::string NoAnswerMessage(const std::string &portName);
// The message of a connection the radio refused with "ERROR", naming the port.
std::string RadioErrorMessage(const std::string &portName);

// The bytes a radio read leaves as they were: 2-32, 256-415, 1792-2047, 20736-32765.
bool ReadKeepsByte(int address);
// The bytes Program to Radio sends: 33-111, 128-255, 352-1791, 2048-20735.
bool ProgramWritesByte(int address);

struct TransferResult {
  bool connected = false;      // Connect succeeded
  bool succeeded = false;      // TransferSucceeded: the operation completed ("Complete!!")
  bool exchangeFailed = false; // ExchangeFailed at the end: the dialog stays open when true
  bool cancelled = false;      // CancelRequested at the end
};

class Link; // protocol state: ExchangeFailed, CancelRequested, RetryCount

class TransferSession {
public:
  TransferSession(Session &session, Port &port);
  ~TransferSession();
  TransferSession(const TransferSession &) = delete;
  TransferSession &operator=(const TransferSession &) = delete;

  TransferResult Run(int mode);
  // How the messages and the status line name the port ("COM1 (/dev/ttyS0)").
  void SetPortName(std::string name) { portName_ = std::move(name); }
  void RequestCancel(); // the Cancel button while Busy
  // Program to Radio then reads back every block it wrote and compares.
  void SetVerifyAfterProgram(bool verify) { verify_ = verify; }
  Link &link();

private:
  bool CommonFrame();
  bool ModelCheck();
  bool ProductCodeCheck();
  void ReadFromRadio();
  void ReadAll(std::uint8_t *buffer);
  void ProgramToRadio();
  void WriteAll();
  void VerifyProgram();
  // The bytes the verify reads back: every block holding a written byte.
  static long VerifyBytes();
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

  Session &session_;
  Port &port_;
  std::unique_ptr<Link> link_;
  bool succeeded_ = false;
  bool verify_ = false;
  std::string portName_;
  std::string status_;
  std::int64_t loopStartMs_ = 0;
  long runDoneBefore_ = 0; // bytes of earlier phases of the run
  long runTotal_ = 0;      // bytes of the whole run; 0: the loop is the run
};

} // namespace kv508
