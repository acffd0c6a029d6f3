#include "ui/svg_picture.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace kv508::ui {

namespace {

constexpr qreal kDisabledOpacity = 0.45;

void Render(QPainter &painter, const QRectF &bounds, const QString &resource, const QColor &ink) {
  QSvgRenderer renderer(InkedSvg(resource, ink));
  renderer.render(&painter, bounds);
}

class SvgIconEngine : public QIconEngine {
public:
  explicit SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

  void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override {
    const QPalette palette = QApplication::palette();
    const QColor ink = mode == QIcon::Selected   ? palette.color(QPalette::HighlightedText)
                       : mode == QIcon::Disabled ? PictureInk(palette, QPalette::Disabled)
                                                 : PictureInk(palette);
    painter->save();
    if (mode == QIcon::Disabled)
      painter->setOpacity(kDisabledOpacity);
    Render(*painter, rect, resource_, ink);
    painter->restore();
  }

  QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // `size` is in device pixels already.
  QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine *clone() const override { return new SvgIconEngine(resource_); }

private:
  QString resource_;
};

// Drawn anew on every paint: sharp at the screen's pixel ratio, and in the
// palette of the moment.
class SvgLabel : public QLabel {
public:
  SvgLabel(QWidget *parent, QString resource) : QLabel(parent), resource_(std::move(resource)) {}

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    Render(painter, contentsRect(), resource_, PictureInk(palette(), group));
  }

private:
  QString resource_;
};

} // namespace

QColor PictureInk(const QPalette &palette, QPalette::ColorGroup group) {
  const QColor text = palette.color(group, QPalette::WindowText);
  const QColor window = palette.color(group, QPalette::Window);
  const auto mix = [](int a, int b) { return (3 * a + b) / 4; };
  return QColor(mix(text.red(), window.red()), mix(text.green(), window.green()),
                mix(text.blue(), window.blue()));
}

QByteArray InkedSvg(const QString &resource, const QColor &ink) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  QByteArray svg = file.readAll();
  return svg.replace("currentColor", ink.name().toLatin1());
}

QIcon SvgIcon(const QString &resource) { return QIcon(new SvgIconEngine(resource)); }

QLabel *SvgPicture(QWidget *parent, const char *objectName, const QString &resource, QSize size) {
  auto *label = new SvgLabel(parent, resource);
  label->setObjectName(QLatin1String(objectName));
  label->setFixedSize(size);
  return label;
}

} // namespace kv508::ui
