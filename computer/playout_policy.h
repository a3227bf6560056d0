// How a sensible player plays when nobody searches: the moves of both sides
// in the expert's playouts. It reads only the mover's own hand and what lies
// open on the table, and it assumes no particular opponent: it follows suit
// with the suit it holds most of, keeps its sevens for when nothing else
// goes, lays an ace for the free move, answers a jack chain with a jack, and
// takes only when it must; now and then it lays any card it may, so that the
// playouts cover what people do.
//
// It lays a card it may lay at random `anyCardChance` of the time.
#pragma once

#include "computer/random_stream.h"
#include "computer/simulation.h"
#include "game/table.h"

namespace kolvar {

Play PolicyPlay(const Table& w, RandomStream& random, double anyCardChance);

// Plays the world on by the policy until it ends, or for `limit` moves at
// most; the score is `perspective`'s. `moves` counts the moves made.
Score Playout(Table& w, Side perspective, RandomStream& random, double anyCardChance, int limit,
              int& moves);

} // namespace kolvar
