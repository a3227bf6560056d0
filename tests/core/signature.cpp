// The signature: a fixed seeded run of whole games, summed up in one line.
// The same rules give the same line on every machine and with every
// compiler, since the random player draws from our own generator; a change
// of how either side plays, or of what a move does, changes it. The speed
// of the run goes to standard error, apart from the line.
//
//   kolvar_signature [games]          prints the line (default 10000 games)
//   kolvar_signature --expect LINE    plays the default run and fails
//                                     unless its line is exactly LINE
//
// The CTest test core.Signature runs the second form with the line that the
// README quotes.
#include "random_player.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr long kDefaultGames = 10000;

std::string playRun(long games)
{
    kolvar::testing::RandomPlayer player(1);
    kolvar::testing::GameTally tally;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < games; ++g)
        player.playGame(tally);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "%.3f s, %.0f moves/s\n", seconds,
                 static_cast<double>(tally.moves) / seconds);
    return "signature: games " + std::to_string(tally.games) + " moves " +
           std::to_string(tally.moves) + " human-wins " + std::to_string(tally.humanWins) +
           " computer-wins " + std::to_string(tally.computerWins) + " abandoned " +
           std::to_string(tally.abandoned) + " cards-drawn " + std::to_string(tally.cardsDrawn);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--expect") {
        const std::string line = playRun(kDefaultGames);
        std::printf("%s\n", line.c_str());
        if (line == argv[2])
            return 0;
        std::printf("expected: %s\n", argv[2]);
        return 1;
    }
    const long games = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultGames;
    if (games <= 0 || argc > 2) {
        std::fprintf(stderr, "usage: kolvar_signature [games] | --expect LINE\n");
        return 2;
    }
    std::printf("%s\n", playRun(games).c_str());
    return 0;
}
