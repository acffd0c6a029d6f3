#pragma once

// Text fields that take only some characters. A validator sees typed, pasted
// and dropped text alike, so one filter covers all three: characters outside
// the set are dropped and the rest is kept. The filter also keeps the length:
// a line edit's own maximum would cut a paste before its disallowed
// characters are dropped, losing allowed ones.

#include <QValidator>

class QLineEdit;

namespace kv508::ui {

class CharFilter : public QValidator {
public:
  // maxLength 0 for none.
  CharFilter(QString allowed, int maxLength, QObject *parent);
  State validate(QString &input, int &pos) const override;

private:
  QString allowed_;
  int maxLength_;
};

// Characters a name stored in the radio may hold.
extern const QString kNameAlphabet;
// Status names: the name alphabet without the comma.
extern const QString kStatusNameChars;
extern const QString kDigits;
// The expansion channel display: digits and the letters a seven-segment
// display can show, in exactly these cases.
extern const QString kChannelDisplayChars;

// Sets the filter and the maximum length (0 for none) of a line edit.
void Restrict(QLineEdit *edit, const QString &allowed, int maxLength);

} // namespace kv508::ui
