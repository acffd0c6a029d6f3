#include "cards/card_printer.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace kv508::cards {

namespace {

constexpr double kMarginMm = 4.0; // inside the device's printable area
constexpr double kGutterMm = 8.0;
constexpr double kCellGapMm = 3.5;
constexpr double kTitlePt = 24.0;
constexpr double kFooterPt = 9.0;
// Read at arm's length: the largest type that fits, never below the smallest.
constexpr double kLargestPt = 18.0;
constexpr double kSmallestPt = 8.0;
constexpr double kStepPt = 0.5;
constexpr double kContinuedPt = 10.0; // a card longer than a page
constexpr int kMostColumns = 3;

QString Text(const std::string &utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont Font(double pt, bool bold) {
  QFont font;
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pt);
  font.setBold(bold);
  return font;
}

// One card laid out in a given type size and column count; without a painter
// it only measures.
class CardLayout {
public:
  // The columns end at `fill` (0 to 1) of the body's height, so that a card
  // that does not need it all can spread evenly over its columns.
  CardLayout(QPagedPaintDevice &device, const Card &card, const CardFooter &footer, double pt,
             int columns, double fill = 1.0)
      : device_(device), card_(card), footer_(footer), columns_(columns), body_(Font(pt, false)),
        bold_(Font(pt, true)), titles_(Font(std::max(7.0, pt * 0.75), true)),
        heading_(Font(pt * 1.1, true)) {
    mm_ = device.logicalDpiX() / 25.4;
    left_ = kMarginMm * mm_;
    right_ = device.width() - left_;
    top_ = kMarginMm * mm_;
    bottom_ = device.height() - kMarginMm * mm_;
    gap_ = kCellGapMm * mm_;
    rowHeight_ = Metrics(body_).lineSpacing() * 1.25;
    titleRowHeight_ = Metrics(titles_).lineSpacing() * 1.2;
    headingHeight_ = Metrics(heading_).lineSpacing() * 1.3;
    bodyTop_ = top_ + Metrics(Font(kTitlePt, true)).lineSpacing() +
               Metrics(Font(kFooterPt + 2, false)).lineSpacing() + 4 * mm_;
    footerTop_ = bottom_ - Metrics(Font(kFooterPt, false)).lineSpacing() - 3 * mm_;
    bodyBottom_ = bodyTop_ + (footerTop_ - bodyTop_) * fill;
    y_ = bodyTop_;
    columnWidth_ = (right_ - left_ - (columns_ - 1) * kGutterMm * mm_) / columns_;
  }

  void Run(QPainter *painter) {
    painter_ = painter;
    DrawFrame();
    for (const CardTable &table : card_.tables) {
      if (table.rows.empty())
        continue;
      if (y_ > bodyTop_)
        y_ += rowHeight_ * 0.5;
      if (!table.heading.empty()) {
        Ensure(headingHeight_ + titleRowHeight_ + rowHeight_);
        Draw(heading_, Text(table.heading), ColumnX(), y_, headingHeight_);
        y_ += headingHeight_;
      }
      if (table.strip)
        Strip(table);
      else
        Table(table);
    }
  }

  bool TooWide() const { return tooWide_; }
  bool OnePage() const { return !tooWide_ && page_ == 1; }

private:
  QFontMetricsF Metrics(const QFont &font) const { return QFontMetricsF(font, &device_); }
  double Width(const QFont &font, const std::string &text) const {
    return Metrics(font).horizontalAdvance(Text(text));
  }
  double ColumnX() const { return left_ + column_ * (columnWidth_ + kGutterMm * mm_); }

  // Text vertically centred in a band of the given height.
  void Draw(const QFont &font, const QString &text, double x, double y, double height,
            Qt::Alignment align = Qt::AlignLeft) {
    if (!painter_)
      return;
    painter_->setFont(font);
    const QFontMetricsF m = Metrics(font);
    const double baseline = y + (height - m.ascent() - m.descent()) / 2 + m.ascent();
    if (align & Qt::AlignRight)
      x -= m.horizontalAdvance(text);
    else if (align & Qt::AlignHCenter)
      x -= m.horizontalAdvance(text) / 2;
    painter_->drawText(QPointF(x, baseline), text);
  }

  void DrawFrame() {
    if (!painter_)
      return;
    const QFont title = Font(kTitlePt, true);
    const QFont subtitle = Font(kFooterPt + 2, false);
    const double titleHeight = Metrics(title).lineSpacing();
    Draw(title, Text(card_.title) + (page_ > 1 ? QStringLiteral(" (continued)") : QString()), left_,
         top_, titleHeight);
    painter_->setPen(QColor(0x44, 0x44, 0x44));
    Draw(subtitle, Text(card_.subtitle), left_, top_ + titleHeight,
         Metrics(subtitle).lineSpacing());
    painter_->setPen(QPen(Qt::black, 0.6 * mm_));
    const double rule = bodyTop_ - 1.5 * mm_;
    painter_->drawLine(QPointF(left_, rule), QPointF(right_, rule));
    painter_->setPen(QPen(Qt::black, 0.25 * mm_));
    const double footer = footerTop_ + 1.5 * mm_;
    painter_->drawLine(QPointF(left_, footer), QPointF(right_, footer));
    const QFont small = Font(kFooterPt, false);
    const double height = bottom_ - footer;
    Draw(small, footer_.source, left_, footer, height);
    Draw(small, Text(card_.legend), (left_ + right_) / 2, footer, height, Qt::AlignHCenter);
    Draw(small, footer_.date, right_, footer, height, Qt::AlignRight);
    painter_->setPen(Qt::black);
  }

  void NextColumn() {
    if (++column_ >= columns_) {
      column_ = 0;
      ++page_;
      if (painter_) {
        device_.newPage();
        DrawFrame();
      }
    }
    y_ = bodyTop_;
  }

  void Ensure(double height) {
    if (y_ + height > bodyBottom_ && y_ > bodyTop_)
      NextColumn();
  }

  std::vector<double> CellWidths(const CardTable &table) const {
    std::vector<double> widths(table.titles.size(), 0.0);
    for (std::size_t j = 0; j < table.titles.size(); ++j)
      widths[j] = Width(titles_, table.titles[j]);
    for (const auto &row : table.rows) {
      widths.resize(std::max(widths.size(), row.size()), 0.0);
      for (std::size_t j = 0; j < row.size(); ++j)
        widths[j] = std::max(widths[j], Width(j == 0 ? bold_ : body_, row[j]));
    }
    return widths;
  }

  void TitleRow(const CardTable &table, const std::vector<double> &widths) {
    if (table.titles.empty())
      return;
    if (painter_)
      painter_->setPen(QColor(0x44, 0x44, 0x44));
    double x = ColumnX();
    for (std::size_t j = 0; j < table.titles.size(); ++j) {
      Draw(titles_, Text(table.titles[j]), x, y_, titleRowHeight_);
      x += widths[j] + gap_;
    }
    if (painter_)
      painter_->setPen(Qt::black);
    y_ += titleRowHeight_;
  }

  void Table(const CardTable &table) {
    const std::vector<double> widths = CellWidths(table);
    double total = -gap_;
    for (double w : widths)
      total += w + gap_;
    if (total > columnWidth_)
      tooWide_ = true;
    Ensure(titleRowHeight_ + rowHeight_);
    TitleRow(table, widths);
    bool shaded = false;
    for (const auto &row : table.rows) {
      if (y_ + rowHeight_ > bodyBottom_) {
        NextColumn();
        TitleRow(table, widths);
        shaded = false;
      }
      if (painter_ && shaded && !table.titles.empty())
        painter_->fillRect(QRectF(ColumnX() - gap_ / 3, y_, total + gap_ * 2 / 3, rowHeight_),
                           QColor(0xEA, 0xEA, 0xEA));
      shaded = !shaded;
      double x = ColumnX();
      for (std::size_t j = 0; j < row.size(); ++j) {
        Draw(j == 0 ? bold_ : body_, Text(row[j]), x, y_, rowHeight_);
        x += widths[j] + gap_;
      }
      y_ += rowHeight_;
    }
  }

  // Label and value pairs, as many to a line as the column takes.
  void Strip(const CardTable &table) {
    double label = 0.0;
    double value = 0.0;
    for (const auto &row : table.rows) {
      label = std::max(label, Width(bold_, row.empty() ? std::string() : row[0]));
      value = std::max(value, Width(body_, row.size() > 1 ? row[1] : std::string()));
    }
    const double item = label + gap_ / 2 + value;
    if (item > columnWidth_)
      tooWide_ = true;
    const int perLine =
        std::max(1, static_cast<int>((columnWidth_ + 2 * gap_) / (item + 2 * gap_)));
    for (std::size_t i = 0; i < table.rows.size(); i += static_cast<std::size_t>(perLine)) {
      Ensure(rowHeight_);
      for (std::size_t k = i; k < std::min(table.rows.size(), i + perLine); ++k) {
        const double x = ColumnX() + static_cast<double>(k - i) * (item + 2 * gap_);
        const auto &row = table.rows[k];
        if (!row.empty())
          Draw(bold_, Text(row[0]), x, y_, rowHeight_);
        if (row.size() > 1)
          Draw(body_, Text(row[1]), x + label + gap_ / 2, y_, rowHeight_);
      }
      y_ += rowHeight_;
    }
  }

  QPagedPaintDevice &device_;
  const Card &card_;
  const CardFooter &footer_;
  int columns_;
  QFont body_, bold_, titles_, heading_;
  QPainter *painter_ = nullptr;
  double mm_ = 1.0, left_ = 0, right_ = 0, top_ = 0, bottom_ = 0, gap_ = 0;
  double rowHeight_ = 0, titleRowHeight_ = 0, headingHeight_ = 0;
  double bodyTop_ = 0, bodyBottom_ = 0, footerTop_ = 0, columnWidth_ = 0;
  double y_ = 0;
  int column_ = 0;
  int page_ = 1;
  bool tooWide_ = false;
};

struct Choice {
  double pt;
  int columns;
  double fill = 1.0;
};

bool FitsOnePage(QPagedPaintDevice &device, const Card &card, const CardFooter &footer,
                 const Choice &choice) {
  CardLayout layout(device, card, footer, choice.pt, choice.columns, choice.fill);
  layout.Run(nullptr);
  return layout.OnePage();
}

// The least height that still takes the card, so its columns come out even.
Choice Balanced(QPagedPaintDevice &device, const Card &card, const CardFooter &footer,
                Choice choice) {
  if (choice.columns == 1)
    return choice;
  double low = 0.0;
  double high = 1.0;
  for (int step = 0; step < 12; ++step) {
    Choice probe = choice;
    probe.fill = (low + high) / 2;
    (FitsOnePage(device, card, footer, probe) ? high : low) = probe.fill;
  }
  choice.fill = high;
  return choice;
}

Choice Choose(QPagedPaintDevice &device, const Card &card, const CardFooter &footer) {
  for (double pt = kLargestPt; pt >= kSmallestPt; pt -= kStepPt) {
    for (int columns = 1; columns <= kMostColumns; ++columns) {
      CardLayout layout(device, card, footer, pt, columns);
      layout.Run(nullptr);
      if (layout.OnePage())
        return Balanced(device, card, footer, {pt, columns});
      if (layout.TooWide())
        break; // more columns are narrower still
    }
  }
  // Longer than a page even in small type: two columns over several pages in
  // the largest type they take, or one column.
  for (double pt = kContinuedPt; pt >= kSmallestPt; pt -= kStepPt) {
    CardLayout layout(device, card, footer, pt, 2);
    layout.Run(nullptr);
    if (!layout.TooWide())
      return {pt, 2};
  }
  return {kContinuedPt, 1};
}

} // namespace

bool PrintCards(const std::vector<Card> &cards, QPagedPaintDevice &device,
                const CardFooter &footer) {
  QPainter painter(&device);
  if (!painter.isActive())
    return false;
  bool first = true;
  for (const Card &card : cards) {
    const Choice choice = Choose(device, card, footer);
    if (!first)
      device.newPage();
    first = false;
    CardLayout(device, card, footer, choice.pt, choice.columns, choice.fill).Run(&painter);
  }
  return painter.end();
}

QByteArray CardsPdf(const std::vector<Card> &cards, const CardFooter &footer,
                    QPageSize::PageSizeId paper) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(paper));
  writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  writer.setResolution(600);
  writer.setTitle(QStringLiteral("KV508 cards"));
  writer.setCreator(QStringLiteral("KV508"));
  if (!PrintCards(cards, writer, footer))
    return {};
  return bytes;
}

} // namespace kv508::cards
