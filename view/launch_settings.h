// What the player may set for one run from outside the game, read once at
// start-up: KOLVAR_ZOOM, a zoom from 0.5 to 4 instead of the fitted one;
// KOLVAR_ANIMATION, on or off, motion whatever the desktop says; and
// KOLVAR_CHECK=1, the state checker after every event. A value that is not
// understood is said in one line and left out; an empty one asks for
// nothing.
#pragma once

#include <optional>
#include <string>

namespace kolvar {

struct LaunchSettings {
    std::optional<double> zoom = std::nullopt;
    std::optional<bool> motion = std::nullopt;
    bool checking = false;
};

// The settings the environment holds; `said` gets a line (ending in a
// newline) for each value left out.
LaunchSettings ReadLaunchSettings(std::string& said);

} // namespace kolvar
