// Card and suit names.
#include "game/card_names.h"

#include <array>

namespace kolvar {

std::string_view SuitName(int16_t suit)
{
    static constexpr std::array<std::string_view, kSuitCount> names = {"romb", "inima neagra",
                                                                       "inima rosie", "trefla"};
    return suit >= 0 && suit < kSuitCount ? names[suit] : std::string_view{};
}

std::string CardName(Face face)
{
    if (!InDeck(face))
        return {};
    const std::string rank = face.Rank == kAce ? "as" : std::to_string(face.Rank);
    return rank + " de " + std::string(SuitName(face.Suit));
}

std::string CardCount(int count)
{
    if (count == 1)
        return "1 carte";
    const int lastTwo = count % 100;
    return std::to_string(count) +
           (count >= 20 && (lastTwo == 0 || lastTwo >= 20) ? " de carti" : " carti");
}

} // namespace kolvar
