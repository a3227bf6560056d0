// The names of the cards and suits in the game's own language, as its rules
// text names them: a rank and a suit, "9 de inima rosie"; the ace is "as"
// and the court cards go by their codes, the jack "12", the queen "13" and
// the king "14". A screen reader speaks these names.
#pragma once

#include "game/card.h"

#include <string>
#include <string_view>

namespace kolvar {

// "romb", "inima neagra", "inima rosie", "trefla"; empty for a code off the deck.
std::string_view SuitName(int16_t suit);

// "7 de romb", "as de trefla", "12 de inima rosie"; empty for a face off the deck.
std::string CardName(Face face);

// A number of cards: "1 carte", "5 carti", "22 de carti" (from twenty on,
// the numbers take "de").
std::string CardCount(int count);

} // namespace kolvar
