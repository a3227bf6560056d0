// A 4K window resized in the middle of a game, as a player drags its edge:
// each step lays the table out again and redraws it while the card art of
// the old scale stands in, stretched (BM_Relayout, from the resize to the
// repainted window); once the drag stops, the art is made for the new scale
// and the table redrawn crisp (BM_CrispArt). The client areas alternate
// between two sizes near 3840 x 2160, so that every step changes the zoom.
#include "settle.h"
#include "tables.h"

#include "game/notation.h"
#include "view/form1.h"

#include <QMenuBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace kolvar::bench {
namespace {

const QSize kClients[] = {{3840, 2130}, {3790, 2100}};

struct ResizeScene {
    ResizeScene()
    {
        window.probe().presentMessage = [](const QString&, const QString&) {};
        window.show();
        std::string error;
        if (!ParseTable(kMidGame, window.probe().table, error))
            std::abort();
        resizeTo(0);
        window.RedrawTable();
        Settle();
    }
    // Gives the table widget client area `i` of kClients; false if it did
    // not take it.
    bool resizeTo(int i)
    {
        window.resize(kClients[i] + QSize(0, window.menuBar()->height()));
        return window.probe().surface.size() == kClients[i];
    }

    Form1 window{LaunchSettings{.motion = false}};
};

void BM_Relayout(benchmark::State& state)
{
    ResizeScene scene;
    int next = 1;
    for (auto _ : state) {
        if (!scene.resizeTo(next))
            state.SkipWithError("the table did not take the new size");
        scene.window.probe().surface.repaint();
        next = 1 - next;
    }
}
BENCHMARK(BM_Relayout)->Unit(benchmark::kMillisecond);

void BM_CrispArt(benchmark::State& state)
{
    ResizeScene scene;
    int next = 1;
    for (auto _ : state) {
        state.PauseTiming();
        scene.resizeTo(next);
        next = 1 - next;
        if (scene.window.probe().renderer.artIsCrisp())
            state.SkipWithError("the art was made for the new scale at once");
        state.ResumeTiming();
        scene.window.probe().renderer.makeCrispArt();
        scene.window.probe().renderer.drawWhole();
        scene.window.probe().surface.repaint();
    }
}
BENCHMARK(BM_CrispArt)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kolvar::bench
