#pragma once

// The printed report: every field of the report model at its millimetre
// position, 10 mm in from the printable area, page headers and page breaks.

#include "report/report.h"

class QPagedPaintDevice;

namespace kv508::ui {

void PrintReport(const Report &report, QPagedPaintDevice &device);

} // namespace kv508::ui
