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
namespace {

// The card back stretched to card size, for the back picture it was made
// from. It stands in for the stretch itself only when the stretch writes
// every pixel of the card, which two stretches onto different grounds show.
struct StretchedBack {
    qint64 source = 0; // the back picture's cache key
    bool whole = false;
    QImage card;
};

const QImage* stretchedBack(const QImage& back)
{
    static StretchedBack cached;
    if (cached.source != back.cacheKey() || cached.card.isNull()) {
        cached.source = back.cacheKey();
        QImage dark(kCardWidth, kCardHeight, QImage::Format_RGB32);
        QImage light(kCardWidth, kCardHeight, QImage::Format_RGB32);
        dark.fill(Qt::black);
        light.fill(Qt::white);
        StretchBlt(dark, 0, 0, kCardWidth, kCardHeight, back, 0, 0, back.width(), back.height());
        StretchBlt(light, 0, 0, kCardWidth, kCardHeight, back, 0, 0, back.width(), back.height());
        cached.whole = dark == light;
        cached.card = dark;
    }
    return cached.whole ? &cached.card : nullptr;
}

} // namespace

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
    QImage& table = pic_.table.image();
    const QImage& back = pic_.back.image();
    const QImage* card = stretchedBack(back);
    if (card && table.format() == card->format())
        BitBlt(table, x, y, kCardWidth, kCardHeight, *card, 0, 0);
    else
        StretchBlt(table, x, y, kCardWidth, kCardHeight, back, 0, 0, back.width(), back.height());
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
