// The full redraw of the worst table on a 1920 x 1080 client, at the zoom the
// game takes there (1.66), and beside it the floor: the same fill and the same
// card copies as bare QPainter calls. The card art is the game's own, drawn
// at that scale once before the timing starts.
#include "floor_painter.h"
#include "tables.h"

#include "platform/picture_box.h"
#include "view/card_rendering.h"
#include "view/table_surface.h"
#include "view/table_zoom.h"

#include <benchmark/benchmark.h>

namespace kolvar::bench {
namespace {

constexpr QSize kClient(1920, 1080);

struct RedrawScene {
    RedrawScene()
        : fit(FitTable(kClient, 1, std::nullopt)), zoom(fit.scale.zoom), geometry(fit.geometry),
          scale(fit.scale), surface(nullptr, kClient, kTableColour), renderer(view, surface)
    {
        renderer.RedrawTable(); // every face the table shows drawn once
    }

    TableFit fit;
    double zoom;
    Table table = WorstTable();
    TableGeometry geometry;
    HandSelection selection; // the mouse plays: no outline
    TableScale scale;
    TableView view{table, table, geometry, selection, scale};
    PictureBox surface;
    CardRenderer renderer;
};

void BM_RedrawTable(benchmark::State& state)
{
    RedrawScene scene;
    for (auto _ : state) {
        scene.renderer.RedrawTable();
        benchmark::DoNotOptimize(scene.surface.image().constBits());
    }
}
BENCHMARK(BM_RedrawTable)->Unit(benchmark::kMicrosecond);

void BM_RedrawFloor(benchmark::State& state)
{
    RedrawScene scene;
    QImage target(kClient, QImage::Format_RGB32);
    for (auto _ : state) {
        PaintTableFloor(target, scene.table, scene.geometry, scene.renderer.art().sheet(),
                        scene.renderer.art().back(), scene.zoom);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RedrawFloor)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kolvar::bench
