// The game's four sound cues, played from wave files beside the executable
// or in the installed data folder while the sound option is on.
#pragma once

#include "game/cues.h"
#include "game/options.h"

#include <QString>
#include <array>
#include <memory>
#include <string_view>

namespace kolvar {

class WavePlayer;

// The path of a cue's wave file: beside the executable when it is there (a
// build tree, a copy run in place), else in the installed data folder found
// from the executable's own place, so that any install prefix works. When
// neither holds it, the path beside the executable, which plays the alert.
QString CuePath(std::string_view file);

class CuePlayer {
public:
    // Plays through `player`, by default the desktop's event sounds. The
    // cues' files are found now, once.
    explicit CuePlayer(const Options& options, std::unique_ptr<WavePlayer> player = nullptr);
    ~CuePlayer();

    // Nothing at all happens while OptSound is off.
    void PlaySoundCue(std::string_view file);
    // Connects the player to the sound server, once the window is up.
    void prepare();

    void setPlayer(std::unique_ptr<WavePlayer> player);

private:
    const Options& options_;
    std::unique_ptr<WavePlayer> player_;
    std::array<QString, kCueFiles.size()> paths_;
};

} // namespace kolvar
