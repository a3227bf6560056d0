// Draws card faces: a white card with square corners and a one-pixel dark
// border (square, because the cards overlap on the table and are copied
// without transparency), the corner index at the top left and turned round
// at the bottom right, and then the pips of a number card, the single large
// pip of an ace or the figure panel of a court card.
#include "artwork/card_face.h"

#include "artwork/card_layout.h"
#include "artwork/court_figure.h"
#include "artwork/palette.h"
#include "artwork/pip_layout.h"
#include "artwork/pixel_grid.h"
#include "artwork/rank_glyphs.h"

#include <QPainter>

namespace kolvar::artwork {
namespace {

// The border stays one device pixel at every scale.
void drawBorder(QPainter& p)
{
    const QRect card = devicePixels(p, QRectF(0, 0, kCardWidth, kCardHeight));
    fillDevice(p, card, kFaceWhite);
    fillHairline(p, card, kBorderGrey);
}

void drawIndex(QPainter& p, int rank, Suit suit)
{
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(rankPathOnPixels(p, rankText(rank), kIndexCentreX, kIndexBaseline, kIndexCap,
                                kIndexMaxWidth));
    drawSuit(p, suit, QPointF(kIndexCentreX, kIndexPipCentreY), kIndexPipHeight);
}

void drawAce(QPainter& p, Suit suit)
{
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    // The ace of spades traditionally carries a bigger pip than the others.
    drawSuit(p, suit, centre, suit == kSpades ? kAceOfSpadesHeight : kAcePipHeight);
}

} // namespace

void drawCardFace(QPainter& p, int rank, Suit suit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    drawBorder(p);

    if (rank == kJack || rank == kQueen || rank == kKing)
        drawCourtPanel(p, rank, suit);
    else if (rank == kAce)
        drawAce(p, suit);
    else
        for (const PipPlace& pip : pipPlaces(rank))
            drawSuit(p, suit, pip.centre, kPipHeight, pip.upsideDown);

    drawIndex(p, rank, suit);
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180);
    drawIndex(p, rank, suit);
    p.restore();
}

int SheetColumn(int rank)
{
    if (rank == kAce)
        return 0;
    return rank < kAce ? rank - 1 : rank - 2;
}

int SheetRank(int column)
{
    return column == 0 ? kAce : column < kAce - 1 ? column + 1 : column + 2;
}

QSize sheetSize(qreal scale)
{
    const QSize card = cardSize(scale);
    return {kSheetColumns * card.width() + 1, kSuitCount * card.height() + 1};
}

QImage emptySheet(qreal scale)
{
    QImage sheet(sheetSize(scale), QImage::Format_RGB32);
    QPainter p(&sheet);
    p.fillRect(QRect(0, sheet.height() - 1, sheet.width(), 1), kOutsideGrey);
    p.fillRect(QRect(sheet.width() - 1, 0, 1, sheet.height()), kOutsideGrey);
    return sheet;
}

QImage renderCardSheet(qreal scale)
{
    QImage sheet = emptySheet(scale);
    for (int row = 0; row < kSuitCount; ++row)
        for (int column = 0; column < kSheetColumns; ++column)
            drawSheetCell(sheet, SheetRank(column), static_cast<Suit>(row), scale);
    return sheet;
}

void drawSheetCell(QImage& sheet, int rank, Suit suit, qreal scale)
{
    const QSize card = cardSize(scale);
    QPainter p(&sheet);
    p.translate(SheetColumn(rank) * card.width(), suit * card.height());
    p.setClipRect(QRect(QPoint(0, 0), card));
    scaleDesignTo(p, QSizeF(kCardWidth, kCardHeight), card);
    drawCardFace(p, rank, suit);
}

} // namespace kolvar::artwork
