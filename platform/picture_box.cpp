// The picture box's persistent image, its frame and its mouse events.
#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

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

PictureBox::PictureBox(QWidget* parent, QSize clientSize, QColor background, int borderWidth)
    : QWidget(parent), image_(clientSize, QImage::Format_RGB32), background_(background),
      border_(borderWidth)
{
    image_.fill(background_);
    resize(clientSize + QSize(2 * border_, 2 * border_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
}

void PictureBox::setPicture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    resize(image_.size() + QSize(2 * border_, 2 * border_));
    update();
}

QSize PictureBox::sizeHint() const
{
    return image_.size() + QSize(2 * border_, 2 * border_);
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
    const QRect client(border_, border_, image_.width(), image_.height());
    // Around the image (a client area grown since the image was made) lies
    // the background colour.
    const QRegion outside = QRegion(rect().adjusted(border_, border_, -border_, -border_)) - client;
    for (const QRect& r : outside & event->region())
        p.fillRect(r, background_);
    const QRect dirty = event->rect() & client;
    if (!dirty.isEmpty())
        p.drawImage(dirty.topLeft(), image_, dirty.translated(-border_, -border_));
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

// The frame is `border_` rings of one pixel around the client area: a flat
// box shows a thin outline, a raised one the classic two-tone bevel.
void PictureBox::paintFrame(QPainter& p) const
{
    const int w = width(), h = height();
    auto ring = [&](int inset, QColor light, QColor dark) {
        p.fillRect(inset, inset, w - 2 * inset, 1, light);
        p.fillRect(inset, inset, 1, h - 2 * inset, light);
        p.fillRect(inset, h - 1 - inset, w - 2 * inset, 1, dark);
        p.fillRect(w - 1 - inset, inset, 1, h - 2 * inset, dark);
    };
    const bool raised = appearance_ == 1;
    ring(0, raised ? kBevelOuterLight : kFlatOutline, raised ? kBevelOuterDark : kFlatOutline);
    for (int inset = 1; inset < border_; ++inset)
        if (raised && inset == 1)
            ring(inset, kBevelInnerLight, kBevelInnerDark);
        else
            ring(inset, background_, background_);
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
