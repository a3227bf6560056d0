// Process services: the millisecond tick count, the program's directory and
// whether there is a display to show a window on.
#pragma once

#include <QString>
#include <cstdint>

namespace kolvar {

// Milliseconds of a monotonic clock, as a 32-bit value that wraps.
int32_t GetTickCount();

// The directory that holds the running executable, without a trailing "/".
QString ExecutableDirectory();

// Whether the windowing platform Qt will use has a display to connect to;
// false only for a desktop platform (X11, Wayland) with none configured.
bool HasDisplay();

} // namespace kolvar
