#pragma once

// Text fields that take only some characters. A validator sees typed, pasted
// and dropped text alike, so one filter covers all three. It filters only what
// the user has just put in (the part between the unchanged start and end of
// the text as it was): a text shown from the data stays as stored, however
// long and whatever it holds. The filter also holds the length limit:
// QLineEdit's own limit cuts a paste before the filter sees it, so
// "316 000 001" would lose digits.

#include <QValidator>

#include <string_view>

class QLineEdit;

namespace kv508::ui {

class CharFilter : public QValidator {
public:
  // maxLength 0: no limit. What was put in beyond the limit is cut.
  CharFilter(QString allowed, QObject *parent, int maxLength = 0);
  State validate(QString &input, int &pos) const override;
  int MaxLength() const { return maxLength_; }
  // The field is about to show this text from the data: it passes as it is.
  void Accept(const QString &text) const { shown_ = text; }

private:
  QString allowed_;
  int maxLength_;
  mutable QString shown_; // the text as it was before the edit being validated
};

// Sets the filter and the maximum length (0 for none) of a line edit; a second
// call replaces the first.
void Restrict(QLineEdit *edit, std::string_view allowed, int maxLength);
// The length limit Restrict set (0 for none).
int RestrictedLength(const QLineEdit *edit);
// Shows a text from the data: the filter leaves it as it is.
void ShowText(QLineEdit *edit, const QString &text);

} // namespace kv508::ui
