// The full redraw and the single-card drawing it is made of.
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
    pic_.face.Clear();
    const int x = kCardWidth * SheetColumn(rank);
    const int y = kCardHeight * suit;
    BitBlt(pic_.face.image(), 0, 0, kCardWidth, kCardHeight, pic_.sheet.image(), x, y);
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
    copyFaceTo(t_.HumanSlotPos[slot].X, t_.HumanSlotPos[slot].Y);
}

void CardRenderer::DrawDiscardCard(int16_t selector, int16_t rank, int16_t suit)
{
    ComposeCardFace(rank, suit);
    if (selector == 0)
        copyFaceTo(t_.TopCardX, t_.TopCardY);
    else if (selector == 1)
        copyFaceTo(t_.PrevCardX, t_.PrevCardY);
    else
        pic_.table.Refresh();
}

void CardRenderer::drawCardBack(int x, int y)
{
    const QImage& back = pic_.back.image();
    StretchBlt(pic_.table.image(), x, y, kCardWidth, kCardHeight, back, 0, 0, back.width(),
               back.height());
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
    for (int j = 0; j < t_.ComputerCount; ++j)
        drawCardBack(t_.ComputerSlotPos[j].X, t_.ComputerSlotPos[j].Y);
    drawCardBack(t_.StockX, t_.StockY);
    pic_.table.Refresh();
}

} // namespace kolvar
