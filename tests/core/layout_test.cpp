// The table geometry on the reference client area and on unusual ones.
#include "game/layout.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(Layout, ReferenceClientAreaPlacesEverythingWhereThePlayerExpectsIt)
{
    const TableGeometry t = LayOutTable(1000, 700);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(t.HumanSlotPos[i].X, 220 + 35 * i) << "human slot " << i;
        EXPECT_EQ(t.HumanSlotPos[i].Y, 550);
        EXPECT_EQ(t.ComputerSlotPos[i].X, 220 + 35 * i) << "computer slot " << i;
        EXPECT_EQ(t.ComputerSlotPos[i].Y, 50);
    }
    EXPECT_EQ(t.HumanSlotPos[15].X, 745);
    EXPECT_EQ(t.TopCardX, 465);
    EXPECT_EQ(t.TopCardY, 300);
    EXPECT_EQ(t.PrevCardX, 500);
    EXPECT_EQ(t.PrevCardY, 300);
    EXPECT_EQ(t.StockX, 220);
    EXPECT_EQ(t.StockY, 300);

    const SuitButtonPlacement b = PlaceSuitButtons(1000, 700, 39, 38);
    EXPECT_EQ(b.left, 911);
    EXPECT_EQ(b.top, (std::array<int, 4>{224, 287, 350, 413}));
}

TEST(Layout, SlotsBeyondSixteenContinueTheRowInsteadOfPilingUpInTheCorner)
{
    const TableGeometry t = LayOutTable(1000, 700);
    for (int i = 16; i < 21; ++i) {
        EXPECT_EQ(t.HumanSlotPos[i].X, 220 + 35 * i) << "human slot " << i;
        EXPECT_EQ(t.HumanSlotPos[i].Y, 550);
        EXPECT_EQ(t.ComputerSlotPos[i].X, 220 + 35 * i) << "computer slot " << i;
        EXPECT_EQ(t.ComputerSlotPos[i].Y, 50);
    }
    // The 21st card still ends inside the reference table.
    EXPECT_LE(t.HumanSlotPos[20].X + kCardWidth, 1000);
}

TEST(Layout, NarrowClientStartsTheRowLeftOfTheEdgeRoundingDown)
{
    const TableGeometry t = LayOutTable(501, 480);
    // Int((501 - 560) / 2) = Int(-29.5) = -30, not -29.
    EXPECT_EQ(t.HumanSlotPos[0].X, -30);
    EXPECT_EQ(t.HumanSlotPos[1].X, 5);
    EXPECT_EQ(t.StockX, -30);
    EXPECT_EQ(t.HumanSlotPos[0].Y, 330); // 150 above the bottom edge
    EXPECT_EQ(t.TopCardX, 215);          // Int(431 / 2)
    EXPECT_EQ(t.PrevCardX, 250);         // Int(501 / 2)
    EXPECT_EQ(t.TopCardY, 190);

    const SuitButtonPlacement b = PlaceSuitButtons(501, 100, 39, 38);
    EXPECT_EQ(b.left, 412);
    EXPECT_EQ(b.top[0], -76); // Int((100 - 152 - 100) / 2)
    EXPECT_EQ(b.top[1], -13);
}

// The human's row keeps to the bottom whatever the height: on a short table
// (a small screen at a high scale), on the designed one, and on tall ones
// (a large screen, a portrait screen), it is whole, clear of the pile, and
// 50 pixels above the bottom edge, as the computer's row is 50 below the top.
TEST(Layout, TheHumanRowStaysAlongTheBottomClearOfThePileAtEveryHeight)
{
    for (int h : {400, 520, 700, 1060, 1900}) {
        const TableGeometry t = LayOutTable(1000, h);
        for (int i = 0; i < kHandCapacity; ++i) {
            EXPECT_EQ(t.HumanSlotPos[i].Y, h - 150) << h << " slot " << i;
            EXPECT_EQ(t.ComputerSlotPos[i].Y, 50) << h << " slot " << i;
        }
        EXPECT_EQ(t.TopCardY, (h - 100) / 2) << h;
        EXPECT_EQ(t.StockY, t.TopCardY) << h;
        EXPECT_LE(t.TopCardY + kCardHeight, t.HumanSlotPos[0].Y)
            << h << ": the pile covers the hand";
        EXPECT_GE(t.TopCardY, t.ComputerSlotPos[0].Y + kCardHeight) << h;
        EXPECT_EQ(h - (t.HumanSlotPos[0].Y + kCardHeight), t.ComputerSlotPos[0].Y) << h;
    }
    EXPECT_EQ(LayOutTable(960, 520).HumanSlotPos[0].Y, 370);
    EXPECT_EQ(LayOutTable(1080, 1900).HumanSlotPos[0].Y, 1750);
}

TEST(Layout, TheCardUnderTheTopCardStartsAtTheMiddleForOddAndEvenWidths)
{
    for (int w : {999, 1000, 1003, 1366}) {
        const TableGeometry t = LayOutTable(w, 700);
        EXPECT_EQ(t.PrevCardX, w / 2) << w;
        EXPECT_EQ(t.PrevCardX - t.TopCardX, 35) << w;
    }
}

} // namespace
} // namespace kolvar
