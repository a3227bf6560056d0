// The random player's policy and its tally.
#include "random_player.h"

#include "computer/computer_turn.h"
#include "game/end_game.h"
#include "game/new_game.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "game/timing.h"
#include "human/table_click.h"

#include <array>

namespace kolvar::testing {
namespace {

constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 700;

// Events without a move (suit buttons, refused clicks) are few; a game that
// runs into this many events is stuck and is abandoned with the move limit.
constexpr int kStepLimit = 4 * kMoveLimit;

bool admitted(const Table& t, const Card& c)
{
    return FollowsSuitOrRank(t, c) && (!PenaltyPending(t.HumanDrawDue) || c.Rank == kJack);
}

} // namespace

RandomPlayer::RandomPlayer(uint64_t seed) : rng_(seed)
{
    host_.randomSource = [this] { return rng_.unit(); };
    Form_Load(t_, options_, host_, kClientWidth, kClientHeight);
}

void RandomPlayer::playGame(GameTally& tally)
{
    if (host_.optionsItemEnabled && rng_.below(4) == 0)
        options_.OptHumanFirst = !options_.OptHumanFirst;
    JocNou_Click(t_, options_, host_);
    ++tally.games;
    const long movesAtDeal = tally.moves;
    for (int steps = 0; t_.GameInProgress; ++steps) {
        if (steps == kStepLimit || tally.moves - movesAtDeal >= kMoveLimit) {
            ++tally.abandoned;
            return;
        }
        const int redrawsBefore = host_.redraws;
        const int cardsBefore = t_.HumanCount + t_.ComputerCount;
        step();
        countStep(redrawsBefore, cardsBefore, tally);
    }
}

void RandomPlayer::step()
{
    if (RaisedSuitButtons(host_) == 0) {
        ClickSuitButton(t_, host_, static_cast<int16_t>(rng_.below(kSuitCount)));
    } else if (t_.ComputerToMove) {
        host_.now += static_cast<int32_t>(kComputerPauseMs + 1);
        Timer1_Timer(t_, host_);
    } else {
        humanTurn();
    }
}

// A random admitted card, clicked in the middle of its visible strip; with
// none to lay, or one time in eight anyway, a click on the stock.
void RandomPlayer::humanTurn()
{
    std::array<int, kHandCapacity> legal{};
    int n = 0;
    for (int i = 0; i < t_.HumanCount; ++i)
        if (admitted(t_, t_.HumanHand[i]))
            legal[n++] = i;
    if (n == 0 || rng_.below(8) == 0) {
        Form_MouseDown(t_, host_, t_.Geometry.StockX + 1.0f + rng_.below(kCardWidth - 2),
                       t_.Geometry.StockY + 1.0f + rng_.below(kCardHeight - 2));
        return;
    }
    const int i = legal[rng_.below(n)];
    const float strip = i + 1 < t_.HumanCount ? kCardWidth / 2.0f : kCardWidth;
    Form_MouseDown(t_, host_, t_.Geometry.HumanSlotPos[i].X + strip / 2,
                   t_.Geometry.HumanSlotPos[i].Y + 50.0f);
}

// Every lay and every take redraws the table once, and only they do; a take
// is the one move that makes the hands grow.
void RandomPlayer::countStep(int redrawsBefore, int cardsBefore, GameTally& tally)
{
    tally.moves += host_.redraws - redrawsBefore;
    const int cardsAfter = t_.HumanCount + t_.ComputerCount;
    if (cardsAfter > cardsBefore)
        tally.cardsDrawn += cardsAfter - cardsBefore;
    for (const Message& m : host_.messages) {
        if (m.title != kEndTitle)
            continue;
        ++(m.text == kWinText ? tally.humanWins : tally.computerWins);
    }
    host_.messages.clear();
    host_.cues.clear();
}

} // namespace kolvar::testing
