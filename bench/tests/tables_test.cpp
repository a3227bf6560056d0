// The benchmarks' tables are what the benchmarks take them for: the worst
// table fills every place the redraw draws, and the mid-game table is sound,
// with a first human card whose lay is legal and hands the computer a turn
// in which it lays.
#include "tables.h"

#include "computer/computer_turn.h"
#include "game/invariants.h"
#include "game/layout.h"
#include "game/notation.h"
#include "human/table_click.h"

#include "fake_host.h"

#include <gtest/gtest.h>

namespace kolvar::bench {
namespace {

TEST(Tables, TheWorstTableFillsBothRowsAndThePile)
{
    const Table t = WorstTable();
    const TableGeometry g = LayOutTable(1920, 1080);
    EXPECT_EQ(t.HumanCount, kHandCapacity);
    EXPECT_EQ(t.ComputerCount, kHandCapacity);
    EXPECT_GE(t.PlayedCount, 2);
    for (int i = 0; i < kHandCapacity; ++i)
        EXPECT_EQ(t.HumanHand[i].Slot, i);
    EXPECT_LE(g.HumanSlotPos[kHandCapacity - 1].X + kCardWidth, 1920);
}

TEST(Tables, TheMidGameTableIsSoundAndItsMovesAreLays)
{
    Table t;
    const TableGeometry g = LayOutTable(1920, 1050);
    std::string error;
    ASSERT_TRUE(ParseTable(kMidGame, t, error)) << error;
    testing::FakeHost host;
    ASSERT_EQ(CheckInvariants(t), "");

    ClickTable(t, g, host, g.HumanSlotPos[0].X + kCardWidth / 4,
               g.HumanSlotPos[0].Y + kCardHeight / 2);
    EXPECT_EQ(t.HumanCount, 13);
    EXPECT_TRUE(t.ComputerToMove);
    EXPECT_EQ(host.redraws, 1);

    ComputerMove(t, host);
    EXPECT_EQ(t.ComputerCount, 13);
    EXPECT_TRUE(t.GameInProgress);
    EXPECT_EQ(CheckInvariants(t), "");
}

} // namespace
} // namespace kolvar::bench
