// The bare-QPainter table, in the renderer's order: the human's hand, the
// card under the top card, the top card, the computer's backs, the stock.
#include "floor_painter.h"

#include "view/card_rendering.h"
#include "view/table_surface.h"

#include <QPainter>
#include <cmath>

namespace kolvar::bench {

void PaintTableFloor(QImage& target, const Table& t, const TableGeometry& g, const QImage& sheet,
                     const QImage& back, double scale)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(target.rect(), kTableColour);
    const QSize card = back.size();
    auto at = [scale](int x, int y) {
        return QPoint(static_cast<int>(std::floor(x * scale + 0.5)),
                      static_cast<int>(std::floor(y * scale + 0.5)));
    };
    auto face = [&](int x, int y, Face f) {
        p.drawImage(
            at(x, y), sheet,
            QRect(QPoint(card.width() * artwork::SheetColumn(f.Rank), card.height() * f.Suit),
                  card));
    };
    for (int i = 0; i < t.HumanCount; ++i) {
        const Card& c = t.HumanHand[i];
        face(g.HumanSlotPos[c.Slot].X, g.HumanSlotPos[c.Slot].Y, c);
    }
    if (t.PlayedCount > 1)
        face(g.PrevCardX, g.PrevCardY, t.prevCard());
    if (t.PlayedCount > 0)
        face(g.TopCardX, g.TopCardY, t.topCard());
    for (int j = 0; j < t.ComputerCount; ++j)
        p.drawImage(at(g.ComputerSlotPos[j].X, g.ComputerSlotPos[j].Y), back);
    p.drawImage(at(g.StockX, g.StockY), back);
}

} // namespace kolvar::bench
