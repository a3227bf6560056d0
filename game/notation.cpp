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

using Cards = std::vector<Face>;

std::optional<int> parseInt(std::string_view s)
{
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::optional<Face> parseCard(std::string_view s)
{
    if (auto dot = s.find('.'); dot != std::string_view::npos) {
        auto rank = parseInt(s.substr(0, dot));
        auto suit = parseInt(s.substr(dot + 1));
        if (!rank || !suit)
            return std::nullopt;
        return Face{static_cast<int16_t>(*rank), static_cast<int16_t>(*suit)};
    }
    if (s.size() != 2)
        return std::nullopt;
    const auto r = kRankLetters.find(s[0]);
    const auto u = kSuitLetters.find(s[1]);
    if (r == std::string_view::npos || u == std::string_view::npos)
        return std::nullopt;
    return Face{static_cast<int16_t>(r + kLowestRank), static_cast<int16_t>(u)};
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
    auto held = [&](Face f) {
        auto in = [&](const auto& hand, int n) {
            return std::any_of(hand.begin(), hand.begin() + n,
                               [&](const Card& h) { return h.face() == f; });
        };
        return in(t.HumanHand, t.HumanCount) || in(t.ComputerHand, t.ComputerCount);
    };
    for (int i = 0; i < kDeckSize; ++i)
        if (!held(BuiltFace(i)))
            rest.push_back(BuiltFace(i));
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

// A suit's letter, or its code when it is no suit.
std::string suitText(int16_t suit)
{
    return suit >= 0 && suit < kSuitCount ? std::string(1, kSuitLetters[suit])
                                          : std::to_string(suit);
}

// A suit's letter or its code.
std::optional<int16_t> parseSuit(std::string_view s)
{
    const auto letter = s.size() == 1 ? kSuitLetters.find(s) : std::string_view::npos;
    if (letter != std::string_view::npos)
        return static_cast<int16_t>(letter);
    if (const auto code = parseInt(s))
        return static_cast<int16_t>(*code);
    return std::nullopt;
}

} // namespace

std::string FormatCard(Face f)
{
    if (InDeck(f))
        return {kRankLetters[f.Rank - kLowestRank], kSuitLetters[f.Suit]};
    return std::to_string(f.Rank) + "." + std::to_string(f.Suit);
}

std::string FormatTable(const Table& t)
{
    const std::string suit = suitText(t.CurrentSuit);
    return "human=" + formatCards(t.HumanHand.data(), t.HumanCount) +
           " computer=" + formatCards(t.ComputerHand.data(), t.ComputerCount) +
           " ring=" + formatCards(t.Deck.data(), kDeckSize) + " draw=" + std::to_string(t.DrawPos) +
           " discard=" + std::to_string(t.DiscardPos) + " top=" + FormatCard(t.topCard()) +
           " prev=" + FormatCard(t.prevCard()) + " suit=" + suit +
           " raised=" + (t.RaisedSuit < 0 ? std::string("none") : suitText(t.RaisedSuit)) +
           " played=" + std::to_string(t.PlayedCount) + " due=" + std::to_string(t.HumanDrawDue) +
           "/" + std::to_string(t.ComputerDrawDue) +
           " turn=" + (t.ComputerToMove ? "computer" : "human") +
           " pick=" + (t.SuitPickOpen ? "yes" : "no") + " tick=" + std::to_string(t.LastMoveTick) +
           " game=" + (t.GameInProgress ? "on" : "off");
}

namespace {

// Reads one line's fields into a table, each field at most once; every
// field left over at the end is unknown.
class LineParser {
public:
    explicit LineParser(Table& t) : t_(t) {}

    bool parse(std::string_view line)
    {
        return split(line) && readHands() && readPile() && readTurn() && readRing() &&
               (fields_.empty() || fail("unknown field " + fields_.begin()->first));
    }
    const std::string& error() const { return error_; }

private:
    bool fail(std::string what)
    {
        error_ = std::move(what);
        return false;
    }

    bool split(std::string_view line)
    {
        while (!line.empty()) {
            const auto space = std::min(line.find(' '), line.size());
            const std::string_view token = line.substr(0, space);
            line.remove_prefix(std::min(space + 1, line.size()));
            if (token.empty())
                continue;
            const auto eq = token.find('=');
            if (eq == std::string_view::npos)
                return fail("field without '=': " + std::string(token));
            fields_[std::string(token.substr(0, eq))] = std::string(token.substr(eq + 1));
        }
        return true;
    }

    std::optional<std::string> take(std::string_view key)
    {
        auto it = fields_.find(key);
        if (it == fields_.end())
            return std::nullopt;
        std::string v = std::move(it->second);
        fields_.erase(it);
        return v;
    }

    bool cards(std::string_view key, Cards& out)
    {
        auto v = take(key);
        if (!v)
            return true;
        auto parsed = parseCards(*v);
        if (!parsed)
            return fail("bad cards in " + std::string(key) + "=" + *v);
        out = std::move(*parsed);
        return true;
    }

    template <typename Field>
    bool number(std::string_view key, Field& field, int fallback)
    {
        auto v = take(key);
        auto n = v ? parseInt(*v) : std::optional<int>(fallback);
        if (!n)
            return fail("bad number in " + std::string(key) + "=" + *v);
        field = static_cast<Field>(*n);
        return true;
    }

    bool flag(std::string_view key, std::string_view yes, std::string_view no, bool& field,
              bool fallback)
    {
        auto v = take(key);
        if (v && *v != yes && *v != no)
            return fail(std::string(key) + " takes " + std::string(yes) + " or " + std::string(no));
        field = v ? *v == yes : fallback;
        return true;
    }

    bool readHands()
    {
        Cards human, computer;
        if (!cards("human", human) || !cards("computer", computer))
            return false;
        if (!setHand(t_.HumanHand, t_.HumanCount, human) ||
            !setHand(t_.ComputerHand, t_.ComputerCount, computer))
            return fail("a hand holds at most 21 cards");
        for (int i = 0; i < t_.HumanCount; ++i)
            t_.HumanHand[i].Slot = static_cast<int16_t>(i);
        return true;
    }

    // The top card, the card under it, the suit to follow, the suit button
    // raised and the cards laid.
    bool readPile()
    {
        Cards top, prev;
        if (!cards("top", top) || !cards("prev", prev))
            return false;
        if (top.size() > 1 || prev.size() > 1)
            return fail("top and prev are one card each");
        t_.setTopCard(top.empty() ? Face{} : top[0]);
        t_.setPrevCard(prev.empty() ? Face{} : prev[0]);
        t_.CurrentSuit = t_.TopSuit;
        if (auto s = take("suit")) {
            const auto suit = parseSuit(*s);
            if (!suit)
                return fail("bad suit=" + *s);
            t_.CurrentSuit = *suit;
        }
        if (auto r = take("raised"); r && *r != "none") {
            const auto suit = parseSuit(*r);
            if (!suit)
                return fail("bad raised=" + *r);
            t_.RaisedSuit = *suit;
        }
        return number("played", t_.PlayedCount, prev.empty() ? (top.empty() ? 0 : 1) : 2);
    }

    // Whose turn, the draw counters and the flags of a game in progress.
    bool readTurn()
    {
        if (!flag("turn", "computer", "human", t_.ComputerToMove, false) ||
            !flag("pick", "yes", "no", t_.SuitPickOpen, false) ||
            !flag("game", "on", "off", t_.GameInProgress, true) ||
            !number("tick", t_.LastMoveTick, 0))
            return false;
        t_.HumanDrawDue = t_.ComputerToMove ? 0 : 1;
        t_.ComputerDrawDue = t_.ComputerToMove ? 1 : 0;
        auto due = take("due");
        if (!due)
            return true;
        const auto slash = due->find('/');
        const auto h = parseInt(std::string_view(*due).substr(0, slash));
        const auto c = slash == std::string::npos
                           ? std::nullopt
                           : parseInt(std::string_view(*due).substr(slash + 1));
        if (!h || !c)
            return fail("due takes H/C, e.g. due=1/0");
        t_.HumanDrawDue = static_cast<int16_t>(*h);
        t_.ComputerDrawDue = static_cast<int16_t>(*c);
        return true;
    }

    bool readRing()
    {
        if (!number("draw", t_.DrawPos, 0))
            return false;
        if (t_.DrawPos < 0 || t_.DrawPos >= kDeckSize)
            return fail("draw is a ring position 0..31");
        auto ring = take("ring");
        return ring ? readWholeRing(*ring) : readStock(take("stock").value_or("..."));
    }

    bool readWholeRing(const std::string& ring)
    {
        auto parsed = parseCards(ring);
        if (!parsed || parsed->size() != static_cast<size_t>(kDeckSize))
            return fail("ring takes 32 cards");
        for (int i = 0; i < kDeckSize; ++i)
            t_.Deck[i] = Card{(*parsed)[i], -1};
        if (!number("discard", t_.DiscardPos, -1))
            return false;
        if (t_.DiscardPos < 0 || t_.DiscardPos >= kDeckSize)
            return fail("ring takes discard=N, a ring position 0..31");
        return true;
    }

    bool readStock(std::string stock)
    {
        const bool thenRest = stock == "..." || stock.ends_with(",...");
        if (thenRest)
            stock.resize(stock.size() - std::min<size_t>(stock.size(), 4));
        auto parsed = parseCards(stock);
        if (!parsed)
            return fail("bad cards in stock=" + stock);
        if (thenRest)
            for (Face f : restOfDeck(t_))
                if (std::find(parsed->begin(), parsed->end(), f) == parsed->end())
                    parsed->push_back(f);
        if (parsed->size() > static_cast<size_t>(kDeckSize))
            return fail("the stock holds at most 32 cards");
        placeStock(t_, *parsed);
        return true;
    }

    Table& t_;
    std::map<std::string, std::string, std::less<>> fields_;
    std::string error_;
};

} // namespace

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
