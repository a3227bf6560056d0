// kolvar_play_cue FILE...: plays each file through the game's player, one
// after the other as cues are played, and reports on standard output each
// alert played in a file's place and the slowest call, so that the sound
// tests can watch a player in a process of its own (its exit, its output).
#include "platform/wave_player.h"

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[])
{
    QString current;
    kolvar::CanberraPlayer player([&] { std::printf("alert %s\n", qPrintable(current)); });
    player.prepare();
    double slowestMs = 0;
    for (int i = 1; i < argc; ++i) {
        current = QString::fromLocal8Bit(argv[i]);
        const auto start = std::chrono::steady_clock::now();
        player.play(current);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        slowestMs = std::max(slowestMs, took.count());
    }
    std::printf("slowest %.3f ms\n", slowestMs);
    return 0;
}
