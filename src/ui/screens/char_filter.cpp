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

CharFilter::CharFilter(QString allowed, int maxLength, QObject *parent)
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
  // What was just typed, pasted or dropped ends at the cursor: too long, it
  // loses its own end, as a full field refuses the next key.
  const qsizetype excess = maxLength_ > 0 ? kept.size() - maxLength_ : 0;
  if (excess > 0) {
    const int cut = static_cast<int>(std::min<qsizetype>(excess, keptBeforeCursor));
    kept.remove(keptBeforeCursor - cut, cut);
    keptBeforeCursor -= cut;
  }
  input = kept;
  pos = keptBeforeCursor;
  return Acceptable;
}

void Restrict(QLineEdit *edit, const QString &allowed, int maxLength) {
  edit->setValidator(new CharFilter(allowed, maxLength, edit));
}

} // namespace kv508::ui
