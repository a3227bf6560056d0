// The computer's turn: the timer's pacing and the ladder that chooses the move.
#include "computer/computer_turn.h"

#include "computer/hand_searches.h"
#include "game/end_game.h"
#include "game/hand_queries.h"
#include "game/move_guard.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "game/timing.h"

namespace kolvar {
namespace {

// Time since the last move, correct across a wrap of the 32-bit tick count.
uint32_t elapsedSince(int32_t now, int32_t then)
{
    return static_cast<uint32_t>(now) - static_cast<uint32_t>(then);
}

// The ladder below the jack chain: the first rung that finds a card lays it.
// Returns false when no rung applies and the computer must take cards.
bool layByPreference(Table& t, Host& host, bool moreJacks)
{
    const int16_t jack = FindJackOfCurrentSuit(t);
    if (jack >= 0 && moreJacks) {
        LayComputerCard(t, host, jack, SuitRule::Keep);
        return true;
    }
    const int16_t seven = FindSeven(t);
    if (seven >= 0 && FindNonSevenOfCurrentSuit(t) < 0) {
        LayComputerCard(t, host, seven, SuitRule::BestSuit);
        return true;
    }
    const int16_t sameRank = FindTopRankCard(t);
    if (sameRank >= 0 && CountSuitInComputerHand(t, t.ComputerHand[sameRank].Suit) >
                             CountSuitInComputerHand(t, t.CurrentSuit)) {
        LayComputerCard(t, host, sameRank, SuitRule::LaidCardSuit);
        return true;
    }
    const int16_t follow = FindNonSevenOfCurrentSuit(t);
    if (follow >= 0) {
        LayComputerCard(t, host, follow, SuitRule::Keep);
        return true;
    }
    return false;
}

// The whole ladder. Under a jack chain the computer answers with its first
// jack only when it holds more jacks than the human; otherwise it takes.
bool layByLadder(Table& t, Host& host)
{
    const bool moreJacks = CountHumanJacks(t) < CountComputerJacks(t);
    if (!PenaltyPending(t.ComputerDrawDue))
        return layByPreference(t, host, moreJacks);
    if (moreJacks)
        LayComputerCard(t, host, FindJack(t), SuitRule::LaidCardSuit);
    return moreJacks;
}

} // namespace

void ComputerTick(Table& t, Host& host)
{
    if (!t.GameInProgress || host.Moves().held())
        return;
    if (!t.suitNamed() || !t.ComputerToMove)
        return;
    if (elapsedSince(host.TickCount(), t.LastMoveTick) <= kComputerPauseMs)
        return;
    const MoveGuard guard(host.Moves());
    ComputerMove(t, host);
}

void ComputerMove(Table& t, Host& host)
{
    // Once the computer moves, a suit is named: the buttons take no clicks
    // until the human lays a seven.
    t.SuitPickOpen = false;
    if (CannotAnswerLastJack(t, Side::Computer)) {
        EndGame(t, host, true);
        return;
    }
    if (!layByLadder(t, host))
        ComputerDrawCards(t, host);
    host.RedrawTable();
    if (WinsByLastCard(t, Side::Computer))
        EndGame(t, host, false);
}

} // namespace kolvar
