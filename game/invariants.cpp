// The state checker. Each test below guards one promise of the rules:
// the hands' bounds and slots, every card in exactly one place, the draw
// counters' shape, the ring agreeing with the top card and the raised suit
// button with the suit to follow.
#include "game/invariants.h"

#include "game/notation.h"
#include "game/ring.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace kolvar {
namespace {

bool oddOrZero(int16_t due)
{
    return due == 0 || (due > 0 && due % 2 == 1);
}

std::string checkCounts(const Table& t)
{
    if (t.HumanCount < 0 || t.HumanCount > kHandCapacity)
        return "HumanCount " + std::to_string(t.HumanCount) + " out of 0..21";
    if (t.ComputerCount < 0 || t.ComputerCount > kHandCapacity)
        return "ComputerCount " + std::to_string(t.ComputerCount) + " out of 0..21";
    if (t.DrawPos < 0 || t.DrawPos >= kDeckSize || t.DiscardPos < 0 || t.DiscardPos >= kDeckSize)
        return "a ring cursor out of 0..31";
    for (int i = 0; i < t.HumanCount; ++i)
        if (t.HumanHand[i].Slot != i)
            return "HumanHand(" + std::to_string(i) + ").Slot is " +
                   std::to_string(t.HumanHand[i].Slot);
    return {};
}

// Every one of the 32 cards is held by exactly one hand or lies in the stock.
std::string checkEveryCardOnce(const Table& t)
{
    const int stock = StockCount(t);
    if ((t.DiscardPos - t.DrawPos - stock) % kDeckSize != 0)
        return "stock of " + std::to_string(stock) + " disagrees with DrawPos " +
               std::to_string(t.DrawPos) + " and DiscardPos " + std::to_string(t.DiscardPos);
    std::array<int, kDeckSize> seen{};
    auto count = [&](const Card& c, const std::string& where) -> std::string {
        if (!InDeck(c))
            return "invalid card " + FormatCard(c) + " in " + where;
        if (++seen[BuiltIndex(c)] > 1)
            return FormatCard(c) + " is in more than one place (again in " + where + ")";
        return {};
    };
    for (int i = 0; i < t.HumanCount; ++i)
        if (auto e = count(t.HumanHand[i], "the human hand"); !e.empty())
            return e;
    for (int i = 0; i < t.ComputerCount; ++i)
        if (auto e = count(t.ComputerHand[i], "the computer hand"); !e.empty())
            return e;
    for (int k = 0; k < stock; ++k)
        if (auto e = count(t.Deck[(t.DrawPos + k) % kDeckSize], "the stock"); !e.empty())
            return e;
    return {};
}

std::string checkDrawCounters(const Table& t)
{
    if (!oddOrZero(t.HumanDrawDue) || !oddOrZero(t.ComputerDrawDue))
        return "draw counters " + std::to_string(t.HumanDrawDue) + "/" +
               std::to_string(t.ComputerDrawDue) + " not odd or zero";
    if (!t.GameInProgress)
        return {};
    const int16_t due = t.ComputerToMove ? t.ComputerDrawDue : t.HumanDrawDue;
    const int16_t other = t.ComputerToMove ? t.HumanDrawDue : t.ComputerDrawDue;
    if (due == 0 || other != 0)
        return std::string("during a game only the side to move (the ") +
               (t.ComputerToMove ? "computer" : "human") + ") may owe cards, counters " +
               std::to_string(t.HumanDrawDue) + "/" + std::to_string(t.ComputerDrawDue);
    return {};
}

std::string checkPile(const Table& t)
{
    if (t.PlayedCount < 0)
        return "PlayedCount is negative";
    if (t.CurrentSuit < 0 || t.CurrentSuit >= kSuitCount)
        return "CurrentSuit " + std::to_string(t.CurrentSuit) + " out of 0..3";
    // A button is raised only by naming its suit the suit to follow.
    if (t.RaisedSuit != -1 && t.RaisedSuit != t.CurrentSuit)
        return "the raised suit button " + std::to_string(t.RaisedSuit) +
               " is not the suit to follow, " + std::to_string(t.CurrentSuit);
    if (t.PlayedCount == 0)
        return {};
    const Card& last = t.Deck[(t.DiscardPos + kDeckSize - 1) % kDeckSize];
    if (last.face() != t.topCard())
        return "the ring entry behind DiscardPos holds " + FormatCard(last) + ", the top card is " +
               FormatCard(t.topCard());
    const int stock = StockCount(t);
    for (int k = stock - LaidStockCount(t); k < stock; ++k)
        if (!t.LaidCards.has(StockCard(t, k)))
            return FormatCard(StockCard(t, k)) + " lies in the stock's laid part but is not "
                                                 "among the cards laid";
    return {};
}

} // namespace

std::string CheckInvariants(const Table& t)
{
    for (auto check : {checkCounts, checkEveryCardOnce, checkDrawCounters, checkPile})
        if (auto e = check(t); !e.empty())
            return e;
    return {};
}

void StopOnBrokenRule(const Table& t)
{
    const std::string broken = CheckInvariants(t);
    if (broken.empty())
        return;
    std::fprintf(stderr, "kolvar: the table broke a rule: %s\n  %s\n", broken.c_str(),
                 FormatTable(t).c_str());
    std::abort();
}

} // namespace kolvar
