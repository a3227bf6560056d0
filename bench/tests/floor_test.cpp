// The floor is a fair one only if it draws the very picture that the
// renderer draws: the same pixels, for the worst table and for a table in
// play, before and after the pile has cards.
#include "floor_painter.h"
#include "tables.h"

#include "game/layout.h"
#include "game/notation.h"
#include "platform/picture_box.h"
#include "view/card_rendering.h"
#include "view/form1.h"

#include <gtest/gtest.h>

namespace kolvar::bench {
namespace {

struct Scene {
    explicit Scene(QSize client)
        : surface(nullptr, client, kTableColour), sheet(nullptr, QSize(1, 1), Qt::white),
          back(nullptr, QSize(1, 1), Qt::white),
          face(nullptr, QSize(kCardWidth, kCardHeight), Qt::white),
          renderer(table, TablePictures{surface, sheet, back, face})
    {
        sheet.setPicture(QImage(":/cards.png"));
        back.setPicture(QImage(":/back.png"));
    }

    // The renderer's picture and the floor's, of the current table.
    std::pair<QImage, QImage> bothPictures()
    {
        renderer.RedrawTable();
        QImage floor(surface.image().size(), QImage::Format_RGB32);
        floor.fill(Qt::black);
        PaintTableFloor(floor, table, sheet.image(), back.image());
        return {surface.image().copy(), floor};
    }

    Table table;
    PictureBox surface, sheet, back, face;
    CardRenderer renderer;
};

TEST(Floor, DrawsTheWorstTableExactlyAsTheRendererDoes)
{
    Scene scene({1920, 1080});
    scene.table = WorstTable(1920, 1080);
    const auto [drawn, floor] = scene.bothPictures();
    EXPECT_EQ(QColor(drawn.pixel(0, 0)), kTableColour);
    EXPECT_NE(
        QColor(drawn.pixel(scene.table.Geometry.StockX + 35, scene.table.Geometry.StockY + 50)),
        kTableColour);
    EXPECT_TRUE(drawn == floor);
}

TEST(Floor, DrawsTablesInPlayExactlyAsTheRendererDoes)
{
    Scene scene({1000, 700});
    scene.table.Geometry = LayOutTable(1000, 700);
    for (const char* played : {"played=0", "played=1", "played=9"}) {
        std::string error;
        ASSERT_TRUE(ParseTable(std::string(kMidGame) + " " + played, scene.table, error)) << error;
        const auto [drawn, floor] = scene.bothPictures();
        EXPECT_TRUE(drawn == floor) << played;
    }
}

TEST(Floor, DrawsCardsCutOffByASmallClientAsTheRendererDoes)
{
    for (QSize client : {QSize(400, 700), QSize(1000, 600), QSize(300, 420)}) {
        Scene scene(client);
        scene.table = WorstTable(client.width(), client.height());
        const auto [drawn, floor] = scene.bothPictures();
        EXPECT_TRUE(drawn == floor) << client.width() << " x " << client.height();
    }
}

// Backs of other sizes, stretched up, down and unevenly, and a back changed
// between two redraws: the renderer must not go on showing the old one.
TEST(Floor, DrawsBacksOfAnySizeAsTheRendererDoes)
{
    Scene scene({1000, 700});
    scene.table = WorstTable(1000, 700);
    const QImage back = scene.back.image().copy();
    for (QSize size : {QSize(35, 48), QSize(140, 200), QSize(71, 97), QSize(1, 1), QSize(70, 96)}) {
        scene.back.setPicture(back.scaled(size));
        const auto [drawn, floor] = scene.bothPictures();
        EXPECT_TRUE(drawn == floor) << size.width() << " x " << size.height();
    }
}

} // namespace
} // namespace kolvar::bench
