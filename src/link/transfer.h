#pragma once

// The operations of the transfer dialog: read, program and the clear modes,
// run behind Host so that the dialog, the command line and the tests share them.

#include "app/session.h"
#include "link/port.h"

#include <string>

namespace kv508 {

enum TransferModeValue : int {
  kTransferRead = 0,
  kTransferProgram = 1,
  kClearMmsi = 2,
  kClearDscLog = 3,
  kClearDistressLog = 4,
  kClearIndividual = 5,
  kClearGroup = 6,
  kClearWaypoint = 7,
  kClearDscTxLog = 8,
  kClearAll = 9,
};

// The dialog caption of a transfer mode; empty outside 0..9.
std::string TransferCaption(int mode);

struct TransferResult {
  bool connected = false;        // Connect succeeded
  bool succeeded = false;        // TransferSucceeded
  bool exchangeFailed = false;   // the dialog stays open when true
};

class Link; // protocol state: ExchangeFailed, CancelRequested, RetryCount

// The OK button: Connect, then the operation of the mode. The caller owns the
// port; CancelRequested may be set from Host::Yield through RequestCancel.
class TransferSession {
public:
  TransferSession(Session& session, Port& port);
  ~TransferSession();
  TransferResult Run(int mode);
  void RequestCancel();   // the Cancel button while Busy
  Link& link();

private:
  Session& session_;
  Port& port_;
  Link* link_;
};

} // namespace kv508
