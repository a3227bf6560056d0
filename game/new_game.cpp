// Start-up and the new game: building, shuffling and dealing the deck and
// setting the opening turn.
#include "game/new_game.h"

#include "computer/hand_queries.h"
#include "game/layout.h"
#include "human/suit_buttons.h"

#include <algorithm>
#include <utility>

namespace kolvar {
namespace {

constexpr int kShufflePasses = 101;

Card builtCard(int i)
{
    return Card{static_cast<int16_t>(i / kSuitCount + kLowestRank),
                static_cast<int16_t>(i % kSuitCount), -1};
}

void computerOpens(Table& t, Host& host)
{
    t.ComputerToMove = true;
    PickBestSuit(t);
    ShowCurrentSuit(t, host);
    t.LastMoveTick = host.TickCount();
    t.ComputerDrawDue = 1;
    t.HumanDrawDue = 0;
}

} // namespace

void Form_Load(Table& t, Options& options, Host& host, int clientWidth, int clientHeight)
{
    FlattenSuitButtons(host);
    for (int i = 0; i < kDeckSize; ++i)
        t.Deck[i] = builtCard(i);
    LayOutTable(t, clientWidth, clientHeight);
    host.SetTimerEnabled(false);
    options.OptHumanFirst = true;
    options.OptSound = true;
}

void BuildDeck(Table& t)
{
    for (int i = 0; i < kDeckSize; ++i)
        copyFace(t.Deck[i], builtCard(i));
}

void ShuffleDeck(Table& t, Host& host)
{
    for (int pass = 0; pass < kShufflePasses; ++pass) {
        const int j = std::clamp(static_cast<int>(host.NextRandom() * kDeckSize), 0, kDeckSize - 1);
        Card& a = t.Deck[j];
        Card& b = t.Deck[0];
        std::swap(a.Rank, b.Rank);
        std::swap(a.Suit, b.Suit);
    }
}

void DealHands(Table& t, Host& host)
{
    for (int i = 0; i < kDealSize; ++i) {
        copyFace(t.HumanHand[i], t.Deck[i]);
        t.HumanHand[i].Slot = static_cast<int16_t>(i);
        copyFace(t.ComputerHand[i], t.Deck[i + kDealSize]);
    }
    t.HumanCount = kDealSize;
    t.ComputerCount = kDealSize;
    t.DrawPos = 2 * kDealSize;
    t.DiscardPos = 0;
    host.RedrawTable();
}

void JocNou_Click(Table& t, const Options& options, Host& host)
{
    host.ClearTable();
    BuildDeck(t);
    ShuffleDeck(t, host);
    t.PlayedCount = 0;
    DealHands(t, host);
    t.SuitPickOpen = true;
    t.ComputerToMove = false;
    FlattenSuitButtons(host);
    t.HumanDrawDue = 1;
    t.ComputerDrawDue = 0;
    host.SetTimerEnabled(true);
    host.SetOptionsItemEnabled(false);
    t.GameInProgress = true;
    if (!options.OptHumanFirst)
        computerOpens(t, host);
}

} // namespace kolvar
