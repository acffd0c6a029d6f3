#pragma once

// The cards on paper: each card on one page of the device's paper, in the
// largest type that lets every row fit whole, in one to three columns. A card
// too long even for small type continues on further pages. The footer holds
// the file name, what the marks mean and the date.

#include "cards/card_content.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace kv508::cards {

struct CardFooter {
  QString date;
  QString source; // the file name, or "radio read"
};

// False when the device could not be painted on.
bool PrintCards(const std::vector<Card> &cards, QPagedPaintDevice &device,
                const CardFooter &footer);

// The cards as a PDF document; empty when it could not be made.
QByteArray CardsPdf(const std::vector<Card> &cards, const CardFooter &footer,
                    QPageSize::PageSizeId paper);

} // namespace kv508::cards
