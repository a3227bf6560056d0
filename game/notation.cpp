// Writing a table as one line and reading it back (the format is described
// in notation.h).
#include "game/notation.h"

#include "game/notation_fields.h"
#include "game/ring.h"

#include <algorithm>

namespace kolvar {
namespace {

using Cards = std::vector<Face>;

template <size_t N>
std::string cardsText(const std::array<Card, N>& cards, int count)
{
    const Cards faces(cards.begin(), cards.begin() + count);
    return FormatCards(faces.data(), count);
}

// The cards in neither hand, in built order, ending with the card under the
// top card and the top card itself, as a stock reads after real play.
Cards restOfDeck(const Table& t)
{
    const CardSet held =
        CardSet::of(t.HumanHand, t.HumanCount) | CardSet::of(t.ComputerHand, t.ComputerCount);
    Cards rest;
    for (Face f : CardSet::wholeDeck() - held)
        rest.push_back(f);
    auto moveToEnd = [&](Face f) {
        auto it = std::find(rest.begin(), rest.end(), f);
        if (it != rest.end())
            std::rotate(it, it + 1, rest.end());
    };
    if (t.PlayedCount >= 2)
        moveToEnd(t.prevCard());
    if (t.PlayedCount >= 1)
        moveToEnd(t.topCard());
    return rest;
}

// Lays the stock out from DrawPos on; the entries behind it hold stale
// copies of the hands' cards, as after a deal.
void placeStock(Table& t, const Cards& stock)
{
    Cards ring = stock;
    ring.insert(ring.end(), t.HumanHand.begin(), t.HumanHand.begin() + t.HumanCount);
    ring.insert(ring.end(), t.ComputerHand.begin(), t.ComputerHand.begin() + t.ComputerCount);
    ring.resize(kDeckSize, Face{});
    for (int k = 0; k < kDeckSize; ++k)
        t.Deck[(t.DrawPos + k) % kDeckSize] = Card{ring[k], -1};
    t.DiscardPos = static_cast<int16_t>((t.DrawPos + stock.size()) % kDeckSize);
}

bool setHand(std::array<Card, kHandCapacity>& hand, int16_t& count, const Cards& cards)
{
    if (cards.size() > static_cast<size_t>(kHandCapacity))
        return false;
    count = static_cast<int16_t>(cards.size());
    for (size_t i = 0; i < cards.size(); ++i)
        hand[i].face() = cards[i];
    return true;
}

// The cards of the stock's laid part.
CardSet laidPartOfStock(const Table& t)
{
    CardSet laid;
    const int stock = StockCount(t);
    for (int k = stock - LaidStockCount(t); k < stock; ++k)
        laid.add(StockCard(t, k));
    return laid;
}

// Reads one line's fields into a table, each field at most once; every
// field left over at the end is unknown.
class LineParser {
public:
    explicit LineParser(Table& t) : t_(t) {}

    bool parse(std::string_view line)
    {
        return f_.split(line) && readHands() && readPile() && readTurn() && readRing() &&
               readMemory() && f_.allRead();
    }
    const std::string& error() const { return f_.error(); }

private:
    bool readHands()
    {
        Cards human, computer;
        if (!f_.cards("human", human) || !f_.cards("computer", computer))
            return false;
        if (!setHand(t_.HumanHand, t_.HumanCount, human) ||
            !setHand(t_.ComputerHand, t_.ComputerCount, computer))
            return f_.fail("a hand holds at most 21 cards");
        for (int i = 0; i < t_.HumanCount; ++i)
            t_.HumanHand[i].Slot = static_cast<int16_t>(i);
        return true;
    }

    // The top card, the card under it, the suit to follow, the suit button
    // raised and the cards laid.
    bool readPile()
    {
        Cards top, prev;
        if (!f_.cards("top", top) || !f_.cards("prev", prev))
            return false;
        if (top.size() > 1 || prev.size() > 1)
            return f_.fail("top and prev are one card each");
        t_.setTopCard(top.empty() ? Face{} : top[0]);
        t_.setPrevCard(prev.empty() ? Face{} : prev[0]);
        t_.CurrentSuit = t_.TopSuit;
        if (!f_.suit("suit", t_.CurrentSuit))
            return false;
        if (auto r = f_.take("raised"); r && *r != "none") {
            const auto suit = ParseSuit(*r);
            if (!suit)
                return f_.fail("bad raised=" + *r);
            t_.RaisedSuit = *suit;
        }
        t_.PlayedCount = static_cast<int16_t>(prev.empty() ? (top.empty() ? 0 : 1) : 2);
        return f_.number("played", t_.PlayedCount);
    }

    // Whose turn, the draw counters, the flags of a game in progress and its
    // level.
    bool readTurn()
    {
        bool expert = false;
        t_.GameInProgress = true;
        if (!f_.flag("turn", "computer", "human", t_.ComputerToMove) ||
            !f_.flag("pick", "yes", "no", t_.SuitPickOpen) ||
            !f_.flag("game", "on", "off", t_.GameInProgress) ||
            !f_.flag("level", "expert", "clasic", expert) || !f_.number("tick", t_.LastMoveTick))
            return false;
        t_.Level = expert ? ComputerLevel::Expert : ComputerLevel::Clasic;
        t_.HumanDrawDue = t_.ComputerToMove ? 0 : 1;
        t_.ComputerDrawDue = t_.ComputerToMove ? 1 : 0;
        return f_.pair("due", t_.HumanDrawDue, t_.ComputerDrawDue);
    }

    bool readRing()
    {
        if (!f_.number("draw", t_.DrawPos))
            return false;
        if (t_.DrawPos < 0 || t_.DrawPos >= kDeckSize)
            return f_.fail("draw is a ring position 0..31");
        auto ring = f_.take("ring");
        return ring ? readWholeRing(*ring) : readStock(f_.take("stock").value_or("..."));
    }

    // What the players remember: the cards laid, by default those of the
    // stock's laid part, and what each side's moves showed.
    bool readMemory()
    {
        t_.LaidCards = laidPartOfStock(t_);
        return f_.cardSet("laid", t_.LaidCards) &&
               f_.notes("shown-human", ShownBy(t_, Side::Human)) &&
               f_.notes("shown-computer", ShownBy(t_, Side::Computer));
    }

    bool readWholeRing(const std::string& ring)
    {
        auto parsed = ParseCards(ring);
        if (!parsed || parsed->size() != static_cast<size_t>(kDeckSize))
            return f_.fail("ring takes 32 cards");
        for (int i = 0; i < kDeckSize; ++i)
            t_.Deck[i] = Card{(*parsed)[i], -1};
        t_.DiscardPos = -1;
        if (!f_.number("discard", t_.DiscardPos))
            return false;
        if (t_.DiscardPos < 0 || t_.DiscardPos >= kDeckSize)
            return f_.fail("ring takes discard=N, a ring position 0..31");
        return true;
    }

    bool readStock(std::string stock)
    {
        const bool thenRest = stock == "..." || stock.ends_with(",...");
        if (thenRest)
            stock.resize(stock.size() - std::min<size_t>(stock.size(), 4));
        auto parsed = ParseCards(stock);
        if (!parsed)
            return f_.fail("bad cards in stock=" + stock);
        if (thenRest)
            for (Face f : restOfDeck(t_))
                if (std::find(parsed->begin(), parsed->end(), f) == parsed->end())
                    parsed->push_back(f);
        if (parsed->size() > static_cast<size_t>(kDeckSize))
            return f_.fail("the stock holds at most 32 cards");
        placeStock(t_, *parsed);
        return true;
    }

    Table& t_;
    NotationFields f_;
};

} // namespace

std::string FormatTable(const Table& t)
{
    return "human=" + cardsText(t.HumanHand, t.HumanCount) +
           " computer=" + cardsText(t.ComputerHand, t.ComputerCount) +
           " ring=" + cardsText(t.Deck, kDeckSize) + " draw=" + std::to_string(t.DrawPos) +
           " discard=" + std::to_string(t.DiscardPos) + " top=" + FormatCard(t.topCard()) +
           " prev=" + FormatCard(t.prevCard()) + " suit=" + SuitText(t.CurrentSuit) +
           " raised=" + (t.RaisedSuit < 0 ? std::string("none") : SuitText(t.RaisedSuit)) +
           " played=" + std::to_string(t.PlayedCount) + " laid=" + FormatCardSet(t.LaidCards) +
           " shown-human=" + FormatHandNotes(ShownBy(t, Side::Human)) +
           " shown-computer=" + FormatHandNotes(ShownBy(t, Side::Computer)) +
           " due=" + std::to_string(t.HumanDrawDue) + "/" + std::to_string(t.ComputerDrawDue) +
           " turn=" + (t.ComputerToMove ? "computer" : "human") +
           " pick=" + (t.SuitPickOpen ? "yes" : "no") + " tick=" + std::to_string(t.LastMoveTick) +
           " game=" + (t.GameInProgress ? "on" : "off") +
           " level=" + (t.Level == ComputerLevel::Expert ? "expert" : "clasic");
}

bool ParseTable(std::string_view line, Table& into, std::string& error)
{
    Table t;
    LineParser parser(t);
    if (!parser.parse(line)) {
        error = parser.error();
        return false;
    }
    into = t;
    return true;
}

} // namespace kolvar
