// The colour of the table: what clearing the table shows, the colour of the
// options window's boxes, and what the start-up measurement looks for on the
// screen. Plain numbers, so that a program without Qt can look for it too.
#pragma once

#include <cstdint>

namespace kolvar {

inline constexpr uint32_t kTableRgb = 0xFFC080; // red 255, green 192, blue 128

} // namespace kolvar
