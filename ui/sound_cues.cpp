// Turning a cue's name into the wave file beside the executable.
#include "ui/sound_cues.h"

#include "platform/system.h"
#include "platform/wave_player.h"

#include <algorithm>

namespace kolvar {

QString CuePath(std::string_view file)
{
    return ExecutableDirectory() + "/" +
           QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
}

SoundCues::SoundCues(const Options& options, std::unique_ptr<WavePlayer> player) : options_(options)
{
    for (size_t i = 0; i < kCueFiles.size(); ++i)
        paths_[i] = CuePath(kCueFiles[i]);
    if (!player)
        player = std::make_unique<SoundEffectPlayer>(QStringList(paths_.begin(), paths_.end()));
    player_ = std::move(player);
}

SoundCues::~SoundCues() = default;

void SoundCues::setPlayer(std::unique_ptr<WavePlayer> player)
{
    player_ = std::move(player);
}

void SoundCues::PlaySoundCue(std::string_view file)
{
    if (!options_.OptSound)
        return;
    const auto known = std::find(kCueFiles.begin(), kCueFiles.end(), file);
    if (known != kCueFiles.end())
        player_->play(paths_[known - kCueFiles.begin()]);
    else
        player_->play(CuePath(file));
}

} // namespace kolvar
