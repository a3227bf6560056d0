// The computer's turn, paced by the timer: on the first tick more than a
// second after the move that handed it the turn, and only while a suit is
// named, the computer climbs its ladder of preferences and lays one card or
// takes cards.
#pragma once

#include "game/host.h"
#include "game/table.h"

namespace kolvar {

// What a computer lay does to the suit to follow.
enum class SuitRule {
    Keep,         // CurrentSuit stays as it is
    LaidCardSuit, // the laid card's suit becomes current
    BestSuit,     // the suit the computer holds most of, the laid card counted
};

// One tick of Timer1.
void Timer1_Timer(Table& t, Host& host);

// One computer move: a lay or a take, the redraw, the end test.
void ComputerMove(Table& t, Host& host);

// Lays ComputerHand[index]: it is swapped with the last card held (so the
// hand's order changes), then laid from the end of the hand.
void LayComputerCard(Table& t, Host& host, int16_t index, SuitRule rule);

// Takes ComputerDrawDue cards from the stock, one cue per card.
void ComputerDrawCards(Table& t, Host& host);

} // namespace kolvar
