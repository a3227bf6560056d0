// Handing each decoded event to the session.
#include "event_player.h"

#include "test_client.h"

namespace kolvar::fuzz {
namespace {

// The largest double below 1, the edge of what NextRandom may return.
constexpr double kJustBelowOne = 1.0 - 0x1.0p-53;

int offset(int operand)
{
    return operand - kOffsetBefore;
}

} // namespace

// A message box holds the move that opened it until it is closed; the timer
// ticks meanwhile, mostly at its own pace, now and then after a long wait.
EventPlayer::EventPlayer(EventDecoder& decoder) : decoder_(decoder)
{
    session_.whileMessageOpen = [this] {
        const uint8_t b = decoder_.byte();
        for (int n = b % 32; n > 0; --n)
            session_.tick(b >= 224 ? 1500 : 50);
    };
}

void EventPlayer::apply(const Event& e)
{
    switch (e.kind) {
    case EventKind::Tick:
        session_.tick(e.ms);
        break;
    case EventKind::ClickCard:
        clickCard(e);
        break;
    case EventKind::ClickStock:
        session_.clickStock(offset(e.dx), offset(e.dy));
        break;
    case EventKind::ClickAnywhere:
    case EventKind::ClickFarOff:
        session_.click(e.x, e.y);
        break;
    case EventKind::SuitButton:
        session_.clickSuitButton(e.index);
        break;
    case EventKind::NewGame:
        newGame(e.seed, e.index);
        break;
    case EventKind::ToggleHumanFirst:
        session_.toggleHumanFirst();
        break;
    case EventKind::ToggleSound:
        session_.toggleSound();
        break;
    }
    host().cues.clear();
    host().messages.clear();
}

// One past the last card: the table to the right of the hand.
void EventPlayer::clickCard(const Event& e)
{
    const Table& t = table();
    const int i = t.HumanCount > 0 ? e.index % (t.HumanCount + 1) : 0;
    const SlotPos& slot =
        testing::TestGeometry().HumanSlotPos[i < kHandCapacity ? i : kHandCapacity - 1];
    session_.click(slot.X + offset(e.dx), slot.Y + offset(e.dy));
}

// The shuffle's random values: a generator seeded by the event, one fixed
// value, the largest value below 1, or the two ends in turn.
void EventPlayer::newGame(uint32_t seed, int kind)
{
    random_ = seed | 1;
    bool low = false;
    host().randomSource = [this, seed, kind, low]() mutable -> double {
        switch (kind) {
        case 0:
            random_ ^= random_ << 13;
            random_ ^= random_ >> 17;
            random_ ^= random_ << 5;
            return random_ / 4294967296.0;
        case 1:
            return (seed & 0xff) / 256.0;
        case 2:
            return kJustBelowOne;
        default:
            low = !low;
            return low ? 0.0 : kJustBelowOne;
        }
    };
    session_.newGame();
}

} // namespace kolvar::fuzz
