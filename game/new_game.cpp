// Start-up and the new game: building, shuffling and dealing the deck and
// setting the opening turn.
#include "game/new_game.h"

#include "game/hand_queries.h"
#include "game/pacing.h"
#include "game/suit_buttons.h"

#include <algorithm>
#include <utility>

namespace kolvar {
namespace {

constexpr int kShufflePasses = 101;

void computerOpens(Table& t, Host& host, OpeningSuitChoice opening)
{
    t.ComputerToMove = true;
    t.CurrentSuit = opening(t, host);
    ShowCurrentSuit(t);
    t.LastMoveTick = host.TickCount();
    t.ComputerDrawDue = 1;
    t.HumanDrawDue = 0;
}

} // namespace

void PrepareTable(Table& t, Options& options, Host& host)
{
    FlattenSuitButtons(t);
    for (int i = 0; i < kDeckSize; ++i)
        t.Deck[i] = Card{BuiltFace(i), -1};
    host.SetTimerEnabled(false);
    options.OptHumanFirst = true;
    options.OptSound = true;
}

void BuildDeck(Table& t)
{
    for (int i = 0; i < kDeckSize; ++i)
        t.Deck[i].face() = BuiltFace(i);
}

void ShuffleDeck(Table& t, Host& host)
{
    for (int pass = 0; pass < kShufflePasses; ++pass) {
        const int j = std::clamp(static_cast<int>(host.NextRandom() * kDeckSize), 0, kDeckSize - 1);
        std::swap(t.Deck[j].face(), t.Deck[0].face());
    }
}

void DealHands(Table& t, Host& host)
{
    for (int i = 0; i < kDealSize; ++i) {
        t.HumanHand[i].face() = t.Deck[i];
        t.HumanHand[i].Slot = static_cast<int16_t>(i);
        t.ComputerHand[i].face() = t.Deck[i + kDealSize];
    }
    t.HumanCount = kDealSize;
    t.ComputerCount = kDealSize;
    t.DrawPos = 2 * kDealSize;
    t.DiscardPos = 0;
    host.RedrawTable();
}

int16_t MostHeldSuit(const Table& t, Host&)
{
    return BestSuit(t);
}

void DealNewGame(Table& t, const Options& options, Host& host, OpeningSuitChoice opening)
{
    host.ClearTable();
    BuildDeck(t);
    ShuffleDeck(t, host);
    t.PlayedCount = 0;
    t.LaidCards = {};
    t.Shown = {};
    DealHands(t, host);
    t.SuitPickOpen = true;
    t.ComputerToMove = false;
    FlattenSuitButtons(t);
    t.HumanDrawDue = 1;
    t.ComputerDrawDue = 0;
    host.SetOptionsItemEnabled(false);
    t.GameInProgress = true;
    t.Level = options.Level;
    if (!options.OptHumanFirst)
        computerOpens(t, host, opening);
    PaceComputer(t, host);
}

} // namespace kolvar
