// The sound cues: the wave files that the moves ask the window to play, by
// what happened. Each side has its own sounds, so the player hears who moved.
// The wave files lie beside the executable, or in the installed data folder.
#pragma once

#include <array>
#include <string_view>

namespace kolvar {

inline constexpr std::string_view kHumanLayCue = "click.wav";
inline constexpr std::string_view kHumanTakeCue = "laser.wav";
inline constexpr std::string_view kComputerLayCue = "clap.wav";
inline constexpr std::string_view kComputerTakeCue = "camera.wav";

inline constexpr std::array<std::string_view, 4> kCueFiles = {kHumanLayCue, kHumanTakeCue,
                                                              kComputerLayCue, kComputerTakeCue};

} // namespace kolvar
