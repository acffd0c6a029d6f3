#pragma once

// The program's pictures: SVG drawn at the size and pixel ratio they are
// shown at, so they stay sharp at any scale. Lines written as currentColor
// take the palette's text colour of the moment (softened towards the window),
// so outlines read on light and on dark backgrounds.

#include <QIcon>
#include <QLabel>
#include <QPalette>

namespace kv508::ui {

// The ink of a picture's lines on a background of `palette`'s window colour.
QColor PictureInk(const QPalette &palette, QPalette::ColorGroup group = QPalette::Active);

// The resource's SVG text with currentColor replaced by `ink`.
QByteArray InkedSvg(const QString &resource, const QColor &ink);

// An icon drawn from the resource at every size and pixel ratio asked for,
// in the application palette's ink; disabled, faded.
QIcon SvgIcon(const QString &resource);

// A picture label of the given size drawn from the resource.
QLabel *SvgPicture(QWidget *parent, const char *objectName, const QString &resource, QSize size);

} // namespace kv508::ui
