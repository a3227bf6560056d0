// The game's four sound cues, each rendered from the synthesis building blocks:
// the human laying a card (click), the human drawing from the stock (laser),
// the computer laying a card (clap) and the computer drawing a card (camera).
#pragma once

#include "synth.h"

#include <array>

namespace kolvar::sounds
{

Signal render_click();  // a soft tap of a card on felt
Signal render_laser();  // a falling pitch sweep
Signal render_clap();   // a hand clap
Signal render_camera(); // a camera shutter

struct Cue {
    const char* file_name;
    Signal (*render)();
    // The range the rendered length must fall in; checked before writing so a
    // careless change to a cue cannot produce something far too long or short.
    double min_seconds;
    double max_seconds;
};

const std::array<Cue, 4>& all_cues();

} // namespace kolvar::sounds
