#pragma once

// The debug hex dump of the memory image: a header, a rule and one line per
// sixteen bytes.

#include "model/radio_data.h"

#include <QStringList>

class QListWidget;

namespace kv508::ui {

// Refills the list in a fixed-pitch font.
void FillHexDump(QListWidget &list, const MemoryImage &image);

} // namespace kv508::ui
