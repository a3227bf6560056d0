// Wave playback with Qt Multimedia's QSoundEffect, which is made for short,
// low-latency interface sounds.
#include "platform/wave_player.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>

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

// Each file is read by the sample cache's loader thread. An effect deleted
// while its file is still loading leaves the loader's request and network
// manager alive behind it, so the player lets every load finish first: for a
// short local file that takes milliseconds, and the wait is bounded.
SoundEffectPlayer::~SoundEffectPlayer()
{
    const auto loading = [this] {
        return std::any_of(effects_.cbegin(), effects_.cend(), [](const QSoundEffect* e) {
            return e->status() == QSoundEffect::Loading;
        });
    };
    if (loading()) {
        QEventLoop wait;
        for (QSoundEffect* effect : std::as_const(effects_))
            QObject::connect(effect, &QSoundEffect::statusChanged, &wait, [&] {
                if (!loading())
                    wait.quit();
            });
        QTimer::singleShot(2000, &wait, &QEventLoop::quit);
        wait.exec();
    }
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
