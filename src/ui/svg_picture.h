#pragma once

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace kv508::ui {

// A picture label drawn from one of the program's SVG resources.
inline QLabel *SvgPicture(QWidget *parent, const char *objectName, const QString &resource,
                          QSize size) {
  QPixmap pixmap(size * 2);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(2.0);
  auto *label = new QLabel(parent);
  label->setObjectName(QLatin1String(objectName));
  label->setPixmap(pixmap);
  label->setScaledContents(true);
  label->setFixedSize(size);
  return label;
}

} // namespace kv508::ui
