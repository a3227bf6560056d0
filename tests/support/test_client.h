// The client area the tests and benchmarks lay the table out on, unless they
// say otherwise (the size the table is designed for), and where on it a
// player clicks a card of his hand.
#pragma once

#include "game/table.h"

namespace kolvar::testing {

inline constexpr int kClientWidth = 1000;
inline constexpr int kClientHeight = 700;

// The centre of the visible strip of human card i, where a player clicks it.
inline float HumanCardX(const Table& t, int i)
{
    return t.Geometry.HumanSlotPos[i].X + kCardWidth / 4.0f;
}
inline float HumanCardY(const Table& t, int i)
{
    return t.Geometry.HumanSlotPos[i].Y + kCardHeight / 2.0f;
}

} // namespace kolvar::testing
