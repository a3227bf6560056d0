// Handling the human's clicks on the table: the stock, the hand, the lay.
#include "human/table_click.h"

#include "computer/hand_queries.h"
#include "game/end_game.h"
#include "game/move_guard.h"
#include "game/ring.h"
#include "game/rules.h"
#include "human/suit_buttons.h"

#include <cmath>
#include <limits>

namespace kolvar {
namespace {

bool onStock(const Table& t, float x, float y)
{
    return t.StockX < x && x < t.StockX + kCardWidth && t.StockY < y && y < t.StockY + kCardHeight;
}

// The whole pixel a click lies in; positions off any 16-bit pixel (or not a
// number) land outside every card.
int16_t wholePixel(float v)
{
    constexpr float lo = std::numeric_limits<int16_t>::min();
    constexpr float hi = std::numeric_limits<int16_t>::max();
    if (!(v >= lo && v <= hi))
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(std::floor(v));
}

void takeFromStock(Table& t, Host& host)
{
    // The computer has gone out on a jack and the human cannot answer it.
    if (CountHumanJacks(t) == 0 && t.ComputerCount == 0 && PenaltyPending(t.HumanDrawDue)) {
        EndGame(t, host, false);
        return;
    }
    for (int n = 0; n < t.HumanDrawDue; ++n) {
        const int16_t slot = t.HumanCount;
        if (!TakeFromStock(t, t.HumanHand, t.HumanCount))
            break;
        t.HumanHand[slot].Slot = slot;
    }
    host.PlaySoundCue("laser.wav");
    t.LastMoveTick = host.TickCount();
    ApplyTakePenalty(t.HumanDrawDue, t.ComputerDrawDue);
    t.ComputerToMove = true;
    host.RedrawTable();
}

void setTopCard(Table& t, const Card& c, Host& host)
{
    t.TopRank = c.Rank;
    t.TopSuit = c.Suit;
    if (c.Rank == kSeven) {
        // The seven's player names the new suit next, with the suit buttons.
        ApplyLayPenalty(c.Rank, t.HumanDrawDue, t.ComputerDrawDue);
        FlattenSuitButtons(host);
        t.SuitPickOpen = true;
        return;
    }
    t.CurrentSuit = c.Suit;
    ShowCurrentSuit(t, host);
    ApplyLayPenalty(c.Rank, t.HumanDrawDue, t.ComputerDrawDue);
    t.SuitPickOpen = false;
}

void removeFromHand(Table& t, int16_t index)
{
    for (int i = index + 1; i < t.HumanCount; ++i)
        copyFace(t.HumanHand[i - 1], t.HumanHand[i]);
    --t.HumanCount;
}

void layCard(Table& t, Host& host, int16_t index)
{
    const Card c = t.HumanHand[index];
    if (t.PlayedCount > 0) {
        t.PrevRank = t.TopRank;
        t.PrevSuit = t.TopSuit;
    }
    setTopCard(t, c, host);
    CountLay(t);
    removeFromHand(t, index);
    host.PlaySoundCue("click.wav");
    t.LastMoveTick = host.TickCount();
    if (t.TopRank != kAce)
        t.ComputerToMove = true;
    StoreTopCardInRing(t);
    host.RedrawTable();
    if (t.HumanCount == 0 && LastCardWins(t.TopRank))
        EndGame(t, host, true);
}

} // namespace

int16_t HitTestHand(const Table& t, int16_t x, int16_t y)
{
    const int n = t.HumanCount;
    if (n == 0)
        return -1;
    auto inRow = [&](int i) {
        return t.HumanSlotPos[i].Y < y && y < t.HumanSlotPos[i].Y + kCardHeight;
    };
    for (int i = 0; i + 1 < n; ++i)
        if (t.HumanSlotPos[i].X < x && x < t.HumanSlotPos[i + 1].X && inRow(i))
            return static_cast<int16_t>(i);
    const int last = n - 1;
    if (t.HumanSlotPos[last].X < x && x < t.HumanSlotPos[last].X + kCardWidth && inRow(last))
        return static_cast<int16_t>(last);
    return -1;
}

void Form_MouseDown(Table& t, Host& host, float x, float y)
{
    if (!t.GameInProgress || t.MoveRunning || t.ComputerToMove)
        return;
    const MoveGuard guard(t);

    t.StockClicked = onStock(t, x, y);
    if (t.StockClicked) {
        takeFromStock(t, host);
        return;
    }
    if (RaisedSuitButtons(host) == 0) {
        host.ShowMessage(kPickSuitText, kPickSuitTitle);
        return;
    }
    const int16_t index = HitTestHand(t, wholePixel(x), wholePixel(y));
    if (index < 0)
        return;
    const Card& c = t.HumanHand[index];
    if (PenaltyPending(t.HumanDrawDue) && c.Rank != kJack)
        return;
    if (!FollowsSuitOrRank(t, c))
        return;
    layCard(t, host, index);
}

} // namespace kolvar
