// The random player's policy and its tally.
#include "random_player.h"

#include "game/end_game.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "game/timing.h"

#include <array>

namespace kolvar::testing {
namespace {

// Events without a move (suit buttons, refused clicks) are few; a game that
// runs into this many events is stuck and is abandoned with the move limit.
constexpr int kStepLimit = 4 * kMoveLimit;

} // namespace

RandomPlayer::RandomPlayer(uint64_t seed, ComputerLevel level) : rng_(seed)
{
    session_.host().randomSource = [this] { return rng_.unit(); };
    session_.options().Level = level;
}

void RandomPlayer::playGame(GameTally& tally)
{
    if (session_.host().optionsItemEnabled && rng_.below(4) == 0)
        session_.toggleHumanFirst();
    session_.newGame();
    ++tally.games;
    const long movesAtDeal = tally.moves;
    for (int steps = 0; session_.table().GameInProgress; ++steps) {
        if (steps == kStepLimit || tally.moves - movesAtDeal >= kMoveLimit) {
            ++tally.abandoned;
            return;
        }
        const int redrawsBefore = session_.host().redraws;
        const int cardsBefore = session_.table().HumanCount + session_.table().ComputerCount;
        step();
        countStep(redrawsBefore, cardsBefore, tally);
    }
}

void RandomPlayer::step()
{
    if (!session_.table().suitNamed())
        session_.clickSuitButton(rng_.below(kSuitCount));
    else if (session_.table().ComputerToMove)
        session_.tick(kComputerPauseMs + 1);
    else
        humanTurn();
}

// A random card that the rules admit; with none to lay, or one time in
// eight anyway, a click somewhere on the stock.
void RandomPlayer::humanTurn()
{
    const AdmittedCards admitted = HumanCardsAdmitted(session_.table());
    if (admitted.count == 0 || rng_.below(8) == 0) {
        const int dx = 1 + rng_.below(kCardWidth - 2);
        session_.clickStock(dx, 1 + rng_.below(kCardHeight - 2));
        return;
    }
    session_.clickCard(admitted.index[rng_.below(admitted.count)]);
}

// Every lay and every take redraws the table once, and only they do; a take
// is the one move that makes the hands grow.
void RandomPlayer::countStep(int redrawsBefore, int cardsBefore, GameTally& tally)
{
    FakeHost& host = session_.host();
    tally.moves += host.redraws - redrawsBefore;
    const int cardsAfter = session_.table().HumanCount + session_.table().ComputerCount;
    if (cardsAfter > cardsBefore)
        tally.cardsDrawn += cardsAfter - cardsBefore;
    for (Notice m : host.messages)
        if (m != Notice::PickSuit)
            ++(m == Notice::HumanWon ? tally.humanWins : tally.computerWins);
    host.messages.clear();
    host.cues.clear();
}

} // namespace kolvar::testing
