// The full redraw and the single-card drawing it is made of.
#include "view/card_rendering.h"

#include "platform/blit.h"
#include "platform/picture_box.h"

#include <algorithm>
#include <cmath>

namespace kolvar {

CardRenderer::CardRenderer(const Table& t, const HandSelection& selection, PictureBox& table,
                           CardArt& art)
    : t_(t), selection_(selection), table_(table), art_(art),
      face_(art.cardSize(), QImage::Format_RGB32)
{
    face_.fill(Qt::white);
}

QPoint CardRenderer::onDevice(int x, int y) const
{
    const double s = art_.scale();
    return {static_cast<int>(std::floor(x * s + 0.5)), static_cast<int>(std::floor(y * s + 0.5))};
}

void CardRenderer::ComposeCardFace(int16_t rank, int16_t suit)
{
    if (rank < 1 || rank > 14)
        return;
    const QRect cell(art_.face(rank, suit), art_.cardSize());
    // Clearing shows only where the sheet's cell does not cover the buffer.
    if (!art_.sheet().rect().contains(cell))
        face_.fill(Qt::white);
    BitBlt(face_, 0, 0, cell.width(), cell.height(), art_.sheet(), cell.x(), cell.y());
}

void CardRenderer::copyFaceTo(int x, int y)
{
    const QPoint at = onDevice(x, y);
    BitBlt(table_.image(), at.x(), at.y(), face_.width(), face_.height(), face_, 0, 0);
    table_.Refresh();
}

void CardRenderer::DrawHumanCard(int16_t slot, int16_t rank, int16_t suit)
{
    ComposeCardFace(rank, suit);
    if (slot < 0 || slot >= kHandCapacity)
        return;
    const SlotPos& at = t_.Geometry.HumanSlotPos[slot];
    copyFaceTo(at.X, at.Y);
}

void CardRenderer::DrawDiscardCard(int16_t selector, int16_t rank, int16_t suit)
{
    ComposeCardFace(rank, suit);
    const TableGeometry& g = t_.Geometry;
    if (selector == 0)
        copyFaceTo(g.TopCardX, g.TopCardY);
    else if (selector == 1)
        copyFaceTo(g.PrevCardX, g.PrevCardY);
    else
        table_.Refresh();
}

void CardRenderer::drawCardBack(int x, int y)
{
    const QImage& back = art_.back();
    const QPoint at = onDevice(x, y);
    BitBlt(table_.image(), at.x(), at.y(), back.width(), back.height(), back, 0, 0);
}

// The selected card's outline: a ring three table pixels wide around the
// strip of it that shows. Its right side lies inside the strip, so that it
// never covers the corner of the card to its right; the others lie outside
// the card, on the table or on the edge of the card to its left.
void CardRenderer::drawSelection()
{
    if (!selection_.shown || !t_.GameInProgress || selection_.index >= t_.HumanCount)
        return;
    constexpr int kRing = 3;
    const auto& row = t_.Geometry.HumanSlotPos;
    const int i = selection_.index;
    const bool last = i == t_.HumanCount - 1;
    const int left = row[i].X - kRing, top = row[i].Y - kRing;
    const int right = last ? row[i].X + kCardWidth + kRing : row[i + 1].X;
    const int bottom = row[i].Y + kCardHeight + kRing;
    const QPoint outer0 = onDevice(left, top), outer1 = onDevice(right, bottom);
    const QPoint inner0 = onDevice(left + kRing, top + kRing);
    const QPoint inner1 = onDevice(right - kRing, bottom - kRing);
    QImage& image = table_.image();
    const QRgb colour = kSelectionOutline.rgb();
    auto fill = [&](int x0, int y0, int x1, int y1) {
        const QRect r = QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)) & image.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + r.left(), r.width(), colour);
    };
    fill(outer0.x(), outer0.y(), outer1.x(), inner0.y()); // above
    fill(outer0.x(), inner1.y(), outer1.x(), outer1.y()); // below
    fill(outer0.x(), inner0.y(), inner0.x(), inner1.y()); // left
    fill(inner1.x(), inner0.y(), outer1.x(), inner1.y()); // right
}

void CardRenderer::RedrawTable()
{
    table_.Clear();
    for (int i = 0; i < t_.HumanCount; ++i) {
        const Card& c = t_.HumanHand[i];
        DrawHumanCard(c.Slot, c.Rank, c.Suit);
    }
    drawSelection();
    if (t_.PlayedCount > 1)
        DrawDiscardCard(1, t_.PrevRank, t_.PrevSuit);
    if (t_.PlayedCount > 0)
        DrawDiscardCard(0, t_.TopRank, t_.TopSuit);
    const TableGeometry& g = t_.Geometry;
    for (int j = 0; j < t_.ComputerCount; ++j)
        drawCardBack(g.ComputerSlotPos[j].X, g.ComputerSlotPos[j].Y);
    drawCardBack(g.StockX, g.StockY);
    table_.Refresh();
}

} // namespace kolvar
