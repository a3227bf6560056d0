// The game loop of the strength benchmark.
#include "match.h"

#include "computer/computer_turn.h"
#include "fake_host.h"
#include "game/end_game.h"
#include "game/new_game.h"
#include "game/suit_buttons.h"
#include "game/timing.h"
#include "human/table_click.h"
#include "players.h"
#include "split_mix.h"

#include <chrono>

namespace kolvar::bench {
namespace {

constexpr int kMoveLimit = 1000;

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

ComputerLevel levelNamed(const std::string& name)
{
    return name == "expert" ? ComputerLevel::Expert : ComputerLevel::Clasic;
}

// The player's turn: a lay, with the suit named after a seven, or a take.
void playerMoves(Table& t, testing::FakeHost& host, const SeatPlayer& player, bool timed,
                 MatchTally& tally)
{
    const auto start = Clock::now();
    const Play play = player.play(t, host);
    if (timed)
        tally.decisionMs.push_back(msSince(start));
    if (play.isTake()) {
        ClickStock(t, host);
        return;
    }
    ClickHandCard(t, host, play.index);
    if (t.GameInProgress && !t.suitNamed())
        ClickSuitButton(t, host, play.rule.kind == SuitRule::Named ? play.rule.suit : t.TopSuit);
}

void computerMoves(Table& t, testing::FakeHost& host, ComputerLevel level, MatchTally& tally)
{
    host.now = static_cast<int32_t>(static_cast<uint32_t>(t.LastMoveTick) + kComputerPauseMs + 1);
    const auto start = Clock::now();
    ComputerTick(t, host);
    if (level == ComputerLevel::Expert)
        tally.decisionMs.push_back(msSince(start));
}

} // namespace

void MatchTally::add(const MatchTally& o)
{
    games += o.games;
    playerWins += o.playerWins;
    computerWins += o.computerWins;
    unfinished += o.unfinished;
    moves += o.moves;
    decisionMs.insert(decisionMs.end(), o.decisionMs.begin(), o.decisionMs.end());
}

bool ValidMatch(const std::string& player, const std::string& computer)
{
    return PlayerNamed(player) && (computer == "clasic" || computer == "expert");
}

void PlayMatchGame(const std::string& playerName, const std::string& computer, uint64_t seed,
                   long game, MatchTally& tally)
{
    const SeatPlayer player = *PlayerNamed(playerName);
    const ComputerLevel level = levelNamed(computer);
    testing::SplitMix random(seed * 0x9e3779b97f4a7c15ULL + static_cast<uint64_t>(game));
    testing::FakeHost host;
    host.randomSource = [&] { return random.unit(); };
    Table t;
    Options options;
    options.OptHumanFirst = game % 2 == 0;
    options.Level = level;
    DealNewGame(t, options, host, ComputerOpeningSuit);
    ++tally.games;

    int moves = 0;
    for (; t.GameInProgress && moves < kMoveLimit; ++moves) {
        if (!t.suitNamed())
            ClickSuitButton(t, host, player.openingSuit(t, host));
        else if (t.ComputerToMove)
            computerMoves(t, host, level, tally);
        else
            playerMoves(t, host, player, playerName.starts_with("expert"), tally);
    }
    tally.moves += moves;
    if (t.GameInProgress) {
        ++tally.unfinished;
        return;
    }
    for (Notice m : host.messages)
        if (m != Notice::PickSuit)
            ++(m == Notice::HumanWon ? tally.playerWins : tally.computerWins);
}

} // namespace kolvar::bench
