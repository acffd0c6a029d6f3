#include "ui/hex_dump.h"

#include <QFontDatabase>
#include <QListWidget>

namespace kv508::ui {

namespace {
QString Hex2(int value) {
  return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QStringList HexDumpLines(const MemoryImage &image) {
  QStringList lines;
  lines.reserve(kImageSize / 16 + 2);
  QString header = QStringLiteral("      ");
  QString rule = QStringLiteral(" ---- ");
  for (int c = 0; c < 16; ++c) {
    header += QLatin1Char(' ') + Hex2(c);
    rule += QStringLiteral(" --");
  }
  lines << header << rule;
  for (int a = 0; a < kImageSize; a += 16) {
    QString line = QStringLiteral(" %1:").arg(a, 4, 16, QLatin1Char('0')).toUpper();
    for (int i = 0; i < 16; ++i)
      line += QLatin1Char(' ') + Hex2(image[static_cast<std::size_t>(a + i)]);
    lines << line;
  }
  return lines;
}
} // namespace

void FillHexDump(QListWidget &list, const MemoryImage &image) {
  list.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list.setUniformItemSizes(true);
  list.clear();
  list.addItems(HexDumpLines(image));
}

} // namespace kv508::ui
