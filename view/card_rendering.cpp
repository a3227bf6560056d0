// The full redraw and the single-card drawing it is made of.
//
// Work whose pixels would come out the same every time is done once: the
// card back is stretched to card size once per back picture and then copied
// like a face, and a face buffer that the sheet's cell covers whole is not
// cleared before the cell goes in.
#include "view/card_rendering.h"

#include "platform/blit.h"
#include "platform/picture_box.h"

namespace kolvar {

int SheetColumn(int16_t rank)
{
    if (rank == kAce)
        return 0;
    return rank < kAce ? rank - 1 : rank - 2;
}

void CardRenderer::ComposeCardFace(int16_t rank, int16_t suit)
{
    if (rank < 1 || rank > 14)
        return;
    const QRect cell(kCardWidth * SheetColumn(rank), kCardHeight * suit, kCardWidth, kCardHeight);
    QImage& face = pic_.face.image();
    // Clearing shows only where the cell does not cover the buffer.
    if (face.size() != cell.size() || !pic_.sheet.image().rect().contains(cell))
        pic_.face.Clear();
    BitBlt(face, 0, 0, kCardWidth, kCardHeight, pic_.sheet.image(), cell.x(), cell.y());
    pic_.face.Refresh();
}

void CardRenderer::copyFaceTo(int x, int y)
{
    BitBlt(pic_.table.image(), x, y, kCardWidth, kCardHeight, pic_.face.image(), 0, 0);
    pic_.table.Refresh();
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
        pic_.table.Refresh();
}

void CardRenderer::drawCardBack(int x, int y)
{
    const QImage& back = pic_.back.image();
    if (stretchedBack_.isNull() || stretchedFrom_ != back.cacheKey()) {
        stretchedBack_ = QImage(kCardWidth, kCardHeight, pic_.table.image().format());
        StretchBlt(stretchedBack_, 0, 0, kCardWidth, kCardHeight, back, 0, 0, back.width(),
                   back.height());
        stretchedFrom_ = back.cacheKey();
    }
    BitBlt(pic_.table.image(), x, y, kCardWidth, kCardHeight, stretchedBack_, 0, 0);
}

void CardRenderer::RedrawTable()
{
    pic_.table.Clear();
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
    pic_.table.Refresh();
}

} // namespace kolvar
