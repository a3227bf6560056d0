// Rounding the design onto device pixels through the painter's transform.
#include "artwork/pixel_grid.h"

#include "game/table.h"

#include <QPainter>
#include <cmath>

namespace kolvar::artwork {

int nearestPixel(qreal v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

int deviceLength(int length, qreal scale)
{
    return nearestPixel(length * scale);
}

QSize cardSize(qreal scale)
{
    // A product a hair above a whole number is that number.
    auto cover = [scale](int length) { return static_cast<int>(std::ceil(length * scale - 1e-9)); };
    return {cover(kCardWidth), cover(kCardHeight)};
}

void scaleDesignTo(QPainter& p, QSizeF design, QSize device)
{
    if (device.width() != design.width() || device.height() != design.height())
        p.scale(device.width() / design.width(), device.height() / design.height());
}

QRect devicePixels(const QPainter& p, const QRectF& r)
{
    const QRectF d = p.deviceTransform().mapRect(r);
    const QPoint topLeft(nearestPixel(d.left()), nearestPixel(d.top()));
    const QPoint end(nearestPixel(d.right()), nearestPixel(d.bottom()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QRectF fromDevice(const QPainter& p, const QRect& device)
{
    return p.deviceTransform().inverted().mapRect(QRectF(device));
}

QRectF onPixels(const QPainter& p, const QRectF& r)
{
    return fromDevice(p, devicePixels(p, r));
}

qreal onPixelRow(const QPainter& p, qreal x, qreal y)
{
    const QTransform& t = p.deviceTransform();
    QPointF d = t.map(QPointF(x, y));
    d.setY(nearestPixel(d.y()));
    return t.inverted().map(d).y();
}

void fillDevice(QPainter& p, const QRect& device, const QColor& colour)
{
    p.save();
    p.resetTransform();
    p.fillRect(device, colour);
    p.restore();
}

void fillHairline(QPainter& p, const QRect& device, const QColor& colour)
{
    const QRect& r = device;
    p.save();
    p.resetTransform();
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    p.restore();
}

void clipToDevice(QPainter& p, const QRect& device)
{
    const QTransform units = p.worldTransform();
    p.resetTransform();
    p.setClipRect(device);
    p.setWorldTransform(units);
}

} // namespace kolvar::artwork
