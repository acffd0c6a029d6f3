#pragma once

// What one opening of the transfer dialog does: read the radio, program it,
// clear one of its memory areas, compare it with the data or program only what
// differs. The editor's clear buttons name these too.

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
  // Reads the radio for Compare with Radio, leaving the data as they are.
  kTransferCompare = 10,
  // Reads the radio, then writes only the blocks the data change.
  kTransferProgramChanges = 11,
};

} // namespace kv508
