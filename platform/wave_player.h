// Asynchronous playback of short wave files through the desktop's event
// sound library, libcanberra. Each cue starts at once and plays in the
// background; starting one stops any still playing. A file that cannot be
// played (missing, unreadable, not a wave) plays the desktop's alert sound
// instead; with no sound device nothing is heard, nothing is printed and
// nothing fails.
#pragma once

#include <QString>
#include <functional>
#include <thread>

struct ca_context;

namespace kolvar {

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Starts the file at `path` and returns at once.
    virtual void play(const QString& path) = 0;
    // Gets ready to play, so that the first cue starts at once; called
    // once the game's window is up, before the first cue.
    virtual void prepare() {}
};

class CanberraPlayer : public WavePlayer {
public:
    // `alert` is what a file that cannot be played plays instead; by
    // default the desktop's bell, or the window system's beep.
    explicit CanberraPlayer(std::function<void()> alert = {});
    ~CanberraPlayer() override;
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    void play(const QString& path) override;
    // Connects to the sound server (or finds there is none) on a thread of
    // its own; a cue played meanwhile waits for it.
    void prepare() override;

private:
    void ringBell();

    ca_context* context_ = nullptr;
    std::function<void()> alert_;
    std::thread opener_;
};

} // namespace kolvar
