#include "ui/report_printer.h"

#include "ui/ui_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <optional>

namespace kv508::ui {

namespace {

QString PageNumberText(int page, int pages) {
  return QStringLiteral("page %1 of %2").arg(page).arg(pages);
}

QFont ReportFont() {
  QFont font;
  font.setPointSizeF(9.0);
  return font;
}

// Lays the report out page by page; without a painter it only counts the pages.
class PagePen {
public:
  PagePen(QPagedPaintDevice &device, QPainter *painter) : device_(device), painter_(painter) {
    dotsPerMm_ = device.logicalDpiX() / 25.4;
    const QFontMetricsF metrics(ReportFont(), &device);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    pageHeight_ = device.height();
    // The running line and a blank line sit above the report's own top.
    top_ = 2 * lineHeight_;
    y_ = top_;
  }

  void SetHeader(const RunningHeader &header, int pages) {
    header_ = header;
    pages_ = pages;
    DrawRunningLine();
  }
  int Pages() const { return page_; }

  void NewPage() {
    ++page_;
    if (painter_) {
      device_.newPage();
      DrawRunningLine();
    }
    y_ = top_;
  }
  void MoveToMm(double mm) { y_ = top_ + mm * dotsPerMm_; }

  void Print(const ReportLine &line) {
    if (y_ + lineHeight_ > pageHeight_ && y_ > top_)
      NewPage();
    if (painter_) {
      for (const ReportField &field : line.fields) {
        if (!field.printed)
          continue;
        const double x = (field.xMm + kPrintLeftMarginMm) * dotsPerMm_;
        painter_->drawText(QPointF(x, y_ + ascent_), ToQt(field.printText));
      }
    }
    y_ += lineHeight_;
  }

private:
  void DrawRunningLine() {
    if (!painter_)
      return;
    const double left = kPrintLeftMarginMm * dotsPerMm_;
    const QRectF line(left, 0, device_.width() - 2 * left, lineHeight_);
    painter_->drawText(line, Qt::AlignLeft | Qt::AlignTop, header_.date);
    painter_->drawText(line, Qt::AlignHCenter | Qt::AlignTop, header_.source);
    painter_->drawText(line, Qt::AlignRight | Qt::AlignTop, PageNumberText(page_, pages_));
  }

  QPagedPaintDevice &device_;
  QPainter *painter_;
  RunningHeader header_;
  double dotsPerMm_ = 1.0;
  double lineHeight_ = 1.0;
  double ascent_ = 0.0;
  double pageHeight_ = 0.0;
  double top_ = 0.0;
  double y_ = 0.0;
  int page_ = 1;
  int pages_ = 1;
};

void Lay(const Report &report, PagePen &pen) {
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
} // namespace

bool PrintReport(const Report &report, QPagedPaintDevice &device, const RunningHeader &header) {
  PagePen counter(device, nullptr);
  Lay(report, counter);

  QPainter painter(&device);
  if (!painter.isActive())
    return false;
  painter.setFont(ReportFont());
  PagePen pen(device, &painter);
  pen.SetHeader(header, counter.Pages());
  Lay(report, pen);
  return painter.end();
}

} // namespace kv508::ui
