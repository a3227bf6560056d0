// The two options a player sets in the options window. They live only in
// memory for the run and both start on.
#pragma once

namespace kolvar {

struct Options {
    bool OptHumanFirst = true; // the human opens every new game; off: the computer opens
    bool OptSound = true;      // the sound cues play
};

} // namespace kolvar
