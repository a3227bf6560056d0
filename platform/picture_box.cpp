// The picture box's persistent image, its frame and its mouse events.
#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <qdrawutil.h>

namespace kolvar {
namespace {

// The classic bevel: light above and left, dark below and right.
const QColor kBevelOuterLight(255, 255, 255);
const QColor kBevelInnerLight(224, 224, 224);
const QColor kBevelInnerDark(128, 128, 128);
const QColor kBevelOuterDark(48, 48, 48);
const QColor kFlatOutline(160, 120, 80);
constexpr qreal kFade = 0.55; // how far a faded picture goes towards the background

// The device pixel nearest to a point (never left of or above the window's
// corner), half-way values going right and down.
QPoint nearestPixel(QPointF p)
{
    return p.toPoint();
}

} // namespace

PictureBox::PictureBox(QWidget* parent, QSize clientSize, QColor background, int borderWidth,
                       qreal ratio)
    : QWidget(parent), imageSize_(QSizeF(QSizeF(clientSize) * ratio).toSize()), ratio_(ratio),
      background_(background), border_(borderWidth)
{
    resize(clientSize + QSize(2 * border_, 2 * border_));
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

void PictureBox::setPicture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    imageSize_ = image_.size();
    ratio_ = image_.devicePixelRatio();
    blank_ = false;
    resize(sizeHint());
    update();
}

// The image's size in the box's pixels, a part pixel counted whole.
QSize PictureBox::shownSize() const
{
    return {static_cast<int>(std::ceil(imageSize_.width() / ratio_)),
            static_cast<int>(std::ceil(imageSize_.height() / ratio_))};
}

QSize PictureBox::sizeHint() const
{
    return shownSize() + QSize(2 * border_, 2 * border_);
}

void PictureBox::setBorderWidth(int width)
{
    border_ = width;
    resize(sizeHint());
    update();
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
    update(logical.toAlignedRect().adjusted(-1, -1, 1, 1).translated(border_, border_));
}

void PictureBox::paintOver(QPainter&, QPoint, const QRect&) {}

void PictureBox::SetAppearance(int look)
{
    look = look ? 1 : 0;
    if (look == appearance_)
        return;
    appearance_ = look;
    update();
}

void PictureBox::setFadedWhenFlat(bool faded)
{
    fadedWhenFlat_ = faded;
    update();
}

// In device pixels: the frame, the image from the device pixel nearest to
// the box's corner, the background where it does not reach, what is painted
// over the image, and the fading over them. The frame ends where the image begins, so neither
// covers the other.
void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QTransform toDevice = p.deviceTransform();
    auto device = [&](qreal x, qreal y) { return nearestPixel(toDevice.map(QPointF(x, y))); };
    const QPoint origin = device(border_, border_);
    const QRect client(origin, device(width() - border_, height() - border_) - QPoint(1, 1));
    p.setWorldTransform(toDevice.inverted()); // draw in device pixels
    if (border_ > 0) {
        const QPoint corner = device(0, 0);
        const int outer = device(std::max(1, border_ / 2), 0).x() - corner.x();
        paintFrame(p, QRect(corner, device(width(), height()) - QPoint(1, 1)), client,
                   std::clamp(outer, 1, origin.x() - corner.x()));
    }
    // The parts to paint in device pixels, none painted twice.
    QRegion dirty;
    for (const QRect& part : event->region())
        dirty += toDevice.mapRect(QRectF(part)).toAlignedRect() & client;
    for (const QRect& area : dirty) {
        paintImage(p, area, origin);
        p.save();
        p.setClipRect(area);
        paintOver(p, origin, area);
        p.restore();
        if (fadedWhenFlat_ && appearance_ == 0) {
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setOpacity(kFade);
            p.fillRect(area, background_);
            p.restore();
        }
    }
}

// Copies the image under `area` (device pixels) one image pixel to one
// device pixel, its first pixel at `origin`: a box at a fractional device
// position (a logical pixel is 1.5 device pixels) still shows the image
// unscaled, and the mouse finds the pixel it points at (imagePixelAt).
// Where the image does not reach (a client area grown since it was made, a
// part pixel) lies the background.
void PictureBox::paintImage(QPainter& p, const QRect& area, QPoint origin) const
{
    const QRect shown(origin, blank_ ? QSize() : image_.size());
    for (const QRect& r : QRegion(area) - shown)
        p.fillRect(r, background_);
    const QRect pixels = area & shown;
    if (!pixels.isEmpty())
        p.drawImage(pixels, image_, pixels.translated(-origin));
}

// The frame fills `box` around `client`: an outer ring `outer` device pixels
// wide, and an inner one out to the client area. A flat box shows a thin
// outline, a raised one the classic two-tone bevel, light above and left,
// dark below and right. It is drawn on whole device pixels here rather than
// by Qt's shaded panel, which rounds each ring from the widget's own origin:
// on a screen of 1.25 or 1.5 device pixels per logical one that origin lies
// between device pixels, and the bevel would part from the image.
void PictureBox::paintFrame(QPainter& p, const QRect& box, const QRect& client, int outer) const
{
    const bool raised = appearance_ == 1;
    // Light along the top and left of `outside`, dark along its bottom and
    // right, out to `inside`.
    auto bevel = [&](const QRect& outside, const QRect& inside, QColor light, QColor dark) {
        p.fillRect(QRect(outside.topLeft(), QPoint(outside.right(), inside.top() - 1)), light);
        p.fillRect(QRect(outside.topLeft(), QPoint(inside.left() - 1, outside.bottom())), light);
        p.fillRect(QRect(QPoint(outside.left(), inside.bottom() + 1), outside.bottomRight()), dark);
        p.fillRect(QRect(QPoint(inside.right() + 1, outside.top()), outside.bottomRight()), dark);
    };
    const QRect ring = box.adjusted(outer, outer, -outer, -outer);
    bevel(box, ring, raised ? kBevelOuterLight : kFlatOutline,
          raised ? kBevelOuterDark : kFlatOutline);
    bevel(ring, client, raised ? kBevelInnerLight : background_,
          raised ? kBevelInnerDark : background_);
}

// Qt hands a widget its mouse position rounded to whole logical pixels; the
// window's scene position keeps the fraction that was rounded away, which on
// a screen of high density is a device pixel or more.
QPoint PictureBox::imagePixelAt(const QMouseEvent& event) const
{
    const QPointF scene = event.scenePosition();
    const QPointF exact = event.position() + (scene - QPointF(scene.toPoint()));
    const QPointF offset = mapTo(window(), QPointF(0, 0));
    const qreal ratio = devicePixelRatioF();
    const QPointF device = (exact + offset) * ratio;
    const QPoint origin = nearestPixel((offset + QPointF(border_, border_)) * ratio);
    // A pointer on device pixel d reads d, or a hair below it after the
    // division by the ratio and back.
    constexpr qreal kHair = 1e-6;
    return QPoint(static_cast<int>(std::floor(device.x() + kHair)),
                  static_cast<int>(std::floor(device.y() + kHair))) -
           origin;
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(event->button(), event->modifiers(), imagePixelAt(*event));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace kolvar
