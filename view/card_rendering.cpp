// The full redraw, the single-card drawing it is made of, and the flying
// card painted over it.
#include "view/card_rendering.h"

#include "artwork/pixel_grid.h"
#include "platform/blit.h"
#include "platform/picture_box.h"
#include "view/table_motion.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kolvar {

CardRenderer::CardRenderer(const TableView& view, PictureBox& surface)
    : view_(view), surface_(surface)
{
    makeCrispArt();
}

void CardRenderer::makeCrispArt()
{
    art_ = std::make_unique<CardArt>(view_.scale.s());
    face_ = QImage(art_->cardSize(), QImage::Format_RGB32);
    face_.fill(Qt::white);
}

void CardRenderer::ComposeCardFace(int16_t rank, int16_t suit)
{
    if (rank < 1 || rank > 14)
        return;
    const QRect cell(art_->face(rank, suit), art_->cardSize());
    // Clearing shows only where the sheet's cell does not cover the buffer.
    if (!art_->sheet().rect().contains(cell))
        face_.fill(Qt::white);
    BitBlt(face_, 0, 0, cell.width(), cell.height(), art_->sheet(), cell.x(), cell.y());
}

// A card at the table position (x, y), the part of it inside the pixels
// being drawn: copied as it is, or stretched first while the art is made
// for another scale.
void CardRenderer::copyCard(const QImage& card, int x, int y)
{
    const TableScale& scale = view_.scale;
    const QRect at = scale.cardRect(x, y);
    const QRect part = clip_ ? at & *clip_ : at;
    if (part.isEmpty())
        return;
    const QImage* source = &card;
    if (card.size() != at.size()) {
        if (resized_.size() != at.size())
            resized_ = QImage(at.size(), QImage::Format_RGB32);
        StretchBlt(resized_, 0, 0, at.width(), at.height(), card, 0, 0, card.width(),
                   card.height());
        source = &resized_;
    }
    BitBlt(surface_.image(), part.x(), part.y(), part.width(), part.height(), *source,
           part.x() - at.x(), part.y() - at.y());
}

void CardRenderer::DrawHumanCard(int16_t slot, int16_t rank, int16_t suit)
{
    ComposeCardFace(rank, suit);
    if (slot < 0 || slot >= kHandCapacity)
        return;
    const SlotPos& at = view_.geometry.HumanSlotPos[slot];
    copyCard(face_, at.X, at.Y);
}

void CardRenderer::DrawDiscardCard(PilePlace place, int16_t rank, int16_t suit)
{
    ComposeCardFace(rank, suit);
    const TableGeometry& g = view_.geometry;
    if (place == PilePlace::Top)
        copyCard(face_, g.TopCardX, g.TopCardY);
    else
        copyCard(face_, g.PrevCardX, g.PrevCardY);
}

// The outline of the keys' selection: a ring three table pixels wide around
// the strip of the selected card that shows. Its right side lies inside the
// strip, so that it never covers the corner of the card to its right; the
// others lie outside the card, on the table or on the edge of the card to
// its left. On the stock, where a hint to take puts it, the ring lies all
// round the stock.
void CardRenderer::drawSelection()
{
    constexpr int kRing = 3;
    const int selected = view_.selectedCard();
    if (view_.stockSelected()) {
        const TableRect stock = StockRect(view_.geometry);
        drawRing(stock.x - kRing, stock.y - kRing, stock.x + stock.width + kRing,
                 stock.y + stock.height + kRing, kRing);
    } else if (selected >= 0) {
        const TableRect strip = HandStrip(view_.geometry, view_.table.HumanCount, selected);
        const bool last = selected == view_.table.HumanCount - 1;
        drawRing(strip.x - kRing, strip.y - kRing, strip.x + strip.width + (last ? kRing : 0),
                 strip.y + strip.height + kRing, kRing);
    }
}

// A ring `width` table pixels wide just inside the rectangle from (left,
// top) to (right, bottom), in the outline's colour.
void CardRenderer::drawRing(int left, int top, int right, int bottom, int width)
{
    const TableScale& scale = view_.scale;
    auto device = [&](int x, int y) { return QPoint(scale.toDevice(x), scale.toDevice(y)); };
    const QPoint outer0 = device(left, top), outer1 = device(right, bottom);
    const QPoint inner0 = device(left + width, top + width);
    const QPoint inner1 = device(right - width, bottom - width);
    QPainter p(&surface_.image());
    auto fill = [&](int x0, int y0, int x1, int y1) {
        const QRect ring(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
        artwork::fillDevice(p, clip_ ? ring & *clip_ : ring, kSelectionOutline);
    };
    fill(outer0.x(), outer0.y(), outer1.x(), inner0.y()); // above
    fill(outer0.x(), inner1.y(), outer1.x(), outer1.y()); // below
    fill(outer0.x(), inner0.y(), inner0.x(), inner1.y()); // left
    fill(inner1.x(), inner0.y(), outer1.x(), inner1.y()); // right
}

// Every card drawn at rest, in order, as far as it lies inside the clip.
void CardRenderer::drawCards()
{
    const Table& t = view_.drawn;
    for (int i = 0; i < t.HumanCount; ++i) {
        const Card& c = t.HumanHand[i];
        DrawHumanCard(c.Slot, c.Rank, c.Suit);
    }
    drawSelection();
    if (t.PlayedCount > 1)
        DrawDiscardCard(PilePlace::Under, t.PrevRank, t.PrevSuit);
    if (t.PlayedCount > 0)
        DrawDiscardCard(PilePlace::Top, t.TopRank, t.TopSuit);
    const TableGeometry& g = view_.geometry;
    for (int j = 0; j < t.ComputerCount; ++j)
        copyCard(art_->back(), g.ComputerSlotPos[j].X, g.ComputerSlotPos[j].Y);
    copyCard(art_->back(), g.StockX, g.StockY);
}

void CardRenderer::drawWhole()
{
    surface_.Clear();
    drawCards();
    surface_.Refresh();
}

void CardRenderer::redrawArea(const QRect& area)
{
    clip_ = area & surface_.image().rect();
    {
        QPainter p(&surface_.image());
        artwork::fillDevice(p, *clip_, surface_.background());
    }
    drawCards();
    clip_.reset();
}

// Full size, the card is copied pixel for pixel; turning over, it is drawn
// squeezed about its middle, the table showing beside it.
void CardRenderer::paintFlyingCard(QPainter& p, QPoint origin, const FlyingCard& card)
{
    const int width = static_cast<int>(std::lround(card.rect.width() * card.width));
    if (width <= 0)
        return;
    if (card.faceUp)
        ComposeCardFace(card.face.Rank, card.face.Suit); // as the card lies at rest
    const QImage& image = card.faceUp ? face_ : art_->back();
    QRect target(card.rect.translated(origin));
    target.setLeft(target.left() + (target.width() - width) / 2);
    target.setWidth(width);
    if (target.size() == image.size())
        p.drawImage(target.topLeft(), image);
    else
        p.drawImage(target, image);
}

} // namespace kolvar
