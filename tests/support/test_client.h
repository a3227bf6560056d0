// The table the tests and benchmarks lay out, unless they say otherwise (the
// size the table is designed for), and the clicks a player makes on it: on
// the middle of a card's visible strip, on the stock, anywhere.
#pragma once

#include "game/layout.h"
#include "game/table.h"
#include "human/table_click.h"

namespace kolvar::testing {

inline constexpr int kClientWidth = 1000;
inline constexpr int kClientHeight = 700;

inline const TableGeometry& TestGeometry()
{
    static const TableGeometry g = LayOutTable(kClientWidth, kClientHeight);
    return g;
}

// Where a player clicks human card i: a quarter card in, half a card down.
inline int HumanCardX(int i)
{
    return TestGeometry().HumanSlotPos[i].X + kCardWidth / 4;
}
inline int HumanCardY(int i)
{
    return TestGeometry().HumanSlotPos[i].Y + kCardHeight / 2;
}

inline void ClickAt(Table& t, Host& host, int x, int y)
{
    ClickTable(t, TestGeometry(), host, x, y);
}
inline void ClickCard(Table& t, Host& host, int i)
{
    ClickAt(t, host, HumanCardX(i), HumanCardY(i));
}
inline void ClickStockMiddle(Table& t, Host& host)
{
    const TableGeometry& g = TestGeometry();
    ClickAt(t, host, g.StockX + kCardWidth / 2, g.StockY + kCardHeight / 2);
}

} // namespace kolvar::testing
