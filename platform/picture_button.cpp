// The picture button's frame, its two looks and its clicks.
#include "platform/picture_button.h"

#include "platform/device_pixels.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kolvar {
namespace {

// The classic bevel: light above and left, dark below and right.
const QColor kBevelOuterLight(255, 255, 255);
const QColor kBevelInnerLight(224, 224, 224);
const QColor kBevelInnerDark(128, 128, 128);
const QColor kBevelOuterDark(48, 48, 48);
const QColor kFlatOutline(160, 120, 80);
constexpr qreal kFade = 0.55; // how far a faded picture goes towards the background

} // namespace

PictureButton::PictureButton(QWidget* parent, QColor background)
    : QAbstractButton(parent), background_(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QImage& picture)
{
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    resize(sizeHint());
    update();
}

// The picture's size in the button's pixels, a part pixel counted whole,
// and the frame round it.
QSize PictureButton::sizeHint() const
{
    const qreal ratio = picture_.isNull() ? 1 : picture_.devicePixelRatio();
    return QSize(static_cast<int>(std::ceil(picture_.width() / ratio)),
                 static_cast<int>(std::ceil(picture_.height() / ratio))) +
           QSize(2 * border_, 2 * border_);
}

void PictureButton::setBorderWidth(int width)
{
    border_ = width;
    resize(sizeHint());
    update();
}

void PictureButton::setFadedWhenFlat(bool faded)
{
    fadedWhenFlat_ = faded;
    update();
}

// In device pixels: the frame, the picture from the device pixel nearest to
// the frame's inner corner, the background where it does not reach, and the
// fading over them. The frame ends where the picture begins, so neither
// covers the other.
void PictureButton::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const DevicePainting device(p);
    const QPoint origin = device.at(QPointF(border_, border_));
    const QRect client(origin,
                       device.at(QPointF(width() - border_, height() - border_)) - QPoint(1, 1));
    if (border_ > 0) {
        const QPoint corner = device.at({0, 0});
        const int outer = device.at(QPointF(std::max(1, border_ / 2), 0)).x() - corner.x();
        paintFrame(p, QRect(corner, device.at(QPointF(width(), height())) - QPoint(1, 1)), client,
                   std::clamp(outer, 1, origin.x() - corner.x()));
    }
    for (const QRect& area : device.dirty(*event, client)) {
        PaintOneToOne(p, picture_, origin, area, background_);
        if (fadedWhenFlat_ && !isChecked()) {
            p.save();
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setOpacity(kFade);
            p.fillRect(area, background_);
            p.restore();
        }
    }
}

// The frame fills `box` around `client`: an outer ring `outer` device pixels
// wide, and an inner one out to the client area. A flat button shows a thin
// outline, a raised one the classic two-tone bevel, light above and left,
// dark below and right. It is drawn on whole device pixels here rather than
// by Qt's shaded panel, which rounds each ring from the widget's own origin:
// on a screen of 1.25 or 1.5 device pixels per logical one that origin lies
// between device pixels, and the bevel would part from the picture.
void PictureButton::paintFrame(QPainter& p, const QRect& box, const QRect& client, int outer) const
{
    const bool raised = isChecked();
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

// Only the left button presses the button; a press of another is taken
// here, so that it neither clicks the button nor reaches the table under it.
void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(event);
}

// The owner sets the check after a click, by its own rules.
void PictureButton::nextCheckState() {}

} // namespace kolvar
