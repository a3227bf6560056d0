// The picture box's persistent image, its frame and its mouse events.
#include "platform/picture_box.h"

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

PictureBox::PictureBox(QWidget* parent, QSize clientSize, QColor background, int borderWidth,
                       qreal ratio)
    : QWidget(parent), image_(QSizeF(QSizeF(clientSize) * ratio).toSize(), QImage::Format_RGB32),
      background_(background), border_(borderWidth)
{
    image_.setDevicePixelRatio(ratio);
    image_.fill(background_);
    resize(clientSize + QSize(2 * border_, 2 * border_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
}

void PictureBox::setPicture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    resize(sizeHint());
    update();
}

// The image's size in the box's pixels, a part pixel counted whole.
QSize PictureBox::shownSize() const
{
    const qreal ratio = image_.devicePixelRatio();
    return {static_cast<int>(std::ceil(image_.width() / ratio)),
            static_cast<int>(std::ceil(image_.height() / ratio))};
}

QSize PictureBox::sizeHint() const
{
    return shownSize() + QSize(2 * border_, 2 * border_);
}

void PictureBox::Clear()
{
    image_.fill(background_);
}

void PictureBox::Refresh()
{
    update();
}

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

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect client(QPoint(border_, border_), shownSize());
    // Around the image (a client area grown since the image was made) lies
    // the background colour.
    const QRegion outside = QRegion(rect().adjusted(border_, border_, -border_, -border_)) - client;
    for (const QRect& r : outside & event->region())
        p.fillRect(r, background_);
    const QRect dirty = event->rect() & client;
    if (!dirty.isEmpty())
        paintImage(p, dirty);
    if (fadedWhenFlat_ && appearance_ == 0) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setOpacity(kFade);
        p.fillRect(dirty, background_);
        p.setOpacity(1.0);
        p.setCompositionMode(QPainter::CompositionMode_Source);
    }
    if (border_ > 0)
        paintFrame(p);
}

// Copies the image under `dirty` (in the box's pixels) one image pixel to
// one device pixel: the part copied is widened to whole image pixels and put
// where they fall.
void PictureBox::paintImage(QPainter& p, const QRect& dirty) const
{
    const qreal ratio = image_.devicePixelRatio();
    const QPointF corner(border_, border_);
    if (ratio == 1) {
        p.drawImage(dirty.topLeft(), image_, dirty.translated(-border_, -border_));
        return;
    }
    if (shownSize() * ratio != image_.size())
        p.fillRect(dirty, background_); // under the part pixel the image leaves
    const QRectF part(QPointF(dirty.topLeft()) - corner, QSizeF(dirty.size()));
    const QRect pixels =
        QRectF(part.topLeft() * ratio, part.size() * ratio).toAlignedRect() & image_.rect();
    p.drawImage(QRectF(QPointF(pixels.topLeft()) / ratio + corner, QSizeF(pixels.size()) / ratio),
                image_, QRectF(pixels));
}

// The frame is two rings around the client area, the outer one half the
// border wide (a pixel at least), the inner one the rest: a flat box shows a
// thin outline, a raised one the classic two-tone bevel.
void PictureBox::paintFrame(QPainter& p) const
{
    const int w = width(), h = height();
    const int outer = std::max(1, border_ / 2);
    auto ring = [&](int inset, int t, QColor light, QColor dark) {
        p.fillRect(inset, inset, w - 2 * inset, t, light);
        p.fillRect(inset, inset, t, h - 2 * inset, light);
        p.fillRect(inset, h - t - inset, w - 2 * inset, t, dark);
        p.fillRect(w - t - inset, inset, t, h - 2 * inset, dark);
    };
    const bool raised = appearance_ == 1;
    ring(0, outer, raised ? kBevelOuterLight : kFlatOutline,
         raised ? kBevelOuterDark : kFlatOutline);
    if (border_ > outer)
        ring(outer, border_ - outer, raised ? kBevelInnerLight : background_,
             raised ? kBevelInnerDark : background_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position() - QPointF(border_, border_);
    pressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(event->button(), event->modifiers(), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
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
