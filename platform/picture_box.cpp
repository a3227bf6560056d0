// The picture box's persistent image and its mouse-down.
#include "platform/picture_box.h"

#include "platform/device_pixels.h"

#include <QMouseEvent>
#include <QPainter>

namespace kolvar {

PictureBox::PictureBox(QWidget* parent, QSize clientSize, QColor background, qreal ratio)
    : QWidget(parent), imageSize_(QSizeF(QSizeF(clientSize) * ratio).toSize()), ratio_(ratio),
      background_(background)
{
    resize(clientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
}

QImage& PictureBox::image()
{
    if (blank_) {
        if (image_.size() != imageSize_ || image_.devicePixelRatio() != ratio_) {
            image_ = QImage(imageSize_, QImage::Format_RGB32);
            image_.setDevicePixelRatio(ratio_);
        }
        image_.fill(background_);
        blank_ = false;
    }
    return image_;
}

void PictureBox::resizeImage(QSize clientSize, qreal ratio)
{
    imageSize_ = QSizeF(QSizeF(clientSize) * ratio).toSize();
    ratio_ = ratio;
    image_ = QImage();
    blank_ = true;
    update();
}

void PictureBox::Clear()
{
    blank_ = true;
}

void PictureBox::Refresh()
{
    update();
}

void PictureBox::refreshArea(const QRect& area)
{
    const QRectF logical(QPointF(area.topLeft()) / ratio_, QSizeF(area.size()) / ratio_);
    // A pixel more on each side covers the rounding of the box's corner.
    update(logical.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PictureBox::paintOver(QPainter&, QPoint, const QRect&) {}

// In device pixels: the image from the device pixel nearest to the box's
// corner, the background where it does not reach, and what is painted over
// the image.
void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const DevicePainting device(p);
    const QPoint origin = device.at({0, 0});
    const QRect client(origin, device.at(QPointF(width(), height())) - QPoint(1, 1));
    for (const QRect& area : device.dirty(*event, client)) {
        PaintOneToOne(p, blank_ ? QImage() : image_, origin, area, background_);
        p.save();
        p.setClipRect(area);
        paintOver(p, origin, area);
        p.restore();
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->modifiers(), ImagePixelAt(*this, *event));
}

} // namespace kolvar
