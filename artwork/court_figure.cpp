// Draws a court figure. As on printed decks the figure is double-headed: the
// upper half (head, headgear, shoulders and robe down to the panel's middle)
// is drawn once and again turned half round about the card's centre, so the
// card reads the same either way up. The king wears a pointed crown, a beard
// and an ermine collar and holds a sceptre; the queen a small tiara over long
// hair and holds a flower; the jack a feathered cap and holds a halberd.
#include "artwork/court_figure.h"

#include "artwork/card_layout.h"
#include "artwork/palette.h"
#include "artwork/pixel_grid.h"
#include "artwork/rank_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace kolvar::artwork {
namespace {

// Inside of the frame, and the half of it that one figure fills, in card
// pixels. The figure is drawn in coordinates local to the half: x from 0 to
// kHalfW, y from 0 (top of the panel) to kHalfH (the panel's middle).
const QRectF kInside = QRectF(kCourtFrame).adjusted(1, 1, -1, -1);
const qreal kHalfW = kInside.width();
const qreal kHalfH = kCardHeight / 2.0 - kInside.top();
const qreal kMid = kHalfW / 2; // the figure's axis

QPen outline(qreal width = 0.7)
{
    return QPen(QColor(40, 28, 20), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The head: its centre and half-width and half-height.
const QPointF kHead(kMid, 17.5);
constexpr qreal kHeadRx = 5.6;
constexpr qreal kHeadRy = 6.6;
constexpr qreal kShoulderY = 29; // where the shoulders meet the neck

void drawBackHair(QPainter& p, int rank)
{
    if (rank != kQueen)
        return;
    // Long hair falling behind the head onto the shoulders.
    QPainterPath hair;
    hair.moveTo(kMid - 8.5, kShoulderY + 4);
    hair.cubicTo(kMid - 9.5, 20, kMid - 8.5, 9, kMid, 9);
    hair.cubicTo(kMid + 8.5, 9, kMid + 9.5, 20, kMid + 8.5, kShoulderY + 4);
    hair.closeSubpath();
    p.setPen(outline(0.6));
    p.setBrush(kHairBrown);
    p.drawPath(hair);
}

// Broad shoulders and a robe that runs on past the middle of the panel, with
// a blue panel down the front edged in gold and gold buttons, and the neck.
void drawRobe(QPainter& p, Suit suit)
{
    QPainterPath robe;
    robe.moveTo(1.5, kHalfH + 1);
    robe.lineTo(2, kShoulderY + 6);
    robe.cubicTo(2, kShoulderY + 2, 4, kShoulderY, 9, kShoulderY);
    robe.lineTo(kHalfW - 9, kShoulderY);
    robe.cubicTo(kHalfW - 4, kShoulderY, kHalfW - 2, kShoulderY + 2, kHalfW - 2, kShoulderY + 6);
    robe.lineTo(kHalfW - 1.5, kHalfH + 1);
    robe.closeSubpath();
    p.setPen(outline());
    p.setBrush(suitColour(suit));
    p.drawPath(robe);

    QPainterPath front;
    front.moveTo(kMid - 3, kShoulderY);
    front.lineTo(kMid + 3, kShoulderY);
    front.lineTo(kMid + 4, kHalfH + 1);
    front.lineTo(kMid - 4, kHalfH + 1);
    front.closeSubpath();
    p.setPen(QPen(kGold, 1.2));
    p.setBrush(kRoyalBlue);
    p.drawPath(front);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (qreal y = kShoulderY + 6; y < kHalfH; y += 4)
        p.drawEllipse(QPointF(kMid, y), 0.9, 0.9);

    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawRect(QRectF(kMid - 2.2, kHead.y() + 4, 4.4, kShoulderY - kHead.y() - 3));
}

// The king's ermine collar: white fur with black tails round the neck.
void drawErmine(QPainter& p)
{
    QPainterPath fur;
    fur.moveTo(kMid - 10, kShoulderY + 0.5);
    fur.cubicTo(kMid - 7, kShoulderY - 1.2, kMid + 7, kShoulderY - 1.2, kMid + 10,
                kShoulderY + 0.5);
    fur.cubicTo(kMid + 9, kShoulderY + 4.5, kMid + 4, kShoulderY + 5.5, kMid, kShoulderY + 5.5);
    fur.cubicTo(kMid - 4, kShoulderY + 5.5, kMid - 9, kShoulderY + 4.5, kMid - 10,
                kShoulderY + 0.5);
    fur.closeSubpath();
    p.setPen(outline(0.6));
    p.setBrush(Qt::white);
    p.drawPath(fur);
    p.setPen(Qt::NoPen);
    p.setBrush(kSuitBlack);
    for (const qreal dx : {-6.5, -2.2, 2.2, 6.5})
        p.drawRect(QRectF(kMid + dx - 0.6, kShoulderY + 1.4 + std::abs(dx) * -0.15 + 0.8, 1.2, 2));
}

// A gold collar opening in a V at the throat; the queen's carries a string of
// blue beads.
void drawGoldCollar(QPainter& p, int rank)
{
    const qreal y = kShoulderY + 0.3;
    QPolygonF collar;
    collar << QPointF(8, y) << QPointF(kMid, y + 7) << QPointF(kHalfW - 8, y)
           << QPointF(kHalfW - 11.5, y) << QPointF(kMid, y + 4) << QPointF(11.5, y);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawPolygon(collar);
    if (rank == kQueen) {
        p.setBrush(kRoyalBlue);
        for (int i = -2; i <= 2; ++i)
            p.drawEllipse(QPointF(kMid + i * 1.9, y + 1.4 - 0.3 * i * i), 0.9, 0.9);
    }
}

void drawDress(QPainter& p, int rank, Suit suit)
{
    drawRobe(p, suit);
    if (rank == kKing)
        drawErmine(p);
    else
        drawGoldCollar(p, rank);
}

// A full beard and moustache around the mouth.
void drawBeard(QPainter& p)
{
    const QPointF& c = kHead;
    const qreal rx = kHeadRx;
    QPainterPath beard;
    beard.moveTo(c.x() - rx - 0.2, c.y() + 0.5);
    beard.cubicTo(c.x() - rx, c.y() + 9, c.x() - 2.5, c.y() + 10.5, c.x(), c.y() + 10.5);
    beard.cubicTo(c.x() + 2.5, c.y() + 10.5, c.x() + rx, c.y() + 9, c.x() + rx + 0.2, c.y() + 0.5);
    beard.cubicTo(c.x() + 3.5, c.y() + 2, c.x() + 2.5, c.y() + 4.5, c.x(), c.y() + 2.3);
    beard.cubicTo(c.x() - 2.5, c.y() + 4.5, c.x() - 3.5, c.y() + 2, c.x() - rx - 0.2, c.y() + 0.5);
    beard.closeSubpath();
    p.setPen(outline(0.6));
    p.setBrush(kHairBrown);
    p.drawPath(beard);
}

void drawCrown(QPainter& p, const QColor& jewel)
{
    const qreal x = kHead.x();
    QPolygonF crown;
    crown << QPointF(x - 6, 12) << QPointF(x - 6.8, 3.5) << QPointF(x - 3.3, 7.5) << QPointF(x, 2)
          << QPointF(x + 3.3, 7.5) << QPointF(x + 6.8, 3.5) << QPointF(x + 6, 12);
    p.setPen(QPen(kGoldDark, 0.7));
    p.setBrush(kGold);
    p.drawPolygon(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(jewel);
    p.drawEllipse(QPointF(x, 9.6), 1.3, 1.3);
    p.drawEllipse(QPointF(x - 4, 10), 0.8, 0.8);
    p.drawEllipse(QPointF(x + 4, 10), 0.8, 0.8);
}

void drawTiara(QPainter& p, const QColor& jewel)
{
    const qreal x = kHead.x();
    QPainterPath tiara;
    tiara.moveTo(x - 5.5, 12);
    tiara.cubicTo(x - 5.5, 8.5, x - 4, 6.5, x - 2.8, 8.8);
    tiara.cubicTo(x - 1.5, 4.5, x + 1.5, 4.5, x + 2.8, 8.8);
    tiara.cubicTo(x + 4, 6.5, x + 5.5, 8.5, x + 5.5, 12);
    tiara.closeSubpath();
    p.setPen(QPen(kGoldDark, 0.7));
    p.setBrush(kGold);
    p.drawPath(tiara);
    p.setPen(Qt::NoPen);
    p.setBrush(jewel);
    p.drawEllipse(QPointF(x, 8.7), 1.1, 1.1);
}

void drawCap(QPainter& p, Suit suit)
{
    const qreal x = kHead.x();
    QPainterPath feather;
    feather.moveTo(x - 3, 9.5);
    feather.cubicTo(x - 8, 8, x - 9.5, 3, x - 8.5, 0.5);
    feather.cubicTo(x - 7, 4, x - 5, 6.5, x - 1, 8);
    feather.closeSubpath();
    p.setPen(QPen(kGoldDark, 0.5));
    p.setBrush(kGold);
    p.drawPath(feather);
    QPainterPath cap;
    cap.moveTo(x - 7, 12.5);
    cap.cubicTo(x - 7, 5, x + 7, 5, x + 7, 12.5);
    cap.closeSubpath();
    p.setPen(outline(0.6));
    p.setBrush(suitColour(suit));
    p.drawPath(cap);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(x - 7, 11, 14, 1.6));
}

// A gold sceptre topped with an orb, along x.
void drawSceptre(QPainter& p, qreal x)
{
    p.setPen(QPen(kGoldDark, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 9), QPointF(x, kHalfH));
    p.setPen(QPen(kGold, 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 9), QPointF(x, kHalfH));
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(x, 7), 2.2, 2.2);
}

// A flower on a stem from the hand: gold petals round a heart of the suit's
// colour.
void drawFlower(QPainter& p, qreal x, QPointF hand, Suit suit)
{
    p.setPen(QPen(kGoldDark, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 10), hand);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * 3.14159265358979 / 5;
        p.drawEllipse(QPointF(x + 1.7 * std::sin(a), 9 - 1.7 * std::cos(a)), 1.4, 1.4);
    }
    p.setBrush(suitColour(suit));
    p.drawEllipse(QPointF(x, 9), 1.2, 1.2);
}

// A halberd: a long shaft along x with an axe blade and a spike.
void drawHalberd(QPainter& p, qreal x)
{
    p.setPen(QPen(kHairBrown, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 5), QPointF(x, kHalfH));
    QPainterPath blade;
    blade.moveTo(x, 6);
    blade.lineTo(x - 3, 7);
    blade.cubicTo(x - 3.6, 9, x - 3.6, 11, x - 3, 13);
    blade.lineTo(x, 12);
    blade.closeSubpath();
    blade.moveTo(x - 0.7, 6);
    blade.lineTo(x, 1);
    blade.lineTo(x + 0.7, 6);
    blade.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 80), 0.5));
    p.setBrush(QColor(196, 202, 212));
    p.drawPath(blade);
}

// The face: skin, the hair above the brow, the king's beard, and eyes and
// mouth. `c` is the head's centre throughout.
void drawFace(QPainter& p, int rank)
{
    const QPointF& c = kHead;
    const qreal rx = kHeadRx, ry = kHeadRy;
    p.setPen(outline());
    p.setBrush(kSkin);
    p.drawEllipse(c, rx, ry);

    QPainterPath fringe;
    fringe.moveTo(c.x() - rx - 0.3, c.y() - 0.5);
    fringe.cubicTo(c.x() - rx - 0.5, c.y() - 8.5, c.x() + rx + 0.5, c.y() - 8.5, c.x() + rx + 0.3,
                   c.y() - 0.5);
    fringe.cubicTo(c.x() + 3, c.y() - 4, c.x() - 3, c.y() - 4, c.x() - rx - 0.3, c.y() - 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kHairBrown);
    p.drawPath(fringe);
    if (rank == kKing)
        drawBeard(p);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 20));
    p.drawEllipse(QPointF(c.x() - 2.2, c.y() - 0.2), 0.75, 0.75);
    p.drawEllipse(QPointF(c.x() + 2.2, c.y() - 0.2), 0.75, 0.75);
    p.setBrush(kSuitRed);
    if (rank == kKing)
        p.drawRect(QRectF(c.x() - 1.3, c.y() + 3.3, 2.6, 0.9));
    else
        p.drawEllipse(QPointF(c.x(), c.y() + 3.4), 1.4, 0.7);
}

// The headgear: the king's pointed crown, the queen's tiara, each with
// jewels of the colour the suit lacks, and the jack's flat cap in the suit's
// colour with a gold feather sweeping back.
void drawHeadgear(QPainter& p, int rank, Suit suit)
{
    const QColor jewel = isRed(suit) ? kRoyalBlue : kSuitRed;
    if (rank == kKing)
        drawCrown(p, jewel);
    else if (rank == kQueen)
        drawTiara(p, jewel);
    else
        drawCap(p, suit);
}

// Held on the side of the panel away from the index, in a hand at the
// shoulder: the king's sceptre, the queen's flower, the jack's halberd.
void drawHeldObject(QPainter& p, int rank, Suit suit)
{
    const qreal x = kHalfW - 3.5;
    const QPointF hand(x, kShoulderY + 6);
    if (rank == kKing)
        drawSceptre(p, x);
    else if (rank == kQueen)
        drawFlower(p, x, hand, suit);
    else
        drawHalberd(p, x);
    p.setPen(outline(0.5));
    p.setBrush(kSkin);
    p.drawEllipse(hand, 1.8, 1.6);
}

void drawPanelIndex(QPainter& p, int rank, Suit suit)
{
    // A small rank letter and pip in the top-left corner of the half.
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(rankPathOnPixels(p, rankText(rank), 4.5, 9, 7, 7));
    drawSuit(p, suit, QPointF(4.5, 14.5), 6);
}

// One half of the figure, clipped to `clip`, its half of the panel in device
// pixels.
void drawHalf(QPainter& p, int rank, Suit suit, const QRect& clip)
{
    p.save();
    clipToDevice(p, clip);
    p.translate(kInside.topLeft());
    drawBackHair(p, rank);
    drawDress(p, rank, suit);
    drawHeldObject(p, rank, suit);
    drawFace(p, rank);
    drawHeadgear(p, rank, suit);
    drawPanelIndex(p, rank, suit);
    p.restore();
}

} // namespace

void drawCourtPanel(QPainter& p, int rank, Suit suit)
{
    // The frame is a hairline on whole device pixels; the panel fills it, and
    // each half of the figure fills its half of the panel, split at the
    // card's middle row.
    const QRect frame = devicePixels(p, QRectF(kCourtFrame));
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    const int middle = devicePixels(p, QRectF(0, 0, kCardWidth, kCardHeight / 2.0)).bottom() + 1;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    fillDevice(p, inside, kPanelCream);

    drawHalf(p, rank, suit,
             QRect(inside.left(), inside.top(), inside.width(), middle - inside.top()));
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180);
    drawHalf(p, rank, suit,
             QRect(inside.left(), middle, inside.width(), inside.bottom() + 1 - middle));
    p.restore();

    // A gold band where the two halves meet, and the frame line itself.
    const QRectF panel = fromDevice(p, inside);
    p.fillRect(onPixels(p, QRectF(panel.left(), kCardHeight / 2.0 - 1, panel.width(), 2)), kGold);
    fillHairline(p, frame, suitColour(suit));
}

} // namespace kolvar::artwork
