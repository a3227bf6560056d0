// Writing an observation as one line and reading it back.
#include "computer/observation.h"

#include "game/card_text.h"
#include "game/notation_fields.h"

namespace kolvar {
namespace {

const char* yesNo(bool b)
{
    return b ? "yes" : "no";
}

template <size_t N>
bool setCards(NotationFields& f, std::string_view key, std::array<Face, N>& into, int16_t& count)
{
    std::vector<Face> cards(into.begin(), into.begin() + count);
    if (!f.cards(key, cards))
        return false;
    if (cards.size() > N)
        return f.fail(std::string(key) + " holds at most " + std::to_string(N) + " cards");
    std::copy(cards.begin(), cards.end(), into.begin());
    count = static_cast<int16_t>(cards.size());
    return true;
}

bool readPublic(NotationFields& f, Observation& o)
{
    std::vector<Face> top{o.top}, prev{o.prev};
    bool computer = o.seat == Side::Computer;
    if (!f.flag("seat", "computer", "human", computer) ||
        !f.flag("to-move", "yes", "no", o.toMove) || !f.cards("top", top) ||
        !f.cards("prev", prev) || !f.number("played", o.played) || !f.suit("suit", o.currentSuit) ||
        !f.flag("named", "yes", "no", o.suitNamed) || !f.pair("due", o.ownDue, o.opponentDue))
        return false;
    if (top.size() != 1 || prev.size() != 1)
        return f.fail("top and prev are one card each");
    o.seat = computer ? Side::Computer : Side::Human;
    o.top = top[0];
    o.prev = prev[0];
    return true;
}

} // namespace

std::string FormatObservation(const Observation& o)
{
    return std::string("seat=") + (o.seat == Side::Computer ? "computer" : "human") +
           " to-move=" + yesNo(o.toMove) + " hand=" + FormatCards(o.hand.data(), o.handCount) +
           " top=" + FormatCard(o.top) + " prev=" + FormatCard(o.prev) +
           " played=" + std::to_string(o.played) + " suit=" + SuitText(o.currentSuit) +
           " named=" + yesNo(o.suitNamed) + " due=" + std::to_string(o.ownDue) + "/" +
           std::to_string(o.opponentDue) + " opponent=" + std::to_string(o.opponentCount) +
           " opponent-known=" + FormatCardSet(o.opponentKnown) +
           " opponent-shown=" + FormatHandNotes(o.opponentShown) +
           " unseen=" + std::to_string(o.unseenStock) +
           " laid-stock=" + FormatCards(o.laidStock.data(), o.laidStockCount);
}

bool ParseObservation(std::string_view line, Observation& into, std::string& error)
{
    Observation o;
    NotationFields f;
    const bool read =
        f.split(line) && readPublic(f, o) && setCards(f, "hand", o.hand, o.handCount) &&
        f.number("opponent", o.opponentCount) && f.cardSet("opponent-known", o.opponentKnown) &&
        f.notes("opponent-shown", o.opponentShown) && f.number("unseen", o.unseenStock) &&
        setCards(f, "laid-stock", o.laidStock, o.laidStockCount) && f.allRead();
    if (!read) {
        error = f.error();
        return false;
    }
    into = o;
    return true;
}

} // namespace kolvar
