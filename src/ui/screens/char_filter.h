#pragma once

// Text fields that take only some characters. A validator sees typed, pasted
// and dropped text alike, so one filter covers all three: characters outside
// the set are dropped and the rest is kept.

#include <QValidator>

class QLineEdit;

namespace kv508::ui {

class CharFilter : public QValidator {
public:
  CharFilter(QString allowed, QObject *parent);
  State validate(QString &input, int &pos) const override;

private:
  QString allowed_;
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
