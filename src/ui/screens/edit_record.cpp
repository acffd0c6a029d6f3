#include "ui/screens/edit_record.h"

#include "app/session.h"
#include "ui/ui_text.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QVariant>

namespace kv508::ui {

namespace {
QString Plain(QString text) {
  text.remove(QLatin1Char('&'));
  text = text.simplified();
  if (text.endsWith(QLatin1Char(':')))
    text.chop(1);
  return text.trimmed();
}

QString LabelText(const QLayoutItem *item) {
  const auto *label = item ? qobject_cast<const QLabel *>(item->widget()) : nullptr;
  return label ? Plain(label->text()) : QString();
}

// The label placed before the control in its row of a layout.
QString RowLabel(const QLayout *layout, const QWidget *widget) {
  if (!layout)
    return {};
  const int index = layout->indexOf(widget);
  if (index >= 0) {
    if (const auto *form = qobject_cast<const QFormLayout *>(layout)) {
      const auto *label =
          qobject_cast<const QLabel *>(form->labelForField(const_cast<QWidget *>(widget)));
      return label ? Plain(label->text()) : QString();
    }
    if (const auto *grid = qobject_cast<const QGridLayout *>(layout)) {
      int row = 0, column = 0, rows = 0, columns = 0;
      grid->getItemPosition(index, &row, &column, &rows, &columns);
      for (int c = column - 1; c >= 0; --c) {
        if (const QLayoutItem *item = grid->itemAtPosition(row, c))
          return LabelText(item);
      }
      return {};
    }
    if (qobject_cast<const QBoxLayout *>(layout) && index > 0)
      return LabelText(layout->itemAt(index - 1));
    return {};
  }
  for (int i = 0; i < layout->count(); ++i) {
    if (const QLayout *inner = layout->itemAt(i)->layout()) {
      const QString text = RowLabel(inner, widget);
      if (!text.isEmpty())
        return text;
    }
  }
  return {};
}
} // namespace

QString EditName(const QWidget *widget) {
  if (!widget)
    return {};
  const QVariant name = widget->property("editName");
  if (name.isValid())
    return name.toString();
  if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
      button && button->isCheckable() && !button->text().isEmpty())
    return Plain(button->text());
  // The labels of a panel are its siblings or its parent's children.
  for (const QWidget *scope = widget->parentWidget(); scope; scope = scope->parentWidget()) {
    const auto labels = scope->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
      if (label->buddy() == widget)
        return Plain(label->text());
    }
    if (scope->isWindow())
      break;
  }
  return widget->parentWidget() ? RowLabel(widget->parentWidget()->layout(), widget) : QString();
}

void RecordEdit(Session &session, const QWidget *widget) {
  if (session.editor.RecordEdit)
    session.editor.RecordEdit(FromQt(EditName(widget)),
                              widget ? FromQt(widget->objectName()) : std::string());
}

} // namespace kv508::ui
