#include "ui/screens/char_filter.h"

#include <QLineEdit>

namespace kv508::ui {

const QString kDigits = QStringLiteral("0123456789");
const QString kNameAlphabet =
    kDigits + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/, ");
const QString kStatusNameChars =
    kDigits + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ");
const QString kChannelDisplayChars = kDigits + QStringLiteral("AbCdEFGHIJLMnoPqrStUy");

CharFilter::CharFilter(QString allowed, QObject *parent)
    : QValidator(parent), allowed_(std::move(allowed)) {}

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
  input = kept;
  pos = keptBeforeCursor;
  return Acceptable;
}

void Restrict(QLineEdit *edit, const QString &allowed, int maxLength) {
  edit->setValidator(new CharFilter(allowed, edit));
  if (maxLength > 0)
    edit->setMaxLength(maxLength);
}

} // namespace kv508::ui
