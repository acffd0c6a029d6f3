#include "ui/report_printer.h"

#include "ui/ui_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kv508::ui {

namespace {

class PagePen {
public:
  explicit PagePen(QPagedPaintDevice &device) : device_(device), painter_(&device) {
    QFont font = painter_.font();
    font.setPointSizeF(9.0);
    painter_.setFont(font);
    dotsPerMm_ = device.logicalDpiX() / 25.4;
    const QFontMetricsF metrics(painter_.font(), &device);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    pageHeight_ = device.height();
  }

  bool Active() const { return painter_.isActive(); }

  void NewPage() {
    device_.newPage();
    y_ = 0;
  }
  void MoveToMm(double mm) { y_ = mm * dotsPerMm_; }

  void Print(const ReportLine &line) {
    if (y_ + lineHeight_ > pageHeight_ && y_ > 0)
      NewPage();
    for (const ReportField &field : line.fields) {
      if (!field.printed)
        continue;
      const double x = (field.xMm + kPrintLeftMarginMm) * dotsPerMm_;
      painter_.drawText(QPointF(x, y_ + ascent_), ToQt(field.printText));
    }
    y_ += lineHeight_;
  }

private:
  QPagedPaintDevice &device_;
  QPainter painter_;
  double dotsPerMm_ = 1.0;
  double lineHeight_ = 1.0;
  double ascent_ = 0.0;
  double pageHeight_ = 0.0;
  double y_ = 0.0;
};

} // namespace

void PrintReport(const Report &report, QPagedPaintDevice &device) {
  PagePen pen(device);
  if (!pen.Active())
    return;
  for (const ReportLine &line : report.lines) {
    if (!line.printed)
      continue;
    if (line.newPage)
      pen.NewPage();
    if (line.pageHeader)
      pen.MoveToMm(kPageHeaderTopMm);
    pen.Print(line);
  }
}

} // namespace kv508::ui
