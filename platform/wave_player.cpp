// Wave playback through libcanberra, the library desktops use for short
// event sounds: it streams each file to the sound server (PulseAudio or
// PipeWire, else ALSA) from a thread of its own.
#include "platform/wave_player.h"

#include <QApplication>
#include <canberra.h>

namespace kolvar {
namespace {

// Every cue is played under this id, so that starting one cancels the last.
constexpr uint32_t kCueId = 1;

// Failures that mean the file itself cannot be played, as against no sound
// at all (no device, no server), which is met with silence.
bool fileUnplayable(int error)
{
    switch (error) {
    case CA_ERROR_NOTFOUND:
    case CA_ERROR_CORRUPT:
    case CA_ERROR_ACCESS:
    case CA_ERROR_IO:
    case CA_ERROR_SYSTEM:
    case CA_ERROR_NOTSUPPORTED:
        return true;
    default:
        return false;
    }
}

} // namespace

CanberraPlayer::CanberraPlayer(std::function<void()> alert)
    : alert_(alert ? std::move(alert) : [this] { ringBell(); })
{
    // Creating a context loads nothing and connects to nothing.
    if (ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return;
    }
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Kolvar", CA_PROP_APPLICATION_ID,
                            "org.example.kolvar", CA_PROP_APPLICATION_ICON_NAME,
                            "org.example.kolvar", nullptr);
}

CanberraPlayer::~CanberraPlayer()
{
    if (opener_.joinable())
        opener_.join();
    if (context_)
        ca_context_destroy(context_);
}

// Opening loads the backend and connects to the sound server, some
// milliseconds that the game's thread need not wait. Every call on a context
// holds its lock, so a cue played meanwhile waits for the opening to finish.
void CanberraPlayer::prepare()
{
    if (context_ && !opener_.joinable())
        opener_ = std::thread([context = context_] { ca_context_open(context); });
}

void CanberraPlayer::play(const QString& path)
{
    if (!context_)
        return;
    ca_context_cancel(context_, kCueId);
    const QByteArray file = path.toLocal8Bit();
    const int result = ca_context_play(context_, kCueId, CA_PROP_MEDIA_FILENAME, file.constData(),
                                       CA_PROP_MEDIA_ROLE, "event", nullptr);
    if (fileUnplayable(result))
        alert_();
}

// The desktop's bell from its sound theme; without one, the window system's.
void CanberraPlayer::ringBell()
{
    const int result = ca_context_play(context_, kCueId, CA_PROP_EVENT_ID, "bell-window-system",
                                       CA_PROP_MEDIA_ROLE, "event", nullptr);
    if (fileUnplayable(result))
        QApplication::beep();
}

} // namespace kolvar
