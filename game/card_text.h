// Cards, suits and the other values of a table as text, the pieces of the
// one-line notations (notation.h, and a seat's observation in computer/).
//
// A card is its rank and suit letter: 7 8 9 T J Q K A and d s h c, so "Td" is
// the ten of diamonds and "Jc" the jack of clubs; a code outside the deck is
// written as "rank.suit" in numbers, e.g. "0.0". Cards are listed with
// commas; a hand's notes (hand_notes.h) as "lacking/held" with semicolons,
// oldest first: "7d,8d/3;Jc,Js/1".
#pragma once

#include "game/card_set.h"
#include "game/hand_notes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

std::string FormatCard(Face f);
std::string FormatCards(const Face* cards, int count);
std::string FormatCardSet(CardSet cards);
std::string FormatHandNotes(const HandNotes& notes);
// A suit's letter, or its code when it is no suit.
std::string SuitText(int16_t suit);

std::optional<int> ParseNumber(std::string_view s);
std::optional<std::vector<Face>> ParseCards(std::string_view s);
// Cards of the deck only, each once or more.
std::optional<CardSet> ParseCardSet(std::string_view s);
std::optional<HandNotes> ParseHandNotes(std::string_view s);
// A suit's letter or its code.
std::optional<int16_t> ParseSuit(std::string_view s);

} // namespace kolvar
