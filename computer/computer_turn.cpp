// The computer's turn: the timer's pacing, the ladder, the lay and the take.
#include "computer/computer_turn.h"

#include "computer/hand_queries.h"
#include "game/end_game.h"
#include "game/move_guard.h"
#include "game/ring.h"
#include "game/rules.h"
#include "game/timing.h"
#include "human/suit_buttons.h"

#include <utility>

namespace kolvar {
namespace {

// Time since the last move, correct across a wrap of the 32-bit tick count.
uint32_t elapsedSince(int32_t now, int32_t then)
{
    return static_cast<uint32_t>(now) - static_cast<uint32_t>(then);
}

// The ladder below the jack chain: the first rung that finds a card lays it.
// Returns false when no rung applies and the computer must take cards.
bool layByPreference(Table& t, Host& host, int16_t humanJacks, int16_t computerJacks)
{
    const int16_t jack = FindJackOfCurrentSuit(t);
    if (jack >= 0 && humanJacks < computerJacks) {
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

} // namespace

void Timer1_Timer(Table& t, Host& host)
{
    if (!t.GameInProgress || t.MoveRunning)
        return;
    if (RaisedSuitButtons(host) == 0 || !t.ComputerToMove)
        return;
    if (elapsedSince(host.TickCount(), t.LastMoveTick) <= kComputerPauseMs)
        return;
    {
        const MoveGuard guard(t);
        ComputerMove(t, host);
    }
    t.SuitPickOpen = false;
}

void ComputerMove(Table& t, Host& host)
{
    const int16_t humanJacks = CountHumanJacks(t);
    const int16_t computerJacks = CountComputerJacks(t);

    // The human has gone out on a jack that the computer cannot answer.
    if (computerJacks == 0 && t.HumanCount == 0 && PenaltyPending(t.ComputerDrawDue)) {
        EndGame(t, host, true);
        return;
    }

    if (PenaltyPending(t.ComputerDrawDue)) {
        if (humanJacks < computerJacks)
            LayComputerCard(t, host, FindJack(t), SuitRule::LaidCardSuit);
        else
            ComputerDrawCards(t, host);
    } else if (!layByPreference(t, host, humanJacks, computerJacks)) {
        ComputerDrawCards(t, host);
    }

    host.RedrawTable();
    if (t.ComputerCount == 0 && LastCardWins(t.TopRank))
        EndGame(t, host, false);
}

void LayComputerCard(Table& t, Host& host, int16_t index, SuitRule rule)
{
    const int last = t.ComputerCount - 1;
    Card& chosen = t.ComputerHand[index];
    Card& end = t.ComputerHand[last];
    std::swap(chosen.Rank, end.Rank);
    std::swap(chosen.Suit, end.Suit);
    const Card laid = t.ComputerHand[last];

    if (rule == SuitRule::LaidCardSuit)
        t.CurrentSuit = laid.Suit;
    else if (rule == SuitRule::BestSuit)
        PickBestSuit(t);
    if (rule != SuitRule::Keep)
        ShowCurrentSuit(t, host);

    t.ComputerToMove = laid.Rank == kAce; // an ace keeps the turn
    if (laid.Rank == kAce)
        t.LastMoveTick = host.TickCount();
    ApplyLayPenalty(laid.Rank, t.ComputerDrawDue, t.HumanDrawDue);

    t.PrevRank = t.TopRank;
    t.PrevSuit = t.TopSuit;
    CountLay(t);
    t.TopRank = laid.Rank;
    t.TopSuit = laid.Suit;
    StoreTopCardInRing(t);
    --t.ComputerCount;
    host.PlaySoundCue("clap.wav");
}

void ComputerDrawCards(Table& t, Host& host)
{
    const int16_t due = t.ComputerDrawDue;
    for (int n = 0; n < due; ++n) {
        if (!TakeFromStock(t, t.ComputerHand, t.ComputerCount))
            break;
        host.PlaySoundCue("camera.wav");
    }
    ApplyTakePenalty(t.ComputerDrawDue, t.HumanDrawDue);
    t.ComputerToMove = false;
}

} // namespace kolvar
