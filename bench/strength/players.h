// The players the strength benchmark sets against each other. The computer's
// seat plays at the game's own levels (clasic, expert) on its timer; the
// player's seat is played, through his clicks, by
//   clasic       the computer's ladder, played from the player's seat
//   random       a random card the rules admit; takes only when none is
//   policy       the expert's playout policy alone, without search
//   expert       the expert, from the player's observation
//   handseer     the expert's search, seeing the computer's hand (not the stock)
//   omniscient   the expert's search over the real deal, every card in view:
//                the ceiling; built here only, never in the game
// The searching players take settings after commas, to measure what each is
// worth: moves=N (simulated moves per decision), anycard=P (the playouts'
// share of random cards), trust=P (the share of deals that believe what the
// opponent's moves showed), opening=held (open with the suit held most of).
// E.g. "expert,moves=40000,trust=0".
#pragma once

#include "game/host.h"
#include "game/moves.h"
#include "game/table.h"

#include <functional>
#include <optional>
#include <string>

namespace kolvar::bench {

// What the player's seat does next: a play, and the suit to name when one is
// due before his move (his opening; after his seven the play names it).
struct SeatPlayer {
    std::function<Play(const Table&, Host&)> play;
    std::function<int16_t(const Table&, Host&)> openingSuit;
};

// The player `description` names, or none.
std::optional<SeatPlayer> PlayerNamed(const std::string& description);

} // namespace kolvar::bench
