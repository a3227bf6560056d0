// Tables for tests, written in the one-line notation.
#pragma once

#include "game/layout.h"
#include "game/notation.h"
#include "test_client.h"

#include <gtest/gtest.h>
#include <vector>

namespace kolvar::testing {

inline Table TableFrom(std::string_view line)
{
    Table t;
    std::string error;
    EXPECT_TRUE(ParseTable(line, t, error)) << error << "\n  in: " << line;
    return t;
}

inline std::string HandText(const std::array<Card, kHandCapacity>& hand, int count)
{
    const std::vector<Face> faces(hand.begin(), hand.begin() + count);
    return FormatCards(faces.data(), count);
}
inline std::string HumanHandText(const Table& t)
{
    return HandText(t.HumanHand, t.HumanCount);
}
inline std::string ComputerHandText(const Table& t)
{
    return HandText(t.ComputerHand, t.ComputerCount);
}

} // namespace kolvar::testing
