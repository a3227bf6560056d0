// Pip arrangements as on a printed deck: two side columns and a centre
// column, with rows measured as fractions of the distance from the top pip
// row to the bottom one. 7 and 8 add centre pips a quarter of the way in, 9
// and 10 use four side rows, and 10 adds centre pips a sixth of the way in.
#include "artwork/pip_layout.h"

#include "artwork/card_layout.h"

namespace kolvar::artwork {
namespace {

struct Spot {
    qreal x;    // kPipLeft, kPipCentre or kPipRight
    qreal frac; // 0 = top row, 1 = bottom row
};

QList<Spot> spots(int rank)
{
    const qreal L = kPipLeft, C = kPipCentre, R = kPipRight;
    const QList<Spot> fourCorners{{L, 0}, {R, 0}, {L, 1}, {R, 1}};
    const QList<Spot> sixSides{{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
    const QList<Spot> eightSides{{L, 0},       {R, 0},       {L, 1.0 / 3}, {R, 1.0 / 3},
                                 {L, 2.0 / 3}, {R, 2.0 / 3}, {L, 1},       {R, 1}};
    switch (rank) {
    case 2:
        return {{C, 0}, {C, 1}};
    case 3:
        return {{C, 0}, {C, 0.5}, {C, 1}};
    case 4:
        return fourCorners;
    case 5:
        return fourCorners + QList<Spot>{{C, 0.5}};
    case 6:
        return sixSides;
    case 7:
        return sixSides + QList<Spot>{{C, 0.25}};
    case 8:
        return sixSides + QList<Spot>{{C, 0.25}, {C, 0.75}};
    case 9:
        return eightSides + QList<Spot>{{C, 0.5}};
    case 10:
        return eightSides + QList<Spot>{{C, 1.0 / 6}, {C, 5.0 / 6}};
    default:
        return {};
    }
}

} // namespace

QList<PipPlace> pipPlaces(int rank)
{
    QList<PipPlace> places;
    for (const Spot& s : spots(rank)) {
        const qreal y = kPipTop + s.frac * (kPipBottom - kPipTop);
        places.append({QPointF(s.x, y), s.frac > 0.5});
    }
    return places;
}

} // namespace kolvar::artwork
