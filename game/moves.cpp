// The lay and the take. Where the two sides do a step differently, the
// difference is kept, on purpose, in one place below with its reason.
#include "game/moves.h"

#include "game/cues.h"
#include "game/hand_queries.h"
#include "game/pacing.h"
#include "game/ring.h"
#include "game/rules.h"
#include "game/suit_buttons.h"

#include <utility>

namespace kolvar {
namespace {

// The suit buttons take clicks only while a suit is still to be named.
void applySuitRule(Table& t, Face laid, SuitRule rule)
{
    switch (rule.kind) {
    case SuitRule::Keep:
        break;
    case SuitRule::LaidCardSuit:
        t.CurrentSuit = laid.Suit;
        ShowCurrentSuit(t);
        break;
    case SuitRule::BestSuit:
        PickBestSuit(t);
        ShowCurrentSuit(t);
        break;
    case SuitRule::NamedLater:
        FlattenSuitButtons(t);
        break;
    case SuitRule::Named:
        t.CurrentSuit = rule.suit;
        ShowCurrentSuit(t);
        break;
    }
    t.SuitPickOpen = rule.kind == SuitRule::NamedLater;
}

// What the side could have laid instead of the card or the take it chose:
// a take passes over every card it may lay, a seven every other card of the
// suit to follow. Nothing is shown before a suit is named.
CardSet passedOver(const Table& t, Side side, bool seven)
{
    if (!t.suitNamed())
        return {};
    if (seven)
        return CardSet::ofSuit(t.CurrentSuit) - CardSet::ofRank(kSeven);
    return AdmittedCards(t, side);
}

void takeOutOfHand(Table& t, Side side, int16_t index)
{
    auto& cards = HandCards(t, side);
    int16_t& count = HandCount(t, side);
    if (side == Side::Human) {
        // The human's hand keeps its order, as the player sees it: the cards
        // right of the gap move one slot left (Slot stays with the index).
        for (int i = index + 1; i < count; ++i)
            cards[i - 1].face() = cards[i];
    } else {
        // The computer lays from the end of its hand: the chosen card changes
        // places with the last card held. So the order changes, and a later
        // search, which takes the first match, may find another card.
        std::swap(cards[index].face(), cards[count - 1].face());
    }
    --count;
}

// An ace keeps the turn; any other move passes it. The computer's pause is
// counted from the human's latest move (his ace too) or its own ace.
void passTurn(Table& t, Host& host, Side mover, bool keepsTurn)
{
    t.ComputerToMove = (keepsTurn ? mover : Opponent(mover)) == Side::Computer;
    if (mover == Side::Human || keepsTurn)
        t.LastMoveTick = host.TickCount();
    PaceComputer(t, host);
}

} // namespace

void LayCard(Table& t, Host& host, Side side, int16_t index, SuitRule rule)
{
    const Face laid = HandCards(t, side)[index];
    const CardSet passed = laid.Rank == kSeven ? passedOver(t, side, true) : CardSet{};
    applySuitRule(t, laid, rule); // the best suit counts the laid card, still in hand
    takeOutOfHand(t, side, index);

    // Before the first card of a game the top card is the last game's. The
    // human's first lay does not copy it under; the computer's lays always
    // copy. Nothing shows or reads the card under the top until two cards
    // lie, so both are right, and each side keeps the way it has always had.
    if (side == Side::Computer || t.PlayedCount > 0)
        t.setPrevCard(t.topCard());
    t.setTopCard(laid);
    t.LaidCards.add(laid);
    ShownBy(t, side).laid(laid);
    ShownBy(t, side).add(passed, HandCount(t, side));
    ApplyLayPenalty(laid.Rank, DrawDue(t, side), DrawDue(t, Opponent(side)));
    CountLay(t);
    StoreTopCardInRing(t);
    host.PlaySoundCue(side == Side::Human ? kHumanLayCue : kComputerLayCue);
    passTurn(t, host, side, laid.Rank == kAce);
}

void TakeCards(Table& t, Host& host, Side side)
{
    // The human hears his take once, however many cards; the computer's
    // take sounds once per card, so that the player hears how many it took.
    ShownBy(t, side).add(passedOver(t, side, false), HandCount(t, side));
    const int16_t due = DrawDue(t, side);
    for (int n = 0; n < due && TakeFromStock(t, side); ++n)
        if (side == Side::Computer)
            host.PlaySoundCue(kComputerTakeCue);
    if (side == Side::Human)
        host.PlaySoundCue(kHumanTakeCue);
    ApplyTakePenalty(DrawDue(t, side), DrawDue(t, Opponent(side)));
    passTurn(t, host, side, false);
}

void MakePlay(Table& t, Host& host, Side side, Play play)
{
    if (play.isTake())
        TakeCards(t, host, side);
    else
        LayCard(t, host, side, play.index, play.rule);
}

} // namespace kolvar
