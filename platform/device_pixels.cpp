// Device pixels under a widget's painter and its mouse.
#include "platform/device_pixels.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <cmath>

namespace kolvar {

DevicePainting::DevicePainting(QPainter& p) : toDevice(p.deviceTransform())
{
    p.setWorldTransform(toDevice.inverted()); // paint in device pixels
}

QPoint DevicePainting::at(QPointF logical) const
{
    return toDevice.map(logical).toPoint();
}

QRegion DevicePainting::dirty(const QPaintEvent& event, const QRect& area) const
{
    QRegion parts;
    for (const QRect& part : event.region())
        parts += toDevice.mapRect(QRectF(part)).toAlignedRect() & area;
    return parts;
}

void PaintOneToOne(QPainter& p, const QImage& image, QPoint origin, const QRect& area,
                   QColor background)
{
    const QRect shown(origin, image.size());
    for (const QRect& r : QRegion(area) - shown)
        p.fillRect(r, background);
    const QRect pixels = area & shown;
    if (!pixels.isEmpty())
        p.drawImage(pixels, image, pixels.translated(-origin));
}

QPoint ImagePixelAt(const QWidget& widget, const QMouseEvent& event)
{
    const QPointF scene = event.scenePosition();
    const QPointF exact = event.position() + (scene - QPointF(scene.toPoint()));
    const QPointF offset = widget.mapTo(widget.window(), QPointF(0, 0));
    const qreal ratio = widget.devicePixelRatioF();
    const QPointF device = (exact + offset) * ratio;
    const QPoint origin = (offset * ratio).toPoint();
    // A pointer on device pixel d reads d, or a hair below it after the
    // division by the ratio and back.
    constexpr qreal kHair = 1e-6;
    return QPoint(static_cast<int>(std::floor(device.x() + kHair)),
                  static_cast<int>(std::floor(device.y() + kHair))) -
           origin;
}

} // namespace kolvar
