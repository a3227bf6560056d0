// Process services: the millisecond tick count, the program's directory,
// whether there is a display to show a window on, and what the player is told
// when the display that is named does not answer.
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

// Qt's messages while the application connects to the window system are held
// back from HoldStartupMessages() to ReleaseStartupMessages(), and then passed
// on as Qt wrote them. When the display named does not answer (a DISPLAY left
// over from another session, an X server not started yet), Qt would print
// three lines, blame its own installation and abort; instead the player is
// told in one line and the program ends with status 1. From then on a
// message just like the one before it is not repeated.
void HoldStartupMessages();
void ReleaseStartupMessages();

} // namespace kolvar
