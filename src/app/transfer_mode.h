#pragma once

// What one opening of the transfer dialog does: read the radio, program it or
// clear one of its memory areas. The editor's clear buttons name these too.

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

} // namespace kv508
