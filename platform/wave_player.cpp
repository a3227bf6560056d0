// Wave playback with Qt Multimedia's QSoundEffect, which is made for short,
// low-latency interface sounds.
#include "platform/wave_player.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace kolvar {

SoundEffectPlayer::SoundEffectPlayer(const QStringList& paths, std::function<void()> alert)
    : alert_(alert ? std::move(alert) : [] { QApplication::beep(); })
{
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        auto* effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
        effects_.insert(path, effect);
    }
}

SoundEffectPlayer::~SoundEffectPlayer()
{
    qDeleteAll(effects_);
}

void SoundEffectPlayer::play(const QString& path)
{
    if (playing_)
        playing_->stop();
    playing_ = effects_.value(path, nullptr);
    if (playing_)
        playing_->play();
    else
        alert_();
}

} // namespace kolvar
