// One move each way through the real main window on a 1920 x 1080 screen:
// the human's mouse-down on a legal card, and the computer's move, each up to
// the finished redraw of the table's image (painted:0) or further, to the
// window repainted from it (painted:1), with the sound option on (sound:1,
// as the game starts) or off (sound:0). Before every move, outside the
// timing, the window gets back the same mid-game table and suit buttons and
// works off its pending events, so every iteration plays the same move. And
// the first deal of a fresh window, which makes the card art it shows.
#include "settle.h"
#include "tables.h"

#include "computer/computer_turn.h"
#include "game/notation.h"
#include "platform/picture_box.h"
#include "view/form1.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace kolvar::bench {
namespace {

struct MoveScene {
    MoveScene()
    {
        window.probe().presentMessage = [](const QString&, const QString&) {};
        window.show();
        std::string error;
        if (!ParseTable(kMidGame, window.probe().table, error))
            std::abort();
        humanToMove = window.probe().table;
        window.Form_MouseDown(Qt::LeftButton, {}, humanCardX(), humanCardY());
        computerToMove = window.probe().table;
        QCoreApplication::processEvents();
    }

    // The middle of the visible strip of the human's first card.
    int humanCardX() { return window.probe().geometry.HumanSlotPos[0].X + kCardWidth / 4; }
    int humanCardY() { return window.probe().geometry.HumanSlotPos[0].Y + kCardHeight / 2; }

    void restore(const Table& t)
    {
        window.probe().table = t;
        QCoreApplication::processEvents();
    }

    void paintIfAsked(bool painted)
    {
        if (painted)
            window.probe().surface.repaint();
    }

    Form1 window{LaunchSettings{.motion = false}};
    Table humanToMove;
    Table computerToMove;
};

// Times `move` from the table `start`, again and again; `played` says
// whether the last move did what it should.
template <typename Move, typename Played>
void timeMove(benchmark::State& state, const Table MoveScene::*start, Move move, Played played,
              const char* failure)
{
    MoveScene scene;
    const bool painted = state.range(0) != 0;
    scene.window.probe().options.OptSound = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.restore(scene.*start);
        state.ResumeTiming();
        move(scene);
        scene.paintIfAsked(painted);
    }
    if (!played(scene))
        state.SkipWithError(failure);
}

void BM_HumanMove(benchmark::State& state)
{
    timeMove(
        state, &MoveScene::humanToMove,
        [](MoveScene& s) {
            s.window.Form_MouseDown(Qt::LeftButton, {}, s.humanCardX(), s.humanCardY());
        },
        [](MoveScene& s) {
            return s.window.probe().table.HumanCount == s.humanToMove.HumanCount - 1;
        },
        "the human's click laid no card");
}
BENCHMARK(BM_HumanMove)
    ->ArgNames({"painted", "sound"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_ComputerMove(benchmark::State& state)
{
    timeMove(
        state, &MoveScene::computerToMove,
        [](MoveScene& s) { ComputerMove(s.window.probe().table, s.window); },
        [](MoveScene& s) {
            return s.window.probe().table.ComputerCount == s.computerToMove.ComputerCount - 1;
        },
        "the computer laid no card");
}
BENCHMARK(BM_ComputerMove)
    ->ArgNames({"painted", "sound"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The first deal of a fresh window, shown and settled, from "Joc Nou" up to
// the repainted window: the faces dealt are drawn on this first use (at zoom
// 1 the shipped sheet is decoded; the back was drawn once the window was up).
// At the zoom the game takes on this 1920 x 1080 screen (zoom:0, that is
// 1.5), and at zooms 1 and 3 as KOLVAR_ZOOM sets them.
void BM_FirstDeal(benchmark::State& state)
{
    LaunchSettings settings{.motion = false};
    if (state.range(0) > 0)
        settings.zoom = static_cast<double>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Form1>(settings);
        window->show();
        Settle();
        state.ResumeTiming();
        window->JocNou_Click();
        window->probe().surface.repaint();
        state.PauseTiming();
        if (window->probe().table.HumanCount != kDealSize)
            state.SkipWithError("no deal");
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstDeal)
    ->ArgName("zoom")
    ->Arg(0)
    ->Arg(1)
    ->Arg(3)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kolvar::bench
