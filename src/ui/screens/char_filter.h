#pragma once

// Text fields that take only some characters. A validator sees typed, pasted
// and dropped text alike, so one filter covers all three: characters outside
// the set are dropped and the rest is kept. The filter also holds the length
// limit: QLineEdit's own limit cuts a paste before the filter sees it, so
// "316 000 001" would lose digits.

#include <QValidator>

class QLineEdit;

namespace kv508::ui {

class CharFilter : public QValidator {
public:
  // maxLength 0: no limit. Text beyond the limit is cut from what was just
  // typed or pasted (the characters before the cursor).
  CharFilter(QString allowed, QObject *parent, int maxLength = 0);
  State validate(QString &input, int &pos) const override;
  int MaxLength() const { return maxLength_; }

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

// Sets the filter and the maximum length (0 for none) of a line edit; a second
// call replaces the first.
void Restrict(QLineEdit *edit, const QString &allowed, int maxLength);
// The length limit Restrict set (0 for none).
int RestrictedLength(const QLineEdit *edit);

} // namespace kv508::ui
