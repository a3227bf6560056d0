// Playing on a desktop: reading the table in the window, moves by clicks,
// and the computer's answer.
#include "desktop_play.h"

#include "game/notation.h"

#include <algorithm>

namespace kolvar::e2e {

std::string text(const std::vector<Face>& cards)
{
    std::string out;
    for (Face c : cards)
        out += FormatCard(c) + " ";
    return out;
}

std::string text(QRect r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

bool sameGame(const SeenTable& a, const SeenTable& b)
{
    return a.hand == b.hand && a.top == b.top && a.underTop == b.underTop &&
           a.raisedSuit == b.raisedSuit && a.computerCards == b.computerCards &&
           a.stockShown == b.stockShown;
}

// A card the human may lay now, as far as the screen tells: on a jack only a
// jack (two cards may be owed for it), else a seven, the top card's rank or
// the named suit. Sevens and aces come last, since after them the turn does
// not simply pass; a last card is kept (a last card has rules of its own).
int layable(const SeenTable& seen)
{
    if (seen.hand.size() < 2 || seen.raisedSuit < 0)
        return -1;
    int fallback = -1;
    for (size_t i = 0; i < seen.hand.size(); ++i) {
        const Face c = seen.hand[i];
        const bool onJack = seen.top && seen.top->Rank == kJack;
        const bool fits = onJack ? c.Rank == kJack
                                 : c.Rank == kSeven || c.Suit == seen.raisedSuit ||
                                       (seen.top && c.Rank == seen.top->Rank);
        if (!fits)
            continue;
        if (c.Rank != kSeven && c.Rank != kAce)
            return static_cast<int>(i);
        fallback = static_cast<int>(i);
    }
    return fallback;
}

// Every card, the pile, the stock and the four buttons lie wholly inside the
// window's client area, and on the screen.
void OnADesktop::expectInsideTheWindow(const SeenTable& t, const std::string& where)
{
    const QRect area = client() & QRect({0, 0}, display->size());
    std::vector<std::pair<std::string, QRect>> shown;
    for (size_t i = 0; i < t.hand.size(); ++i)
        shown.emplace_back("hand card " + std::to_string(i),
                           reader.handCardRect(static_cast<int>(i)));
    for (int j = 0; j < t.computerCards; ++j)
        shown.emplace_back("computer's card " + std::to_string(j), reader.computerCardRect(j));
    if (t.top)
        shown.emplace_back("pile", reader.pileRect());
    if (t.stockShown)
        shown.emplace_back("stock", reader.stockRect());
    for (int s = 0; s < kSuitCount; ++s)
        shown.emplace_back("suit button " + std::to_string(s), t.suitButtons[s]);
    for (const auto& [name, r] : shown)
        EXPECT_TRUE(!r.isEmpty() && area.contains(r))
            << where << ": " << name << " at " << text(r) << " is not inside " << text(area);
}

// The computer answers a second after the human's move: its hand changes
// from what it held before that move (it laid or took). After its ace it
// moves again; after its last card the game ends.
void OnADesktop::awaitTheComputer(int computerCardsAfterMove)
{
    int before = computerCardsAfterMove;
    for (int moves = 0; moves < 8; ++moves) {
        const bool answered = WaitFor(
            [&] {
                seen = look();
                return seen.computerCards != before || windowOpen("^Kolvar Americana$");
            },
            5000, 100);
        ASSERT_TRUE(answered) << "the computer did not answer";
        const bool laidAnAce = seen.computerCards < before && seen.top && seen.top->Rank == kAce;
        if (!laidAnAce || windowOpen("^Kolvar Americana$"))
            return;
        before = seen.computerCards;
    }
}

bool OnADesktop::layACard(int slot, const std::string& where)
{
    const Face card = seen.hand[slot];
    const size_t count = seen.hand.size();
    const int computerCards = seen.computerCards;
    display->click(reader.handCard(slot));
    // The card leaves the hand; a slow look may find the computer's answer
    // already on it.
    const bool laid = lookUntil(
        [&](const SeenTable& t) {
            return t.hand.size() == count - 1 &&
                   std::find(t.hand.begin(), t.hand.end(), card) == t.hand.end();
        },
        3000);
    EXPECT_TRUE(laid) << where << ": a click on " << FormatCard(card) << " did not lay it";
    if (!laid)
        return false;
    if (card.Rank == kSeven)
        nameSuit(seen.hand.front().Suit);
    if (card.Rank != kAce)
        awaitTheComputer(computerCards);
    return true;
}

bool OnADesktop::takeFromTheStock(const std::string& where)
{
    const size_t count = seen.hand.size();
    const int computerCards = seen.computerCards;
    display->click(reader.stock());
    const bool took = lookUntil([&](const SeenTable& t) { return t.hand.size() > count; }, 3000);
    EXPECT_TRUE(took) << where << ": a click on the stock took nothing";
    if (took)
        awaitTheComputer(computerCards);
    return took;
}

// At the window's present size: one card laid and one take, each by a real
// click, whatever the computer does in between; a game that ends is dealt
// again.
void OnADesktop::layAndTake(const std::string& where)
{
    bool laid = false, took = false;
    for (int round = 0; round < 8 && !(laid && took) && !HasFailure(); ++round) {
        dealAgainIfOver();
        seen = look();
        const int slot = laid ? -1 : layable(seen);
        if (slot >= 0)
            laid = layACard(slot, where);
        else
            took = takeFromTheStock(where) || took; // nothing fits: a fresh card may
    }
    EXPECT_TRUE(laid) << where << ": no card could be laid in eight moves";
    EXPECT_TRUE(took) << where;
}

} // namespace kolvar::e2e
