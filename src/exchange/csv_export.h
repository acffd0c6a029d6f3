#pragma once

#include "exchange/exchange_values.h"

#include <string>

namespace kv508 {

// The list as a CSV file: the header of ExchangeColumns and one row per
// directory entry in use, per expansion channel (1 to 64) or per plan channel
// of the three banks, enabled or not, so that an import puts back every value.
std::string ExportCsv(const RadioSettings &settings, ExchangeKind kind);

} // namespace kv508
