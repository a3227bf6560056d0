// How long the cards take to move, in one place.
#pragma once

namespace kolvar {

// One card's flight from where it lay to where it comes to rest.
inline constexpr int kFlightMs = 200;
// Between two cards of a take leaving the stock, so that each is seen.
inline constexpr int kTakeStaggerMs = 80;
// Between two cards of the deal: the ten are on the table within 800 ms
// (nine gaps and one flight), well before a computer that opens moves.
inline constexpr int kDealStaggerMs = 60;

} // namespace kolvar
