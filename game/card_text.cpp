// Writing and reading the notations' pieces.
#include "game/card_text.h"

#include <algorithm>
#include <charconv>

namespace kolvar {
namespace {

constexpr std::string_view kRankLetters = "789TAJQK"; // codes 7..14
constexpr std::string_view kSuitLetters = "dshc";     // codes 0..3

std::optional<Face> parseCard(std::string_view s)
{
    if (auto dot = s.find('.'); dot != std::string_view::npos) {
        auto rank = ParseNumber(s.substr(0, dot));
        auto suit = ParseNumber(s.substr(dot + 1));
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

// The parts of `s` between the separators.
template <typename Each>
bool forEachPart(std::string_view s, char separator, Each each)
{
    while (!s.empty()) {
        const auto end = std::min(s.find(separator), s.size());
        if (!each(s.substr(0, end)))
            return false;
        s.remove_prefix(std::min(end + 1, s.size()));
    }
    return true;
}

} // namespace

std::string FormatCard(Face f)
{
    if (InDeck(f))
        return {kRankLetters[f.Rank - kLowestRank], kSuitLetters[f.Suit]};
    return std::to_string(f.Rank) + "." + std::to_string(f.Suit);
}

std::string FormatCards(const Face* cards, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ',';
        out += FormatCard(cards[i]);
    }
    return out;
}

std::string FormatCardSet(CardSet cards)
{
    std::vector<Face> list;
    for (Face f : cards)
        list.push_back(f);
    return FormatCards(list.data(), static_cast<int>(list.size()));
}

std::string FormatHandNotes(const HandNotes& notes)
{
    std::string out;
    for (int i = 0; i < notes.count(); ++i) {
        if (i > 0)
            out += ';';
        out += FormatCardSet(notes[i].lacking) + "/" + std::to_string(notes[i].held);
    }
    return out;
}

std::string SuitText(int16_t suit)
{
    return suit >= 0 && suit < kSuitCount ? std::string(1, kSuitLetters[suit])
                                          : std::to_string(suit);
}

std::optional<int> ParseNumber(std::string_view s)
{
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::optional<std::vector<Face>> ParseCards(std::string_view s)
{
    std::vector<Face> cards;
    const bool read = forEachPart(s, ',', [&](std::string_view part) {
        const auto card = parseCard(part);
        if (card)
            cards.push_back(*card);
        return card.has_value();
    });
    return read ? std::optional(cards) : std::nullopt;
}

std::optional<CardSet> ParseCardSet(std::string_view s)
{
    const auto cards = ParseCards(s);
    if (!cards || !std::all_of(cards->begin(), cards->end(), InDeck))
        return std::nullopt;
    return CardSet::of(*cards, static_cast<int>(cards->size()));
}

std::optional<HandNotes> ParseHandNotes(std::string_view s)
{
    HandNotes notes;
    const bool read = forEachPart(s, ';', [&](std::string_view note) {
        const auto slash = note.find('/');
        if (slash == std::string_view::npos)
            return false;
        const auto lacking = ParseCardSet(note.substr(0, slash));
        const auto held = ParseNumber(note.substr(slash + 1));
        if (lacking && held)
            notes.add(*lacking, *held);
        return lacking && held;
    });
    return read ? std::optional(notes) : std::nullopt;
}

std::optional<int16_t> ParseSuit(std::string_view s)
{
    const auto letter = s.size() == 1 ? kSuitLetters.find(s) : std::string_view::npos;
    if (letter != std::string_view::npos)
        return static_cast<int16_t>(letter);
    if (const auto code = ParseNumber(s))
        return static_cast<int16_t>(*code);
    return std::nullopt;
}

} // namespace kolvar
