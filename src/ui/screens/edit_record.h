#pragma once

// Screens tell the undo history about a finished user action through this one
// call; the edit's name comes from the control.

class QWidget;
class QString;

namespace kv508 {
struct Session;
}

namespace kv508::ui {

// The "editName" property, else a check box's or radio button's text, else the
// text of the label whose buddy the control is; "&" and a trailing ":" dropped.
QString EditName(const QWidget *widget);

// Records a step for the change the user has just made with `widget`.
void RecordEdit(Session &session, const QWidget *widget);

} // namespace kv508::ui
