// The game's random generator: values in [0, 1), seeded once per run from
// the clock.
#pragma once

#include <QRandomGenerator>

namespace kolvar {

class RandomSource {
public:
    // Seeds the generator from the clock; the game does it once, at load.
    void Randomize();
    double next() { return generator_.generateDouble(); }

private:
    QRandomGenerator generator_;
};

} // namespace kolvar
