// The full redraw and the single-card drawing it is made of.
#include "view/card_rendering.h"

#include "platform/blit.h"
#include "platform/picture_box.h"

#include <cmath>

namespace kolvar {

CardRenderer::CardRenderer(const Table& t, PictureBox& table, CardArt& art)
    : t_(t), table_(table), art_(art), face_(art.cardSize(), QImage::Format_RGB32)
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

void CardRenderer::RedrawTable()
{
    table_.Clear();
    for (int i = 0; i < t_.HumanCount; ++i) {
        const Card& c = t_.HumanHand[i];
        DrawHumanCard(c.Slot, c.Rank, c.Suit);
    }
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
