// The full redraw of the worst table on a 1920 x 1080 client, and beside it
// the floor: the same fill and the same card copies as bare QPainter calls.
// The pictures are picture boxes as the main window holds them, loaded from
// the game's own resources.
#include "floor_painter.h"
#include "tables.h"

#include "platform/picture_box.h"
#include "view/card_rendering.h"
#include "view/form1.h"

#include <benchmark/benchmark.h>

namespace kolvar::bench {
namespace {

constexpr QSize kClient(1920, 1080);

struct RedrawScene {
    RedrawScene()
        : table(WorstTable(kClient.width(), kClient.height())),
          surface(nullptr, kClient, kTableColour), sheet(nullptr, QSize(1, 1), Qt::white),
          back(nullptr, QSize(1, 1), Qt::white),
          face(nullptr, QSize(kCardWidth, kCardHeight), Qt::white),
          renderer(table, TablePictures{surface, sheet, back, face})
    {
        sheet.setPicture(QImage(":/cards.png"));
        back.setPicture(QImage(":/back.png"));
    }

    Table table;
    PictureBox surface, sheet, back, face;
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
        PaintTableFloor(target, scene.table, scene.sheet.image(), scene.back.image());
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RedrawFloor)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kolvar::bench
