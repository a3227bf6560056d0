// The main window as the player first sees it: its caption, colour, size,
// menu bar, suit buttons and hidden pictures.
#include "platform/picture_box.h"
#include "view/form1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(Form1Window, OpensAsTheScreenSizedTable)
{
    Form1 w;
    EXPECT_EQ(w.windowTitle(), "Have fun!!");
    EXPECT_EQ(w.size(), w.screen()->size());
    EXPECT_EQ(w.surface().background(), QColor(255, 192, 128));
    EXPECT_EQ(w.surface().image().size(), w.surface().size());
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_EQ(w.timer().interval(), 50);
    EXPECT_FALSE(w.timer().isActive());
    EXPECT_TRUE(w.options().OptHumanFirst);
    EXPECT_TRUE(w.options().OptSound);
}

TEST(Form1Window, MenuBarHasTheGamesItemsInOrderWithTheirKeys)
{
    Form1 w;
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Help");
    auto items = [](QAction* menu) {
        QStringList out;
        for (QAction* a : menu->menu()->actions())
            out << a->text() + "|" + a->shortcut().toString() + "|" +
                       (a->isEnabled() ? "on" : "off");
        return out;
    };
    EXPECT_EQ(items(menus[0]), (QStringList{"Joc Nou|F2|on", "Optiuni|F3|on", "Exit|F4|on"}));
    EXPECT_EQ(items(menus[1]), (QStringList{"Despre||on", "Reguli de joc|F1|on"}));
}

TEST(Form1Window, SuitButtonsStandFlatInAColumnAtTheRightEdge)
{
    Form1 w;
    const int W = w.surface().width(), H = w.surface().height();
    for (int s = 0; s < 4; ++s) {
        PictureBox& b = w.picture(4 + s);
        EXPECT_EQ(b.size(), QSize(39, 38)) << s;
        EXPECT_EQ(b.image().size(), QSize(35, 34)) << s;
        EXPECT_EQ(b.Appearance(), 0) << s;
        EXPECT_EQ(b.x(), W - 50 - 39) << s;
        EXPECT_EQ(b.y(), (H - 4 * 38 - 100) / 2 + s * (38 + 25)) << s;
        EXPECT_TRUE(b.isVisibleTo(&w));
    }
    for (int n = 1; n <= 3; ++n)
        EXPECT_FALSE(w.picture(n).isVisibleTo(&w)) << n;
    EXPECT_EQ(w.picture(1).image().size(), QSize(911, 401));
    EXPECT_EQ(w.picture(2).image().size(), QSize(70, 96));
}

TEST(Form1Window, TheLookSetIsTheLookReadBackAndShowsAsABevel)
{
    Form1 w;
    PictureBox& hearts = w.picture(6);
    w.SetSuitLook(kHearts, kRaised);
    EXPECT_EQ(w.SuitLook(kHearts), 1);
    EXPECT_EQ(hearts.Appearance(), 1);
    const QImage raised = hearts.grab().toImage();
    w.SetSuitLook(kHearts, kFlat);
    EXPECT_EQ(w.SuitLook(kHearts), 0);
    const QImage flat = hearts.grab().toImage();
    // Raised: light above, dark below; flat: the same outline all round.
    EXPECT_GT(qGray(raised.pixel(10, 0)), qGray(raised.pixel(10, 37)) + 100);
    EXPECT_EQ(flat.pixel(10, 0), flat.pixel(10, 37));
    // The raised button shows its icon as it is; a flat one fades it towards
    // the table, so the named suit stands out.
    const QImage icon = hearts.image();
    const QPoint middle(17, 17); // inside the heart
    EXPECT_EQ(raised.pixel(middle + QPoint(2, 2)), icon.pixel(middle));
    EXPECT_NE(flat.pixel(middle + QPoint(2, 2)), icon.pixel(middle));
    EXPECT_EQ(hearts.image(), icon); // the picture itself is untouched
}

TEST(Form1Window, NoCardsBeforeTheFirstNewGame)
{
    Form1 w;
    EXPECT_EQ(w.table().HumanCount, 0);
    EXPECT_EQ(w.table().ComputerCount, 0);
    const QImage& table = w.surface().image();
    for (int y = 0; y < table.height(); y += 7)
        for (int x = 0; x < table.width(); x += 7)
            ASSERT_EQ(QColor(table.pixel(x, y)), QColor(255, 192, 128)) << x << "," << y;
}

} // namespace
} // namespace kolvar
