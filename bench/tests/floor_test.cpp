// The floor is a fair one only if it draws the very picture that the
// renderer draws: the same pixels, for the worst table and for a table in
// play, before and after the pile has cards, at the scales the game draws at.
#include "floor_painter.h"
#include "tables.h"

#include "game/layout.h"
#include "game/notation.h"
#include "platform/picture_box.h"
#include "view/card_rendering.h"
#include "view/table_surface.h"

#include <gtest/gtest.h>

namespace kolvar::bench {
namespace {

struct Scene {
    Scene(QSize client, double s, const TableGeometry& laidOut)
        : geometry(laidOut), scale{s, 1}, surface(nullptr, client, kTableColour),
          renderer(view, surface)
    {
    }

    // The renderer's picture and the floor's, of the current table.
    std::pair<QImage, QImage> bothPictures()
    {
        renderer.RedrawTable();
        QImage floor(surface.image().size(), QImage::Format_RGB32);
        floor.fill(Qt::black);
        PaintTableFloor(floor, table, geometry, renderer.art().sheet(), renderer.art().back(),
                        scale.s());
        return {surface.image().copy(), floor};
    }

    Table table;
    TableGeometry geometry;
    HandSelection selection;
    TableScale scale;
    TableView view{table, table, geometry, selection, scale};
    PictureBox surface;
    CardRenderer renderer;
};

TEST(Floor, DrawsTheWorstTableExactlyAsTheRendererDoes)
{
    for (double scale : {1.0, 1.5, 3.0}) {
        Scene scene({1920, 1080}, scale,
                    LayOutTable(static_cast<int>(1920 / scale), static_cast<int>(1080 / scale)));
        scene.table = WorstTable();
        const auto [drawn, floor] = scene.bothPictures();
        const TableGeometry& g = scene.geometry;
        EXPECT_EQ(QColor(drawn.pixel(0, 0)), kTableColour);
        EXPECT_NE(QColor(drawn.pixel(static_cast<int>((g.StockX + 35) * scale),
                                     static_cast<int>((g.StockY + 50) * scale))),
                  kTableColour);
        EXPECT_TRUE(drawn == floor) << scale;
    }
}

TEST(Floor, DrawsTablesInPlayExactlyAsTheRendererDoes)
{
    for (double scale : {1.0, 2.0}) {
        Scene scene(QSize(1000, 700) * scale, scale, LayOutTable(1000, 700));
        for (const char* played : {"played=0", "played=1", "played=9"}) {
            std::string error;
            ASSERT_TRUE(ParseTable(std::string(kMidGame) + " " + played, scene.table, error))
                << error;
            const auto [drawn, floor] = scene.bothPictures();
            EXPECT_TRUE(drawn == floor) << played << " at " << scale;
        }
    }
}

TEST(Floor, DrawsCardsCutOffByASmallClientAsTheRendererDoes)
{
    for (QSize client : {QSize(400, 700), QSize(1000, 600), QSize(300, 420)})
        for (double scale : {1.0, 1.25}) {
            Scene scene(client, scale, LayOutTable(client.width(), client.height()));
            scene.table = WorstTable();
            const auto [drawn, floor] = scene.bothPictures();
            EXPECT_TRUE(drawn == floor) << client.width() << " x " << client.height();
        }
}

} // namespace
} // namespace kolvar::bench
