#include "ui/screens/widget_props.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QVariant>

namespace kv508::ui {

namespace {
constexpr char kHintProperty[] = "hint";
constexpr char kHelpTopicProperty[] = "helpTopic";
} // namespace

QString ListHint() {
  return QCoreApplication::translate("WidgetProps", "[Up]/[Down]:Change of a Selection item.");
}
QString CheckHint() {
  return QCoreApplication::translate("WidgetProps", "[Space]:An effective and invalid change.");
}
QString SelectionHint() {
  return QCoreApplication::translate("WidgetProps",
                                     "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
}
QString GridHint() {
  return QCoreApplication::translate("WidgetProps",
                                     "[Double click],[Enter]:Jump the Setting screen.");
}

void SetHint(QWidget *widget, const QString &hint) {
  widget->setProperty(kHintProperty, hint);
  widget->setAccessibleDescription(hint);
}

void SetHelpTopic(QWidget *widget, int topic) { widget->setProperty(kHelpTopicProperty, topic); }

QString HintFor(const QWidget *widget) {
  if (!widget)
    return {};
  const QVariant own = widget->property(kHintProperty);
  if (own.isValid())
    return own.toString();
  if (qobject_cast<const QComboBox *>(widget))
    return ListHint();
  if (qobject_cast<const QCheckBox *>(widget))
    return CheckHint();
  if (qobject_cast<const QAbstractItemView *>(widget))
    return GridHint();
  return {};
}

int HelpTopicFor(const QWidget *widget) {
  for (const QWidget *w = widget; w; w = w->parentWidget()) {
    const QVariant topic = w->property(kHelpTopicProperty);
    if (topic.isValid())
      return topic.toInt();
  }
  return 0;
}

} // namespace kv508::ui
