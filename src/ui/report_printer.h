#pragma once

// The printed report: every field of the report model at its millimetre
// position, 10 mm in from the printable area, page headers and page breaks,
// and above everything on each page a running line with the date, where the
// data came from and "page N of M".

#include "report/report.h"

#include <QString>

class QPagedPaintDevice;

namespace kv508::ui {

struct RunningHeader {
  QString date;   // as the user's locale writes it
  QString source; // the file name, or "radio read"
};

// False when the device could not be painted on (a PDF that cannot be written).
bool PrintReport(const Report &report, QPagedPaintDevice &device, const RunningHeader &header);

} // namespace kv508::ui
