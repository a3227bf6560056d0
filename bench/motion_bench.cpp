// The cards in flight through the real main window. BM_FlightFrame: one
// frame of the human's lay in flight, from the animation clock's step to the
// window repainted, on a 3840 x 2160 client (zoom 3.3) and a 1920 x 1080 one;
// the clock is stepped by hand, one frame of a 60 Hz screen at a time, and
// the lay is played again outside the timing when it has landed.
// BM_ComputerTake: the computer's take of five cards under a jack chain at
// 4K on a real event loop and Qt's own animation clock, counting the frames
// drawn and the longest gap between two of them.
#include "moving_tables.h"
#include "settle.h"
#include "stepped_clock.h"

#include "computer/computer_turn.h"
#include "game/notation.h"
#include "view/form1.h"
#include "view/motion_timing.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace kolvar::bench {
namespace {

using testing::kComputerOwesFive;
using testing::kHumanToLay;
constexpr int kFrameMs = 16;

struct FlightScene {
    explicit FlightScene(QSize client)
    {
        window.probe().presentMessage = [](const QString&, const QString&) {};
        window.show();
        window.resize(client + QSize(0, window.menuBar()->height()));
        Settle();
    }
    void set(const char* line)
    {
        std::string error;
        if (!ParseTable(line, window.probe().table, error))
            std::abort();
        window.RedrawTable();
        Settle();
    }
    // The human lays his nine of diamonds.
    void lay()
    {
        set(kHumanToLay);
        const SlotPos& card = window.probe().geometry.HumanSlotPos[1];
        window.Form_MouseDown(Qt::LeftButton, {}, card.X + kCardWidth / 4,
                              card.Y + kCardHeight / 2);
    }

    Form1 window{LaunchSettings{.motion = true}};
};

void BM_FlightFrame(benchmark::State& state)
{
    testing::SteppedClock clock;
    FlightScene scene(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    int inFlight = 0;
    for (auto _ : state) {
        if (inFlight <= 0) {
            state.PauseTiming();
            clock.step(2 * kFlightMs); // the last lay lands
            scene.lay();
            clock.step(0); // the move's own full repaint
            inFlight = kFlightMs;
            state.ResumeTiming();
        }
        clock.step(kFrameMs);
        inFlight -= kFrameMs;
    }
    if (scene.window.probe().table.HumanCount != 3)
        state.SkipWithError("the human laid no card");
    state.counters["zoom"] = scene.window.probe().scale.zoom;
    state.counters["client_width"] = scene.window.probe().surface.width();
}
BENCHMARK(BM_FlightFrame)
    ->ArgNames({"width", "height"})
    ->Args({3840, 2160})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

// The moments the table was painted.
struct Frames : QObject {
    explicit Frames(QWidget& table) { table.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            at.push_back(clock.nsecsElapsed());
        return false;
    }
    QElapsedTimer clock;
    std::vector<qint64> at;
};

void BM_ComputerTake(benchmark::State& state)
{
    FlightScene scene(QSize(3840, 2160));
    const double refreshMs = 1000.0 / scene.window.screen()->refreshRate();
    double frames = 0, longestGapMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.set(kComputerOwesFive);
        Frames painted(scene.window.probe().surface);
        state.ResumeTiming();
        painted.clock.start();
        ComputerMove(scene.window.probe().table, scene.window);
        // The take lasts four gaps and a flight; the loop runs a little longer.
        QEventLoop loop;
        QTimer::singleShot(4 * kTakeStaggerMs + kFlightMs + 100, &loop, &QEventLoop::quit);
        loop.exec();
        state.PauseTiming();
        frames += static_cast<double>(painted.at.size());
        for (size_t i = 1; i < painted.at.size(); ++i)
            longestGapMs = std::max(longestGapMs, (painted.at[i] - painted.at[i - 1]) / 1e6);
        if (scene.window.probe().table.ComputerCount != 7)
            state.SkipWithError("the computer took no five cards");
        state.ResumeTiming();
    }
    state.counters["frames"] = frames / static_cast<double>(state.iterations());
    state.counters["longest_gap_ms"] = longestGapMs;
    state.counters["late_after_ms"] = 1.5 * refreshMs;
    state.counters["zoom"] = scene.window.probe().scale.zoom;
}
BENCHMARK(BM_ComputerTake)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kolvar::bench
