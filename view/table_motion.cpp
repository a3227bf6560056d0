// The flights' frames on the animation clock, and their landings.
#include "view/table_motion.h"

#include "view/motion_timing.h"

#include <QEasingCurve>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

namespace kolvar {
namespace {

// How far through its turn a card is at `t` of its flight (0..1), for a
// turn from `from` to `to` of the flight.
double turned(double t, double from, double to)
{
    return std::clamp((t - from) / (to - from), 0.0, 1.0);
}

} // namespace

TableMotion::TableMotion(const TableGeometry& geometry, const TableScale& scale)
    : geometry_(geometry), scale_(scale)
{
}

TableMotion::~TableMotion() = default;

void TableMotion::setOn(bool on)
{
    if (!on)
        settle();
    on_ = on;
}

void TableMotion::show(const Table& after)
{
    Motion motion = on_ ? MotionBetween(target_, after) : Motion{{}, after};
    const bool sameCards = SameCardsShown(target_, after);
    target_ = after;
    if (motion.flights.empty() && sameCards)
        return; // a selection moved, a suit named: any flight carries on
    settle();
    if (motion.flights.empty())
        return;
    under_ = motion.under;
    flights_ = std::move(motion.flights);
    shown_.assign(flights_.size(), std::nullopt);
    landed_.assign(flights_.size(), false);
    start();
}

void TableMotion::reset()
{
    settle();
    target_ = under_ = Table{};
}

void TableMotion::settle()
{
    if (clock_)
        clock_->stop();
    flights_.clear();
    shown_.clear();
    landed_.clear();
    under_ = target_;
}

// Each motion runs on an animation of its own, from the move to the last
// landing, its value the milliseconds since the move.
void TableMotion::start()
{
    const int length = flights_.back().startMs + kFlightMs;
    clock_ = std::make_unique<QVariantAnimation>();
    clock_->setStartValue(0);
    clock_->setEndValue(length);
    clock_->setDuration(length);
    step(0);
    connect(clock_.get(), &QVariantAnimation::valueChanged, this,
            [this](const QVariant& ms) { step(ms.toInt()); });
    clock_->start();
}

QRect TableMotion::placeRect(CardPlace place) const
{
    auto at = [this](int x, int y) { return scale_.cardRect(x, y); };
    switch (place.kind) {
    case CardPlace::HumanSlot:
        return at(geometry_.HumanSlotPos[place.slot].X, geometry_.HumanSlotPos[place.slot].Y);
    case CardPlace::ComputerSlot:
        return at(geometry_.ComputerSlotPos[place.slot].X, geometry_.ComputerSlotPos[place.slot].Y);
    case CardPlace::Pile:
        return at(geometry_.TopCardX, geometry_.TopCardY);
    case CardPlace::Stock:
        break;
    }
    return at(geometry_.StockX, geometry_.StockY);
}

// The card eases out from its place to the next (fast away, gently down) and
// turns over as its look says, squeezed to nothing and opened again.
std::optional<FlyingCard> TableMotion::frameAt(const Flight& flight, int elapsedMs) const
{
    if (elapsedMs < flight.startMs)
        return std::nullopt;
    const double t = std::min(1.0, double(elapsedMs - flight.startMs) / kFlightMs);
    const double along = QEasingCurve(QEasingCurve::OutCubic).valueForProgress(t);
    const QRect from = placeRect(flight.from), to = placeRect(flight.to);
    const QPointF at = QPointF(from.topLeft()) + (QPointF(to.topLeft() - from.topLeft())) * along;
    double turn = 0;
    if (flight.look == FlightFace::TurnsUp)
        turn = turned(t, 0.25, 0.75);
    else if (flight.look == FlightFace::TurnsUpLate)
        turn = turned(t, 0.6, 1.0);
    const bool up = flight.look == FlightFace::Up || turn >= 0.5;
    return FlyingCard{flight.face, QRect(at.toPoint(), to.size()), std::abs(1 - 2 * turn), up};
}

void TableMotion::step(int elapsedMs)
{
    auto rect = [](const std::optional<FlyingCard>& c) { return c ? c->rect : QRect(); };
    for (size_t i = 0; i < flights_.size(); ++i) {
        if (landed_[i])
            continue;
        const Flight& flight = flights_[i];
        std::optional<FlyingCard> now = frameAt(flight, elapsedMs);
        const bool landing = elapsedMs >= flight.startMs + kFlightMs;
        if (landing)
            now.reset(); // drawn at rest from here on
        // A turning card changes its squeeze and side where it stands still.
        if (now != shown_[i])
            emit moved(rect(now) | rect(shown_[i]));
        shown_[i] = now;
        if (!landing)
            continue;
        landed_[i] = true;
        Land(flight, under_, target_);
        QRect area = placeRect(flight.to);
        if (flight.to.kind == CardPlace::Pile) // the card it lands on shows beside it
            area |= scale_.cardRect(geometry_.PrevCardX, geometry_.PrevCardY);
        emit landed(area);
    }
    if (std::all_of(landed_.begin(), landed_.end(), [](bool b) { return b; }))
        settle();
}

std::vector<FlyingCard> TableMotion::flyingCards() const
{
    std::vector<FlyingCard> cards;
    for (const std::optional<FlyingCard>& card : shown_)
        if (card)
            cards.push_back(*card);
    return cards;
}

} // namespace kolvar
