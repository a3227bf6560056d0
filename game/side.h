// The two sides at the table, and the parts of the Table that belong to
// each, so that a rule both sides play by is written once for either.
#pragma once

#include "game/table.h"

#include <concepts>
#include <type_traits>

namespace kolvar {

enum class Side { Human, Computer };

constexpr Side Opponent(Side s)
{
    return s == Side::Human ? Side::Computer : Side::Human;
}

// A Table, read-only or not; the accessors below give the side's own field
// with the same constness.
template <typename T>
concept AnyTable = std::same_as<std::remove_const_t<T>, Table>;

inline auto& HandCards(AnyTable auto& t, Side s)
{
    return s == Side::Human ? t.HumanHand : t.ComputerHand;
}

inline auto& HandCount(AnyTable auto& t, Side s)
{
    return s == Side::Human ? t.HumanCount : t.ComputerCount;
}

inline auto& DrawDue(AnyTable auto& t, Side s)
{
    return s == Side::Human ? t.HumanDrawDue : t.ComputerDrawDue;
}

inline auto& ShownBy(AnyTable auto& t, Side s)
{
    return t.Shown[s == Side::Human ? 0 : 1];
}

} // namespace kolvar
