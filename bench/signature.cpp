// The signature: a fixed seeded run of whole games, summed up in one line.
// The same rules give the same line on every machine and with every
// compiler; a change of how either side plays, or of what a move does,
// changes it. The speed of the run goes to standard error, apart from the
// line.
//
//   kolvar_signature [games]    (default 10000)
#include "random_player.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long games = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    if (games <= 0) {
        std::fprintf(stderr, "usage: kolvar_signature [games]\n");
        return 2;
    }
    kolvar::bench::RandomPlayer player(1);
    kolvar::bench::GameTally tally;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < games; ++g)
        player.playGame(tally);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("signature: games %ld moves %ld human-wins %ld computer-wins %ld abandoned %ld "
                "cards-drawn %ld\n",
                tally.games, tally.moves, tally.humanWins, tally.computerWins, tally.abandoned,
                tally.cardsDrawn);
    std::fprintf(stderr, "%.3f s, %.0f moves/s\n", seconds,
                 static_cast<double>(tally.moves) / seconds);
    return 0;
}
