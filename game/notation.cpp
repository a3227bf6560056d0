// Writing a table as one line and reading it back (the format is described
// in notation.h).
#include "game/notation.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <vector>

namespace kolvar {
namespace {

constexpr std::string_view kRankLetters = "789TAJQK"; // codes 7..14
constexpr std::string_view kSuitLetters = "dshc";     // codes 0..3

using Cards = std::vector<Card>;

std::optional<int> parseInt(std::string_view s)
{
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::optional<Card> parseCard(std::string_view s)
{
    if (auto dot = s.find('.'); dot != std::string_view::npos) {
        auto rank = parseInt(s.substr(0, dot));
        auto suit = parseInt(s.substr(dot + 1));
        if (!rank || !suit)
            return std::nullopt;
        return Card{static_cast<int16_t>(*rank), static_cast<int16_t>(*suit), 0};
    }
    if (s.size() != 2)
        return std::nullopt;
    const auto r = kRankLetters.find(s[0]);
    const auto u = kSuitLetters.find(s[1]);
    if (r == std::string_view::npos || u == std::string_view::npos)
        return std::nullopt;
    return Card{static_cast<int16_t>(r + kLowestRank), static_cast<int16_t>(u), 0};
}

std::optional<Cards> parseCards(std::string_view s)
{
    Cards cards;
    while (!s.empty()) {
        const auto comma = std::min(s.find(','), s.size());
        auto c = parseCard(s.substr(0, comma));
        if (!c)
            return std::nullopt;
        cards.push_back(*c);
        s.remove_prefix(std::min(comma + 1, s.size()));
    }
    return cards;
}

std::string formatCards(const Card* begin, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (i)
            out += ',';
        out += FormatCard(begin[i]);
    }
    return out;
}

// The cards in neither hand, in built order, ending with the card under the
// top card and the top card itself, as a stock reads after real play.
Cards restOfDeck(const Table& t)
{
    Cards rest;
    auto held = [&](const Card& c) {
        auto in = [&](const auto& hand, int n) {
            return std::any_of(hand.begin(), hand.begin() + n,
                               [&](const Card& h) { return h.sameFace(c); });
        };
        return in(t.HumanHand, t.HumanCount) || in(t.ComputerHand, t.ComputerCount);
    };
    for (int i = 0; i < kDeckSize; ++i) {
        const Card c{static_cast<int16_t>(i / kSuitCount + kLowestRank),
                     static_cast<int16_t>(i % kSuitCount), -1};
        if (!held(c))
            rest.push_back(c);
    }
    auto moveToEnd = [&](int16_t rank, int16_t suit) {
        auto it = std::find_if(rest.begin(), rest.end(),
                               [&](const Card& c) { return c.Rank == rank && c.Suit == suit; });
        if (it != rest.end())
            std::rotate(it, it + 1, rest.end());
    };
    if (t.PlayedCount >= 2)
        moveToEnd(t.PrevRank, t.PrevSuit);
    if (t.PlayedCount >= 1)
        moveToEnd(t.TopRank, t.TopSuit);
    return rest;
}

// Lays the stock out from DrawPos on; the entries behind it hold stale
// copies of the hands' cards, as after a deal.
void placeStock(Table& t, const Cards& stock)
{
    Cards ring = stock;
    ring.insert(ring.end(), t.HumanHand.begin(), t.HumanHand.begin() + t.HumanCount);
    ring.insert(ring.end(), t.ComputerHand.begin(), t.ComputerHand.begin() + t.ComputerCount);
    ring.resize(kDeckSize, Card{});
    for (int k = 0; k < kDeckSize; ++k) {
        Card& entry = t.Deck[(t.DrawPos + k) % kDeckSize];
        copyFace(entry, ring[k]);
        entry.Slot = -1;
    }
    t.DiscardPos = static_cast<int16_t>((t.DrawPos + stock.size()) % kDeckSize);
}

bool setHand(std::array<Card, kHandCapacity>& hand, int16_t& count, const Cards& cards)
{
    if (cards.size() > static_cast<size_t>(kHandCapacity))
        return false;
    count = static_cast<int16_t>(cards.size());
    std::copy(cards.begin(), cards.end(), hand.begin());
    return true;
}

} // namespace

std::string FormatCard(const Card& c)
{
    if (c.Rank >= kLowestRank && c.Rank <= kHighestRank && c.Suit >= 0 && c.Suit < kSuitCount)
        return {kRankLetters[c.Rank - kLowestRank], kSuitLetters[c.Suit]};
    return std::to_string(c.Rank) + "." + std::to_string(c.Suit);
}

std::string FormatTable(const Table& t)
{
    auto card = [](int16_t rank, int16_t suit) { return FormatCard(Card{rank, suit, 0}); };
    std::string suit = t.CurrentSuit >= 0 && t.CurrentSuit < kSuitCount
                           ? std::string(1, kSuitLetters[t.CurrentSuit])
                           : std::to_string(t.CurrentSuit);
    return "human=" + formatCards(t.HumanHand.data(), t.HumanCount) +
           " computer=" + formatCards(t.ComputerHand.data(), t.ComputerCount) +
           " ring=" + formatCards(t.Deck.data(), kDeckSize) + " draw=" + std::to_string(t.DrawPos) +
           " discard=" + std::to_string(t.DiscardPos) + " top=" + card(t.TopRank, t.TopSuit) +
           " prev=" + card(t.PrevRank, t.PrevSuit) + " suit=" + suit +
           " played=" + std::to_string(t.PlayedCount) + " due=" + std::to_string(t.HumanDrawDue) +
           "/" + std::to_string(t.ComputerDrawDue) +
           " turn=" + (t.ComputerToMove ? "computer" : "human") +
           " pick=" + (t.SuitPickOpen ? "yes" : "no") + " tick=" + std::to_string(t.LastMoveTick) +
           " game=" + (t.GameInProgress ? "on" : "off");
}

bool ParseTable(std::string_view line, Table& into, std::string& error)
{
    std::map<std::string, std::string, std::less<>> fields;
    while (!line.empty()) {
        const auto space = std::min(line.find(' '), line.size());
        const std::string_view token = line.substr(0, space);
        line.remove_prefix(std::min(space + 1, line.size()));
        if (token.empty())
            continue;
        const auto eq = token.find('=');
        if (eq == std::string_view::npos) {
            error = "field without '=': " + std::string(token);
            return false;
        }
        fields[std::string(token.substr(0, eq))] = std::string(token.substr(eq + 1));
    }
    auto take = [&](std::string_view key) -> std::optional<std::string> {
        auto it = fields.find(key);
        if (it == fields.end())
            return std::nullopt;
        std::string v = it->second;
        fields.erase(it);
        return v;
    };
    auto fail = [&](std::string what) {
        error = std::move(what);
        return false;
    };

    Table t = into; // keeps the geometry
    const Table fresh;
    t.Deck = fresh.Deck;
    t.HumanHand = fresh.HumanHand;
    t.ComputerHand = fresh.ComputerHand;
    t.SuitTally = fresh.SuitTally;
    t.StockClicked = false;
    t.MoveRunning = false;

    auto cardsOf = [&](std::string_view key, Cards& out) {
        if (auto v = take(key)) {
            auto cards = parseCards(*v);
            if (!cards)
                return fail("bad cards in " + std::string(key) + "=" + *v);
            out = *cards;
        }
        return true;
    };
    auto number = [&](std::string_view key, auto& field, int fallback) {
        auto v = take(key);
        auto n = v ? parseInt(*v) : std::optional<int>(fallback);
        if (!n)
            return fail("bad number in " + std::string(key) + "=" + *v);
        field = static_cast<std::remove_reference_t<decltype(field)>>(*n);
        return true;
    };
    auto flag = [&](std::string_view key, std::string_view yes, std::string_view no, bool& field,
                    bool fallback) {
        auto v = take(key);
        if (!v) {
            field = fallback;
            return true;
        }
        if (*v != yes && *v != no)
            return fail(std::string(key) + " takes " + std::string(yes) + " or " + std::string(no));
        field = *v == yes;
        return true;
    };

    Cards human, computer, top, prev;
    if (!cardsOf("human", human) || !cardsOf("computer", computer) || !cardsOf("top", top) ||
        !cardsOf("prev", prev))
        return false;
    if (!setHand(t.HumanHand, t.HumanCount, human) ||
        !setHand(t.ComputerHand, t.ComputerCount, computer))
        return fail("a hand holds at most 21 cards");
    for (int i = 0; i < t.HumanCount; ++i)
        t.HumanHand[i].Slot = static_cast<int16_t>(i);
    if (top.size() > 1 || prev.size() > 1)
        return fail("top and prev are one card each");
    const Card topCard = top.empty() ? Card{} : top[0];
    const Card prevCard = prev.empty() ? Card{} : prev[0];
    t.TopRank = topCard.Rank;
    t.TopSuit = topCard.Suit;
    t.PrevRank = prevCard.Rank;
    t.PrevSuit = prevCard.Suit;

    if (auto s = take("suit")) {
        const auto u = kSuitLetters.find(*s);
        auto n = parseInt(*s);
        if (s->size() == 1 && u != std::string_view::npos)
            t.CurrentSuit = static_cast<int16_t>(u);
        else if (n)
            t.CurrentSuit = static_cast<int16_t>(*n);
        else
            return fail("bad suit=" + *s);
    } else {
        t.CurrentSuit = top.empty() ? int16_t{0} : topCard.Suit;
    }
    const int playedFallback = prev.empty() ? (top.empty() ? 0 : 1) : 2;
    if (!number("played", t.PlayedCount, playedFallback))
        return false;
    if (!flag("turn", "computer", "human", t.ComputerToMove, false) ||
        !flag("pick", "yes", "no", t.SuitPickOpen, false) ||
        !flag("game", "on", "off", t.GameInProgress, true))
        return false;
    if (auto due = take("due")) {
        const auto slash = due->find('/');
        auto h = parseInt(std::string_view(*due).substr(0, slash));
        auto c = slash == std::string::npos ? std::nullopt
                                            : parseInt(std::string_view(*due).substr(slash + 1));
        if (!h || !c)
            return fail("due takes H/C, e.g. due=1/0");
        t.HumanDrawDue = static_cast<int16_t>(*h);
        t.ComputerDrawDue = static_cast<int16_t>(*c);
    } else {
        t.HumanDrawDue = t.ComputerToMove ? 0 : 1;
        t.ComputerDrawDue = t.ComputerToMove ? 1 : 0;
    }
    if (!number("tick", t.LastMoveTick, 0) || !number("draw", t.DrawPos, 0))
        return false;
    if (t.DrawPos < 0 || t.DrawPos >= kDeckSize)
        return fail("draw is a ring position 0..31");

    if (auto ring = take("ring")) {
        auto cards = parseCards(*ring);
        if (!cards || cards->size() != static_cast<size_t>(kDeckSize))
            return fail("ring takes 32 cards");
        for (int i = 0; i < kDeckSize; ++i) {
            copyFace(t.Deck[i], (*cards)[i]);
            t.Deck[i].Slot = -1;
        }
        if (!number("discard", t.DiscardPos, -1))
            return false;
        if (t.DiscardPos < 0 || t.DiscardPos >= kDeckSize)
            return fail("ring takes discard=N, a ring position 0..31");
    } else {
        auto stock = take("stock").value_or("...");
        const bool thenRest = stock == "..." || stock.ends_with(",...");
        if (thenRest)
            stock.resize(stock.size() - std::min<size_t>(stock.size(), 4));
        auto cards = parseCards(stock);
        if (!cards)
            return fail("bad cards in stock=" + stock);
        if (thenRest)
            for (const Card& c : restOfDeck(t))
                if (std::none_of(cards->begin(), cards->end(),
                                 [&](const Card& s) { return s.sameFace(c); }))
                    cards->push_back(c);
        if (cards->size() > static_cast<size_t>(kDeckSize))
            return fail("the stock holds at most 32 cards");
        placeStock(t, *cards);
    }
    if (!fields.empty())
        return fail("unknown field " + fields.begin()->first);
    into = t;
    return true;
}

} // namespace kolvar
