#include "ui/screens/char_filter.h"

#include <QLineEdit>

#include <algorithm>

namespace kv508::ui {

CharFilter::CharFilter(QString allowed, QObject *parent, int maxLength)
    : QValidator(parent), allowed_(std::move(allowed)), maxLength_(maxLength) {}

QValidator::State CharFilter::validate(QString &input, int &pos) const {
  const qsizetype shorter = std::min(shown_.size(), input.size());
  qsizetype head = 0;
  while (head < shorter && shown_[head] == input[head])
    ++head;
  qsizetype tail = 0;
  while (tail < shorter - head &&
         shown_[shown_.size() - 1 - tail] == input[input.size() - 1 - tail])
    ++tail;
  const qsizetype putIn = input.size() - head - tail;
  if (putIn > 0) {
    QString kept;
    for (qsizetype i = head; i < head + putIn; ++i) {
      if (allowed_.contains(input[i]))
        kept += input[i];
    }
    if (maxLength_ > 0) {
      const qsizetype room = std::max<qsizetype>(0, maxLength_ - (head + tail));
      kept.truncate(room);
    }
    input = input.left(head) + kept + input.right(tail);
    pos = static_cast<int>(head + kept.size());
  }
  shown_ = input;
  return Acceptable;
}

void Restrict(QLineEdit *edit, std::string_view allowed, int maxLength) {
  const QValidator *previous = edit->validator();
  auto *filter = new CharFilter(
      QString::fromLatin1(allowed.data(), static_cast<qsizetype>(allowed.size())), edit, maxLength);
  filter->Accept(edit->text());
  edit->setValidator(filter);
  if (previous && previous->parent() == edit)
    delete previous;
}

int RestrictedLength(const QLineEdit *edit) {
  const auto *filter = dynamic_cast<const CharFilter *>(edit->validator());
  return filter ? filter->MaxLength() : 0;
}

void ShowText(QLineEdit *edit, const QString &text) {
  if (const auto *filter = dynamic_cast<const CharFilter *>(edit->validator()))
    filter->Accept(text);
  edit->setText(text);
}

} // namespace kv508::ui
