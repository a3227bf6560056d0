// Painting an image on the screen pixel for pixel. A widget at a fractional
// device position (a logical pixel is 1.25 or 1.5 device pixels) still shows
// its image unscaled, from the device pixel nearest to its corner, and the
// mouse finds the image pixel it points at.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QMouseEvent;
class QPaintEvent;
class QPainter;
class QWidget;

namespace kolvar {

// A painter on `widget` set to paint in device pixels, and where the
// widget's logical point lands among them.
struct DevicePainting {
    explicit DevicePainting(QPainter& p);
    QPoint at(QPointF logical) const;
    // The parts of `event` to paint, in device pixels, within `area`, none twice.
    QRegion dirty(const QPaintEvent& event, const QRect& area) const;

    QTransform toDevice;
};

// Copies the image under `area` (device pixels) one image pixel to one
// device pixel, its first pixel at `origin`; where it does not reach (a
// widget grown since it was made, a part pixel) lies `background`.
void PaintOneToOne(QPainter& p, const QImage& image, QPoint origin, const QRect& area,
                   QColor background);

// The image pixel under the pointer, for an image painted from the device
// pixel nearest to the widget's corner. Qt hands a widget
// its mouse position rounded to whole logical pixels; the window's scene
// position keeps the fraction rounded away, a device pixel or more on a
// screen of high density.
QPoint ImagePixelAt(const QWidget& widget, const QMouseEvent& event);

} // namespace kolvar
