#pragma once

// Status-bar hints and help topics are properties of the widgets; the main
// window reads them when a widget gets the focus or F1 is pressed.

#include <QString>

class QWidget;

namespace kv508::ui {

// The hints of the kinds of widget, in the language in use.
QString ListHint();
QString CheckHint();
QString SelectionHint();
QString GridHint();

void SetHint(QWidget *widget, const QString &hint);
void SetHelpTopic(QWidget *widget, int topic);
// The widget's own hint, else the hint of its kind (lists, check boxes, grids);
// a null string when it has none.
QString HintFor(const QWidget *widget);
// The topic of the widget or of the nearest parent that has one; 0 for none.
int HelpTopicFor(const QWidget *widget);

} // namespace kv508::ui
