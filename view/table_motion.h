// The cards that move on the table. Every change of the table reaches the
// window at once, whole; this shows it as a few frames of motion: the cards
// that moved (card_flights.h) fly over the table from where they lay to
// where they now are, eased out, while the table under them already lies
// as after the move but for the flying cards and, while a laid card flies,
// the pile it is flying to. A click therefore finds every card where it is
// drawn at rest. When a card lands it is drawn into the table's image and
// stops flying; a new change ends every flight at its place first. Each
// frame repaints only the rectangles the flying cards leave and enter.
//
// Frames come from Qt's animation clock, which runs only while a card
// flies. With motion off every change shows at once.
#pragma once

#include "game/layout.h"
#include "game/table.h"
#include "view/card_flights.h"
#include "view/table_zoom.h"

#include <QObject>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

class QVariantAnimation;

namespace kolvar {

// A card in flight as one frame shows it: its rectangle of device pixels at
// full size, how much of its width shows (a card turning over is squeezed),
// and which side is up.
struct FlyingCard {
    Face face;
    QRect rect;
    double width = 1;
    bool faceUp = true;

    bool operator==(const FlyingCard&) const = default;
};

class TableMotion : public QObject {
    Q_OBJECT
public:
    TableMotion(const TableGeometry& geometry, const TableScale& scale);
    ~TableMotion() override;

    // The cards drawn at rest: the table, but for the cards still in flight.
    const Table& under() const { return under_; }

    bool isOn() const { return on_; }
    // Off ends every flight at its place; on, the next change moves.
    void setOn(bool on);

    // The table now shows `after`: the cards it moved since the last change
    // start flying. A change that moves no card leaves any flight going.
    void show(const Table& after);
    // The table was cleared: the next cards shown come from the stock.
    void reset();
    // Every flight ends at its place.
    void settle();

    // The cards in flight now, the earliest first.
    std::vector<FlyingCard> flyingCards() const;

signals:
    // The device pixels of `area` show something else now.
    void moved(const QRect& area);
    // A card has come to rest in `area`, which must be drawn again from under().
    void landed(const QRect& area);

private:
    std::optional<FlyingCard> frameAt(const Flight& flight, int elapsedMs) const;
    QRect placeRect(CardPlace place) const;
    void step(int elapsedMs);
    void start();

    const TableGeometry& geometry_;
    const TableScale& scale_;
    bool on_ = true;
    Table target_; // the table as the last change left it
    Table under_;
    std::vector<Flight> flights_;
    std::vector<std::optional<FlyingCard>> shown_; // each flight in the last frame, if in the air
    std::vector<bool> landed_;
    std::unique_ptr<QVariantAnimation> clock_; // the motion's own, made when it starts
};

} // namespace kolvar
