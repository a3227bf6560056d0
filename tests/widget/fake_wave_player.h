// A wave player that records what it was asked to play.
#pragma once

#include "platform/wave_player.h"

#include <QStringList>

namespace kolvar::testing {

class FakeWavePlayer : public WavePlayer {
public:
    explicit FakeWavePlayer(QStringList& played) : played_(played) {}
    void play(const QString& path) override { played_ << path.section('/', -1); }

private:
    QStringList& played_;
};

} // namespace kolvar::testing
