// The game's four sound cues, each rendered from the synthesis building blocks:
// the human laying a card (click), the human drawing from the stock (laser),
// the computer laying a card (clap) and the computer drawing a card (camera).
#pragma once

#include "synth.h"

#include <array>
#include <string_view>

namespace kolvar::sounds {

Signal renderClick();  // a soft tap of a card on felt
Signal renderLaser();  // a falling pitch sweep
Signal renderClap();   // a hand clap
Signal renderCamera(); // a camera shutter

struct Cue {
    std::string_view fileName; // as game/cues.h names it
    Signal (*render)();
    // The range the rendered length must fall in; checked before writing so a
    // careless change to a cue cannot produce something far too long or short.
    double minSeconds;
    double maxSeconds;
};

const std::array<Cue, 4>& allCues();

} // namespace kolvar::sounds
