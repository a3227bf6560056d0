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
    auto face = [&](int x, int y, Face f) {
        p.drawImage(
            QPoint(x, y), sheet,
            QRect(kCardWidth * SheetColumn(f.Rank), kCardHeight * f.Suit, kCardWidth, kCardHeight));
    };
    auto cardBack = [&](int x, int y) {
        p.drawImage(QRect(x, y, kCardWidth, kCardHeight), back, back.rect());
    };
    const TableGeometry& g = t.Geometry;
    for (int i = 0; i < t.HumanCount; ++i) {
        const Card& c = t.HumanHand[i];
        face(g.HumanSlotPos[c.Slot].X, g.HumanSlotPos[c.Slot].Y, c);
    }
    if (t.PlayedCount > 1)
        face(g.PrevCardX, g.PrevCardY, t.prevCard());
    if (t.PlayedCount > 0)
        face(g.TopCardX, g.TopCardY, t.topCard());
    for (int j = 0; j < t.ComputerCount; ++j)
        cardBack(g.ComputerSlotPos[j].X, g.ComputerSlotPos[j].Y);
    cardBack(g.StockX, g.StockY);
}

} // namespace kolvar::bench
