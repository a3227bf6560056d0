// Handing each event to the rules, and the checks made after it.
#include "session.h"

#include "computer/computer_turn.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"

namespace kolvar::fuzz {
namespace {

// The largest double below 1, the edge of what NextRandom may return.
constexpr double kJustBelowOne = 1.0 - 0x1.0p-53;

float halfPixels(int offset)
{
    return static_cast<float>(offset - kOffsetBefore) / 2.0f;
}

} // namespace

Session::Session(EventDecoder& decoder) : decoder_(decoder)
{
    host_.onMessage = [this] { whileMessageOpen(); };
    Form_Load(t_, options_, host_, kClientWidth, kClientHeight);
}

void Session::apply(const Event& e)
{
    switch (e.kind) {
    case EventKind::Tick:
        tick(e.ms);
        break;
    case EventKind::ClickCard: {
        // One past the last card: the table to the right of the hand.
        const int i = t_.HumanCount > 0 ? e.index % (t_.HumanCount + 1) : 0;
        const SlotPos& slot = t_.Geometry.HumanSlotPos[i < kHandCapacity ? i : kHandCapacity - 1];
        click(slot.X + halfPixels(e.dx), slot.Y + halfPixels(e.dy));
        break;
    }
    case EventKind::ClickStock:
        click(t_.Geometry.StockX + halfPixels(e.dx), t_.Geometry.StockY + halfPixels(e.dy));
        break;
    case EventKind::ClickAnywhere:
        click(static_cast<float>(e.x), static_cast<float>(e.y));
        break;
    case EventKind::ClickOddFloat:
        click(e.fx, e.fy);
        break;
    case EventKind::SuitButton:
        ClickSuitButton(t_, host_, static_cast<int16_t>(e.index));
        break;
    case EventKind::NewGame:
        newGame(e.seed, e.index);
        break;
    case EventKind::ToggleHumanFirst:
        if (host_.optionsItemEnabled)
            options_.OptHumanFirst = !options_.OptHumanFirst;
        break;
    case EventKind::ToggleSound:
        if (host_.optionsItemEnabled)
            options_.OptSound = !options_.OptSound;
        break;
    }
    host_.cues.clear();
    host_.messages.clear();
}

void Session::tick(uint32_t ms)
{
    host_.now = static_cast<int32_t>(static_cast<uint32_t>(host_.now) + ms);
    if (host_.timerEnabled)
        Timer1_Timer(t_, host_);
}

void Session::click(float x, float y)
{
    Form_MouseDown(t_, host_, x, y);
}

// The shuffle's random values: a generator seeded by the event, one fixed
// value, the largest value below 1, or the two ends in turn.
void Session::newGame(uint32_t seed, int kind)
{
    random_ = seed | 1;
    bool low = false;
    host_.randomSource = [this, seed, kind, low]() mutable -> double {
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
    JocNou_Click(t_, options_, host_);
}

// A message box holds the move that opened it until it is closed; the timer
// ticks meanwhile, mostly at its own pace, now and then after a long wait.
void Session::whileMessageOpen()
{
    if (messageDepth_ > 0)
        return;
    ++messageDepth_;
    const uint8_t b = decoder_.byte();
    for (int n = b % 32; n > 0; --n)
        tick(b >= 224 ? 1500 : 50);
    --messageDepth_;
}

std::string Session::check() const
{
    if (auto e = CheckInvariants(t_, host_); !e.empty())
        return e;
    if (t_.NestedMovesBlocked)
        return "a move is still marked as running";
    if (t_.GameInProgress != host_.timerEnabled)
        return "the timer does not run exactly while a game is in progress";
    if (t_.GameInProgress == host_.optionsItemEnabled)
        return "the options item is not locked exactly while a game is in progress";
    return {};
}

} // namespace kolvar::fuzz
