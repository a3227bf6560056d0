// Asynchronous playback of short wave files. Each file is loaded once, up
// front, so that playing it allocates nothing and starts at once; starting
// one stops any still playing. A file that is missing plays the desktop's
// alert sound instead, and with no audio device nothing is heard and
// nothing fails.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSoundEffect;

namespace kolvar {

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Starts the file at `path` and returns at once.
    virtual void play(const QString& path) = 0;
};

class SoundEffectPlayer : public WavePlayer {
public:
    // Loads the given files; `alert` is what a missing file plays instead.
    explicit SoundEffectPlayer(const QStringList& paths, std::function<void()> alert = {});
    ~SoundEffectPlayer() override;

    void play(const QString& path) override;

private:
    QHash<QString, QSoundEffect*> effects_; // only the files that exist
    QSoundEffect* playing_ = nullptr;
    std::function<void()> alert_;
};

} // namespace kolvar
