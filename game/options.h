// The options a player sets in the options window. They live only in
// memory for the run: both switches start on, the computer plays its
// classic game.
#pragma once

#include "game/computer_level.h"

namespace kolvar {

struct Options {
    bool OptHumanFirst = true; // the human opens every new game; off: the computer opens
    bool OptSound = true;      // the sound cues play
    ComputerLevel Level = ComputerLevel::Clasic; // from the next deal on
};

} // namespace kolvar
