#pragma once

// Plain coloured areas (the empty screen, the progress bar, the splitter's drag
// bar) and the marks that show whether something applies. Both take their
// colours from the palette, so they follow a change between light and dark.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kv508::ui {

// A mark that does not apply: a grey that reads on light and on dark backgrounds.
inline const QColor kUnlitMark(0x80, 0x80, 0x80);

inline void FillSolid(QWidget *widget, QPalette::ColorRole role) {
  widget->setAutoFillBackground(true);
  widget->setBackgroundRole(role);
}

// Lit: the palette's text colour (WindowText follows the window); unlit: kUnlitMark.
inline void ShowLit(QWidget *widget, bool lit) {
  QPalette palette; // no role set: every colour comes from the parent
  if (!lit)
    palette.setColor(QPalette::WindowText, kUnlitMark);
  widget->setPalette(palette);
}

} // namespace kv508::ui
