// The plays the rules admit, and one play made on a simulated table.
#include "computer/simulation.h"

#include "game/end_game.h"
#include "game/rules.h"

namespace kolvar {

Plays AdmittedPlays(const Table& w)
{
    const Side side = SideToMove(w);
    const auto& hand = HandCards(w, side);
    const CardSet admitted = AdmittedCards(w, side);
    Plays plays;
    bool sevenListed = false;
    for (int16_t i = 0; i < HandCount(w, side); ++i) {
        if (!admitted.has(hand[i]))
            continue;
        if (hand[i].Rank != kSeven) {
            plays.list[plays.count++] = Play::lay(i, SuitRule::LaidCardSuit);
        } else if (!sevenListed) {
            // Every seven does the same: one stands for all.
            sevenListed = true;
            for (int16_t s = 0; s < kSuitCount; ++s)
                plays.list[plays.count++] = Play::lay(i, SuitRule::named(s));
        }
    }
    plays.list[plays.count++] = Play::take();
    return plays;
}

bool TurnLost(const Table& w)
{
    return CannotAnswerLastJack(w, SideToMove(w));
}

std::optional<Side> MakeSimulatedPlay(Table& w, Host& quiet, Play play)
{
    const Side side = SideToMove(w);
    MakePlay(w, quiet, side, play);
    if (!play.isTake() && WinsByLastCard(w, side))
        return side;
    return std::nullopt;
}

} // namespace kolvar
