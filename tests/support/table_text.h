// Tables for tests, written in the one-line notation and laid out on the
// reference client area of 1000 x 700 pixels.
#pragma once

#include "game/layout.h"
#include "game/notation.h"

#include <gtest/gtest.h>

namespace kolvar::testing {

inline constexpr int kClientWidth = 1000;
inline constexpr int kClientHeight = 700;

inline Table TableFrom(std::string_view line)
{
    Table t;
    t.Geometry = LayOutTable(kClientWidth, kClientHeight);
    std::string error;
    EXPECT_TRUE(ParseTable(line, t, error)) << error << "\n  in: " << line;
    return t;
}

inline std::string HandText(const std::array<Card, kHandCapacity>& hand, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ',';
        out += FormatCard(hand[i]);
    }
    return out;
}
inline std::string HumanHandText(const Table& t)
{
    return HandText(t.HumanHand, t.HumanCount);
}
inline std::string ComputerHandText(const Table& t)
{
    return HandText(t.ComputerHand, t.ComputerCount);
}

// The centre of the visible strip of human card i, where a player clicks it.
inline float HumanCardX(const Table& t, int i)
{
    return t.Geometry.HumanSlotPos[i].X + 17.5f;
}
inline float HumanCardY(const Table& t, int i)
{
    return t.Geometry.HumanSlotPos[i].Y + 50.0f;
}

} // namespace kolvar::testing
