// The expert computer: a play chosen from a seat's observation alone (it has
// no way to see a Table), by searching deals drawn from what the seat has
// seen (world.h, search.h). Its random numbers come from the host, so a
// seeded game is played again move for move. docs/expert.md says what it
// does and why.
#pragma once

#include "computer/observation.h"
#include "computer/search.h"
#include "game/host.h"
#include "game/moves.h"

namespace kolvar {

// How the expert thinks. The game plays with these defaults; the strength
// benchmark measures what each is worth.
struct ExpertSettings {
    SearchSettings search;
    double trustShown = 0.9;   // of the deals, the share that believe what his moves showed
    bool searchOpening = true; // the opening suit by search, or the suit held most of
};

// The play for the seat, which is to move with a suit named.
Play ChooseExpertPlay(const Observation& o, Host& host, const ExpertSettings& settings = {});

// The suit to open the game with, for the seat that opens before a suit is
// named: the one whose best first play wins most often, and that play.
struct ExpertOpening {
    int16_t suit = 0;
    Play play;
};
ExpertOpening ChooseExpertOpening(const Observation& o, Host& host,
                                  const ExpertSettings& settings = {});

} // namespace kolvar
