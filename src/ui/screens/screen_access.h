#pragma once

// What a screen needs for keyboard and screen-reader use, worked out from its
// layout rather than written into every screen: each label in front of a
// control becomes that control's buddy with an Alt+letter of its own, each
// control gets a name and a description, and Tab follows the screen's
// reading order.

#include <QString>

class QWidget;

namespace kv508::ui {

// The controls Tab stops at, in reading order: top to bottom, left to right,
// a box or tab page as a whole before the next.
QList<QWidget *> ReadingOrder(QWidget *panel);

// Pairs labels with the control right of them, names controls after their label, caption or step
// name and describes them with their hint. Runs after every fill, since fills may set captions
// anew.
void NameControls(QWidget *panel);

// Gives every label with a buddy an Alt+letter not used by `reserved` (the
// menu bar's) nor by another label of the same page. Runs again after a fill,
// since fills may set captions anew.
void AssignMnemonics(QWidget *panel, const QString &reserved);

// Tab goes from `before` (the tree) through the panel in reading order; from
// the last control it comes back to `before`.
void OrderTabs(QWidget *panel, QWidget *before);

// The same for a dialog, whose buttons keep their own Alt+letters; and for
// every dialog of the application when it first shows.
void MakeAccessible(QWidget *dialog);
void WatchDialogs();

// The name a control's changes are undone by; what a label in front of it
// adds is said before it.
void SetStepName(QWidget *control, const QString &name);

// A label's text without its mnemonic marks.
QString PlainText(const QString &text);

} // namespace kv508::ui
