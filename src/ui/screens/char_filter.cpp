#include "ui/screens/char_filter.h"

#include <QLineEdit>

#include <algorithm>

namespace kv508::ui {

const QString kDigits = QStringLiteral("0123456789");
const QString kNameAlphabet =
    kDigits + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/, ");
const QString kStatusNameChars =
    kDigits + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ");
const QString kChannelDisplayChars = kDigits + QStringLiteral("AbCdEFGHIJLMnoPqrStUy");

CharFilter::CharFilter(QString allowed, QObject *parent, int maxLength)
    : QValidator(parent), allowed_(std::move(allowed)), maxLength_(maxLength) {}

QValidator::State CharFilter::validate(QString &input, int &pos) const {
  QString kept;
  kept.reserve(input.size());
  int keptBeforeCursor = 0;
  for (qsizetype i = 0; i < input.size(); ++i) {
    if (!allowed_.contains(input[i]))
      continue;
    kept += input[i];
    if (i < pos)
      ++keptBeforeCursor;
  }
  if (maxLength_ > 0 && kept.size() > maxLength_) {
    const int cut = std::min(static_cast<int>(kept.size()) - maxLength_, keptBeforeCursor);
    kept.remove(keptBeforeCursor - cut, cut);
    keptBeforeCursor -= cut;
    kept.truncate(maxLength_);
  }
  input = kept;
  pos = std::min(keptBeforeCursor, static_cast<int>(kept.size()));
  return Acceptable;
}

void Restrict(QLineEdit *edit, const QString &allowed, int maxLength) {
  const QValidator *previous = edit->validator();
  edit->setValidator(new CharFilter(allowed, edit, maxLength));
  if (previous && previous->parent() == edit)
    delete previous;
}

int RestrictedLength(const QLineEdit *edit) {
  const auto *filter = dynamic_cast<const CharFilter *>(edit->validator());
  return filter ? filter->MaxLength() : 0;
}

} // namespace kv508::ui
