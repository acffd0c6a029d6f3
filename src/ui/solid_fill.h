#pragma once

// Plain coloured areas: the empty screen, the progress bar, the splitter's drag bar.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kv508::ui {

inline void FillSolid(QWidget *widget, const QColor &colour) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
}

} // namespace kv508::ui
