// The desktop's session bus, used and never started. Where the environment
// names no session bus, the D-Bus library launches one for the first
// program that asks (through dbus-launch, which writes under HOME and
// leaves a daemon running). The game asks for one only to find a screen
// reader and the desktop's settings, and it must start nothing and write
// nothing on the player's machine; so where no bus is named and none is at
// its usual place, it uses none.
#pragma once

namespace kolvar {

// Before the application is made: where no session bus is named or at its
// usual place in the runtime folder, the game's own process is told that
// there is none, so that none is launched for it.
void UseNoSessionBusUnlessNamed();

// Whether the game has a session bus: one named, or at its usual place.
// Asking Qt for the bus where there is none would launch one.
bool SessionBusNamed();

// Once the application is connected to its display, and before anything
// asks for accessibility: where the game has no session bus, the bus that a
// screen reader's launcher names on the X display's root window is handed
// to Qt's accessibility, which would otherwise look for it only through the
// session bus.
void FindAccessibilityBusOnDisplay();

} // namespace kolvar
