// The bare-QPainter table, in the renderer's order: the human's hand, the
// card under the top card, the top card, the computer's backs, the stock.
#include "floor_painter.h"

#include "view/card_rendering.h"
#include "view/form1.h"

#include <QPainter>

namespace kolvar::bench {

void PaintTableFloor(QImage& target, const Table& t, const QImage& sheet, const QImage& back)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(target.rect(), kTableColour);
    auto face = [&](int x, int y, int16_t rank, int16_t suit) {
        p.drawImage(
            QPoint(x, y), sheet,
            QRect(kCardWidth * SheetColumn(rank), kCardHeight * suit, kCardWidth, kCardHeight));
    };
    auto cardBack = [&](int x, int y) {
        p.drawImage(QRect(x, y, kCardWidth, kCardHeight), back, back.rect());
    };
    for (int i = 0; i < t.HumanCount; ++i) {
        const Card& c = t.HumanHand[i];
        face(t.HumanSlotPos[c.Slot].X, t.HumanSlotPos[c.Slot].Y, c.Rank, c.Suit);
    }
    if (t.PlayedCount > 1)
        face(t.PrevCardX, t.PrevCardY, t.PrevRank, t.PrevSuit);
    if (t.PlayedCount > 0)
        face(t.TopCardX, t.TopCardY, t.TopRank, t.TopSuit);
    for (int j = 0; j < t.ComputerCount; ++j)
        cardBack(t.ComputerSlotPos[j].X, t.ComputerSlotPos[j].Y);
    cardBack(t.StockX, t.StockY);
}

} // namespace kolvar::bench
